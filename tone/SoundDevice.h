// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The one seam between the tone service and the sound hardware. The program
// chooses a device for itself (ChooseSoundDevice); tests may put a recording
// stand-in in its place, and every tone still passes through the same Beep and
// the same synthesiser.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace vornaby::tone {

class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // Readies the device for a tone; returns the sample rate it runs at, or 0
    // when no device can be had (nothing sounds then).
    [[nodiscard]] virtual std::uint32_t Begin() = 0;

    // Plays mono float frames; blocks while the device's buffer is full.
    // False when the device failed and the tone cannot go on, or when it has
    // taken no frame for a second.
    [[nodiscard]] virtual bool Write(std::span<const float> frames) = 0;

    // Ends a tone. Returns when every written frame has been heard, or, on a
    // device that plays its last frames on by itself, when a tone written
    // next would follow on without a gap; false when the device failed or
    // frames may have been lost.
    [[nodiscard]] virtual bool Drain() = 0;

    // For a tone service with no thread of its own (a page's), which writes
    // a whole tone at once and never waits: where the written frames have got
    // to, asked over and over in place of Drain. By default it drains.
    enum class Progress { Playing, Heard, Failed };
    [[nodiscard]] virtual Progress Poll() { return Drain() ? Progress::Heard : Progress::Failed; }

    // Ends what has been written one ramp of rampFrames from the frame the
    // device has reached, falling as the synthesiser's own ramp does. False
    // where the device cannot: its frames come a block at a time, and the
    // synthesiser fades those still to come.
    virtual bool FadeOut(std::uint64_t rampFrames)
    {
        (void)rampFrames;
        return false;
    }

    // True once the device has failed in a way it does not come back from by
    // itself (its server went away, say), even between tones.
    [[nodiscard]] virtual bool Lost() const { return false; }

    // What the device is, for the line that says the sound is back.
    [[nodiscard]] virtual std::string Name() const { return "the sound device"; }
};

// The device the next tone goes to. The program's own choice
// (ChooseSoundDevice) is made at the first call and made again after that
// device has failed (CurrentDeviceFailed, or Lost). An installed device is
// kept whatever happens to it.
// A tone keeps the device it plays on for as long as it plays.
[[nodiscard]] std::shared_ptr<SoundDevice> CurrentSoundDevice();

// The platform's device for tones. On Linux a PipeWire stream where a PipeWire
// server answers, otherwise the ALSA "default" PCM; on Windows the default
// output endpoint through WASAPI; in a page the browser's Web Audio.
[[nodiscard]] std::unique_ptr<SoundDevice> ChooseSoundDevice();

// Installs another device (tests install a recorder); returns the previous one.
std::shared_ptr<SoundDevice> InstallSoundDevice(std::shared_ptr<SoundDevice> device);

// The current device failed a tone: the next tone goes to a device chosen
// afresh.
void CurrentDeviceFailed();

// One line on standard error when the sound goes, and one when it comes back:
// a failure is reported only while the sound was working (or was never
// reported lost), the return once a tone has played after a reported failure.
void ReportSoundFailure(std::string_view what);
void ReportSoundWorks(const SoundDevice& device);

} // namespace vornaby::tone
