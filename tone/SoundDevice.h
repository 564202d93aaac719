// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The one seam between the tone service and the sound hardware. The program uses
// the ALSA device; tests may put a recording stand-in in its place, and every
// tone still passes through the same Beep and the same synthesiser.

#include <cstdint>
#include <memory>
#include <span>

namespace vornaby::tone {

class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // Readies the device for a tone; returns the sample rate it runs at, or 0
    // when no device can be had (nothing sounds then).
    [[nodiscard]] virtual std::uint32_t Begin() = 0;

    // Plays mono float frames; blocks while the device's buffer is full.
    // False when the device failed and the tone cannot go on.
    [[nodiscard]] virtual bool Write(std::span<const float> frames) = 0;

    // Ends a tone. Returns when every written frame has been heard, or, on a
    // device that plays its last frames on by itself, when a tone written
    // next would follow on without a gap; false when the device failed.
    [[nodiscard]] virtual bool Drain() = 0;
};

// The device tones go to. Until one is installed: a PipeWire stream where a
// PipeWire server answers, otherwise the ALSA "default" PCM.
[[nodiscard]] SoundDevice& CurrentSoundDevice();

// Installs another device (tests install a recorder); returns the previous one.
std::unique_ptr<SoundDevice> InstallSoundDevice(std::unique_ptr<SoundDevice> device);

} // namespace vornaby::tone
