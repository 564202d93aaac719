// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "app/VornabyApp.h"

#include "dialogs/VornabyDlg.h"
#include "tone/Beep.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <functional>

CVornabyApp g_app;

namespace {

// Runs action once, when the first window has been exposed on the screen.
void WhenFirstShown(std::function<void()> action)
{
    class Watcher final : public QObject {
    public:
        explicit Watcher(std::function<void()> action) : QObject(QCoreApplication::instance()), m_action(std::move(action)) {}

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Expose && watched->isWindowType() &&
                static_cast<QWindow*>(watched)->isExposed()) {
                QCoreApplication::instance()->removeEventFilter(this);
                m_action();
                deleteLater();
            }
            return false;
        }

    private:
        std::function<void()> m_action;
    };
    QCoreApplication::instance()->installEventFilter(new Watcher(std::move(action)));
}

} // namespace

bool CVornabyApp::StartUp()
{
    // Qt's controls need no registration before the first dialog exists, and
    // no embedded-control host; what remains of start-up is the toolkit's own.
    CWinApp::StartUp();
    // The sound device opens in the background once the window is on the
    // screen, so that opening it does not compete with showing the window.
    WhenFirstShown([] { vornaby::tone::PrepareBeep(); });

    // The settings root is named but nothing is ever stored under it.
    SetSettingsRoot("Local AppWizard-Generated Applications");

    CVornabyDlg dialog;
    m_mainWindow = &dialog;
    dialog.DoModal();
    m_mainWindow = nullptr;
    // The dialog closed: end the process without an event loop of our own.
    return false;
}
