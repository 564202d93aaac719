// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The tone service where there are threads: devices that are written to get a
// thread for each tone, and a caller may wait for a tone.
#include "tone/SoundDevice.h"
#include "tone/Tone.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace vornaby::tone {
namespace {

std::atomic<int> g_threadsRunning{0};

} // namespace

void RunDetached(std::function<void()> work)
{
    ++g_threadsRunning;
    std::thread([work = std::move(work)] {
        work();
        --g_threadsRunning;
    }).detach();
}

bool TonesStillRunning()
{
    return g_threadsRunning > 0;
}

void PrepareBeep()
{
    RunDetached([] { CurrentSoundDevice()->Prepare(); });
}

bool Beep(std::uint32_t frequencyHz, std::uint32_t durationMs)
{
    std::mutex mutex;
    std::condition_variable woken;
    bool wake = false;
    const Tone tone(frequencyHz, durationMs, [&] {
        const std::lock_guard lock(mutex);
        wake = true;
        woken.notify_all();
    });
    // Asked with the lock let go: an ending tone lets go of onEnded.
    while (!tone.Ended()) {
        std::unique_lock lock(mutex);
        woken.wait_for(lock, std::chrono::milliseconds(20), [&] { return wake; });
        wake = false;
    }
    return tone.Played();
}

} // namespace vornaby::tone
