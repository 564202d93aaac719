// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once

#include "framework/WinApp.h"

class CVornabyApp : public fw::CWinApp {
public:
    bool StartUp() override;
};

extern CVornabyApp g_app;
