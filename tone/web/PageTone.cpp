// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The tone service in a page, which has no threads: the device is readied at
// once, and the page's loop waits for a tone by asking it.
#include "tone/SoundDevice.h"
#include "tone/Tone.h"

namespace vornaby::tone {

void PrepareBeep()
{
    CurrentSoundDevice()->Prepare();
}

bool TonesStillRunning()
{
    return false;
}

} // namespace vornaby::tone
