// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The core's window and control operations on Qt widgets.
#include "framework/Backend.h"

#include "framework/Menu.h"
#include "framework/WinApp.h"
#include "framework/qt/Controls.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtPrompt.h"
#include "framework/qt/QtResources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QMessageBox>
#include <QSlider>
#include <QStyle>

namespace fw::backend {

namespace {

QWidget* Find(Window* window, int id)
{
    if (!window)
        return nullptr;
    return id == 0 ? window : window->Control(id);
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QSlider* SliderOf(Window* window, int id)
{
    return qobject_cast<QSlider*>(Find(window, id));
}

PromptWatcher& Watcher()
{
    static PromptWatcher watcher;
    return watcher;
}

} // namespace

Window* CreateDialogWindow(CDialog& dialog, int templateId, Window* owner)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
    if (!dialogTemplate)
        return nullptr;
    return new Window(dialog, *dialogTemplate, owner);
}

void DestroyDialogWindow(Window* window)
{
    delete window;
}

int RunModal(Window* window)
{
    return window ? window->exec() : -1;
}

void EndModal(Window* window, int result)
{
    if (window)
        window->done(result);
}

std::vector<int> TabStops(Window* window)
{
    return window ? window->TabStops() : std::vector<int>{};
}

void DefaultSysCommand(Window* window, unsigned command)
{
    if (!window)
        return;
    switch (command & 0xFFF0) {
    case SC_MINIMIZE:
        window->showMinimized();
        break;
    case SC_RESTORE:
        window->showNormal();
        break;
    default:
        break;
    }
}

void AppendWindowMenu(Window*, unsigned, std::string_view)
{
    // The model in CMenu is the menu.
}

bool HasControl(Window* window, int id)
{
    return Find(window, id) != nullptr;
}

std::string GetText(Window* window, int id)
{
    return TextOf(Find(window, id)).toStdString();
}

void SetText(Window* window, int id, std::string_view text)
{
    SetTextOf(Find(window, id), FromUtf8(text));
}

int FindListItem(Window* window, int id, std::string_view text)
{
    auto* combo = qobject_cast<QComboBox*>(Find(window, id));
    return combo ? combo->findText(FromUtf8(text), Qt::MatchExactly) : -1;
}

void SelectListItem(Window* window, int id, int index)
{
    if (auto* combo = qobject_cast<QComboBox*>(Find(window, id)))
        combo->setCurrentIndex(index);
}

void Enable(Window* window, int id, bool enable)
{
    if (QWidget* control = Find(window, id))
        control->setEnabled(enable);
}

int GetCheck(Window* window, int id)
{
    const auto* box = qobject_cast<QAbstractButton*>(Find(window, id));
    return box ? (box->isChecked() ? 1 : 0) : -1;
}

void SetCheck(Window* window, int id, bool checked)
{
    if (auto* box = qobject_cast<QAbstractButton*>(Find(window, id)))
        box->setChecked(checked);
}

int GetSliderPos(Window* window, int id)
{
    // While the user drags, sliderPosition() is where the thumb is now; value()
    // follows it only once the scroll has been handled.
    const QSlider* slider = SliderOf(window, id);
    return slider ? slider->sliderPosition() : 0;
}

void SetSliderPos(Window* window, int id, int position)
{
    if (QSlider* slider = SliderOf(window, id))
        slider->setValue(position); // clamped to the range by QSlider
}

void SetSliderRange(Window* window, int id, int minimum, int maximum, bool redraw)
{
    if (QSlider* slider = SliderOf(window, id)) {
        // Range changes that move the thumb are the program's, not the user's:
        // QSlider reports them through valueChanged, which nothing here hears.
        fw::SetSliderRange(slider, minimum, maximum);
        if (redraw)
            slider->update();
    }
}

void FocusAndSelect(Window* window, int id)
{
    fw::FocusAndSelect(Find(window, id));
}

void SetIcon(Window* window, int iconId)
{
    // Qt keeps one icon with every size in it.
    if (window)
        window->setWindowIcon(LoadQIcon(iconId));
}

bool HasIcon(int iconId)
{
    return !LoadQIcon(iconId).isNull();
}

bool IsIconic(Window* window)
{
    return window && window->isMinimized();
}

CWnd::Size ClientSize(Window* window)
{
    return window ? CWnd::Size{window->width(), window->height()} : CWnd::Size{};
}

CWnd::Size SystemIconSize()
{
    const int size = QApplication::style()->pixelMetric(QStyle::PM_LargeIconSize);
    return {size, size};
}

// The desktop draws a minimised window itself; Qt sends a window no paint
// request to answer with its icon.
void* BeginPaint(Window*)
{
    return nullptr;
}
void EndPaint(void*) {}
void EraseIconBackground(void*) {}
void DrawIcon(void*, int, int, int) {}

void ShowPrompt(Window* owner, std::string_view text)
{
    const QString title = QString::fromStdString(ApplicationTitle());
    QMessageBox box(QMessageBox::Warning, title, FromUtf8(text), QMessageBox::Ok, owner);
    // Screen readers announce a warning box as an alert.
    box.setAccessibleName(title);
    if (const PromptWatcher& watcher = Watcher())
        QMetaObject::invokeMethod(&box, [&box, &watcher] { watcher(box); }, Qt::QueuedConnection);
    box.exec();
}

std::string Translate(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

} // namespace fw::backend

namespace fw {

void SetPromptWatcher(PromptWatcher watcher)
{
    backend::Watcher() = std::move(watcher);
}

} // namespace fw
