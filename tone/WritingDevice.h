// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// A device whose sound system is written to (ALSA, WASAPI): each tone gets a
// thread of the tone service's that waits for room, pulls and writes. A thread
// that hangs in its sound system keeps the device alive until it returns.

#include "tone/SoundDevice.h"

#include <cstdint>
#include <memory>
#include <mutex>

namespace vornaby::tone {

class WritingDevice : public SoundDevice {
public:
    bool Start(std::shared_ptr<ToneSource> source) final;
    void Prepare() final;

protected:
    // On the device's thread, one tone at a time.
    // Readies the device (kept open between tones); its rate, or 0 when it
    // cannot be had (it has said why).
    [[nodiscard]] virtual std::uint32_t Open() = 0;
    // Pulls the opened source's frames as the device has room for them and
    // tells it what has been heard, until it is over. A source given up meanwhile
    // (no wait here lasts long) lets the device go: it is opened afresh. False
    // when the device failed (it has said why): the source fails.
    [[nodiscard]] virtual bool Play(ToneSource& source) = 0;

    // The longest a wait for room may last before the source is looked at again.
    static constexpr unsigned kWaitSliceMs = 50;

private:
    std::mutex m_mutex; // one tone at a time
};

} // namespace vornaby::tone
