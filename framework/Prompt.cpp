// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/Prompt.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace fw {

namespace {

PromptWatcher& Watcher()
{
    static PromptWatcher watcher;
    return watcher;
}

} // namespace

QString IntegerPromptText()
{
    return QCoreApplication::translate("Prompt", "Please enter a whole number.");
}

QString RangePromptText(std::int32_t low, std::int32_t high)
{
    return QCoreApplication::translate("Prompt", "Please enter a number from %1 to %2.").arg(low).arg(high);
}

void ShowPrompt(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, owner);
    // Screen readers announce a warning box as an alert.
    box.setAccessibleName(QGuiApplication::applicationDisplayName());
    if (const PromptWatcher& watcher = Watcher())
        QMetaObject::invokeMethod(&box, [&box, &watcher] { watcher(box); }, Qt::QueuedConnection);
    box.exec();
}

void SetPromptWatcher(PromptWatcher watcher)
{
    Watcher() = std::move(watcher);
}

} // namespace fw
