// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/web/WebAudioDevice.h"

#include "tone/Synth.h"
#include "tone/Tone.h"
#include "tone/ToneSource.h"

#include <emscripten.h>

#include <vector>

namespace vornaby::tone {
namespace {

// clang-format off
EM_JS(int, AudioRate, (), { return VornabyAudio.rate(); });
EM_JS(int, AudioPlay, (const float* frames, int count, int rate), {
    return VornabyAudio.play(HEAPF32.subarray(frames >> 2, (frames >> 2) + count), rate);
});
EM_JS(void, AudioFade, (int id, const float* gains, int count), {
    VornabyAudio.fade(id, HEAPF32.slice(gains >> 2, (gains >> 2) + count));
});
EM_JS(double, AudioHeard, (int id), { return VornabyAudio.heard(id); });
EM_JS(void, AudioRelease, (int id), { VornabyAudio.release(id); });
// clang-format on

} // namespace

std::unique_ptr<SoundDevice> ChooseSoundDevice()
{
    return std::make_unique<WebAudioDevice>();
}

WebAudioDevice::~WebAudioDevice()
{
    Release();
}

void WebAudioDevice::Release()
{
    if (m_playing != 0)
        AudioRelease(m_playing);
    m_playing = 0;
    m_source = nullptr;
}

void WebAudioDevice::Prepare()
{
    (void)AudioRate();
}

bool WebAudioDevice::Start(std::shared_ptr<ToneSource> source)
{
    Release();
    const int rate = AudioRate();
    if (rate <= 0) {
        ReportSoundFailure("the browser gives no audio output");
        return false;
    }
    if (!source->Open(static_cast<std::uint32_t>(rate)))
        return true; // not sounded at this rate: over already
    std::vector<float> frames(source->TotalFrames());
    frames.resize(source->Pull(frames));
    m_playing = AudioPlay(frames.data(), static_cast<int>(frames.size()), rate);
    if (m_playing == 0) {
        ReportSoundFailure("the browser's audio takes no tone");
        return false;
    }
    m_source = source.get();
    m_faded = false;
    return true;
}

void WebAudioDevice::Poll(ToneSource& source)
{
    if (&source != m_source)
        return;
    if (source.FadeAsked() && !m_faded) {
        // The synthesiser's own fall, from where the output has got to.
        m_faded = true;
        const std::uint64_t ramp = RampFrames(source.TotalFrames(), source.Rate());
        std::vector<float> gains(ramp);
        for (std::uint64_t i = 0; i < ramp; ++i)
            gains[i] = static_cast<float>(RampGain(ramp - 1 - i, ramp));
        AudioFade(m_playing, gains.data(), static_cast<int>(gains.size()));
    }
    const double heard = AudioHeard(m_playing);
    if (heard < 0)
        source.Fail();
    else
        source.Heard(static_cast<std::uint64_t>(heard));
    if (source.Over())
        Release();
}

} // namespace vornaby::tone
