// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The application's entry and lifetime on Windows.
#include "framework/WinApp.h"

#include "framework/Wait.h"
#include "framework/win32/Win32Window.h"

#include <cstdio>

#include <filesystem>

namespace fw {

void CWinApp::SetSettingsRoot(std::string_view)
{
    // Named only: nothing is stored, so no registry key is made for it.
}

void RegisterCommonControls()
{
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES; // the classic set, the slider's class among them
    InitCommonControlsEx(&controls);
}

int RunApplication(int, char**)
{
    // The executable's own name, whatever argv says (Windows passes what the
    // caller typed).
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    NameApplication(Narrow(path).c_str());
    ChooseUserLanguage();
    WatchSignals();

    CWinApp* app = CWinApp::Current();
    if (!app)
        return 1;
    if (app->StartUp()) {
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            HandleMessage(message);
    }
    return QuitStatus();
}

void EndProcessNow(int status)
{
    std::fflush(nullptr);
    // ExitProcess would still detach every DLL, the sound system's among them.
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(status));
    ExitProcess(static_cast<UINT>(status));
}

} // namespace fw
