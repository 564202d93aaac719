// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The tone service: pure tones on the current sound device.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace vornaby::tone {

class SoundDevice;
class ToneSource;

// A tone that sounds while its caller goes on. The same on every platform: the
// device only pulls the frames; the tone decides when it has ended, gives it
// up, fades it, and has the device found again after a failure.
class Tone {
public:
    // A device that has neither pulled nor heard a frame for this long (a
    // sound server stopped, not gone; no session manager linking the stream)
    // has failed; a fade not heard this long after Fade is given up.
    static constexpr std::chrono::milliseconds kStall{1000};
    static constexpr std::chrono::milliseconds kFadeGiveUp{500};

    // Starts the tone on the current sound device. onEnded may be called, from
    // any thread, once the tone may have ended, and never after this object is
    // gone; whoever waits asks Ended at least every 50 ms all the same (a
    // stall is seen only by asking).
    // A 0 ms tone sounds nothing and has ended at once.
    Tone(std::uint32_t frequencyHz, std::uint32_t durationMs, std::function<void()> onEnded = {});
    // Does not wait for the tone: one still sounding fades out.
    ~Tone();
    Tone(const Tone&) = delete;
    Tone& operator=(const Tone&) = delete;

    // Ends the tone early: it fades out over one ramp from the frame the
    // device takes next, so it stops without a click.
    void Fade();
    // Whether the tone is over: heard to its end, not sounded (a frequency
    // at or above half the device's rate), failed, or given up.
    [[nodiscard]] bool Ended() const;
    // Whether it ended with every frame heard (a faded tone's to the end of
    // its fade).
    [[nodiscard]] bool Played() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Readies the sound device (on a thread of its own where there are threads),
// so that the first tone starts as quickly as every later one. Returns at once.
void PrepareBeep();

// Whether a device's thread is still at work: one whose tone was given up on a
// device that hangs may be, for as long as the device hangs.
[[nodiscard]] bool TonesStillRunning();

// Sounds frequencyHz for durationMs and returns once it has been heard: Tone,
// waited for. False, at once, when the frequency cannot be sounded at the
// device's rate or there is no device; false also when the device fails or
// the tone is given up, and the next tone then goes to a device found afresh.
// (Where there are threads; a page's loop waits for a Tone instead.)
bool Beep(std::uint32_t frequencyHz, std::uint32_t durationMs);

} // namespace vornaby::tone
