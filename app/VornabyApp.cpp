// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "app/VornabyApp.h"

#include "dialogs/VornabyDlg.h"
#include "tone/Tone.h"

CVornabyApp g_app;

bool CVornabyApp::StartUp()
{
    // The standard controls, the slider among them, are ready before the
    // first dialog exists.
    fw::RegisterCommonControls();
    CWinApp::StartUp();
    // The sound device opens in the background once the window is on the
    // screen, so that opening it does not compete with showing the window.
    fw::WhenFirstShown([] { vornaby::tone::PrepareBeep(); });

    // The settings root is named but nothing is ever stored under it.
    SetSettingsRoot("Local AppWizard-Generated Applications");

    CVornabyDlg dialog;
    m_mainWindow = &dialog;
    dialog.DoModal();
    m_mainWindow = nullptr;
    // The dialog closed: end the process without an event loop of our own.
    return false;
}
