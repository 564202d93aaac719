// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The ALSA sound device, used where no PipeWire server answers: on a desktop
// the "default" PCM reaches PulseAudio (or PipeWire, through its plugin) or
// the sound card.

#include "tone/WritingDevice.h"

#include <span>
#include <string>
#include <vector>

typedef struct _snd_pcm snd_pcm_t;

namespace vornaby::tone {

enum class SampleFormat { Float, S32, S16 };

// Mono float frames as interleaved little-endian samples of format, the same
// sample in each of channels channels; integers are rounded and clipped to
// full scale. out is resized to fit.
void ConvertFrames(std::span<const float> frames, SampleFormat format, unsigned channels,
                   std::vector<unsigned char>& out);

class AlsaDevice final : public WritingDevice {
public:
    explicit AlsaDevice(std::string pcmName);
    ~AlsaDevice() override;
    AlsaDevice(const AlsaDevice&) = delete;
    AlsaDevice& operator=(const AlsaDevice&) = delete;

    [[nodiscard]] std::string Name() const override;

    // The rate we ask for; the device may offer another, which is then used.
    static constexpr std::uint32_t kPreferredRate = 48000;

private:
    [[nodiscard]] std::uint32_t Open() override;
    [[nodiscard]] bool Play(ToneSource& source) override;
    bool Configure();
    void Close();
    // Reports why the device failed, with alsa-lib's own word on it; closes
    // the PCM and returns false.
    bool Fail(const char* what, int error);
    // Writes the converted frames, waiting for room while the source is not
    // given up. False when the device failed.
    bool WriteConverted(std::size_t frameCount, const ToneSource& source);

    std::string m_pcmName;
    snd_pcm_t* m_pcm = nullptr;
    std::uint32_t m_rate = 0;
    unsigned m_channels = 1;
    std::size_t m_bufferFrames = 0;
    SampleFormat m_format = SampleFormat::Float;
    std::vector<float> m_frames;
    std::vector<unsigned char> m_buffer;
};

} // namespace vornaby::tone
