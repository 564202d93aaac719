// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "tone/SoundDevice.h"

#include "tone/windows/WasapiDevice.h"

namespace vornaby::tone {

std::unique_ptr<SoundDevice> ChooseSoundDevice()
{
    return std::make_unique<WasapiDevice>();
}

} // namespace vornaby::tone
