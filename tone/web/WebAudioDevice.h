// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The page's sound device: the browser's Web Audio (audio.js). A tone is
// written whole and played sample for sample from an AudioBuffer at the
// AudioContext's own rate.

#include "tone/SoundDevice.h"

namespace vornaby::tone {

class WebAudioDevice final : public SoundDevice {
public:
    WebAudioDevice() = default;
    ~WebAudioDevice() override;
    WebAudioDevice(const WebAudioDevice&) = delete;
    WebAudioDevice& operator=(const WebAudioDevice&) = delete;

    [[nodiscard]] std::uint32_t Begin() override;
    // Plays the frames at once; a tone is written in one piece.
    [[nodiscard]] bool Write(std::span<const float> frames) override;
    [[nodiscard]] bool Drain() override;
    [[nodiscard]] Progress Poll() override;
    bool FadeOut(std::uint64_t rampFrames) override;
    [[nodiscard]] std::string Name() const override { return "the browser's audio"; }

private:
    std::uint32_t m_rate = 0;
    int m_playing = 0; // the page's tone, while one is written
};

} // namespace vornaby::tone
