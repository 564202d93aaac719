// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/linux/PipeWireDevice.h"

#include <pipewire/pipewire.h>
#include <spa/param/audio/format-utils.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <dlfcn.h>
#include <unistd.h>

namespace vornaby::tone {
namespace {

// The graph takes frames a quantum at a time, up to 8192 of them; we keep up to
// two quanta (and at least 100 ms) waiting, so that a busy moment on this side
// does not starve it, and no more, so that a stopped tone stops soon.
constexpr std::size_t kRingFrames = 2 * 8192;
constexpr std::uint32_t kMinFillMs = 100;
constexpr auto kStall = std::chrono::milliseconds(PipeWireDevice::kStallMs);

// PipeWire's library is loaded only where a PipeWire server runs: a program on
// PulseAudio or plain ALSA neither needs it nor carries it.
#define VORNABY_PIPEWIRE_FUNCTIONS(F)                                                                  \
    F(pw_context_connect) F(pw_context_destroy) F(pw_context_new) F(pw_core_disconnect) F(pw_init)     \
    F(pw_properties_new) F(pw_stream_add_listener) F(pw_stream_connect) F(pw_stream_dequeue_buffer)    \
    F(pw_stream_destroy) F(pw_stream_flush) F(pw_stream_new) F(pw_stream_queue_buffer)                 \
    F(pw_stream_set_active) F(pw_thread_loop_destroy) F(pw_thread_loop_get_loop) F(pw_thread_loop_lock) \
    F(pw_thread_loop_new) F(pw_thread_loop_start) F(pw_thread_loop_stop) F(pw_thread_loop_unlock)

struct PipeWireLibrary {
#define VORNABY_DECLARE(name) decltype(&::name) name = nullptr;
    VORNABY_PIPEWIRE_FUNCTIONS(VORNABY_DECLARE)
#undef VORNABY_DECLARE
};

// The library's functions, or nullptr when it cannot be loaded.
const PipeWireLibrary* LoadPipeWire()
{
    static const PipeWireLibrary* const library = []() -> const PipeWireLibrary* {
        void* handle = dlopen("libpipewire-0.3.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return nullptr;
        static PipeWireLibrary loaded;
#define VORNABY_LOAD(name)                                                          \
    loaded.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));       \
    if (!loaded.name)                                                               \
        return nullptr;
        VORNABY_PIPEWIRE_FUNCTIONS(VORNABY_LOAD)
#undef VORNABY_LOAD
        return &loaded;
    }();
    return library;
}

// Where a client finds the server: PIPEWIRE_REMOTE (absolute, or a name in the
// runtime directory), else "pipewire-0" in the runtime directory.
std::string ServerSocket()
{
    auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    std::string runtime = variable("PIPEWIRE_RUNTIME_DIR");
    if (runtime.empty())
        runtime = variable("XDG_RUNTIME_DIR");
    const std::string remote = variable("PIPEWIRE_REMOTE");
    if (remote.empty())
        return runtime + "/pipewire-0";
    return remote.front() == '/' ? remote : runtime + "/" + remote;
}

// Only called once LoadPipeWire has succeeded (Connect checks).
const PipeWireLibrary& Pw()
{
    return *LoadPipeWire();
}

} // namespace

const pw_stream_events PipeWireDevice::s_events = [] {
    pw_stream_events events{};
    events.version = PW_VERSION_STREAM_EVENTS;
    events.state_changed = [](void* self, pw_stream_state, pw_stream_state state, const char* error) {
        static_cast<PipeWireDevice*>(self)->OnStateChanged(state, error);
    };
    events.param_changed = [](void* self, std::uint32_t id, const spa_pod* param) {
        if (id == SPA_PARAM_Format && param)
            static_cast<PipeWireDevice*>(self)->OnFormat(param);
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
    device->m_ring.resize(kRingFrames);
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
        // A tone's last frames may still be on their way (Drain does not wait
        // for them): let them be heard, or the tone would end on a click.
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, kStall, [this] {
            return m_failed || !m_active || (m_count == 0 && m_silence >= 2 * m_quantum);
        });
        lock.unlock();
        Pw().pw_thread_loop_stop(m_loop);
    }
    DestroyStream();
    if (m_core)
        Pw().pw_core_disconnect(m_core);
    if (m_context)
        Pw().pw_context_destroy(m_context);
    if (m_loop)
        Pw().pw_thread_loop_destroy(m_loop);
}

bool PipeWireDevice::CreateStream()
{
    // Called with the loop locked.
    pw_properties* props = Pw().pw_properties_new(PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Playback",
                                             PW_KEY_MEDIA_ROLE, "Production", PW_KEY_NODE_LATENCY, "512/48000",
                                             PW_KEY_APP_NAME, "Vornaby", nullptr);
    m_stream = Pw().pw_stream_new(m_core, "Vornaby tone", props);
    if (!m_stream)
        return false;
    Pw().pw_stream_add_listener(m_stream, m_listener.get(), &s_events, this);
    // Mono float at no rate of our own: the stream runs at the graph's rate,
    // which OnFormat learns, and the tone is synthesised at it.
    std::uint8_t buffer[512];
    spa_pod_builder builder{};
    spa_pod_builder_init(&builder, buffer, sizeof buffer);
    spa_audio_info_raw info{};
    info.format = SPA_AUDIO_FORMAT_F32;
    info.channels = 1;
    info.position[0] = SPA_AUDIO_CHANNEL_MONO;
    const spa_pod* params[] = {spa_format_audio_raw_build(&builder, SPA_PARAM_EnumFormat, &info)};
    const auto flags =
        static_cast<pw_stream_flags>(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS |
                                     PW_STREAM_FLAG_RT_PROCESS);
    if (Pw().pw_stream_connect(m_stream, PW_DIRECTION_OUTPUT, PW_ID_ANY, flags, params, 1) < 0) {
        DestroyStream();
        return false;
    }
    return true;
}

void PipeWireDevice::DestroyStream()
{
    if (m_stream) {
        spa_hook_remove(m_listener.get());
        Pw().pw_stream_destroy(m_stream);
    }
    m_stream = nullptr;
    const std::lock_guard lock(m_mutex);
    m_rate = 0;
}

void PipeWireDevice::Fail(const char* why)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_failed)
            return;
        m_failed = true;
    }
    m_changed.notify_all();
    ReportSoundFailure(std::string("PipeWire: ") + why);
}

bool PipeWireDevice::Lost() const
{
    const std::lock_guard lock(m_mutex);
    return m_failed;
}

std::string PipeWireDevice::Name() const
{
    return "PipeWire";
}

std::uint32_t PipeWireDevice::Begin()
{
    // A failed device stays failed: the tone service finds a device afresh,
    // on whatever server answers by then.
    if (Lost())
        return 0;
    Pw().pw_thread_loop_lock(m_loop);
    if (!m_stream && !CreateStream()) {
        Pw().pw_thread_loop_unlock(m_loop);
        Fail("cannot create a stream");
        return 0;
    }
    Wake();
    Pw().pw_thread_loop_unlock(m_loop);

    std::unique_lock lock(m_mutex);
    if (!WaitOrFail(lock, [this] { return m_rate != 0; },
                    "no stream format from the server (is a session manager running?)"))
        return 0;
    return m_rate;
}

void PipeWireDevice::Wake()
{
    // Called with the loop locked.
    {
        const std::lock_guard lock(m_mutex);
        m_silence = 0;
        if (m_active)
            return;
        m_active = true;
    }
    Pw().pw_stream_set_active(m_stream, true);
}

template <class Ready>
bool PipeWireDevice::WaitOrFail(std::unique_lock<std::mutex>& lock, Ready ready, const char* why)
{
    if (m_changed.wait_for(lock, kStall, [&] { return m_failed || ready(); }))
        return !m_failed;
    lock.unlock();
    Fail(why);
    return false;
}

std::size_t PipeWireDevice::FillLimit() const
{
    return std::min(kRingFrames, std::max<std::size_t>(m_rate * kMinFillMs / 1000, 2 * m_quantum));
}

bool PipeWireDevice::Write(std::span<const float> frames)
{
    std::unique_lock lock(m_mutex);
    if (!m_active && !m_failed && !frames.empty()) {
        // The stream went to rest while this side was held up after Begin.
        lock.unlock();
        Pw().pw_thread_loop_lock(m_loop);
        Wake();
        Pw().pw_thread_loop_unlock(m_loop);
        lock.lock();
    }
    m_writing = true;
    while (!frames.empty()) {
        if (m_failed)
            return false;
        const std::size_t fill = FillLimit();
        if (m_count >= fill) {
            const std::uint64_t taken = m_taken;
            if (!WaitOrFail(lock, [&] { return m_taken != taken || m_count < FillLimit(); },
                            "the server takes no frames"))
                return false;
            continue;
        }
        const std::size_t n = std::min(frames.size(), fill - m_count);
        for (std::size_t i = 0; i < n; ++i)
            m_ring[(m_head + m_count + i) % kRingFrames] = frames[i];
        m_count += n;
        frames = frames.subspan(n);
    }
    return true;
}

bool PipeWireDevice::Drain()
{
    // Done once the graph's next cycle takes what is left: the stream plays
    // that on by itself, and a tone written right away follows this one on
    // the next frame. Until then this side is busy for as long as the tone
    // sounds, only a cycle and the graph's latency ahead of the sound.
    std::unique_lock lock(m_mutex);
    m_writing = false;
    while (m_count > m_quantum) {
        const std::uint64_t taken = m_taken;
        if (!WaitOrFail(lock, [&] { return m_taken != taken; }, "the server does not finish the tone"))
            return false;
    }
    return !m_failed;
}

void PipeWireDevice::OnProcess()
{
    std::unique_lock lock(m_mutex);
    pw_buffer* buffer = Pw().pw_stream_dequeue_buffer(m_stream);
    if (!buffer)
        return;
    spa_data& data = buffer->buffer->datas[0];
    auto* out = static_cast<float*>(data.data);
    if (!out) {
        Pw().pw_stream_queue_buffer(m_stream, buffer);
        return;
    }
    const std::size_t capacity = data.maxsize / sizeof(float);
    const std::size_t wanted = buffer->requested ? std::min<std::size_t>(buffer->requested, capacity) : capacity;
    m_quantum = std::min(wanted, kRingFrames / 2);
    // A tone starts only with a whole quantum of it at hand (or all of it), so
    // that a large quantum does not open on a gap; once started, frames flow
    // until no tone is left, a following tone's included.
    const bool hold = !m_started && m_writing && m_count < m_quantum;
    const std::size_t n = hold ? 0 : std::min(wanted, m_count);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = m_ring[(m_head + i) % kRingFrames];
    m_head = (m_head + n) % kRingFrames;
    m_count -= n;
    m_taken += n;
    m_started = (m_count > 0 || m_writing) && (m_started || n > 0);
    // Short of frames: nothing written yet, this side ran late, or no tone.
    // The rest of the quantum is silence, so the stream never runs dry and
    // a tone's last frames are never the short last buffer the graph drops.
    std::fill(out + n, out + wanted, 0.0f);
    m_silence = n > 0 ? wanted - n : m_silence + wanted;
    // Once a whole fill of silence has followed the last tone, every frame
    // has been heard: the stream rests until the next tone, and an idle
    // stream keeps no graph awake.
    const bool rest = m_active && !m_writing && m_count == 0 && m_silence >= FillLimit();
    if (rest)
        m_active = false;
    lock.unlock();
    m_changed.notify_all();

    data.chunk->offset = 0;
    data.chunk->stride = sizeof(float);
    data.chunk->size = static_cast<std::uint32_t>(wanted * sizeof(float));
    Pw().pw_stream_queue_buffer(m_stream, buffer);
    if (rest) {
        // The silence still queued is let go, so that the next tone does not
        // wait behind it: on the stream's own loop, not this real-time one.
        // (spa_loop_invoke by hand: its macro is a GNU statement expression.)
        spa_loop* loop = Pw().pw_thread_loop_get_loop(m_loop)->loop;
        const auto* methods = static_cast<const spa_loop_methods*>(loop->iface.cb.funcs);
        methods->invoke(loop->iface.cb.data, &PipeWireDevice::Rest, 0, nullptr, 0, false, this);
    }
}

int PipeWireDevice::Rest(spa_loop*, bool, std::uint32_t, const void*, std::size_t, void* self)
{
    // On the loop, with its lock held, as Wake runs: a tone that woke the
    // stream since keeps it awake.
    auto* device = static_cast<PipeWireDevice*>(self);
    std::unique_lock lock(device->m_mutex);
    const bool resting = !device->m_active;
    lock.unlock();
    if (device->m_stream && resting) {
        Pw().pw_stream_set_active(device->m_stream, false);
        Pw().pw_stream_flush(device->m_stream, false);
    }
    return 0;
}

void PipeWireDevice::OnFormat(const spa_pod* format)
{
    spa_audio_info_raw info{};
    if (spa_format_audio_raw_parse(format, &info) < 0 || info.rate == 0)
        return;
    const std::lock_guard lock(m_mutex);
    m_rate = info.rate;
    m_changed.notify_all();
}

void PipeWireDevice::OnStateChanged(int state, const char* error)
{
    if (state == PW_STREAM_STATE_ERROR || state == PW_STREAM_STATE_UNCONNECTED)
        Fail(error ? error : "the stream was disconnected");
}

} // namespace vornaby::tone
