#include "dialogs/VornabyDlg.h"

#include "dialogs/AboutDlg.h"
#include "framework/FormExchange.h"
#include "framework/Resources.h"
#include "framework/ToneService.h"
#include "resources/resource.h"

#include <algorithm>

namespace {

// Simple mode always plays this long.
constexpr std::int32_t kPresetDurationMs = 300;

// A duration that failed its check is still held, and "play" still plays the
// held values. Ten seconds is the longest duration the form accepts, so a
// longer held one plays for ten seconds rather than freezing the window for
// minutes; a negative one is no length at all and plays nothing.
constexpr std::int32_t kLongestDurationMs = 10000;

void ShowAboutBox()
{
    CAboutDlg about;
    about.DoModal();
}

void PlayTone(std::int32_t frequencyHz, std::int32_t durationMs)
{
    // Likewise a held frequency below 1 Hz is no tone: it must not reach the
    // tone service as a huge unsigned number.
    if (frequencyHz < 1 || durationMs < 0)
        return;
    Beep(static_cast<std::uint32_t>(frequencyHz),
         static_cast<std::uint32_t>(std::min(durationMs, kLongestDurationMs)));
}

} // namespace

const EventTable CVornabyDlg::s_eventTable{
    &CDialog::s_eventTable,
    [] {
        static constexpr EventRow rows[] = {
            events::OnCommand<&CVornabyDlg::OnPlay>(BN_CLICKED, IDC_PLAY),
            events::OnCommand<&CVornabyDlg::OnAdvancedClicked>(BN_CLICKED, IDC_ADVANCED),
            events::OnHScroll<&CVornabyDlg::OnSliderScroll>(),
            events::OnCommand<&CVornabyDlg::OnPresetSelChange>(CBN_SELCHANGE, IDC_PRESET),
            events::OnSysCommand<&CVornabyDlg::OnSystemCommand>(),
            events::OnCommand<&CVornabyDlg::OnAbout>(BN_CLICKED, IDC_ABOUT),
        };
        return std::span<const EventRow>(rows);
    }(),
};

CVornabyDlg::CVornabyDlg() : CDialog(IDD_MAIN_FORM)
{
    m_appIcon = LoadIcon(IDI_APP);
}

CVornabyDlg::~CVornabyDlg() = default;

void CVornabyDlg::ExchangeFields(FormExchange& exchange)
{
    exchange.IntegerText(IDC_FREQUENCY, m_frequencyHz);
    exchange.Range(m_frequencyHz, 1, 20000);
    exchange.IntegerText(IDC_DURATION, m_durationMs);
    exchange.Range(m_durationMs, 50, 10000);
    exchange.Bind(IDC_DURATION, m_durationEdit);
    exchange.CheckState(IDC_ADVANCED, m_advancedMode);
    exchange.Bind(IDC_FREQUENCY, m_frequencyEdit);
    exchange.Bind(IDC_PRESET, m_presetCombo);
    exchange.IntegerText(IDC_PRESET, m_presetFrequencyHz);
    exchange.Range(m_presetFrequencyHz, 1, 200000);
    exchange.SliderPosition(IDC_SLIDER, m_sliderPos);
    exchange.Range(m_sliderPos, 1, 20000);
    exchange.Bind(IDC_SLIDER, m_frequencySlider);
}

bool CVornabyDlg::OnOpenForm()
{
    // Writes the form; the slider still has its default range, so its
    // position shows as 100 until the range below is set.
    CDialog::OnOpenForm();

    if (CMenu* menu = GetSystemMenu()) {
        const std::string aboutItem = LoadString(IDS_ABOUT_ITEM);
        if (!aboutItem.empty()) {
            menu->AppendSeparator();
            menu->AppendItem(IDM_SYS_ABOUT, aboutItem);
        }
    }
    SetIcon(m_appIcon, true);
    SetIcon(m_appIcon, false);

    // The duration field starts at 500 while m_durationMs stays 300 until the
    // next read: the first advanced tone lasts 500 ms.
    m_durationEdit.SetWindowText("500");
    m_frequencySlider.SetRange(1, 20000, true);
    m_frequencySlider.SetPos(1000);
    return true;
}

void CVornabyDlg::OnPlay()
{
    // A failed read has shown its prompt; the tone still plays with the values
    // now held.
    UpdateForm(true);
    if (m_advancedMode == 1)
        PlayTone(m_frequencyHz, m_durationMs);
    else
        PlayTone(m_presetFrequencyHz, kPresetDurationMs);
}

void CVornabyDlg::OnAdvancedClicked()
{
    // The box has toggled itself already. m_advancedMode follows it only when
    // the read gets that far; the controls follow m_advancedMode.
    UpdateForm(true);
    const bool advanced = m_advancedMode == 1;
    m_durationEdit.EnableWindow(advanced);
    m_frequencyEdit.EnableWindow(advanced);
    m_presetCombo.EnableWindow(!advanced);
    m_frequencySlider.EnableWindow(advanced);
}

void CVornabyDlg::OnSliderScroll(int scrollCode, int position, CWnd* slider)
{
    m_sliderPos = m_frequencySlider.GetPos();
    m_frequencyHz = m_sliderPos;
    // Every control is rewritten from its member: whatever was typed since the
    // last read gives way.
    UpdateForm(false);
    DefaultHandling({.event = Event::HScroll, .code = scrollCode, .position = position, .source = slider});
}

void CVornabyDlg::OnSystemCommand(unsigned command, int position)
{
    // The low four bits of a window command are free for the window's use.
    if ((command & 0xFFF0) == IDM_SYS_ABOUT)
        ShowAboutBox();
    else
        DefaultHandling({.event = Event::SysCommand, .param = command, .position = position});
}

void CVornabyDlg::OnAbout()
{
    ShowAboutBox();
}

void CVornabyDlg::OnPresetSelChange()
{
    // Picking a preset only fills the field; the next read takes it.
}
