// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/ToneSource.h"

#include <algorithm>

namespace vornaby::tone {

ToneSource::ToneSource(std::uint32_t frequencyHz, std::uint32_t durationMs)
    : m_frequencyHz(frequencyHz), m_durationMs(durationMs)
{
}

bool ToneSource::Open(std::uint32_t sampleRate)
{
    if (m_rate != 0 || Over())
        return !Over();
    if (!CanSound(m_frequencyHz, sampleRate)) {
        End(State::Silent);
        return false;
    }
    m_generator.emplace(sampleRate, m_frequencyHz, m_durationMs);
    m_total = m_generator->TotalFrames();
    m_rate = sampleRate;
    State starting = State::Starting;
    m_state.compare_exchange_strong(starting, State::Playing);
    return true;
}

std::size_t ToneSource::Pull(std::span<float> out)
{
    std::size_t n = 0;
    if (m_generator && m_state == State::Playing) {
        if (m_fade)
            m_generator->EndSoon(); // a tone already ending stays as it is
        n = m_generator->Generate(out);
        m_total = m_generator->TotalFrames();
        m_pulled += n;
    }
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(n), out.end(), 0.0f);
    return n;
}

void ToneSource::Heard(std::uint64_t frames)
{
    const std::uint64_t pulled = m_pulled;
    m_heard = std::max<std::uint64_t>(m_heard, std::min(frames, pulled));
    if (m_heard == pulled && AllPulled())
        End(State::Heard);
}

void ToneSource::Fail()
{
    End(State::Failed);
}

void ToneSource::End(State state)
{
    State now = m_state;
    while (now == State::Starting || now == State::Playing)
        if (m_state.compare_exchange_weak(now, state))
            return;
}

void ToneSource::SetWake(std::function<void()> wake)
{
    const std::lock_guard lock(m_wakeMutex);
    m_wake = std::move(wake);
}

void ToneSource::Wake()
{
    const std::lock_guard lock(m_wakeMutex);
    if (m_wake)
        m_wake();
}

} // namespace vornaby::tone
