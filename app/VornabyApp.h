#pragma once

#include "framework/WinApp.h"

class CVornabyApp : public CWinApp {
public:
    bool StartUp() override;
};

extern CVornabyApp g_app;
