// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// What a backend (Qt Widgets on Linux, Win32 on Windows) does for the
// framework's core: it creates, shows, reads and writes windows and controls,
// and nothing more. Every rule the backends must agree on -- the exchange, the
// event tables, Enter and Escape (CDialog::PressDialogKey), what setting a
// combo box's text selects -- stays in the core.
// A control is its dialog window and its identifier; identifier 0 is the
// window itself. Every call on a window or control that is not there does
// nothing and reads as empty. Only the framework includes this header.

#include "framework/Wnd.h"

#include <string>
#include <string_view>
#include <vector>

namespace fw {

class CDialog;
class CMenu;

// Called by the backend once a window is on the screen; the first time, it
// runs what WhenFirstShown was given.
void WindowShown();

namespace backend {

class Window; // a dialog's window, as the backend keeps it

// The dialog's window from its template, with every control, laid out, not
// yet shown; its messages go to dialog. owner: the window disabled while it
// runs, or nullptr (then the window active now, if any). nullptr when the
// resources have no such template.
[[nodiscard]] Window* CreateDialogWindow(CDialog& dialog, int templateId, Window* owner);
void DestroyDialogWindow(Window* window);
// Shows the window centred over its owner (or the screen) and runs it until
// EndModal; returns EndModal's result.
int RunModal(Window* window);
void EndModal(Window* window, int result);
// The controls that Tab reaches now (enabled and shown), in the order it
// reaches them.
[[nodiscard]] std::vector<int> TabStops(Window* window);
// A window command the dialog does not take itself (minimise, restore, move,
// size, ...), as the window system handles it.
void DefaultSysCommand(Window* window, unsigned command);

// An item the program appends to the window's menu (command 0: a
// separator), where the window system keeps that menu.
void AppendWindowMenu(Window* window, unsigned command, std::string_view text);

[[nodiscard]] bool HasControl(Window* window, int id);
// An edit field's text, a combo box's field, a caption, a window's title.
[[nodiscard]] std::string GetText(Window* window, int id);
void SetText(Window* window, int id, std::string_view text);
// A combo box's list: the item showing exactly text (-1: none); selecting
// one (-1: none) leaves the field as it is.
[[nodiscard]] int FindListItem(Window* window, int id, std::string_view text);
void SelectListItem(Window* window, int id, int index);
void Enable(Window* window, int id, bool enable);
// A check box's state (1 checked, 0 clear); -1 for a control that is none.
[[nodiscard]] int GetCheck(Window* window, int id);
void SetCheck(Window* window, int id, bool checked);
// A slider's position (clamped to its range when set) and range; the
// program's settings never count as a scroll by the user.
[[nodiscard]] int GetSliderPos(Window* window, int id);
void SetSliderPos(Window* window, int id, int position);
void SetSliderRange(Window* window, int id, int minimum, int maximum, bool redraw);
// Keyboard focus to the control, an edit field's text (or a combo box's
// field) all selected.
void FocusAndSelect(Window* window, int id);
// The window's icon for its caption, task bar and switcher.
void SetIcon(Window* window, int iconId);
[[nodiscard]] bool HasIcon(int iconId);

// For a dialog's own Paint handler: whether the window is minimised, its
// client area's size, the size icons are drawn at; BeginPaint returns what
// the other calls paint on (none where the window is not being painted now),
// and EndPaint ends that painting.
[[nodiscard]] bool IsIconic(Window* window);
[[nodiscard]] CWnd::Size ClientSize(Window* window);
[[nodiscard]] CWnd::Size SystemIconSize();
[[nodiscard]] void* BeginPaint(Window* window);
void EndPaint(void* paint);
void EraseIconBackground(void* paint);
void DrawIcon(void* paint, int x, int y, int iconId);

// A modal prompt over owner (nullptr: none): warning icon, one OK button,
// titled with the application's name.
void ShowPrompt(Window* owner, std::string_view text);

// A text of the program's in the language in use, as UTF-8.
[[nodiscard]] std::string Translate(const char* context, const char* text);

} // namespace backend
} // namespace fw
