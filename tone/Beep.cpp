// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/Beep.h"

#include "tone/SoundDevice.h"
#include "tone/Synth.h"

#include <array>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace vornaby::tone {

using Clock = std::chrono::steady_clock;

struct Tone::State {
    State(std::uint32_t hz, std::uint32_t ms, std::function<void()> ended)
        : frequencyHz(hz), durationMs(ms), onEnded(std::move(ended))
    {
    }
    void Progressed() { lastProgress = Clock::now().time_since_epoch().count(); }

    const std::uint32_t frequencyHz;
    const std::uint32_t durationMs;
    std::atomic<bool> fade{false};
    std::atomic<bool> finished{false};
    std::atomic<bool> played{false};
    std::atomic<bool> abandoned{false}; // its Tone is gone before it ended
    std::atomic<Clock::rep> lastProgress{Clock::now().time_since_epoch().count()};
    std::atomic<Clock::rep> fadeAt{0};
    std::mutex endedMutex;
    std::function<void()> onEnded;
};

namespace {

std::mutex g_toneMutex;
std::atomic<int> g_threadsRunning{0};

// Runs work on a thread of its own, not joined: a device that hangs in its
// sound system must not hold whoever waits for the tone, nor the program's
// end. The work keeps what it uses alive for as long as it runs.
void RunDetached(std::function<void()> work)
{
    ++g_threadsRunning;
    std::thread([work = std::move(work)] {
        work();
        --g_threadsRunning;
    }).detach();
}

// The first write, about 85 ms at 48 kHz, fills the device's buffer before the
// stream starts, so a stream never starts on a sliver and runs dry when this
// thread is late; the device starts playing as soon as the first frames are
// in, so this costs no latency.
constexpr std::size_t kFirstBlockFrames = 4096;
// Later writes are short, so that a fade is begun within about 10 ms.
constexpr std::size_t kBlockFrames = 512;

// A device gives a tone up itself after a second without a frame taken; one
// that hangs inside its sound system's call never returns to say so.
constexpr auto kGiveUp = std::chrono::milliseconds(1500);
constexpr auto kFadeGiveUp = std::chrono::milliseconds(500);

// The device has said why (once, for the program); the next tone goes to a
// device found afresh.
bool Failed()
{
    CurrentDeviceFailed();
    return false;
}

bool Play(Tone::State& state)
{
    const std::lock_guard lock(g_toneMutex);
    // Given up while an earlier tone held the device: it would come late.
    if (state.abandoned)
        return false;
    state.Progressed();
    if (state.durationMs == 0 || state.fade)
        return true;
    // Kept while this tone plays, even if the device is replaced meanwhile.
    const std::shared_ptr<SoundDevice> device = CurrentSoundDevice();
    const std::uint32_t rate = device->Begin();
    if (rate == 0)
        return Failed();
    if (!CanSound(state.frequencyHz, rate))
        return false;
    state.Progressed();

    ToneGenerator tone(rate, state.frequencyHz, state.durationMs);
    std::array<float, kFirstBlockFrames> block{};
    std::size_t blockFrames = kFirstBlockFrames;
    while (tone.FramesLeft() > 0) {
        if (state.fade)
            tone.EndSoon(); // a tone already ending stays as it is
        const std::size_t n = tone.Generate(std::span(block).first(blockFrames));
        if (!device->Write(std::span(block).first(n)))
            return Failed();
        state.Progressed();
        blockFrames = kBlockFrames;
    }
    if (!device->Drain())
        return Failed();
    ReportSoundWorks(*device);
    return true;
}

} // namespace

bool Beep(std::uint32_t frequencyHz, std::uint32_t durationMs)
{
    Tone::State state(frequencyHz, durationMs, {});
    return Play(state);
}

Tone::Tone(std::uint32_t frequencyHz, std::uint32_t durationMs, std::function<void()> onEnded)
    : m_state(std::make_shared<State>(frequencyHz, durationMs, std::move(onEnded)))
{
    RunDetached([state = m_state] {
        state->played = Play(*state);
        state->finished = true;
        const std::lock_guard lock(state->endedMutex);
        if (state->onEnded)
            state->onEnded();
    });
}

Tone::~Tone()
{
    const std::lock_guard lock(m_state->endedMutex);
    m_state->onEnded = nullptr;
    if (!m_state->finished) {
        m_state->abandoned = true;
        m_state->fade = true;
    }
}

void Tone::Fade()
{
    if (!m_state->fade.exchange(true))
        m_state->fadeAt = Clock::now().time_since_epoch().count();
}

bool Tone::Ended() const
{
    if (m_state->finished)
        return true;
    const auto now = Clock::now();
    const auto since = [&](Clock::rep at) { return now - Clock::time_point(Clock::duration(at)); };
    const Clock::rep fadeAt = m_state->fadeAt;
    return since(m_state->lastProgress) > kGiveUp || (fadeAt != 0 && since(fadeAt) > kFadeGiveUp);
}

bool Tone::Played() const
{
    return m_state->finished && m_state->played;
}

void PrepareBeep()
{
    RunDetached([] {
        const std::lock_guard lock(g_toneMutex);
        if (CurrentSoundDevice()->Begin() == 0)
            Failed();
    });
}

bool TonesStillRunning()
{
    return g_threadsRunning > 0;
}

} // namespace vornaby::tone
