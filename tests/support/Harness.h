#pragma once
// Shared test support: a recording sound device in place of ALSA, a prompt
// recorder at the framework's prompt seam, and helpers to drive a modal dialog.

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Prompt.h"
#include "tone/SoundDevice.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace test {

struct RecordedTone {
    std::uint32_t rate = 0;
    std::vector<float> frames;

    [[nodiscard]] double DurationMs() const { return frames.size() * 1000.0 / rate; }
    // Frequency from the rising zero crossings, interpolated between frames.
    [[nodiscard]] double FrequencyHz() const;
};

// Records every tone that reaches the device; a tone with no frames is no tone.
class RecordingDevice final : public vornaby::tone::SoundDevice {
public:
    explicit RecordingDevice(std::vector<RecordedTone>& tones, std::uint32_t rate = 48000)
        : m_tones(tones), m_rate(rate) {}
    std::uint32_t Begin() override { m_open = false; return m_rate; }
    bool Write(std::span<const float> frames) override;
    bool Drain() override { return true; }

private:
    std::vector<RecordedTone>& m_tones;
    std::uint32_t m_rate;
    bool m_open = false;
};

// Puts a recorder in place of the sound device for as long as it lives.
class ToneRecorder {
public:
    ToneRecorder();
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

// The control with this identifier in window.
QWidget* Control(QWidget& window, int controlId);

// Types text into an edit field or a combo box's field, replacing what was there.
void TypeInto(QWidget* control, const QString& text);

// Presses a key on whichever widget has the keyboard focus.
void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

} // namespace test

namespace test {

// Runs action once a modal window other than below opens on top of it (the
// next prompt, About box or menu), then returns; the action should close it.
void WhenNextModalOpens(QWidget& below, std::function<void(QWidget& modal)> action);

} // namespace test
