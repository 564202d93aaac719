// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/Tone.h"

#include "tone/SoundDevice.h"
#include "tone/ToneSource.h"

namespace vornaby::tone {

using Clock = std::chrono::steady_clock;

struct Tone::State {
    std::shared_ptr<SoundDevice> device;  // while the tone sounds
    std::shared_ptr<ToneSource> source;   // shared with the device
    std::uint64_t progress = 0;           // the source's, when last seen to move
    Clock::time_point movedAt = Clock::now();
    Clock::time_point fadedAt{};
    bool ended = false;
    bool played = false;

    void End(bool heard)
    {
        ended = true;
        played = heard;
        if (source)
            source->SetWake({});
        device.reset();
    }
};

Tone::Tone(std::uint32_t frequencyHz, std::uint32_t durationMs, std::function<void()> onEnded)
    : m_state(std::make_unique<State>())
{
    State& state = *m_state;
    if (durationMs == 0) {
        state.End(true);
        return;
    }
    // Kept while this tone plays, even if the device is replaced meanwhile.
    state.device = CurrentSoundDevice();
    state.source = std::make_shared<ToneSource>(frequencyHz, durationMs);
    state.source->SetWake(std::move(onEnded));
    if (!state.device->Start(state.source)) {
        CurrentDeviceFailed();
        state.End(false);
    }
}

Tone::~Tone()
{
    if (m_state->source)
        m_state->source->SetWake({});
    Fade(); // one still sounding fades out
}

void Tone::Fade()
{
    State& state = *m_state;
    if (state.ended || state.source->FadeAsked())
        return;
    state.fadedAt = Clock::now();
    state.source->Fade();
    state.device->Poll(*state.source);
}

bool Tone::Ended() const
{
    State& state = *m_state;
    if (state.ended)
        return true;
    ToneSource& source = *state.source;
    state.device->Poll(source);
    switch (source.Now()) {
    case ToneSource::State::Starting:
    case ToneSource::State::Playing: break;
    case ToneSource::State::Heard:
        ReportSoundWorks(*state.device);
        state.End(true);
        return true;
    case ToneSource::State::Silent: state.End(false); return true;
    case ToneSource::State::Failed:
    case ToneSource::State::GivenUp:
        CurrentDeviceFailed();
        state.End(false);
        return true;
    }
    const auto now = Clock::now();
    if (const std::uint64_t progress = source.Progress(); progress != state.progress) {
        state.progress = progress;
        state.movedAt = now;
    }
    const bool stalled = now - state.movedAt > kStall;
    if (!stalled && !(source.FadeAsked() && now - state.fadedAt > kFadeGiveUp))
        return false;
    // Given up. A device that hangs has failed: the next tone goes to a
    // device found afresh.
    source.GiveUp();
    if (stalled) {
        ReportSoundFailure(state.device->Name() + ": " + state.device->Stalled());
        CurrentDeviceFailed();
    }
    state.End(false);
    return true;
}

bool Tone::Played() const
{
    return m_state->ended && m_state->played;
}

} // namespace vornaby::tone
