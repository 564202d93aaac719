#pragma once
// The tone service: sounds a pure tone and returns when it has ended.

#include <cstdint>

namespace vornaby::tone {

// Sounds frequencyHz for durationMs on the current sound device and returns
// when the last frame has been heard. Returns false, at once, when the
// frequency cannot be sounded at the device's rate (0 Hz, or at or above half
// the rate: silence rather than an alias) or when there is no device; false
// also when the device fails part-way. A 0 ms tone
// sounds nothing and succeeds. One tone at a time: concurrent callers queue.
bool Beep(std::uint32_t frequencyHz, std::uint32_t durationMs);

// Opens and readies the sound device on a background thread, so that the
// first tone starts as quickly as every later one. Returns at once.
void PrepareBeep();

} // namespace vornaby::tone
