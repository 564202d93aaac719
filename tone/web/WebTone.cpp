// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The tone service in a page: the whole tone is synthesised at the
// AudioContext's own rate and handed to the page's audio (audio.js), which
// plays it sample for sample and tells when it has been heard. No thread:
// the caller's event loop asks whether the tone has ended.
#include "tone/Beep.h"

#include "tone/Synth.h"

#include <emscripten.h>

#include <vector>

namespace vornaby::tone {

namespace {

// clang-format off
EM_JS(int, AudioRate, (), { return VornabyAudio.rate(); });
EM_JS(int, AudioPlay, (const float* frames, int count, int rate, int rampFrames), {
    return VornabyAudio.play(HEAPF32.subarray(frames >> 2, (frames >> 2) + count), rate, rampFrames);
});
EM_JS(void, AudioFade, (int id), { VornabyAudio.fade(id); });
EM_JS(int, AudioEnded, (int id), { return VornabyAudio.ended(id) ? 1 : 0; });
EM_JS(int, AudioPlayed, (int id), { return VornabyAudio.played(id) ? 1 : 0; });
EM_JS(void, AudioRelease, (int id), { VornabyAudio.release(id); });
// clang-format on

} // namespace

struct Tone::State {
    int id = 0;         // the page's tone; 0 when nothing sounds
    bool played = true; // a tone that sounds nothing has played
};

Tone::Tone(std::uint32_t frequencyHz, std::uint32_t durationMs, std::function<void()>)
    : m_state(std::make_shared<State>())
{
    if (durationMs == 0)
        return;
    const int rate = AudioRate();
    if (rate <= 0 || !CanSound(frequencyHz, static_cast<std::uint32_t>(rate))) {
        m_state->played = false;
        return;
    }
    // The page's loop learns of the end by itself: no callback is needed.
    ToneGenerator generator(static_cast<std::uint32_t>(rate), frequencyHz, durationMs);
    std::vector<float> frames(generator.TotalFrames());
    frames.resize(generator.Generate(frames));
    const auto ramp = static_cast<int>(RampFrames(frames.size(), static_cast<std::uint32_t>(rate)));
    m_state->id = AudioPlay(frames.data(), static_cast<int>(frames.size()), rate, ramp);
    m_state->played = m_state->id != 0;
}

Tone::~Tone()
{
    if (m_state->id != 0)
        AudioRelease(m_state->id);
}

void Tone::Fade()
{
    if (m_state->id != 0)
        AudioFade(m_state->id);
}

bool Tone::Ended() const
{
    return m_state->id == 0 || AudioEnded(m_state->id) != 0;
}

bool Tone::Played() const
{
    return Ended() && (m_state->id == 0 ? m_state->played : AudioPlayed(m_state->id) != 0);
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
    (void)AudioRate();
}

} // namespace vornaby::tone
