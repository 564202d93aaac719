// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// PipeWire's library, loaded only where a PipeWire server runs: a program on
// PulseAudio or plain ALSA neither needs it nor carries it.

#include <pipewire/pipewire.h>

#include <string>

namespace vornaby::tone {

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
[[nodiscard]] const PipeWireLibrary* LoadPipeWire();

// Only called once LoadPipeWire has succeeded.
[[nodiscard]] inline const PipeWireLibrary& Pw()
{
    return *LoadPipeWire();
}

// Where a client finds the server: PIPEWIRE_REMOTE (absolute, or a name in the
// runtime directory), else "pipewire-0" in the runtime directory.
[[nodiscard]] std::string ServerSocket();

} // namespace vornaby::tone
