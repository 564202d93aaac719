// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The tone service: sounds pure tones on the current sound device.

#include <cstdint>
#include <functional>
#include <memory>

namespace vornaby::tone {

// Sounds frequencyHz for durationMs on the current sound device and returns
// when the last frame has been heard. Returns false, at once, when the
// frequency cannot be sounded at the device's rate (0 Hz, or at or above half
// the rate: silence rather than an alias) or when there is no device; false
// also when the device fails part-way or takes no frame for a second, and
// the next tone then goes to a device found afresh (PipeWire's own stream or
// ALSA, whichever answers then), so the sound comes back by itself once a
// sound server does. A 0 ms tone sounds nothing and succeeds. One tone at a
// time: concurrent callers queue.
bool Beep(std::uint32_t frequencyHz, std::uint32_t durationMs);

// A tone that sounds while its caller goes on: Beep on a thread of the tone
// service's own.
class Tone {
public:
    // Starts the tone. onEnded is called, from the tone's thread, once the
    // tone has ended, and never after this object is gone. (A page's tone
    // service has no thread: there the caller's loop asks Ended, and the
    // page wakes that loop when a tone ends.)
    Tone(std::uint32_t frequencyHz, std::uint32_t durationMs, std::function<void()> onEnded = {});
    // Does not wait for the tone: one still sounding fades out.
    ~Tone();
    Tone(const Tone&) = delete;
    Tone& operator=(const Tone&) = delete;

    // Ends the tone early: it fades out over one ramp from the frame it has
    // reached, so it stops without a click.
    void Fade();
    // Whether the tone is over: heard to its end, failed, or given up on a
    // device that hangs (a sound server stopped, not gone): when it has taken
    // no frame for 1.5 s, or its fade has not been heard 0.5 s after Fade.
    [[nodiscard]] bool Ended() const;
    // Whether it ended with every frame heard.
    [[nodiscard]] bool Played() const;

    struct State;

private:
    std::shared_ptr<State> m_state;
};

// Whether a tone's thread (or the one PrepareBeep started) is still at work:
// one that was given up on a device that hangs may be, for as long as the
// device hangs.
[[nodiscard]] bool TonesStillRunning();

// Opens and readies the sound device on a background thread, so that the
// first tone starts as quickly as every later one. Returns at once.
void PrepareBeep();

} // namespace vornaby::tone
