// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// Fuzzes a whole read of the main form: arbitrary text in the three fields,
// any check state and slider position, any values held before. After every
// read, the members, the prompt shown (if any) and the result must be what a
// plain model of the form's rules says. The fuzzer runs inside the dialog's
// real modal run, against real widgets on the offscreen platform.

#include "support/ProbeDlg.h"
#include "framework/IntegerText.h"
#include "framework/Prompt.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtPrompt.h"
#include "framework/WinApp.h"
#include "dialogs/ToneLimits.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSlider>
#include <QTimer>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerRunDriver(int* argc, char*** argv, int (*callback)(const std::uint8_t*, std::size_t));

using test::ProbeDlg;
using namespace fw;
using namespace tone_limits;

namespace {

struct Members {
    std::int32_t frequency, duration, advanced, preset, slider;
    bool operator==(const Members&) const = default;
};

struct Outcome {
    Members members;
    std::vector<std::string> prompts;
    bool ok;
};

// The rules, row by row: integer text then its range; the first failure
// prompts and ends the read, keeping what was read before it.
Outcome Model(Members m, const std::string& f, const std::string& d, bool checked, const std::string& p, int slider)
{
    Outcome out{m, {}, true};
    auto row = [&](const std::string& text, std::int32_t& member, std::int32_t low, std::int32_t high) {
        if (!out.ok)
            return;
        const auto value = ParseInt32(text);
        if (!value) {
            out.prompts.push_back(IntegerPromptText());
            out.ok = false;
            return;
        }
        member = *value;
        if (member < low || member > high) {
            out.prompts.push_back(RangePromptText(low, high));
            out.ok = false;
        }
    };
    row(f, out.members.frequency, kMinFrequencyHz, kMaxFrequencyHz);
    row(d, out.members.duration, kMinDurationMs, kMaxDurationMs);
    if (out.ok)
        out.members.advanced = checked ? 1 : 0;
    row(p, out.members.preset, kMinFrequencyHz, kMaxPresetHz);
    if (out.ok)
        out.members.slider = slider;
    return out;
}

ProbeDlg* g_dialog = nullptr;
std::vector<std::string> g_prompts;

// Input: five little-endian int32 (held members: frequency, duration, preset,
// slider position, flags) then three texts separated by 0xFF bytes.
int OneInput(const std::uint8_t* data, std::size_t size)
{
    std::array<std::int32_t, 5> head{};
    if (size < sizeof head)
        return -1;
    std::memcpy(head.data(), data, sizeof head);
    std::vector<std::string> texts(1);
    for (std::size_t i = sizeof head; i < size; ++i) {
        if (data[i] == 0xFF && texts.size() < 3)
            texts.emplace_back();
        else
            texts.back() += static_cast<char>(data[i]);
    }
    texts.resize(3);

    ProbeDlg& dlg = *g_dialog;
    QWidget* window = dlg.BackendWindow();
    auto* frequency = window->findChild<QLineEdit*>("frequencyEdit");
    auto* duration = window->findChild<QLineEdit*>("durationEdit");
    auto* combo = window->findChild<QComboBox*>("presetCombo");
    auto* box = window->findChild<QAbstractButton*>("advancedCheck");
    auto* slider = window->findChild<QSlider*>("frequencySlider");

    dlg.m_frequencyHz = head[0];
    dlg.m_durationMs = head[1];
    dlg.m_presetFrequencyHz = head[2];
    dlg.m_advancedMode = head[4] & 1;
    dlg.m_sliderPos = head[3];
    frequency->setText(QString::fromUtf8(texts[0]));
    duration->setText(QString::fromUtf8(texts[1]));
    combo->setEditText(QString::fromUtf8(texts[2]));
    box->setChecked(head[4] & 2);
    slider->setValue(head[3]); // clamped to 1..20000 by the slider itself

    const Members before{dlg.m_frequencyHz, dlg.m_durationMs, dlg.m_advancedMode, dlg.m_presetFrequencyHz,
                         dlg.m_sliderPos};
    // The model reads what the controls really hold.
    const Outcome expected = Model(before, frequency->text().toStdString(), duration->text().toStdString(),
                                   box->isChecked(), combo->currentText().toStdString(), slider->value());
    g_prompts.clear();
    const bool ok = dlg.UpdateForm(true);
    const Members after{dlg.m_frequencyHz, dlg.m_durationMs, dlg.m_advancedMode, dlg.m_presetFrequencyHz,
                        dlg.m_sliderPos};
    if (ok != expected.ok || !(after == expected.members) || g_prompts != expected.prompts)
        std::abort();
    if (combo->count() != 14)
        std::abort(); // a read never changes the list
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    InstallResources(ProgramResources());
    NameApplication("vornaby");
    SetPromptWatcher([](QMessageBox& box) {
        g_prompts.push_back(box.text().toStdString());
        box.accept();
    });
    ProbeDlg dialog;
    g_dialog = &dialog;
    int status = 0;
    QTimer::singleShot(0, [&] {
        status = LLVMFuzzerRunDriver(&argc, &argv, OneInput);
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    return status;
}
