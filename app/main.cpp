// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/WinApp.h"
#include "resources/ProgramResources.h"

int main(int argc, char** argv)
{
    fw::InstallResources(ProgramResources());
    return fw::RunApplication(argc, argv);
}
