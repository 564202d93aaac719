// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/qt/DialogWindow.h"

#include "framework/Dialog.h"
#include "framework/Menu.h"
#include "framework/qt/Controls.h"
#include "framework/qt/QtResources.h"
#include "framework/qt/TemplateLayout.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <vector>

namespace fw::backend {

namespace {

int ScrollCodeOf(int sliderAction)
{
    switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepAdd: return TB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return TB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return TB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return TB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return TB_TOP;
    case QAbstractSlider::SliderToMaximum: return TB_BOTTOM;
    default: return TB_THUMBTRACK;
    }
}

} // namespace

Window::Window(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner)
    : QDialog(owner), m_dialog(dialog)
{
    dialogTemplate.build(*this);

    Qt::WindowFlags flags = (property("appWindow").toBool() ? Qt::Window : Qt::Dialog) |
                            Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (property("minimizeBox").toBool())
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
    setModal(true);

    LayOutTemplate(*this);
    ShowPictures(*this);
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        ConnectControl(control);
}

void Window::ConnectControl(QWidget* control)
{
    const int id = ControlId(control);
    control->installEventFilter(this);
    for (QWidget* inner : control->findChildren<QWidget*>())
        inner->installEventFilter(this);

    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            // Enter is the dialog's to handle (see HandleDialogKey).
            push->setAutoDefault(false);
            push->setDefault(false);
        }
        connect(button, &QAbstractButton::clicked, this, [this, id] {
            m_dialog.SendMessage({.event = Event::Command, .code = BN_CLICKED, .id = id});
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        // The list is the template's: typing never adds to it, and typing is
        // never completed from it.
        combo->setInsertPolicy(QComboBox::NoInsert);
        if (combo->isEditable())
            combo->setCompleter(nullptr);
        connect(combo, &QComboBox::activated, this, [this, id] {
            m_dialog.SendMessage({.event = Event::Command, .code = CBN_SELCHANGE, .id = id});
        });
    } else if (auto* slider = qobject_cast<QSlider*>(control)) {
        SetSliderRange(slider, kSliderDefaultMin, kSliderDefaultMax);
        // Only the user's own moves are scrolls; positions set by the program
        // come through valueChanged, which is not listened to.
        connect(slider, &QAbstractSlider::actionTriggered, this, [this, slider, id](int action) {
            m_dialog.SendMessage({.event = Event::HScroll, .code = ScrollCodeOf(action), .id = id,
                                  .position = slider->sliderPosition()});
        });
        connect(slider, &QAbstractSlider::sliderReleased, this, [this, slider, id] {
            m_dialog.SendMessage({.event = Event::HScroll, .code = TB_ENDTRACK, .id = id,
                                  .position = slider->sliderPosition()});
        });
    }
}

QWidget* Window::Control(int controlId) const
{
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ControlId(control) == controlId)
            return control;
    }
    return nullptr;
}

std::vector<int> Window::TabStops() const
{
    // Along the focus chain; a control's own parts (a combo box's field)
    // count as the control.
    std::vector<int> stops;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w->window() != this || !w->isEnabled() || w->isHidden() || w->focusProxy() ||
            !(w->focusPolicy() & Qt::TabFocus))
            continue;
        QWidget* control = w;
        while (control && control != this && ControlId(control) < 0)
            control = control->parentWidget();
        if (control && control != this && std::ranges::find(stops, ControlId(control)) == stops.end())
            stops.push_back(ControlId(control));
    }
    return stops;
}

bool Window::HandleDialogKey(QWidget* focus, QKeyEvent* key)
{
    const DialogKeyAction action = DialogKeyOf(StrokeOf(*key));
    switch (action) {
    case DialogKeyAction::Enter:
    case DialogKeyAction::Escape: {
        auto* button = qobject_cast<QPushButton*>(focus);
        m_dialog.PressDialogKey(action == DialogKeyAction::Escape ? CDialog::DialogKey::Escape
                                                                  : CDialog::DialogKey::Enter,
                                button ? ControlId(button) : 0);
        return true;
    }
    case DialogKeyAction::WindowMenu: {
        QWidget* at = focus ? focus : this;
        ShowWindowMenu(at->mapToGlobal(at->rect().center()));
        return true;
    }
    case DialogKeyAction::None: break;
    }
    return false;
}

bool Window::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    // Keys in an open drop-down list belong to the list, which is a window of its own.
    if (event->type() == QEvent::KeyPress && widget && widget->window() == this) {
        QWidget* focus = widget->focusProxy() ? widget->focusProxy() : widget;
        while (focus->parentWidget() && focus->parentWidget() != this)
            focus = focus->parentWidget(); // the combo box, not its inner field
        if (HandleDialogKey(focus, static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Window::keyPressEvent(QKeyEvent* event)
{
    if (!HandleDialogKey(nullptr, event))
        QDialog::keyPressEvent(event);
}

void Window::closeEvent(QCloseEvent* event)
{
    // The close box is the window command Close; the dialog decides.
    event->ignore();
    m_dialog.SendMessage({.event = Event::SysCommand, .param = SC_CLOSE});
}

void Window::contextMenuEvent(QContextMenuEvent* event)
{
    // Reaches the dialog from its background and from controls that have no
    // menu of their own; edit fields keep theirs.
    ShowWindowMenu(event->globalPos());
}

void Window::ShowWindowMenu(const QPoint& globalPos)
{
    const CMenu* items = m_dialog.GetSystemMenu();
    if (!items || m_openMenu)
        return;
    QMenu menu(this);
    menu.setAccessibleName(QString::fromStdString(WindowMenuName()));
    for (const CMenu::Item& item : WindowMenuItems(*items, HasMinimizeBox(), isMinimized())) {
        if (item.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        const unsigned command = item.command;
        menu.addAction(QString::fromStdString(item.text), this, [this, command] {
            m_dialog.SendMessage({.event = Event::SysCommand, .param = command});
        });
    }
    m_openMenu = &menu;
    menu.exec(globalPos);
    m_openMenu = nullptr;
}

void Window::reject()
{
    m_dialog.SendMessage({.event = Event::Command, .code = BN_CLICKED, .id = IDCANCEL});
}

} // namespace fw::backend
