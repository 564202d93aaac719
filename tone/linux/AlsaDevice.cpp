// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/linux/AlsaDevice.h"

#include "tone/ToneSource.h"

// alsa-lib 1.2.8 declares snd_lib_error_set_local outside its extern "C"
// block; the whole header is C.
extern "C" {
#include <alsa/asoundlib.h>
}

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <cstdarg>
#include <string>

namespace vornaby::tone {
namespace {

// The buffer holds enough to ride out a busy machine; the start threshold, not
// the buffer, decides how soon the first frame sounds.
constexpr unsigned kPeriodUs = 10000;
constexpr unsigned kBufferUs = 100000;

// The first pull, about 85 ms at 48 kHz, fills the buffer before the stream
// starts, so that it never starts on a sliver and runs dry when this thread is
// late; later pulls are short. (Pulling the whole buffer at once put 5 ms of
// silence between tones queued back to back through PulseAudio, 1 to 2 ms
// this way.)
constexpr std::size_t kFirstPullFrames = 4096;
constexpr std::size_t kPullFrames = 512;

// alsa-lib reads its configuration once and keeps it, answers of its hooks
// included: "default" reaches PulseAudio only where PulseAudio ran at that
// first read. After a failure it is read afresh, so a server that has come up
// since is found.
std::atomic<bool> g_configStale{false};

// alsa-lib's own word on the last thing that went wrong on this thread: kept
// for our report instead of printed, while one of our calls runs.
thread_local std::string t_alsaMessage;

void KeepAlsaMessage(const char*, int, const char* function, int, const char* format, va_list arguments)
{
    char text[256];
    std::vsnprintf(text, sizeof text, format, arguments);
    t_alsaMessage = std::string(function ? function : "") + (function ? ": " : "") + text;
}

// For as long as it lives, alsa-lib's messages on this thread are kept rather
// than printed; other threads of the process are left as they were.
class AlsaMessages {
public:
    AlsaMessages() : m_previous(snd_lib_error_set_local(KeepAlsaMessage)) { t_alsaMessage.clear(); }
    ~AlsaMessages() { snd_lib_error_set_local(m_previous); }
    AlsaMessages(const AlsaMessages&) = delete;
    AlsaMessages& operator=(const AlsaMessages&) = delete;

private:
    snd_local_error_handler_t m_previous;
};

template <typename Sample>
Sample ToInteger(float value)
{
    constexpr double full = static_cast<double>(std::numeric_limits<Sample>::max());
    const double scaled = std::lround(static_cast<double>(std::clamp(value, -1.0f, 1.0f)) * full);
    return static_cast<Sample>(std::clamp(scaled, -full, full));
}

template <typename Sample>
void Put(unsigned char*& out, Sample sample)
{
    std::memcpy(out, &sample, sizeof sample);
    out += sizeof sample;
}

} // namespace

void ConvertFrames(std::span<const float> frames, SampleFormat format, unsigned channels,
                   std::vector<unsigned char>& out)
{
    const std::size_t sampleBytes = format == SampleFormat::S16 ? 2 : 4;
    out.resize(frames.size() * channels * sampleBytes);
    unsigned char* next = out.data();
    for (const float frame : frames) {
        for (unsigned c = 0; c < channels; ++c) {
            switch (format) {
            case SampleFormat::Float: Put(next, frame); break;
            case SampleFormat::S32: Put(next, ToInteger<std::int32_t>(frame)); break;
            case SampleFormat::S16: Put(next, ToInteger<std::int16_t>(frame)); break;
            }
        }
    }
}

AlsaDevice::AlsaDevice(std::string pcmName) : m_pcmName(std::move(pcmName)) {}

AlsaDevice::~AlsaDevice()
{
    Close();
}

std::string AlsaDevice::Name() const
{
    return "ALSA \"" + m_pcmName + "\"";
}

bool AlsaDevice::Fail(const char* what, int error)
{
    std::string report = Name() + ": " + what;
    if (error < 0)
        report += std::string(": ") + snd_strerror(error);
    if (!t_alsaMessage.empty())
        report += " (" + t_alsaMessage + ")";
    ReportSoundFailure(report);
    Close();
    g_configStale = true;
    return false;
}

std::uint32_t AlsaDevice::Open()
{
    const AlsaMessages messages;
    // The PCM stays open between tones; a failed one is reopened here.
    if (m_pcm && snd_pcm_state(m_pcm) != SND_PCM_STATE_PREPARED && snd_pcm_prepare(m_pcm) < 0)
        Close();
    if (m_pcm)
        return m_rate;
    if (g_configStale.exchange(false))
        snd_config_update_free_global();
    // Opened without blocking so that a busy device fails at once instead of
    // holding the caller. Writes do not block either: a device that takes no
    // frame (a sound server stopped, not gone) must not hold the tone for
    // ever, and waiting for room is bounded (WriteConverted).
    if (const int err = snd_pcm_open(&m_pcm, m_pcmName.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK); err < 0) {
        m_pcm = nullptr;
        return Fail("cannot open", err);
    }
    return Configure() ? m_rate : 0; // a failure there has closed the PCM again
}

bool AlsaDevice::Configure()
{
    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    if (const int err = snd_pcm_hw_params_any(m_pcm, hw); err < 0)
        return Fail("no configuration", err);
    if (const int err = snd_pcm_hw_params_set_access(m_pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED); err < 0)
        return Fail("no interleaved access", err);
    // Synthesise at the rate the device really runs rather than let a
    // resampler blur the tone. Not every device offers the choice.
    (void)snd_pcm_hw_params_set_rate_resample(m_pcm, hw, 0);

    if (snd_pcm_hw_params_set_format(m_pcm, hw, SND_PCM_FORMAT_FLOAT_LE) == 0)
        m_format = SampleFormat::Float;
    else if (snd_pcm_hw_params_set_format(m_pcm, hw, SND_PCM_FORMAT_S32_LE) == 0)
        m_format = SampleFormat::S32;
    else if (const int err = snd_pcm_hw_params_set_format(m_pcm, hw, SND_PCM_FORMAT_S16_LE); err == 0)
        m_format = SampleFormat::S16;
    else
        return Fail("no float, 32-bit or 16-bit samples", err);

    m_channels = 1;
    if (snd_pcm_hw_params_set_channels(m_pcm, hw, 1) < 0) {
        unsigned channels = 2;
        if (const int err = snd_pcm_hw_params_set_channels_near(m_pcm, hw, &channels); err < 0)
            return Fail("no channel count", err);
        m_channels = channels;
    }

    unsigned rate = kPreferredRate;
    if (const int err = snd_pcm_hw_params_set_rate_near(m_pcm, hw, &rate, nullptr); err < 0)
        return Fail("no sample rate", err);
    // Period and buffer are wishes; whatever the device grants works.
    unsigned periodUs = kPeriodUs;
    unsigned bufferUs = kBufferUs;
    (void)snd_pcm_hw_params_set_period_time_near(m_pcm, hw, &periodUs, nullptr);
    (void)snd_pcm_hw_params_set_buffer_time_near(m_pcm, hw, &bufferUs, nullptr);
    if (const int err = snd_pcm_hw_params(m_pcm, hw); err < 0)
        return Fail("cannot be configured", err);
    snd_pcm_uframes_t bufferFrames = 0;
    if (const int err = snd_pcm_hw_params_get_buffer_size(hw, &bufferFrames); err < 0 || bufferFrames == 0)
        return Fail("no buffer size", err);
    m_bufferFrames = bufferFrames;

    // Start as soon as the first frames arrive: the tone begins at once.
    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    if (const int err = snd_pcm_sw_params_current(m_pcm, sw); err < 0)
        return Fail("no software configuration", err);
    if (const int err = snd_pcm_sw_params_set_start_threshold(m_pcm, sw, 1); err < 0)
        return Fail("no start threshold", err);
    if (const int err = snd_pcm_sw_params(m_pcm, sw); err < 0)
        return Fail("cannot take the start threshold", err);

    m_rate = rate;
    return true;
}

void AlsaDevice::Close()
{
    if (m_pcm)
        snd_pcm_close(m_pcm); // nothing to do about a failure here
    m_pcm = nullptr;
    m_rate = 0;
}

bool AlsaDevice::WriteConverted(std::size_t frameCount, const ToneSource& source)
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
        if (n == -EAGAIN) {
            // No room yet: wait for some, for as long as the tone is not
            // given up.
            const int ready = snd_pcm_wait(m_pcm, kWaitSliceMs);
            if (source.Now() == ToneSource::State::GivenUp)
                return Fail("the device takes no frames", 0);
            if (ready >= 0 || snd_pcm_recover(m_pcm, ready, 1) == 0)
                continue;
            return Fail("wait failed", ready);
        }
        // An underrun or a suspend: recover and write the same frames again.
        if (snd_pcm_recover(m_pcm, static_cast<int>(n), 1) == 0)
            continue;
        return Fail("write failed", static_cast<int>(n));
    }
    return true;
}

bool AlsaDevice::Play(ToneSource& source)
{
    const AlsaMessages messages;
    m_frames.resize(kFirstPullFrames);
    while (!source.AllPulled()) {
        if (source.Over()) // given up: the device is opened afresh
            return Fail("the device takes no frames", 0);
        snd_pcm_sframes_t room = snd_pcm_avail_update(m_pcm);
        if (room == 0) {
            const int ready = snd_pcm_wait(m_pcm, kWaitSliceMs);
            if (ready >= 0)
                continue;
            room = ready;
        }
        if (room < 0) {
            // An underrun or a suspend: recover, and the frames go on.
            if (snd_pcm_recover(m_pcm, static_cast<int>(room), 1) == 0)
                continue;
            return Fail("the device failed", static_cast<int>(room));
        }
        const std::size_t most = source.PulledFrames() == 0 ? kFirstPullFrames : kPullFrames;
        const std::size_t n =
            source.Pull(std::span(m_frames).first(std::min({static_cast<std::size_t>(room), most, m_bufferFrames})));
        ConvertFrames(std::span(m_frames).first(n), m_format, m_channels, m_buffer);
        if (n > 0 && !WriteConverted(n, source))
            return false;
        const std::uint64_t written = source.PulledFrames();
        snd_pcm_sframes_t delay = 0;
        if (snd_pcm_delay(m_pcm, &delay) == 0 && delay >= 0)
            source.Heard(written - std::min<std::uint64_t>(written, static_cast<std::uint64_t>(delay)));
    }
    // An underrun at the end means the buffer ran dry: every frame was
    // played. Any other failure (a suspend, a server gone) may have lost
    // frames, and the tone is not reported whole.
    // The drain waits for the device to play its buffer out: the one wait
    // that is not bounded here, which is why a tone's caller never waits on
    // it for long (a tone that makes no progress is given up).
    (void)snd_pcm_nonblock(m_pcm, 0);
    const int drained = snd_pcm_drain(m_pcm);
    (void)snd_pcm_nonblock(m_pcm, 1);
    if (drained < 0 && drained != -EPIPE)
        return Fail("drain failed", drained);
    // Ready the stream for the next tone now, while nobody waits for it: on
    // PulseAudio this reconnects the stream, which is better done here than
    // between a press of "play" and the first frame. Open tries again if
    // this fails.
    (void)snd_pcm_prepare(m_pcm);
    source.Heard(source.PulledFrames());
    return true;
}

} // namespace vornaby::tone
