// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// CDialog: a dialog built from a template and run modally.

#include "framework/Menu.h"
#include "framework/Wnd.h"

namespace fw {

namespace backend {
class Window;
}
class FormExchange;

class CDialog : public CWnd {
public:
    // parent: the owner, disabled while the dialog runs; nullptr for none.
    explicit CDialog(int templateId, CDialog* parent = nullptr);
    ~CDialog() override;

    // Creates the window from the template, writes the form, calls
    // OnOpenForm, shows the window centred over its owner (or the screen) and
    // returns once it has closed: IDOK or IDCANCEL, or -1 when the template
    // cannot be built.
    int DoModal();

    // Ends the modal run with this result.
    void EndDialog(int result);

    // Runs ExchangeFields: read (controls to members, with checks) or write.
    // False when a read stopped at a failing row; a write always succeeds.
    bool UpdateForm(bool read);

    // The window while it exists, for the framework's backend.
    [[nodiscard]] backend::Window* BackendWindow() const { return m_window; }

    // What the dialog adds to the window's own menu, which shows the window
    // system's commands (Minimize where the frame has it, Close) first.
    // Opened by a right click on the dialog's background, the context-menu
    // key or Shift+F10. nullptr while the window does not exist.
    [[nodiscard]] CMenu* GetSystemMenu();

    // Routes a message through the event tables; one that no row takes gets
    // the default handling. True when a row took it.
    bool SendMessage(const Message& message);

    // The dialog's keys, for a backend whose window system has no dialog
    // manager to take them: Enter presses the push button that has the focus
    // (focusedButton, 0 for none) and means OK anywhere else; Escape means
    // Cancel.
    enum class DialogKey { Enter, Escape };
    void PressDialogKey(DialogKey key, int focusedButton);

    static const EventTable s_eventTable;

protected:
    virtual void ExchangeFields(FormExchange& exchange);

    // The dialog's opening: the form is written here. Returning true sends
    // the focus to the first control that takes it.
    virtual bool OnOpenForm();

    // Enter: read the form and close as accepted when the read succeeds.
    virtual void OnOK();
    // Escape, the close box, Close: close as cancelled, unread.
    virtual void OnCancel();

    // What happens to a message that no row takes.
    virtual void DefaultHandling(const Message& message);

    [[nodiscard]] const EventTable& GetEventTable() const override { return s_eventTable; }

private:
    static const EventRow s_eventRows[];

    CMenu m_systemMenu;
    int m_templateId;
    CDialog* m_parent;
    backend::Window* m_window = nullptr;
    bool m_endRequested = false;
    int m_result = IDCANCEL;
};

} // namespace fw
