// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/SoundDevice.h"

#include "tone/AlsaDevice.h"

#include <mutex>

namespace vornaby::tone {
namespace {

std::mutex g_deviceMutex;
std::unique_ptr<SoundDevice> g_device;

} // namespace

SoundDevice& CurrentSoundDevice()
{
    const std::lock_guard lock(g_deviceMutex);
    if (!g_device)
        g_device = std::make_unique<AlsaDevice>("default");
    return *g_device;
}

std::unique_ptr<SoundDevice> InstallSoundDevice(std::unique_ptr<SoundDevice> device)
{
    const std::lock_guard lock(g_deviceMutex);
    std::swap(g_device, device);
    return device;
}

} // namespace vornaby::tone
