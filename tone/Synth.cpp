// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vornaby::tone {

std::uint64_t FrameCount(std::uint32_t durationMs, std::uint32_t sampleRate)
{
    // Integer arithmetic: rounds half up, exact for every duration and rate.
    return (std::uint64_t{durationMs} * sampleRate + 500) / 1000;
}

std::uint64_t RampFrames(std::uint64_t frameCount, std::uint32_t sampleRate)
{
    const std::uint64_t longest = FrameCount(kMaxRampMs, sampleRate);
    return std::min(longest, frameCount / 4);
}

bool CanSound(std::uint32_t frequencyHz, std::uint32_t sampleRate)
{
    return frequencyHz > 0 && std::uint64_t{frequencyHz} * 2 < sampleRate;
}

ToneGenerator::ToneGenerator(std::uint32_t sampleRate, std::uint32_t frequencyHz,
                             std::uint32_t durationMs)
    : m_sampleRate(sampleRate),
      m_frequencyHz(frequencyHz),
      m_totalFrames(CanSound(frequencyHz, sampleRate) ? FrameCount(durationMs, sampleRate) : 0),
      m_rampFrames(RampFrames(m_totalFrames, sampleRate))
{
}

double RampGain(std::uint64_t fromEdge, std::uint64_t rampFrames)
{
    if (fromEdge >= rampFrames)
        return 1.0;
    const double x = (static_cast<double>(fromEdge) + 0.5) / static_cast<double>(rampFrames);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

double ToneGenerator::Gain(std::uint64_t frame) const
{
    return RampGain(std::min(frame, m_totalFrames - 1 - frame), m_rampFrames);
}

void ToneGenerator::EndSoon()
{
    // Gain() ramps over the last m_rampFrames of m_totalFrames, so moving the
    // end is the whole of it. Gain takes the nearer edge, so a tone stopped
    // during its onset rises a little further before it falls, smoothly.
    m_totalFrames = std::min(m_totalFrames, m_next + m_rampFrames);
}

std::size_t ToneGenerator::Generate(std::span<float> out)
{
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(out.size(), FramesLeft()));
    // The sine, like the ramps, is sampled at frame centres, n + 1/2: the tone
    // is symmetric in time and its first frame already carries sound.
    // Phase = 2 pi f (2n + 1) / (2 rate), reduced exactly in integers.
    const std::uint64_t twiceRate = 2 * std::uint64_t{m_sampleRate};
    const double step = std::numbers::pi / m_sampleRate;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t n = m_next + i;
        // f < rate / 2 and n < 2^40, so the product cannot overflow.
        const std::uint64_t cycle = (std::uint64_t{m_frequencyHz} * (2 * n + 1)) % twiceRate;
        const double sample = kToneAmplitude * Gain(n) * std::sin(step * static_cast<double>(cycle));
        out[i] = static_cast<float>(sample);
    }
    m_next += count;
    return count;
}

} // namespace vornaby::tone
