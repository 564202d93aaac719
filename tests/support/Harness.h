// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Shared test support: a recording sound device in place of the program's
// own, a prompt recorder at the framework's prompt seam, and helpers to drive
// a modal dialog.

#include "framework/qt/Controls.h"
#include "framework/Dialog.h"
#include "framework/qt/QtPrompt.h"
#include "tone/SoundDevice.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace test {

using namespace fw;

// Hands the program's resources to the framework and names the application,
// as the program's own start-up does.
void SetUpApplication();

struct RecordedTone {
    std::uint32_t rate = 0;
    std::vector<float> frames;
    bool drained = false; // the tone service waited for the last frame

    [[nodiscard]] double DurationMs() const { return frames.size() * 1000.0 / rate; }
    // Whether these are exactly the synthesiser's frames for that tone.
    [[nodiscard]] bool Is(std::uint32_t frequencyHz, std::uint32_t durationMs) const;
};

// How the stand-in device takes its frames: at once, or as fast as a real
// device plays them (so that a tone lasts its length).
enum class Pace { Instant, RealTime };

// Records every tone that reaches the device; a tone with no frames is no tone.
// The recording is shared with the tone service's worker thread, so look at it
// only while no tone is sounding.
class RecordingDevice final : public vornaby::tone::SoundDevice {
public:
    RecordingDevice(std::vector<RecordedTone>& tones, Pace pace) : m_tones(tones), m_pace(pace) {}
    std::uint32_t Begin() override { m_open = false; return kRate; }
    bool Write(std::span<const float> frames) override;
    bool Drain() override;

    static constexpr std::uint32_t kRate = 48000;

private:
    std::vector<RecordedTone>& m_tones;
    Pace m_pace;
    bool m_open = false;
};

// Puts a recorder in place of the sound device for as long as it lives.
class ToneRecorder {
public:
    explicit ToneRecorder(Pace pace = Pace::Instant);
    ~ToneRecorder();
    std::vector<RecordedTone> tones;

private:
    std::unique_ptr<vornaby::tone::SoundDevice> m_previous;
};

struct SeenPrompt {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    bool modal;
};

// Answers every prompt with OK and remembers what it said.
class PromptRecorder {
public:
    PromptRecorder();
    ~PromptRecorder();
    std::vector<SeenPrompt> seen;
    [[nodiscard]] QStringList Texts() const;
    void Clear() { seen.clear(); }
};

// Runs dialog modally; script runs once the window is up. If the script
// leaves the dialog open, it is cancelled afterwards. Returns DoModal's result.
int RunModal(CDialog& dialog, const std::function<void(QWidget& window)>& script);

// The dialog's window while it exists, and the control with this identifier
// in a dialog's window.
QWidget* WindowOf(const CDialog& dialog);
QWidget* Control(QWidget& window, int controlId);

// Types text into an edit field or a combo box's field, replacing what was there.
void TypeInto(QWidget* control, const QString& text);

// Presses a key on whichever widget has the keyboard focus.
void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

} // namespace test

namespace test {

// Runs action once a modal window other than below opens on top of it (the
// next prompt, About box or menu); the action should close it. A modal window
// the action leaves open (a check in it failed) is closed afterwards, so a
// failing test ends at once instead of waiting on the window.
void WhenNextModalOpens(QWidget& below, std::function<void(QWidget& modal)> action);

// Clicks the control through its window, as the window system delivers a
// click (unlike QTest's clicks on a widget, which skip the window).
void ClickThroughWindow(QWidget* control);

// No window is left open: every test closes what it opened.
[[nodiscard]] bool NoWindowLeftOpen();

} // namespace test
