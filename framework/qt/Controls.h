// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// What the framework needs to know about each kind of control. Templates use
// Qt's widgets; these helpers speak to them by kind, so the rest of the
// framework deals in controls, not widget classes.

#include "framework/Keys.h"

#include <QString>

class QKeyEvent;
class QSlider;
class QWidget;

namespace fw {

// Name of the property that carries a control's numeric identifier.
inline constexpr const char* kControlIdProperty = "controlId";

// Name of the property by which a static picture names its icon.
inline constexpr const char* kIconIdProperty = "iconId";

// Default range of a slider until the program sets one.
inline constexpr int kSliderDefaultMin = 0;
inline constexpr int kSliderDefaultMax = 100;

[[nodiscard]] int ControlId(const QWidget* control);

// A slider's range, with the steps users of this desktop expect: the arrow
// keys move by 1, Page Up/Down and clicks beside the thumb by a twentieth of
// the range, a wheel notch by Qt's usual three lines.
void SetSliderRange(QSlider* slider, int minimum, int maximum);

// The text a control shows: an edit field's text, a combo box's field, a
// button's caption, a window's title.
[[nodiscard]] QString TextOf(const QWidget* control);
void SetTextOf(QWidget* control, const QString& text);

// Keyboard focus to the control; an edit field (or a combo box's field) gets
// all its text selected, ready to be typed over.
void FocusAndSelect(QWidget* control);

// A key press as the framework's core reads it.
[[nodiscard]] KeyStroke StrokeOf(const QKeyEvent& key);

} // namespace fw
