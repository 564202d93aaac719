// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/WinApp.h"

#include "framework/Resources.h"
#include "framework/Wait.h"

#include <QApplication>

#include <cassert>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fw {

namespace {

CWinApp* g_current = nullptr;

} // namespace

CWinApp::CWinApp()
{
    assert(!g_current && "one application object only");
    g_current = this;
}

CWinApp::~CWinApp()
{
    g_current = nullptr;
}

CWinApp* CWinApp::Current()
{
    return g_current;
}

bool CWinApp::StartUp()
{
    return true;
}

void CWinApp::SetSettingsRoot(std::string_view root)
{
    QCoreApplication::setOrganizationName(QString::fromUtf8(root.data(), static_cast<qsizetype>(root.size())));
}

void NameApplication(const char* argv0)
{
    const std::string executable = argv0 ? std::filesystem::path(argv0).stem().string() : std::string();
    const std::string stored = LoadString(IDS_APP_TITLE);
    const std::string title = stored.empty() ? executable : stored;
    QCoreApplication::setApplicationName(QString::fromStdString(executable));
    QGuiApplication::setApplicationDisplayName(QString::fromStdString(title));
    // Desktops find the program's icon and menu entry by this name.
    QGuiApplication::setDesktopFileName(QString::fromStdString(executable));
}

namespace {

// Qt gives up with a core dump when it finds no display; say it plainly instead.
bool HaveDesktop()
{
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace

int RunApplication(int argc, char** argv)
{
    if (!HaveDesktop()) {
        std::fprintf(stderr, "%s: no graphical desktop to open a window on "
                             "(neither WAYLAND_DISPLAY nor DISPLAY is set)\n",
                     argc > 0 && argv ? argv[0] : "vornaby");
        return 1;
    }
    char* program = argc > 0 && argv ? argv[0] : nullptr;
    int toolkitArgc = 1;
    char* toolkitArgv[] = {program, nullptr};
    QApplication application(toolkitArgc, toolkitArgv);
    InstallTranslations(QLocale::system());
    NameApplication(program);
    WatchSignals();

    CWinApp* app = CWinApp::Current();
    if (!app)
        return 1;
    if (app->StartUp())
        return QApplication::exec();
    return QuitStatus();
}

} // namespace fw
