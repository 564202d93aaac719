// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// CWnd: a window or control as the program sees it. A wrapper is attached to
// its widget once (by the form's first exchange, or when a dialog opens) and
// forgets it when the widget goes; after that every operation does nothing.

#include "framework/CmdTarget.h"

#include <QPointer>

#include <string_view>

#include <QIcon>
#include <QWidget>

namespace fw {

class CWnd : public CCmdTarget {
public:
    CWnd() = default;

    void Attach(QWidget* widget);
    [[nodiscard]] bool IsAttached() const { return !m_widget.isNull(); }
    [[nodiscard]] QWidget* Widget() const { return m_widget; }

    void SetWindowText(std::string_view text);
    void EnableWindow(bool enable);

    // The window's icon. Qt keeps one icon with every size in it, so this one
    // call serves the caption, the task bar and the switcher alike.
    void SetIcon(const QIcon& icon);

private:
    QPointer<QWidget> m_widget;
};

class CEdit : public CWnd {};

class CComboBox : public CWnd {};

class CSliderCtrl : public CWnd {
public:
    // The range is 0 to 100 until set. Setting the range or the position from
    // code never counts as a scroll by the user.
    void SetRange(int minimum, int maximum, bool redraw = false);
    void SetPos(int position);
    [[nodiscard]] int GetPos() const;
};

} // namespace fw
