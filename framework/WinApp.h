// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// CWinApp: the application object. The program defines exactly one, as a
// global; the framework's entry creates the toolkit's application, calls its
// StartUp once, and ends the process when StartUp returns false.

#include "framework/CmdTarget.h"

#include <functional>
#include <string>
#include <string_view>

namespace fw {

class CWnd;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    // The program's start-up; returning false ends the process without
    // entering an event loop of the application's own.
    virtual bool StartUp();

    // Names the root under which per-user settings would live. Nothing is
    // stored by the framework itself.
    void SetSettingsRoot(std::string_view root);

    // The one application object.
    [[nodiscard]] static CWinApp* Current();

    // The main window, while it runs: a dialog that cannot open without its
    // template ends the program only when it is this one.
    CWnd* m_mainWindow = nullptr;
};

// Names the application for the toolkit and the desktop: its name is the
// executable's file name (argv0 without directory and extension), its title the
// string IDS_APP_TITLE where the string table has one.
void NameApplication(const char* argv0);
[[nodiscard]] const std::string& ApplicationName();
[[nodiscard]] const std::string& ApplicationTitle();

// Readies the toolkit's standard controls (edit fields, combo boxes, check
// boxes, sliders) before the first dialog is made; nothing where the toolkit
// needs no such step.
void RegisterCommonControls();

// Runs action once, when the first window is on the screen (work that would
// only slow the window's first showing waits for it).
void WhenFirstShown(std::function<void()> action);

// The framework's entry, called from main. Command-line arguments are not
// handed to the toolkit, so no argument changes what the program does.
// Returns 0, or the status RequestQuit asked for (a signal ended the program).
int RunApplication(int argc, char** argv);

// Ends the process with status at once, unloading nothing: for a program
// one of whose threads is stuck inside a system library (a sound system
// that hangs), which an orderly end would unload under it.
[[noreturn]] void EndProcessNow(int status);

} // namespace fw
