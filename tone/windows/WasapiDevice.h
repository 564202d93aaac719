// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The Windows sound device: the default output endpoint in WASAPI's shared
// mode, event-driven, float samples at the endpoint's own mixing rate (the
// tone is synthesised at it, never resampled). A tone is done once the audio
// clock has passed its last frame: releasing or stopping a stream earlier
// drops what is still queued.

#include "tone/WritingDevice.h"

#include <windows.h>
#include <audioclient.h>
#include <wrl/client.h>

#include <cstdint>
#include <vector>

namespace vornaby::tone {

class WasapiDevice final : public WritingDevice {
public:
    WasapiDevice() = default;
    ~WasapiDevice() override;
    WasapiDevice(const WasapiDevice&) = delete;
    WasapiDevice& operator=(const WasapiDevice&) = delete;

    [[nodiscard]] bool Lost() const override { return m_lost; }
    [[nodiscard]] std::string Name() const override { return "WASAPI"; }

private:
    [[nodiscard]] std::uint32_t Open() override;
    [[nodiscard]] bool Play(ToneSource& source) override;
    bool Connect();
    void Close();
    // Reports what failed, with the result code where a call returned one
    // (S_OK: none), and closes the stream.
    bool Fail(const char* what, HRESULT result = S_OK);
    // Frames the endpoint has played since the stream started.
    [[nodiscard]] std::uint64_t PlayedFrames() const;

    Microsoft::WRL::ComPtr<IAudioClient> m_client;
    Microsoft::WRL::ComPtr<IAudioRenderClient> m_render;
    Microsoft::WRL::ComPtr<IAudioClock> m_clock;
    void* m_event = nullptr;
    std::uint32_t m_rate = 0;
    unsigned m_channels = 1;
    std::uint32_t m_bufferFrames = 0;
    std::uint64_t m_written = 0; // frames written since the stream started
    std::uint64_t m_clockFrequency = 0;
    std::vector<float> m_frames;
    bool m_started = false;
    bool m_lost = false; // the endpoint went away: a new device is chosen
};

} // namespace vornaby::tone
