// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The PipeWire device: a stream of PipeWire's own, used when a PipeWire server
// answers. Through it a tone is synthesised at the rate the graph runs (no
// resampling of ours), ends on its own last frame at any quantum, and gives up
// when the server stops taking frames instead of waiting for ever.

#include "tone/SoundDevice.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct pw_thread_loop;
struct pw_context;
struct pw_core;
struct pw_stream;
struct spa_pod;
struct spa_hook;
struct spa_loop;
struct pw_stream_events;

namespace vornaby::tone {

class PipeWireDevice final : public SoundDevice {
public:
    // A device on the session's PipeWire server, or nullptr when none answers.
    [[nodiscard]] static std::unique_ptr<PipeWireDevice> Connect();
    ~PipeWireDevice() override;
    PipeWireDevice(const PipeWireDevice&) = delete;
    PipeWireDevice& operator=(const PipeWireDevice&) = delete;

    [[nodiscard]] std::uint32_t Begin() override;
    [[nodiscard]] bool Write(std::span<const float> frames) override;
    [[nodiscard]] bool Drain() override;
    [[nodiscard]] bool Lost() const override;
    [[nodiscard]] std::string Name() const override;

    // How long the server may take no frame at all before a tone is given up.
    static constexpr int kStallMs = 1000;

private:
    PipeWireDevice() = default;
    bool CreateStream();
    // Sets the stream going, if it rests; called with the loop locked.
    void Wake();
    void DestroyStream();
    void Fail(const char* why);
    // Waits, m_mutex held through lock, until ready() holds. False when the
    // device failed, or when nothing happened for kStallMs (then it fails, and
    // lock is released).
    template <class Ready>
    bool WaitOrFail(std::unique_lock<std::mutex>& lock, Ready ready, const char* why);
    // Frames to keep waiting for the graph; called with m_mutex held.
    [[nodiscard]] std::size_t FillLimit() const;

    // Called on the stream's own thread.
    void OnProcess();
    static int Rest(spa_loop* loop, bool async, std::uint32_t seq, const void* data, std::size_t size, void* self);
    void OnFormat(const spa_pod* format);
    void OnStateChanged(int state, const char* error);

    pw_thread_loop* m_loop = nullptr;
    pw_context* m_context = nullptr;
    pw_core* m_core = nullptr;
    pw_stream* m_stream = nullptr;
    std::unique_ptr<spa_hook> m_listener;

    // Frames waiting for the graph, shared with the stream's thread.
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<float> m_ring;
    std::size_t m_head = 0;        // next frame the graph takes
    std::size_t m_count = 0;       // frames waiting
    std::uint64_t m_taken = 0;     // frames the graph has taken, ever
    std::size_t m_quantum = 1024;  // frames the graph last asked for
    std::uint32_t m_rate = 0;      // the graph's rate, once negotiated
    std::size_t m_silence = 0;     // frames of silence sent since the last tone frame
    bool m_started = false;        // the graph is taking tone frames
    bool m_writing = false;        // a tone is being written (Write, not yet Drain)
    bool m_active = false;         // the stream is set going
    bool m_failed = false;         // for good: the device is replaced

    static const pw_stream_events s_events;
};

} // namespace vornaby::tone
