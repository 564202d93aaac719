// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/WinApp.h"
#include "resources/ProgramResources.h"
#include "tone/Tone.h"

int main(int argc, char** argv)
{
    fw::InstallResources(ProgramResources());
    const int status = fw::RunApplication(argc, argv);
    // A tone given up on a sound system that hangs still has its thread in
    // there; the program ends without waiting for it.
    if (vornaby::tone::TonesStillRunning())
        fw::EndProcessNow(status);
    return status;
}
