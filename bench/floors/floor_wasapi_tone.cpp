// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The Windows press-to-sound floor: a bare WASAPI client, shared mode,
// event-driven, float at the endpoint's mixing rate, its stream started once
// and left playing. Each line on standard input sounds 1000 Hz for 300 ms at
// once, with no ramps, no synthesiser and no window.
#include <initguid.h>
#include <windows.h>
#include <audioclient.h>
#include <mmdeviceapi.h>
#include <wrl/client.h>

#include <algorithm>
#include <cmath>
#include <numbers>

using Microsoft::WRL::ComPtr;

int main()
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    ComPtr<IMMDeviceEnumerator> enumerator;
    ComPtr<IMMDevice> endpoint;
    ComPtr<IAudioClient> client;
    ComPtr<IAudioRenderClient> render;
    WAVEFORMATEX* mix = nullptr;
    if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, IID_PPV_ARGS(&enumerator))) ||
        FAILED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &endpoint)) ||
        FAILED(endpoint->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr,
                                  reinterpret_cast<void**>(client.GetAddressOf()))) ||
        FAILED(client->GetMixFormat(&mix)))
        return 1;
    // The mixing format is float on every endpoint WASAPI's engine mixes for.
    const HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    UINT32 bufferFrames = 0;
    if (FAILED(client->Initialize(AUDCLNT_SHAREMODE_SHARED, AUDCLNT_STREAMFLAGS_EVENTCALLBACK, 500000, 0, mix,
                                  nullptr)) ||
        FAILED(client->SetEventHandle(event)) || FAILED(client->GetBufferSize(&bufferFrames)) ||
        FAILED(client->GetService(IID_PPV_ARGS(&render))) || FAILED(client->Start()))
        return 1;
    const unsigned rate = mix->nSamplesPerSec;
    const unsigned channels = mix->nChannels;
    char line[64];
    DWORD got = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), line, sizeof line, &got, nullptr) && got > 0) {
        const unsigned total = rate * 3 / 10;
        unsigned done = 0;
        while (done < total) {
            UINT32 padding = 0;
            client->GetCurrentPadding(&padding);
            const unsigned n = std::min(total - done, bufferFrames - padding);
            BYTE* data = nullptr;
            if (n == 0 || FAILED(render->GetBuffer(n, &data))) {
                WaitForSingleObject(event, 20);
                continue;
            }
            auto* out = reinterpret_cast<float*>(data);
            for (unsigned i = 0; i < n; ++i) {
                const float sample =
                    0.5f * static_cast<float>(std::sin(2 * std::numbers::pi * 1000.0 * (done + i + 0.5) / rate));
                for (unsigned c = 0; c < channels; ++c)
                    out[i * channels + c] = sample;
            }
            render->ReleaseBuffer(n, 0);
            done += n;
        }
    }
    return 0;
}
