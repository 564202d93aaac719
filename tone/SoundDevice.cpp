// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/SoundDevice.h"

#include "tone/AlsaDevice.h"
#include "tone/PipeWireDevice.h"

#include <mutex>

namespace vornaby::tone {
namespace {

std::mutex g_deviceMutex;
std::unique_ptr<SoundDevice> g_device;

} // namespace

SoundDevice& CurrentSoundDevice()
{
    const std::lock_guard lock(g_deviceMutex);
    if (!g_device) {
        // PipeWire's own stream where its server answers (it runs at the
        // graph's rate and ends each tone on its last frame); everywhere else
        // ALSA's "default", which reaches PulseAudio or the hardware.
        if (auto pipewire = PipeWireDevice::Connect())
            g_device = std::move(pipewire);
        else
            g_device = std::make_unique<AlsaDevice>("default");
    }
    return *g_device;
}

std::unique_ptr<SoundDevice> InstallSoundDevice(std::unique_ptr<SoundDevice> device)
{
    const std::lock_guard lock(g_deviceMutex);
    std::swap(g_device, device);
    return device;
}

} // namespace vornaby::tone
