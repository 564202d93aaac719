// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The tone service in a page, which has no thread for it: the whole tone is
// synthesised at the device's rate and written at once; the caller's event
// loop asks whether it has been heard, and a fade goes to the device.
#include "tone/Beep.h"

#include "tone/SoundDevice.h"
#include "tone/Synth.h"

#include <emscripten.h>

#include <vector>

namespace vornaby::tone {

struct Tone::State {
    std::shared_ptr<SoundDevice> device; // while the tone sounds
    std::uint64_t rampFrames = 0;
    bool finished = false;
    bool played = false;
    bool faded = false;
};

namespace {

void Finish(Tone::State& state, bool played)
{
    state.finished = true;
    state.played = played;
    state.device.reset();
}

} // namespace

Tone::Tone(std::uint32_t frequencyHz, std::uint32_t durationMs, std::function<void()>)
    : m_state(std::make_shared<State>())
{
    // The caller's loop asks Ended by itself: there is no thread to call back from.
    if (durationMs == 0) {
        Finish(*m_state, true);
        return;
    }
    std::shared_ptr<SoundDevice> device = CurrentSoundDevice();
    const std::uint32_t rate = device->Begin();
    if (rate == 0) {
        CurrentDeviceFailed();
        Finish(*m_state, false);
        return;
    }
    if (!CanSound(frequencyHz, rate)) {
        Finish(*m_state, false);
        return;
    }
    ToneGenerator generator(rate, frequencyHz, durationMs);
    std::vector<float> frames(generator.TotalFrames());
    frames.resize(generator.Generate(frames));
    m_state->rampFrames = RampFrames(frames.size(), rate);
    if (!device->Write(frames)) {
        CurrentDeviceFailed();
        Finish(*m_state, false);
        return;
    }
    m_state->device = std::move(device);
}

Tone::~Tone()
{
    Fade(); // one still sounding fades out
}

void Tone::Fade()
{
    if (!m_state->finished && !m_state->faded) {
        m_state->faded = true;
        m_state->device->FadeOut(m_state->rampFrames);
    }
}

bool Tone::Ended() const
{
    State& state = *m_state;
    if (state.finished)
        return true;
    switch (state.device->Poll()) {
    case SoundDevice::Progress::Playing: return false;
    case SoundDevice::Progress::Heard:
        ReportSoundWorks(*state.device);
        Finish(state, !state.faded);
        return true;
    case SoundDevice::Progress::Failed:
        CurrentDeviceFailed();
        Finish(state, false);
        return true;
    }
    return true;
}

bool Tone::Played() const
{
    return m_state->finished && m_state->played;
}

bool Beep(std::uint32_t frequencyHz, std::uint32_t durationMs)
{
    const Tone tone(frequencyHz, durationMs);
    while (!tone.Ended())
        emscripten_sleep(10);
    return tone.Played();
}

bool TonesStillRunning()
{
    return false;
}

void PrepareBeep()
{
    if (CurrentSoundDevice()->Begin() == 0)
        CurrentDeviceFailed();
}

} // namespace vornaby::tone
