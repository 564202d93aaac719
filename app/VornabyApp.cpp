// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "app/VornabyApp.h"

#include "dialogs/VornabyDlg.h"
#include "tone/Beep.h"

#include <QTimer>

CVornabyApp g_app;

bool CVornabyApp::StartUp()
{
    // Qt's controls need no registration before the first dialog exists, and
    // no embedded-control host; what remains of start-up is the toolkit's own.
    CWinApp::StartUp();
    // The sound device opens in the background once the window is up (the
    // first event the window's loop handles), so that opening it does not
    // compete with building the window.
    QTimer::singleShot(0, [] { vornaby::tone::PrepareBeep(); });

    // The settings root is named but nothing is ever stored under it.
    SetSettingsRoot("Local AppWizard-Generated Applications");

    CVornabyDlg dialog;
    m_mainWindow = &dialog;
    dialog.DoModal();
    m_mainWindow = nullptr;
    // The dialog closed: end the process without an event loop of our own.
    return false;
}
