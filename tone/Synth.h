// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The pure synthesiser: sample rate, frequency and duration in, float frames out.

#include <cstdint>
#include <span>

namespace vornaby::tone {

// Peak level of every tone: -6 dBFS, headroom for any resampling downstream.
inline constexpr double kToneAmplitude = 0.5;

// Longest onset and offset ramp. Shorter tones get shorter ramps (see RampFrames).
inline constexpr std::uint32_t kMaxRampMs = 10;

// Frames in a tone of durationMs at sampleRate: round(durationMs * rate / 1000).
[[nodiscard]] std::uint64_t FrameCount(std::uint32_t durationMs, std::uint32_t sampleRate);

// Frames in each raised-cosine ramp: kMaxRampMs, but never more than a quarter of
// the tone, so that even a short tone keeps a plateau at full level.
[[nodiscard]] std::uint64_t RampFrames(std::uint64_t frameCount, std::uint32_t sampleRate);

// The gain of a raised-cosine ramp of rampFrames at the frame fromEdge frames
// from the tone's edge (1 beyond the ramp), sampled at frame centres so that
// the onset and the offset are exact mirror images.
[[nodiscard]] double RampGain(std::uint64_t fromEdge, std::uint64_t rampFrames);

// Whether a frequency can be sounded without aliasing: 0 < f < rate / 2.
[[nodiscard]] bool CanSound(std::uint32_t frequencyHz, std::uint32_t sampleRate);

// Produces one tone, block by block, as mono float frames.
// The phase is computed exactly from the frame index (reduced modulo the rate
// in 64-bit integers), so it never drifts however long the tone.
class ToneGenerator {
public:
    ToneGenerator(std::uint32_t sampleRate, std::uint32_t frequencyHz, std::uint32_t durationMs);

    [[nodiscard]] std::uint64_t TotalFrames() const { return m_totalFrames; }
    [[nodiscard]] std::uint64_t FramesLeft() const { return m_totalFrames - m_next; }

    // Fills the front of out with the next frames; returns how many it wrote
    // (fewer than out.size() only at the end of the tone).
    std::size_t Generate(std::span<float> out);

    // Ends the tone one ramp from the frame it has reached, fading out as it
    // would at its natural end; a tone already that near its end is unchanged.
    void EndSoon();

private:
    [[nodiscard]] double Gain(std::uint64_t frame) const;

    std::uint32_t m_sampleRate;
    std::uint32_t m_frequencyHz;
    std::uint64_t m_totalFrames;
    std::uint64_t m_rampFrames;
    std::uint64_t m_next = 0;
};

} // namespace vornaby::tone
