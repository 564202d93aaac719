// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The Win32 window behind a CDialog, and what the backend's parts share about
// it: the dialog box made from the template resource, run by a modal loop of
// the backend's own (so that the dialog can be opened before it is shown).

#include <windows.h>
#include <commctrl.h>

// <windows.h> makes these names macros for their A and W functions; here they
// are the framework's own members, and the window system's functions are
// called by their W names.
#undef SendMessage
#undef LoadString
#undef LoadIcon
#undef SetWindowText
#undef GetWindowText

#include <string>
#include <string_view>
#include <utility>

namespace fw {

class CDialog;

namespace backend {

// An icon the window owns, destroyed with it or when replaced.
class OwnedIcon {
public:
    OwnedIcon() = default;
    explicit OwnedIcon(HICON icon) : m_icon(icon) {}
    OwnedIcon(OwnedIcon&& other) noexcept : m_icon(std::exchange(other.m_icon, nullptr)) {}
    OwnedIcon& operator=(OwnedIcon&& other) noexcept
    {
        std::swap(m_icon, other.m_icon);
        return *this;
    }
    ~OwnedIcon()
    {
        if (m_icon)
            DestroyIcon(m_icon);
    }
    [[nodiscard]] HICON get() const { return m_icon; }
    explicit operator bool() const { return m_icon != nullptr; }

private:
    HICON m_icon = nullptr;
};

class Window {
public:
    HWND hwnd = nullptr;
    CDialog* dialog = nullptr;
    int templateId = 0;
    HWND owner = nullptr;
    OwnedIcon bigIcon;
    OwnedIcon smallIcon;
    int iconId = 0;
    LPARAM lastSysCommandPosition = 0;
    bool painted = false; // the dialog's Paint handler painted the window
    bool ended = false;
    int result = 0;
};

} // namespace backend

// The language the windows and prompts speak from now on ("de", "pt_BR"; a
// language without translations is English), mirrored if it is written right
// to left, unless asWritten is false.
void ChooseLanguage(std::string_view language, bool asWritten = true);
// The user's display language, where there are translations for it.
void ChooseUserLanguage();

// The control is of the window class name (WC_BUTTONW, TRACKBAR_CLASSW...).
[[nodiscard]] bool IsClass(HWND control, const wchar_t* name);

// Tells screen readers each trackbar's name (its template text) while the
// dialog lives, and forgets them when it goes.
void NameTrackbars(HWND dialog);
void ForgetTrackbarNames(HWND dialog);

// A window's or control's text.
[[nodiscard]] std::wstring WindowText(HWND window);
// How much room text takes in a control's own font.
struct TextExtent {
    int width = 0;
    int lineHeight = 0;
    int averageCharWidth = 0;
};
[[nodiscard]] TextExtent MeasureText(HWND control, std::wstring_view text);

// UTF-8 and UTF-16, as the window system takes its text.
[[nodiscard]] std::wstring Widen(std::string_view text);
[[nodiscard]] std::string Narrow(std::wstring_view text);

// Runs one held input message as the message loop runs a fresh one: the
// dialog's keys first (Tab, Enter, Escape), then translation and dispatch.
void DispatchInput(MSG& message);

// Hands a message the loop took from the queue to the window it is for, or
// to the input hold when the user's input must wait.
void HandleMessage(MSG& message);

// One turn of the modal loop: the next message, held when it must wait.
// Idle: nothing was waiting (only when not told to wait); Quit: the program
// ends (the quit message is posted again, so that every modal run ends with
// it).
enum class LoopTurn { Done, Idle, Quit };
LoopTurn RunLoopTurn(bool wait);

// The window's close (its close box, Alt+F4, the task bar): true when the
// input hold took it, to act once the work and the input before it are done.
[[nodiscard]] bool TakeClose(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace fw
