// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The PipeWire device: a stream of PipeWire's own, used when a PipeWire server
// answers. Its process callback fills each buffer straight from the tone, at
// the rate the graph runs (no resampling of ours), with no lock: a tone ends on
// its own last frame at any quantum, and a fade is heard a graph cycle later.

#include "tone/SoundDevice.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

struct pw_thread_loop;
struct pw_context;
struct pw_core;
struct pw_stream;
struct spa_hook;
struct pw_stream_events;

namespace vornaby::tone {

class PipeWireDevice final : public SoundDevice {
public:
    // A device on the session's PipeWire server, or nullptr when none answers.
    [[nodiscard]] static std::unique_ptr<PipeWireDevice> Connect();
    ~PipeWireDevice() override;
    PipeWireDevice(const PipeWireDevice&) = delete;
    PipeWireDevice& operator=(const PipeWireDevice&) = delete;

    [[nodiscard]] bool Start(std::shared_ptr<ToneSource> source) override;
    void Prepare() override;
    [[nodiscard]] bool Lost() const override { return m_failed; }
    [[nodiscard]] std::string Name() const override { return "PipeWire"; }
    [[nodiscard]] std::string Stalled() const override;

private:
    PipeWireDevice() = default;
    // Creates the stream, if there is none, and sets it going; called with
    // the loop locked. False when it cannot be had.
    bool Stream();
    // Stream() with the loop locked, the tone first swapped with *source
    // (none: the stream is only made ready).
    bool Run(std::shared_ptr<ToneSource>* source);
    void Fail(const char* why);

    // On the stream's own (real-time) thread.
    void OnProcess();
    // On the loop, sent there from the stream's thread.
    void Rest();
    void WakeTone();
    void Send(void (PipeWireDevice::*call)());

    pw_thread_loop* m_loop = nullptr;
    pw_context* m_context = nullptr;
    pw_core* m_core = nullptr;
    pw_stream* m_stream = nullptr;
    std::unique_ptr<spa_hook> m_listener;

    // The tone the stream plays, kept here (under m_toneMutex, never taken on
    // the stream's thread); the stream's thread reads m_tone, and m_inProcess
    // says when it may be doing so.
    std::mutex m_toneMutex;
    std::shared_ptr<ToneSource> m_kept;
    std::atomic<ToneSource*> m_tone{nullptr};
    std::atomic<bool> m_inProcess{false};

    std::atomic<std::uint32_t> m_rate{0}; // the graph's rate, once negotiated
    std::atomic<bool> m_active{false};    // the stream is set going
    std::atomic<bool> m_failed{false};    // for good: the device is replaced
    // The stream's thread's own: frames of silence since the last tone frame,
    // and the last frames of a tone, pulled a cycle ahead.
    std::size_t m_silence = 0;
    std::array<float, 8192> m_tail{};
    std::size_t m_tailFrames = 0;
    std::size_t m_tailAt = 0;

    static const pw_stream_events s_events;
};

} // namespace vornaby::tone
