// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The tone service: sounds a pure tone and returns when it has ended.

#include <cstdint>
#include <stop_token>

namespace vornaby::tone {

// Sounds frequencyHz for durationMs on the current sound device and returns
// when the last frame has been heard. Returns false, at once, when the
// frequency cannot be sounded at the device's rate (0 Hz, or at or above half
// the rate: silence rather than an alias) or when there is no device; false
// also when the device fails part-way, and the next tone then goes to a
// device found afresh (PipeWire's own stream or ALSA, whichever answers then),
// so the sound comes back by itself once a sound server does. A 0 ms tone
// sounds nothing and succeeds. One tone at a time: concurrent callers queue.
// A stop requested through stop ends the tone early: it fades out over one
// ramp from the frame it has reached, so it stops without a click, and Beep
// returns once that fade has been heard.
bool Beep(std::uint32_t frequencyHz, std::uint32_t durationMs, std::stop_token stop = {});

// Opens and readies the sound device on a background thread, so that the
// first tone starts as quickly as every later one. Returns at once.
void PrepareBeep();

} // namespace vornaby::tone
