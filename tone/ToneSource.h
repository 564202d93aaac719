// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// One tone as a sound device pulls it: its frames, then silence. The device's
// side is safe on a real-time thread (atomics only, nothing allocated); a
// fade is asked for by a flag and begun at the next pull; counters of frames
// pulled and heard tell the tone's owner how far it has got.

#include "tone/Synth.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <span>

namespace vornaby::tone {

class ToneSource {
public:
    enum class State {
        Starting, // not yet opened at a rate
        Playing,
        Heard,    // every frame pulled has been heard: over
        Silent,   // cannot sound at the device's rate: over, nothing pulled
        Failed,   // the device failed (it has said why): over
        GivenUp,  // its owner gave it up (a stall): over
    };

    ToneSource(std::uint32_t frequencyHz, std::uint32_t durationMs);

    // ---- The device's side: its thread or callback, one at a time ----

    // The rate the device plays at, once, before the first pull. False when
    // the tone cannot sound at that rate (0 Hz, or at or above half of it:
    // silence rather than an alias); the tone is then over.
    bool Open(std::uint32_t sampleRate);
    // Fills out with the tone's next frames and silence after its end;
    // returns how many of them are the tone's. A fade asked for begins here.
    std::size_t Pull(std::span<float> out);
    // The first frames of the tone have been heard (or have left for the
    // output beyond recall). Once every frame pulled is heard and none is
    // left to pull, the tone is over.
    void Heard(std::uint64_t frames);
    // The device cannot go on with this tone.
    void Fail();

    [[nodiscard]] std::uint32_t Rate() const { return m_rate; }
    // The tone's frames; a fade, once begun, shortens it.
    [[nodiscard]] std::uint64_t TotalFrames() const { return m_total; }
    [[nodiscard]] std::uint64_t PulledFrames() const { return m_pulled; }
    [[nodiscard]] bool AllPulled() const { return m_pulled == m_total && m_rate != 0; }

    // ---- Either side ----

    [[nodiscard]] State Now() const { return m_state; }
    [[nodiscard]] bool Over() const { return m_state != State::Starting && m_state != State::Playing; }
    [[nodiscard]] bool FadeAsked() const { return m_fade; }
    // Moves whenever the device pulls or hears a frame.
    [[nodiscard]] std::uint64_t Progress() const { return m_pulled + m_heard; }

    // ---- The owner's side ----

    // Ends the tone one ramp from the frame the device pulls next.
    void Fade() { m_fade = true; }
    void GiveUp() { End(State::GivenUp); }
    // Called, from a thread that may block (never a real-time one), once the
    // tone is over; replaced by SetWake, never called after SetWake({}).
    void SetWake(std::function<void()> wake);
    void Wake();

private:
    // The first of the ends reached is the one that holds.
    void End(State state);

    const std::uint32_t m_frequencyHz;
    const std::uint32_t m_durationMs;
    std::optional<ToneGenerator> m_generator; // the device's alone
    std::atomic<std::uint32_t> m_rate{0};
    std::atomic<std::uint64_t> m_total{0};
    std::atomic<std::uint64_t> m_pulled{0};
    std::atomic<std::uint64_t> m_heard{0};
    std::atomic<bool> m_fade{false};
    std::atomic<State> m_state{State::Starting};
    std::mutex m_wakeMutex;
    std::function<void()> m_wake;
};

} // namespace vornaby::tone
