// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The application's entry and lifetime on Qt.
#include "framework/WinApp.h"

#include "framework/Backend.h"
#include "framework/Wait.h"
#include "framework/qt/QtResources.h"

#include <QApplication>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace fw {

void CWinApp::SetSettingsRoot(std::string_view root)
{
    QCoreApplication::setOrganizationName(QString::fromUtf8(root.data(), static_cast<qsizetype>(root.size())));
}

void RegisterCommonControls()
{
    // Qt's widgets need no registration.
}

// Tells the core once the first window is on the screen (exposed), then
// watches no more.
static void WatchFirstExposure()
{
    class Watcher final : public QObject {
    public:
        Watcher() : QObject(QCoreApplication::instance()) {}

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Expose && watched->isWindowType() &&
                static_cast<QWindow*>(watched)->isExposed()) {
                QCoreApplication::instance()->removeEventFilter(this);
                WindowShown();
                deleteLater();
            }
            return false;
        }
    };
    QCoreApplication::instance()->installEventFilter(new Watcher);
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
    QCoreApplication::setApplicationName(QString::fromStdString(ApplicationName()));
    QGuiApplication::setApplicationDisplayName(QString::fromStdString(ApplicationTitle()));
    // Desktops find the program's icon and menu entry by this name.
    QGuiApplication::setDesktopFileName(QString::fromStdString(ApplicationName()));
    WatchSignals();
    WatchFirstExposure();

    CWinApp* app = CWinApp::Current();
    if (!app)
        return 1;
    if (app->StartUp())
        return QApplication::exec();
    return QuitStatus();
}

void EndProcessNow(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace fw
