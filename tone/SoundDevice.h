// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The one seam between the tone service and the sound hardware. The program
// chooses a device for itself (ChooseSoundDevice); tests may put a recording
// stand-in in its place, and every tone still passes through the same Tone and
// the same synthesiser.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace vornaby::tone {

class ToneSource;

// A sound device pulls a tone's frames from its source, on a thread or in a
// callback of its own, and says how many have been heard. Everything else
// about a tone (when it has ended, when it is given up, its fade, finding the
// device again) is the tone's own (Tone.h).
class SoundDevice : public std::enable_shared_from_this<SoundDevice> {
public:
    virtual ~SoundDevice() = default;

    // Starts pulling source, in place of any tone before it, and returns at
    // once. False when the device cannot be had (it has said why); a failure
    // later ends the source (ToneSource::Fail), and a source that is over is
    // let go.
    [[nodiscard]] virtual bool Start(std::shared_ptr<ToneSource> source) = 0;

    // For a device with no thread or callback of its own (a page's, a test's
    // recorder): acts on the source's fade and counts what has been heard.
    // Asked by the tone whenever it looks at the source.
    virtual void Poll(ToneSource& source) { (void)source; }

    // Readies the device, so that the first tone starts as quickly as every
    // later one. May take a while (it connects to a sound server).
    virtual void Prepare() {}

    // True once the device has failed in a way it does not come back from by
    // itself (its server went away, say), even between tones.
    [[nodiscard]] virtual bool Lost() const { return false; }

    // What the device is, for the lines that say the sound went or is back.
    [[nodiscard]] virtual std::string Name() const { return "the sound device"; }

    // Why a tone on it has made no progress, for the line that says so.
    [[nodiscard]] virtual std::string Stalled() const { return "it takes no frames"; }
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

// Runs work on a thread of the tone service's own, not joined: a device that
// hangs in its sound system must not hold whoever waits for the tone, nor the
// program's end. The work keeps what it uses alive for as long as it runs.
// (Not in a page, which has no threads.)
void RunDetached(std::function<void()> work);

// One line on standard error when the sound goes, and one when it comes back:
// a failure is reported only while the sound was working (or was never
// reported lost), the return once a tone has played after a reported failure.
void ReportSoundFailure(std::string_view what);
void ReportSoundWorks(const SoundDevice& device);

} // namespace vornaby::tone
