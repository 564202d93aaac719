// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// CWnd: a window or control as the program sees it: its dialog and its
// identifier, attached once (by the form's first exchange, or when a dialog
// opens). While the dialog has no window every operation does nothing.

#include "framework/CmdTarget.h"
#include "framework/Resources.h"

#include <string>
#include <string_view>

namespace fw {

class CDialog;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;

    // The control with identifier id of dialog; 0 names the dialog's window.
    void Attach(CDialog& dialog, int id);
    [[nodiscard]] bool IsAttached() const { return m_dialog != nullptr; }

    // An edit field's text, a combo box's field (selecting the list's item
    // of that text, or none), a caption.
    void SetWindowText(std::string_view text);
    [[nodiscard]] std::string GetWindowText() const;
    void EnableWindow(bool enable);

    // The window's icon: one call serves the caption, the task bar and the
    // switcher alike.
    void SetIcon(CIcon icon);

    // Whether the window is minimised, and the size of its client area.
    [[nodiscard]] bool IsIconic() const;
    struct Size {
        int width = 0, height = 0;
    };
    [[nodiscard]] Size GetClientSize() const;

    [[nodiscard]] CDialog* Dialog() const { return m_dialog; }

protected:
    [[nodiscard]] int Id() const { return m_id; }

private:
    CDialog* m_dialog = nullptr;
    int m_id = 0;
};

// Painting a window, from its construction to its end; only while the
// window's Paint event is handled. A window whose handler makes none is
// painted as the window system paints it.
class CPaintDC {
public:
    explicit CPaintDC(CWnd& window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    // Has the window erase the background behind a minimised window's icon.
    void EraseIconBackground();
    void DrawIcon(int x, int y, CIcon icon);

private:
    void* m_paint;
};

// The size the window system draws icons at (SM_CXICON, SM_CYICON).
[[nodiscard]] CWnd::Size SystemIconSize();

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
