// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/Beep.h"

#include "tone/SoundDevice.h"
#include "tone/Synth.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <thread>

namespace vornaby::tone {
namespace {

std::mutex g_toneMutex;

// The first write, about 85 ms at 48 kHz, fills the device's buffer before the
// stream starts, so a stream never starts on a sliver and runs dry when this
// thread is late; the device starts playing as soon as the first frames are
// in, so this costs no latency.
constexpr std::size_t kFirstBlockFrames = 4096;
// Later writes are short, so that a stop is seen within about 10 ms.
constexpr std::size_t kBlockFrames = 512;

// The device has said why (once, for the program); the next tone goes to a
// device found afresh.
bool Failed()
{
    CurrentDeviceFailed();
    return false;
}

} // namespace

bool Beep(std::uint32_t frequencyHz, std::uint32_t durationMs, std::stop_token stop)
{
    const std::lock_guard lock(g_toneMutex);
    if (durationMs == 0 || stop.stop_requested())
        return true;
    SoundDevice& device = CurrentSoundDevice();
    const std::uint32_t rate = device.Begin();
    if (rate == 0)
        return Failed();
    if (!CanSound(frequencyHz, rate))
        return false;

    ToneGenerator tone(rate, frequencyHz, durationMs);
    std::array<float, kFirstBlockFrames> block{};
    std::size_t blockFrames = kFirstBlockFrames;
    while (tone.FramesLeft() > 0) {
        if (stop.stop_requested())
            tone.EndSoon(); // a tone already ending stays as it is
        const std::size_t n = tone.Generate(std::span(block).first(blockFrames));
        if (!device.Write(std::span(block).first(n)))
            return Failed();
        blockFrames = kBlockFrames;
    }
    if (!device.Drain())
        return Failed();
    ReportSoundWorks(device);
    return true;
}

void PrepareBeep()
{
    // Joined at exit, before the device it readies is destroyed.
    static std::jthread preparer([] {
        const std::lock_guard lock(g_toneMutex);
        if (CurrentSoundDevice().Begin() == 0)
            Failed();
    });
}

} // namespace vornaby::tone
