// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/linux/PipeWireDevice.h"

#include "tone/ToneSource.h"
#include "tone/linux/PipeWireLibrary.h"

#include <spa/param/audio/format-utils.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include <unistd.h>

namespace vornaby::tone {

const pw_stream_events PipeWireDevice::s_events = [] {
    pw_stream_events events{};
    events.version = PW_VERSION_STREAM_EVENTS;
    events.state_changed = [](void* self, pw_stream_state, pw_stream_state state, const char* error) {
        if (state == PW_STREAM_STATE_ERROR || state == PW_STREAM_STATE_UNCONNECTED)
            static_cast<PipeWireDevice*>(self)->Fail(error ? error : "the stream was disconnected");
    };
    // The graph's rate, which the tone is synthesised at.
    events.param_changed = [](void* self, std::uint32_t id, const spa_pod* param) {
        spa_audio_info_raw info{};
        if (id == SPA_PARAM_Format && param && spa_format_audio_raw_parse(param, &info) >= 0 && info.rate != 0)
            static_cast<PipeWireDevice*>(self)->m_rate = info.rate;
    };
    events.process = [](void* self) { static_cast<PipeWireDevice*>(self)->OnProcess(); };
    return events;
}();

std::unique_ptr<PipeWireDevice> PipeWireDevice::Connect()
{
    // No server's socket, no server: say so before loading any of PipeWire.
    if (access(ServerSocket().c_str(), F_OK) != 0 || !LoadPipeWire())
        return nullptr;
    Pw().pw_init(nullptr, nullptr);
    std::unique_ptr<PipeWireDevice> device(new PipeWireDevice);
    device->m_listener = std::make_unique<spa_hook>();
    device->m_loop = Pw().pw_thread_loop_new("vornaby-tone", nullptr);
    if (!device->m_loop)
        return nullptr;
    // The configuration audio clients take (pw-play's): its real-time module
    // gives the stream's data thread real-time scheduling where the desktop
    // grants it (rtkit), so that a busy machine does not starve the tone.
    device->m_context = Pw().pw_context_new(Pw().pw_thread_loop_get_loop(device->m_loop),
                                            Pw().pw_properties_new(PW_KEY_CONFIG_NAME, "client-rt.conf", nullptr), 0);
    if (!device->m_context || Pw().pw_thread_loop_start(device->m_loop) < 0)
        return nullptr;
    Pw().pw_thread_loop_lock(device->m_loop);
    device->m_core = Pw().pw_context_connect(device->m_context, nullptr, 0);
    Pw().pw_thread_loop_unlock(device->m_loop);
    if (!device->m_core)
        return nullptr; // no server answers: the caller uses ALSA
    return device;
}

PipeWireDevice::~PipeWireDevice()
{
    if (m_loop) {
        // The last frames of a tone heard to its end may be on their way: let
        // them be heard (the stream then rests), or it ends on a click.
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
        while (m_kept && m_kept->Now() == ToneSource::State::Heard && m_active && !m_failed &&
               std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        Pw().pw_thread_loop_stop(m_loop);
    }
    if (m_stream) {
        spa_hook_remove(m_listener.get());
        Pw().pw_stream_destroy(m_stream);
    }
    if (m_core)
        Pw().pw_core_disconnect(m_core);
    if (m_context)
        Pw().pw_context_destroy(m_context);
    if (m_loop)
        Pw().pw_thread_loop_destroy(m_loop);
}

bool PipeWireDevice::Stream()
{
    if (!m_stream) {
        pw_properties* props = Pw().pw_properties_new(
            PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Playback", PW_KEY_MEDIA_ROLE, "Production",
            PW_KEY_NODE_LATENCY, "512/48000", PW_KEY_APP_NAME, "Vornaby", nullptr);
        m_stream = Pw().pw_stream_new(m_core, "Vornaby tone", props);
        if (!m_stream)
            return false;
        Pw().pw_stream_add_listener(m_stream, m_listener.get(), &s_events, this);
        // Mono float at no rate of our own: the stream runs at the graph's
        // rate, which OnFormat learns, and the tone is synthesised at it.
        std::uint8_t buffer[512];
        spa_pod_builder builder{};
        spa_pod_builder_init(&builder, buffer, sizeof buffer);
        spa_audio_info_raw info{};
        info.format = SPA_AUDIO_FORMAT_F32;
        info.channels = 1;
        info.position[0] = SPA_AUDIO_CHANNEL_MONO;
        const spa_pod* params[] = {spa_format_audio_raw_build(&builder, SPA_PARAM_EnumFormat, &info)};
        const auto flags = static_cast<pw_stream_flags>(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS |
                                                        PW_STREAM_FLAG_RT_PROCESS);
        if (Pw().pw_stream_connect(m_stream, PW_DIRECTION_OUTPUT, PW_ID_ANY, flags, params, 1) < 0)
            return false; // destroyed with the device
    }
    if (!m_active.exchange(true))
        Pw().pw_stream_set_active(m_stream, true);
    return true;
}

void PipeWireDevice::Prepare()
{
    Run(nullptr);
}

bool PipeWireDevice::Start(std::shared_ptr<ToneSource> source)
{
    // A failed device stays failed: the tone finds a device afresh, on
    // whatever server answers by then.
    return !m_failed && Run(&source);
}

bool PipeWireDevice::Run(std::shared_ptr<ToneSource>* source)
{
    Pw().pw_thread_loop_lock(m_loop);
    if (source) {
        const std::lock_guard lock(m_toneMutex);
        std::swap(m_kept, *source);
        m_tone = m_kept.get();
    }
    const bool running = Stream();
    Pw().pw_thread_loop_unlock(m_loop);
    // The tone before goes (with *source) once the stream's thread cannot be
    // reading it: it reads m_tone only while m_inProcess says so.
    while (m_inProcess)
        std::this_thread::yield();
    if (!running)
        Fail("cannot create a stream");
    return running;
}

void PipeWireDevice::Fail(const char* why)
{
    if (m_failed.exchange(true))
        return;
    ReportSoundFailure(std::string("PipeWire: ") + why);
    const std::lock_guard lock(m_toneMutex);
    if (m_kept) {
        m_kept->Fail();
        m_kept->Wake();
    }
}

std::string PipeWireDevice::Stalled() const
{
    return m_rate == 0 ? "no stream format from the server (is a session manager running?)"
                       : "the server takes no frames";
}

void PipeWireDevice::OnProcess()
{
    pw_buffer* buffer = Pw().pw_stream_dequeue_buffer(m_stream);
    if (!buffer)
        return;
    spa_data& data = buffer->buffer->datas[0];
    auto* out = static_cast<float*>(data.data);
    const std::size_t capacity = out ? data.maxsize / sizeof(float) : 0;
    const std::size_t wanted = buffer->requested ? std::min<std::size_t>(buffer->requested, capacity) : capacity;

    // First what is left of the tone before, pulled in the last cycle.
    std::size_t n = std::min(m_tailFrames, wanted);
    std::copy_n(m_tail.begin() + static_cast<std::ptrdiff_t>(m_tailAt), n, out);
    m_tailFrames -= n;
    m_tailAt = m_tailFrames > 0 ? m_tailAt + n : 0;

    m_inProcess = true;
    ToneSource* const tone = m_tone;
    const bool wasOver = !tone || tone->Over();
    if (!wasOver && (tone->Rate() != 0 || tone->Open(m_rate))) {
        n += tone->Pull(std::span(out + n, wanted - n));
        // What would end it in the next cycle is pulled now, to be played
        // first then: the tone is over a cycle early, so that one started
        // next follows it on the very next frame.
        const std::uint64_t left = tone->TotalFrames() - tone->PulledFrames();
        if (m_tailFrames == 0 && left > 0 && left <= std::min(wanted, m_tail.size()))
            m_tailFrames = tone->Pull(std::span(m_tail).first(static_cast<std::size_t>(left)));
        // What the graph takes is beyond recall: heard, for the window.
        tone->Heard(tone->PulledFrames());
    } else {
        std::fill(out + n, out + wanted, 0.0f);
    }
    const bool over = !tone || tone->Over();
    m_inProcess = false;

    // Short of frames the rest is silence, so the stream never runs dry and
    // a tone's last frames are never the short last buffer the graph drops.
    // Once a tenth of a second (and two cycles) of silence has followed the
    // last tone, every frame has been heard: the stream rests until the next
    // tone, and an idle stream keeps no graph awake.
    m_silence = n > 0 ? wanted - n : m_silence + wanted;
    const bool rest = over && m_tailFrames == 0 && m_silence >= std::max<std::size_t>(m_rate / 10, 2 * wanted) &&
                      m_active.exchange(false);
    data.chunk->offset = 0;
    data.chunk->stride = sizeof(float);
    data.chunk->size = static_cast<std::uint32_t>(wanted * sizeof(float));
    Pw().pw_stream_queue_buffer(m_stream, buffer);
    if (over && !wasOver)
        Send(&PipeWireDevice::WakeTone); // it ended in this cycle
    if (rest)
        Send(&PipeWireDevice::Rest);
}

void PipeWireDevice::Send(void (PipeWireDevice::*call)())
{
    // To the stream's own loop, without waiting: the loop copies call. (Not
    // spa_loop_invoke: that macro is a GNU statement expression.)
    spa_loop* loop = Pw().pw_thread_loop_get_loop(m_loop)->loop;
    const auto* methods = static_cast<const spa_loop_methods*>(loop->iface.cb.funcs);
    const auto run = [](spa_loop*, bool, std::uint32_t, const void* data, std::size_t, void* self) {
        (static_cast<PipeWireDevice*>(self)->**static_cast<void (PipeWireDevice::* const*)()>(data))();
        return 0;
    };
    methods->invoke(loop->iface.cb.data, run, 0, &call, sizeof call, false, this);
}

void PipeWireDevice::WakeTone()
{
    const std::lock_guard lock(m_toneMutex);
    if (m_kept)
        m_kept->Wake();
}

void PipeWireDevice::Rest()
{
    // On the loop, with its lock held, as Start runs: a tone started since
    // keeps the stream going.
    const ToneSource* tone = m_tone;
    if (tone && !tone->Over())
        m_active = true;
    else if (!m_active && m_stream) {
        // The silence still queued is let go, so that the next tone does not
        // wait behind it.
        Pw().pw_stream_set_active(m_stream, false);
        Pw().pw_stream_flush(m_stream, false);
    }
}

} // namespace vornaby::tone
