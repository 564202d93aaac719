// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/SoundDevice.h"

#include "tone/linux/AlsaDevice.h"
#include "tone/linux/PipeWireDevice.h"

namespace vornaby::tone {

std::unique_ptr<SoundDevice> ChooseSoundDevice()
{
    // PipeWire's own stream where its server answers (it runs at the graph's
    // rate and ends each tone on its last frame); everywhere else ALSA's
    // "default", which reaches PulseAudio or the hardware.
    if (auto pipewire = PipeWireDevice::Connect())
        return pipewire;
    return std::make_unique<AlsaDevice>("default");
}

} // namespace vornaby::tone
