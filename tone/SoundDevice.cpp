// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/SoundDevice.h"

#include <cstdio>
#include <mutex>

namespace vornaby::tone {
namespace {

std::mutex g_deviceMutex;
std::shared_ptr<SoundDevice> g_device;
bool g_chosen = false; // g_device is the program's own choice, not an installed one
bool g_failed = false;

std::mutex g_reportMutex;
bool g_lostReported = false;

} // namespace

std::shared_ptr<SoundDevice> CurrentSoundDevice()
{
    const std::lock_guard lock(g_deviceMutex);
    if (g_device && g_chosen && (g_failed || g_device->Lost()))
        g_device.reset(); // the old device goes before a new one connects
    if (!g_device) {
        // Made again after a failure, so a server that restarts, comes up
        // late or is replaced by another is found.
        g_device = ChooseSoundDevice();
        g_chosen = true;
    }
    g_failed = false;
    return g_device;
}

std::shared_ptr<SoundDevice> InstallSoundDevice(std::shared_ptr<SoundDevice> device)
{
    const std::lock_guard lock(g_deviceMutex);
    std::swap(g_device, device);
    g_chosen = false;
    g_failed = false;
    return device;
}

void CurrentDeviceFailed()
{
    const std::lock_guard lock(g_deviceMutex);
    g_failed = true;
}

void ReportSoundFailure(std::string_view what)
{
    const std::lock_guard lock(g_reportMutex);
    if (g_lostReported)
        return;
    g_lostReported = true;
    std::fprintf(stderr, "vornaby: no sound: %.*s\n", static_cast<int>(what.size()), what.data());
}

void ReportSoundWorks(const SoundDevice& device)
{
    const std::lock_guard lock(g_reportMutex);
    if (!g_lostReported)
        return;
    g_lostReported = false;
    std::fprintf(stderr, "vornaby: sound is back, through %s\n", device.Name().c_str());
}

} // namespace vornaby::tone
