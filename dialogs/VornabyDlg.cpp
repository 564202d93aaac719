// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "dialogs/VornabyDlg.h"

#include "dialogs/AboutDlg.h"
#include "dialogs/ToneLimits.h"
#include "framework/FormExchange.h"
#include "framework/Resources.h"
#include "framework/Wait.h"
#include "resources/resource.h"
#include "tone/Tone.h"

#include <algorithm>
#include <optional>

using namespace fw;
using namespace tone_limits;

namespace {

void ShowAboutBox()
{
    CAboutDlg about;
    about.DoModal();
}

// Sounds the tone and returns when it has ended; the window keeps painting
// meanwhile, and what the user does waits until then (a close stops the tone).
// A value that failed its check is still held, and "play" still plays the held
// values: a held duration over the longest the form accepts plays for the
// longest (ten seconds) rather than freezing the window for minutes, and a
// negative duration or a frequency below 1 Hz is no tone at all (nor a huge
// unsigned number).
void PlayTone(std::int32_t frequencyHz, std::int32_t durationMs)
{
    if (frequencyHz < 1 || durationMs < 0)
        return;
    // The tone as the framework's wait runs work: a close fades it.
    class ToneWork final : public Work {
    public:
        ToneWork(std::uint32_t hz, std::uint32_t ms) : m_hz(hz), m_ms(ms) {}
        void Start(std::function<void()> wake) override { m_tone.emplace(m_hz, m_ms, std::move(wake)); }
        bool Finished() override { return m_tone->Ended(); }
        void Stop() override { m_tone->Fade(); }

    private:
        std::uint32_t m_hz, m_ms;
        std::optional<vornaby::tone::Tone> m_tone;
    };
    ToneWork tone(static_cast<std::uint32_t>(frequencyHz),
                  static_cast<std::uint32_t>(std::min(durationMs, kMaxDurationMs)));
    RunWhileInputWaits(tone);
}

} // namespace

using Rows = fw::EventRows<CVornabyDlg>;

const fw::EventRow CVornabyDlg::s_eventRows[] = {
    Rows::OnCommand<&CVornabyDlg::OnPlay>(BN_CLICKED, IDC_PLAY),
    Rows::OnCommand<&CVornabyDlg::OnAdvancedClicked>(BN_CLICKED, IDC_ADVANCED),
    Rows::OnHScroll<&CVornabyDlg::OnSliderScroll>(),
    Rows::OnCommand<&CVornabyDlg::OnPresetSelChange>(CBN_SELCHANGE, IDC_PRESET),
    Rows::OnNotify<&CVornabyDlg::OnSliderCustomDraw>(NM_CUSTOMDRAW, IDC_SLIDER),
    Rows::OnSysCommand<&CVornabyDlg::OnSystemCommand>(),
    Rows::OnPaint<&CVornabyDlg::OnPaintWindow>(),
    Rows::OnQueryDragIcon<&CVornabyDlg::OnDragIconQuery>(),
    Rows::OnCommand<&CVornabyDlg::OnAbout>(BN_CLICKED, IDC_ABOUT),
};
const fw::EventTable CVornabyDlg::s_eventTable{&CDialog::s_eventTable, s_eventRows};

CVornabyDlg::CVornabyDlg() : CDialog(IDD_MAIN_FORM)
{
    m_appIcon = LoadIcon(IDI_APP);
}

CVornabyDlg::~CVornabyDlg() = default;

void CVornabyDlg::ExchangeFields(FormExchange& exchange)
{
    exchange.IntegerText(IDC_FREQUENCY, m_frequencyHz);
    exchange.Range(m_frequencyHz, kMinFrequencyHz, kMaxFrequencyHz);
    exchange.IntegerText(IDC_DURATION, m_durationMs);
    exchange.Range(m_durationMs, kMinDurationMs, kMaxDurationMs);
    exchange.Bind(IDC_DURATION, m_durationEdit);
    exchange.CheckState(IDC_ADVANCED, m_advancedMode);
    exchange.Bind(IDC_FREQUENCY, m_frequencyEdit);
    exchange.Bind(IDC_PRESET, m_presetCombo);
    exchange.IntegerText(IDC_PRESET, m_presetFrequencyHz);
    exchange.Range(m_presetFrequencyHz, kMinFrequencyHz, kMaxPresetHz);
    exchange.SliderPosition(IDC_SLIDER, m_sliderPos);
    exchange.Range(m_sliderPos, kMinFrequencyHz, kMaxFrequencyHz);
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
    SetIcon(m_appIcon);

    // The duration field starts at 500 while m_durationMs stays 300 until the
    // next read: the first advanced tone lasts 500 ms.
    m_durationEdit.SetWindowText("500");
    m_frequencySlider.SetRange(kMinFrequencyHz, kMaxFrequencyHz, true);
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

void CVornabyDlg::OnSliderScroll(int scrollCode, int position)
{
    m_sliderPos = m_frequencySlider.GetPos();
    m_frequencyHz = m_sliderPos;
    // Every control is rewritten from its member: whatever was typed since the
    // last read gives way.
    UpdateForm(false);
    // The dialog's own handling of a scroll does nothing today; passing it on
    // keeps the window's behaviour whatever the framework adds there.
    DefaultHandling({.event = Event::HScroll, .code = scrollCode, .position = position});
}

void CVornabyDlg::OnSystemCommand(unsigned command)
{
    // The low four bits of a window command are free for the window's use.
    if ((command & 0xFFF0) == IDM_SYS_ABOUT)
        ShowAboutBox();
    else
        DefaultHandling({.event = Event::SysCommand, .param = command});
}

void CVornabyDlg::OnAbout()
{
    ShowAboutBox();
}

void CVornabyDlg::OnPaintWindow()
{
    // Painted as a dialog is, except when minimised (where the window system
    // asks): then the program's icon, centred.
    if (!IsIconic())
        return;
    CPaintDC dc(*this);
    dc.EraseIconBackground();
    const auto icon = SystemIconSize();
    const auto client = GetClientSize();
    dc.DrawIcon((client.width - icon.width + 1) / 2, (client.height - icon.height + 1) / 2, m_appIcon);
}

CIcon CVornabyDlg::OnDragIconQuery()
{
    return m_appIcon;
}

void CVornabyDlg::OnSliderCustomDraw(const NotifyHeader&, long long& result)
{
    // The slider draws itself as it does by default.
    result = 0;
}

void CVornabyDlg::OnPresetSelChange()
{
    // Picking a preset only fills the field; the next read takes it. The row
    // is kept so that the table says where a pick goes.
}
