// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The page's sound device: the browser's Web Audio (audio.js). A tone is pulled
// whole into an AudioBuffer at the AudioContext's own rate and played sample
// for sample; with no thread of its own, the device is asked (Poll) for its
// fade and for how far the output has got.

#include "tone/SoundDevice.h"

#include <cstdint>
#include <memory>

namespace vornaby::tone {

class WebAudioDevice final : public SoundDevice {
public:
    WebAudioDevice() = default;
    ~WebAudioDevice() override;
    WebAudioDevice(const WebAudioDevice&) = delete;
    WebAudioDevice& operator=(const WebAudioDevice&) = delete;

    [[nodiscard]] bool Start(std::shared_ptr<ToneSource> source) override;
    void Poll(ToneSource& source) override;
    void Prepare() override;
    [[nodiscard]] std::string Name() const override { return "the browser's audio"; }
    [[nodiscard]] std::string Stalled() const override { return "the browser's audio takes no frames"; }

private:
    void Release();

    const ToneSource* m_source = nullptr; // the one playing, while it plays
    int m_playing = 0;                    // its id in the page
    bool m_faded = false;
};

} // namespace vornaby::tone
