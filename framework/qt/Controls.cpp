// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/qt/Controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVariant>

#include <algorithm>

namespace fw {

int ControlId(const QWidget* control)
{
    const QVariant id = control ? control->property(kControlIdProperty) : QVariant();
    return id.isValid() ? id.toInt() : -1;
}

void SetSliderRange(QSlider* slider, int minimum, int maximum)
{
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    const long long span = static_cast<long long>(maximum) - minimum;
    slider->setPageStep(static_cast<int>(std::max(1LL, (span + 10) / 20)));
}

QString TextOf(const QWidget* control)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    return control && control->isWindow() ? control->windowTitle() : QString();
}

void SetTextOf(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        combo->setEditText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else if (control && control->isWindow())
        control->setWindowTitle(text);
}

void FocusAndSelect(QWidget* control)
{
    if (!control)
        return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

KeyStroke StrokeOf(const QKeyEvent& key)
{
    KeyStroke stroke;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: stroke.key = KeyName::Enter; break;
    case Qt::Key_Escape: stroke.key = KeyName::Escape; break;
    case Qt::Key_F4: stroke.key = KeyName::F4; break;
    case Qt::Key_F10: stroke.key = KeyName::F10; break;
    case Qt::Key_Menu: stroke.key = KeyName::ContextMenu; break;
    default: break;
    }
    stroke.shift = key.modifiers() & Qt::ShiftModifier;
    stroke.control = key.modifiers() & Qt::ControlModifier;
    stroke.alt = key.modifiers() & Qt::AltModifier;
    return stroke;
}

} // namespace fw
