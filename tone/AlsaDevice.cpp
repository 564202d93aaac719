#include "tone/AlsaDevice.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace vornaby::tone {
namespace {

// The buffer holds enough to ride out a busy machine; the start threshold, not
// the buffer, decides how soon the first frame sounds.
constexpr unsigned kPeriodUs = 10000;
constexpr unsigned kBufferUs = 100000;

// Silences alsa-lib's own error printing: failures are reported by our return
// values, and a desktop program should not litter the terminal.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

template <typename Sample>
Sample ToInteger(float value)
{
    constexpr double full = static_cast<double>(std::numeric_limits<Sample>::max());
    const double scaled = std::lround(static_cast<double>(std::clamp(value, -1.0f, 1.0f)) * full);
    return static_cast<Sample>(std::clamp(scaled, -full, full));
}

} // namespace

AlsaDevice::AlsaDevice(std::string pcmName) : m_pcmName(std::move(pcmName))
{
    snd_lib_error_set_handler(QuietAlsa);
}

AlsaDevice::~AlsaDevice()
{
    Close();
}

bool AlsaDevice::Open()
{
    // Opened without blocking so that a busy device fails at once instead of
    // holding the caller; writes block afterwards.
    if (snd_pcm_open(&m_pcm, m_pcmName.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        m_pcm = nullptr;
        return false;
    }
    snd_pcm_nonblock(m_pcm, 0);

    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    snd_pcm_hw_params_any(m_pcm, hw);
    snd_pcm_hw_params_set_access(m_pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED);
    // Synthesise at the rate the device really runs rather than let a
    // resampler blur the tone.
    snd_pcm_hw_params_set_rate_resample(m_pcm, hw, 0);

    if (snd_pcm_hw_params_set_format(m_pcm, hw, SND_PCM_FORMAT_FLOAT_LE) == 0)
        m_format = Format::Float;
    else if (snd_pcm_hw_params_set_format(m_pcm, hw, SND_PCM_FORMAT_S32_LE) == 0)
        m_format = Format::S32;
    else if (snd_pcm_hw_params_set_format(m_pcm, hw, SND_PCM_FORMAT_S16_LE) == 0)
        m_format = Format::S16;
    else
        return Close(), false;

    m_channels = 1;
    if (snd_pcm_hw_params_set_channels(m_pcm, hw, 1) < 0) {
        unsigned channels = 2;
        if (snd_pcm_hw_params_set_channels_near(m_pcm, hw, &channels) < 0)
            return Close(), false;
        m_channels = channels;
    }

    unsigned rate = kPreferredRate;
    if (snd_pcm_hw_params_set_rate_near(m_pcm, hw, &rate, nullptr) < 0)
        return Close(), false;
    unsigned periodUs = kPeriodUs;
    unsigned bufferUs = kBufferUs;
    snd_pcm_hw_params_set_period_time_near(m_pcm, hw, &periodUs, nullptr);
    snd_pcm_hw_params_set_buffer_time_near(m_pcm, hw, &bufferUs, nullptr);
    if (snd_pcm_hw_params(m_pcm, hw) < 0)
        return Close(), false;

    // Start as soon as the first frames arrive: the tone begins at once.
    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    snd_pcm_sw_params_current(m_pcm, sw);
    snd_pcm_sw_params_set_start_threshold(m_pcm, sw, 1);
    snd_pcm_sw_params(m_pcm, sw);

    m_rate = rate;
    return true;
}

void AlsaDevice::Close()
{
    if (m_pcm)
        snd_pcm_close(m_pcm);
    m_pcm = nullptr;
    m_rate = 0;
}

std::uint32_t AlsaDevice::Begin()
{
    // The PCM stays open between tones; a failed one is reopened here.
    if (!m_pcm && !Open())
        return 0;
    if (snd_pcm_state(m_pcm) != SND_PCM_STATE_PREPARED && snd_pcm_prepare(m_pcm) < 0) {
        Close();
        if (!Open())
            return 0;
    }
    return m_rate;
}

void AlsaDevice::Convert(std::span<const float> frames)
{
    const std::size_t sampleBytes = m_format == Format::S16 ? 2 : 4;
    m_buffer.resize(frames.size() * m_channels * sampleBytes);
    unsigned char* out = m_buffer.data();
    for (const float frame : frames) {
        for (unsigned c = 0; c < m_channels; ++c, out += sampleBytes) {
            switch (m_format) {
            case Format::Float: std::memcpy(out, &frame, 4); break;
            case Format::S32: {
                const auto s = ToInteger<std::int32_t>(frame);
                std::memcpy(out, &s, 4);
                break;
            }
            case Format::S16: {
                const auto s = ToInteger<std::int16_t>(frame);
                std::memcpy(out, &s, 2);
                break;
            }
            }
        }
    }
}

bool AlsaDevice::WriteConverted(std::size_t frameCount)
{
    const std::size_t frameBytes = m_buffer.size() / frameCount;
    std::size_t done = 0;
    while (done < frameCount) {
        const snd_pcm_sframes_t n =
            snd_pcm_writei(m_pcm, m_buffer.data() + done * frameBytes, frameCount - done);
        if (n >= 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        // An underrun or a suspend: recover and write the same frames again.
        if (n == -EAGAIN || snd_pcm_recover(m_pcm, static_cast<int>(n), 1) == 0)
            continue;
        Close();
        return false;
    }
    return true;
}

bool AlsaDevice::Write(std::span<const float> frames)
{
    if (!m_pcm)
        return false;
    if (frames.empty())
        return true;
    Convert(frames);
    return WriteConverted(frames.size());
}

bool AlsaDevice::Drain()
{
    if (!m_pcm)
        return false;
    const int err = snd_pcm_drain(m_pcm);
    if (err < 0 && snd_pcm_recover(m_pcm, err, 1) < 0) {
        Close();
        return false;
    }
    // Ready the stream for the next tone now, while nobody waits for it: on
    // PulseAudio this reconnects the stream, which is better done here than
    // between a press of "play" and the first frame.
    snd_pcm_prepare(m_pcm);
    return true;
}

} // namespace vornaby::tone
