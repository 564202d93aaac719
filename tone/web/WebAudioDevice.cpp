// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/web/WebAudioDevice.h"

#include <emscripten.h>

namespace vornaby::tone {
namespace {

// clang-format off
EM_JS(int, AudioRate, (), { return VornabyAudio.rate(); });
EM_JS(int, AudioPlay, (const float* frames, int count, int rate), {
    return VornabyAudio.play(HEAPF32.subarray(frames >> 2, (frames >> 2) + count), rate);
});
EM_JS(void, AudioFade, (int id, int rampFrames), { VornabyAudio.fade(id, rampFrames); });
// 0: playing, 1: heard, 2: failed (no clock, or a fade not heard in time).
EM_JS(int, AudioProgress, (int id), { return VornabyAudio.progress(id); });
EM_JS(void, AudioRelease, (int id), { VornabyAudio.release(id); });
// clang-format on

} // namespace

std::unique_ptr<SoundDevice> ChooseSoundDevice()
{
    return std::make_unique<WebAudioDevice>();
}

WebAudioDevice::~WebAudioDevice()
{
    if (m_playing != 0)
        AudioRelease(m_playing);
}

std::uint32_t WebAudioDevice::Begin()
{
    if (m_playing != 0)
        AudioRelease(m_playing);
    m_playing = 0;
    const int rate = AudioRate();
    if (rate <= 0) {
        ReportSoundFailure("the browser gives no audio output");
        return 0;
    }
    m_rate = static_cast<std::uint32_t>(rate);
    return m_rate;
}

bool WebAudioDevice::Write(std::span<const float> frames)
{
    if (frames.empty())
        return true;
    if (m_playing != 0 || m_rate == 0)
        return false; // one piece a tone
    m_playing = AudioPlay(frames.data(), static_cast<int>(frames.size()), static_cast<int>(m_rate));
    if (m_playing == 0)
        ReportSoundFailure("the browser's audio takes no tone");
    return m_playing != 0;
}

SoundDevice::Progress WebAudioDevice::Poll()
{
    switch (m_playing == 0 ? 1 : AudioProgress(m_playing)) {
    case 0: return Progress::Playing;
    case 1: return Progress::Heard;
    default: ReportSoundFailure("the browser's audio stopped taking frames"); return Progress::Failed;
    }
}

bool WebAudioDevice::Drain()
{
    Progress progress;
    while ((progress = Poll()) == Progress::Playing)
        emscripten_sleep(10);
    return progress == Progress::Heard;
}

bool WebAudioDevice::FadeOut(std::uint64_t rampFrames)
{
    if (m_playing != 0)
        AudioFade(m_playing, static_cast<int>(rampFrames));
    return true;
}

} // namespace vornaby::tone
