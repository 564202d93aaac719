#pragma once
// The ALSA sound device. On a desktop the "default" PCM reaches PipeWire or
// PulseAudio through their ALSA plugins, so this one path serves every stack.

#include "tone/SoundDevice.h"

#include <string>
#include <vector>

typedef struct _snd_pcm snd_pcm_t;

namespace vornaby::tone {

class AlsaDevice final : public SoundDevice {
public:
    explicit AlsaDevice(std::string pcmName);
    ~AlsaDevice() override;
    AlsaDevice(const AlsaDevice&) = delete;
    AlsaDevice& operator=(const AlsaDevice&) = delete;

    [[nodiscard]] std::uint32_t Begin() override;
    [[nodiscard]] bool Write(std::span<const float> frames) override;
    [[nodiscard]] bool Drain() override;

    // The rate we ask for; the device may offer another, which is then used.
    static constexpr std::uint32_t kPreferredRate = 48000;

private:
    enum class Format { Float, S32, S16 };

    bool Open();
    void Close();
    // Converts mono frames to the device's format and channel count.
    void Convert(std::span<const float> frames);
    bool WriteConverted(std::size_t frameCount);

    std::string m_pcmName;
    snd_pcm_t* m_pcm = nullptr;
    std::uint32_t m_rate = 0;
    unsigned m_channels = 1;
    Format m_format = Format::Float;
    std::vector<unsigned char> m_buffer;
};

} // namespace vornaby::tone
