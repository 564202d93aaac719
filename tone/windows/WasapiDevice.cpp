// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/windows/WasapiDevice.h"

#include "tone/ToneSource.h"

#include <initguid.h>
#include <mmdeviceapi.h>
#include <mmreg.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace vornaby::tone {
namespace {

// The endpoint's buffer: enough to ride out a busy moment, small enough that
// a stopped tone stops soon. The start of a tone does not wait for it to fill.
constexpr REFERENCE_TIME kBufferHns = 500000; // 50 ms

// KSDATAFORMAT_SUBTYPE_IEEE_FLOAT, whose definition mingw-w64 keeps in no library.
constexpr GUID kFloatSamples = {0x00000003, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

using Microsoft::WRL::ComPtr;

} // namespace

WasapiDevice::~WasapiDevice()
{
    Close();
}

bool WasapiDevice::Fail(const char* what, HRESULT result)
{
    std::string report = std::string("WASAPI: ") + what;
    if (result != S_OK) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08lx", static_cast<unsigned long>(result));
        report += std::string(" (") + code + ")";
    }
    ReportSoundFailure(report);
    if (result == AUDCLNT_E_DEVICE_INVALIDATED || result == AUDCLNT_E_SERVICE_NOT_RUNNING)
        m_lost = true;
    Close();
    return false;
}

void WasapiDevice::Close()
{
    if (m_client && m_started)
        m_client->Stop();
    m_started = false;
    m_clock.Reset();
    m_render.Reset();
    m_client.Reset();
    if (m_event)
        CloseHandle(m_event);
    m_event = nullptr;
    m_rate = 0;
    m_written = 0;
}

bool WasapiDevice::Connect()
{
    ComPtr<IMMDeviceEnumerator> enumerator;
    HRESULT hr = CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, IID_PPV_ARGS(&enumerator));
    if (FAILED(hr))
        return Fail("no device enumerator", hr);
    ComPtr<IMMDevice> endpoint;
    if (hr = enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &endpoint); FAILED(hr))
        return Fail("no default output", hr);
    hr = endpoint->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr,
                            reinterpret_cast<void**>(m_client.GetAddressOf()));
    if (FAILED(hr))
        return Fail("cannot open the default output", hr);

    WAVEFORMATEX* mix = nullptr;
    if (hr = m_client->GetMixFormat(&mix); FAILED(hr))
        return Fail("no mixing format", hr);
    // Float samples at the mixer's rate, on each of its channels: the tone is
    // made at the rate it is played.
    WAVEFORMATEXTENSIBLE format{};
    format.Format.wFormatTag = WAVE_FORMAT_EXTENSIBLE;
    format.Format.nChannels = mix->nChannels;
    format.Format.nSamplesPerSec = mix->nSamplesPerSec;
    format.Format.wBitsPerSample = 32;
    format.Format.nBlockAlign = static_cast<WORD>(4 * mix->nChannels);
    format.Format.nAvgBytesPerSec = format.Format.nBlockAlign * mix->nSamplesPerSec;
    format.Format.cbSize = sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX);
    format.Samples.wValidBitsPerSample = 32;
    format.dwChannelMask = mix->wFormatTag == WAVE_FORMAT_EXTENSIBLE
                               ? reinterpret_cast<WAVEFORMATEXTENSIBLE*>(mix)->dwChannelMask
                               : 0;
    format.SubFormat = kFloatSamples;
    CoTaskMemFree(mix);

    DWORD flags = AUDCLNT_STREAMFLAGS_EVENTCALLBACK;
    hr = m_client->Initialize(AUDCLNT_SHAREMODE_SHARED, flags, kBufferHns, 0, &format.Format, nullptr);
    if (FAILED(hr))
        return Fail("cannot start a stream", hr);
    if (hr = m_client->GetBufferSize(&m_bufferFrames); FAILED(hr))
        return Fail("no buffer", hr);
    m_event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!m_event)
        return Fail("no buffer event", HRESULT_FROM_WIN32(GetLastError()));
    if (hr = m_client->SetEventHandle(m_event); FAILED(hr))
        return Fail("no buffer event", hr);
    if (hr = m_client->GetService(IID_PPV_ARGS(&m_render)); FAILED(hr))
        return Fail("no render service", hr);
    if (hr = m_client->GetService(IID_PPV_ARGS(&m_clock)); FAILED(hr))
        return Fail("no clock", hr);
    UINT64 frequency = 0;
    if (hr = m_clock->GetFrequency(&frequency); FAILED(hr) || frequency == 0)
        return Fail("no clock frequency", hr);
    m_clockFrequency = frequency;
    m_rate = format.Format.nSamplesPerSec;
    m_channels = format.Format.nChannels;
    return true;
}

std::uint32_t WasapiDevice::Open()
{
    // Tones run on worker threads; each joins the process's multithreaded
    // apartment, where the stream's objects live.
    (void)CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (m_lost)
        return 0;
    if (!m_client && !Connect())
        return 0;
    return m_rate;
}

std::uint64_t WasapiDevice::PlayedFrames() const
{
    UINT64 position = 0;
    if (!m_clock || FAILED(m_clock->GetPosition(&position, nullptr)))
        return 0;
    return position * m_rate / m_clockFrequency;
}

bool WasapiDevice::Play(ToneSource& source)
{
    UINT32 padding = 0;
    if (const HRESULT hr = m_client->GetCurrentPadding(&padding); FAILED(hr))
        return Fail("the stream failed", hr);
    // A tone's first frames follow whatever the endpoint has played since the
    // last one: on an endpoint whose clock also counts the silence it played
    // while starved, the tone's end lies that much further on.
    const std::uint64_t start = std::max(m_written, PlayedFrames() + padding);
    m_written = start;
    // The clock may run ahead of what has been heard (Wine's does, by up to
    // 24 ms through PulseAudio): a frame counts as heard once the clock is
    // 50 ms past it, with silence written after the tone for the clock to pass.
    const std::uint64_t lead = std::min<std::uint64_t>(m_bufferFrames, m_rate / 20);
    m_frames.resize(m_bufferFrames);
    for (;;) {
        const std::uint64_t played = PlayedFrames();
        source.Heard(played > start + lead ? played - start - lead : 0);
        if (source.Over())
            break;
        if (const HRESULT hr = m_client->GetCurrentPadding(&padding); FAILED(hr))
            return Fail("the stream failed", hr);
        if (const UINT32 room = m_bufferFrames - padding; room > 0) {
            BYTE* data = nullptr;
            if (const HRESULT hr = m_render->GetBuffer(room, &data); FAILED(hr))
                return Fail("no buffer to write", hr);
            (void)source.Pull(std::span(m_frames).first(room));
            auto* out = reinterpret_cast<float*>(data);
            for (std::size_t i = 0; i < room; ++i)
                std::fill_n(out + i * m_channels, m_channels, m_frames[i]);
            m_render->ReleaseBuffer(room, 0);
            m_written += room;
            // Playing starts with the first frames, not once the buffer is full.
            if (!m_started) {
                if (const HRESULT hr = m_client->Start(); FAILED(hr))
                    return Fail("cannot play", hr);
                m_started = true;
            }
        }
        WaitForSingleObject(m_event, kWaitSliceMs);
    }
    // Given up: the stream is opened afresh. Otherwise it plays on, starved,
    // until the next tone: stopping it and starting it again cost every later
    // tone 20 to 30 ms before its first frame was heard (through Wine's
    // PulseAudio driver, where a stream stopped and started again also grew
    // its latency with every tone).
    if (source.Now() == ToneSource::State::GivenUp)
        return Fail("the endpoint takes no frames");
    return true;
}

} // namespace vornaby::tone
