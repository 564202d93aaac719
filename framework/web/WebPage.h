// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Between the web backend's parts: the page's windows by handle, the
// language in use, and the loop's state.

#include <functional>
#include <string>

namespace fw {

// The translations' name of the language the page speaks ("de", "pt_BR"),
// and whether its windows are laid out from the right.
[[nodiscard]] const std::string& Language();
[[nodiscard]] bool LanguageMirrored();

// A text the page handed over (VornabyPage.copyOut), freed.
[[nodiscard]] std::string TakePageText(char* text);

// text as a JSON string, for the page to parse.
[[nodiscard]] std::string JsonString(const std::string& text);

// Whether the program has been asked to end (QuitLoops).
[[nodiscard]] bool QuitRequested();

// Speaks language from now on ("en" for the program's own), laid out in its
// own direction or, with asWritten false, left to right; or the languages
// the browser is set to.
void UseLanguage(const std::string& language, bool asWritten);
void UseBrowserLanguage();

// Calls action from the program's loop once ms have passed.
void PostCall(int ms, std::function<void()> action);

// One of the page's events, as page.js queues it (its type numbers are
// page.js's Type).
enum class PageEventType : int { Clicked = 1, SelChange, Scroll, SysCommand, DialogKey, Held, DeliverHeld, Call };
struct PageEvent {
    PageEventType type;
    int kind; // an InputKind
    int window;
    int code;
    int id;
    int param;
    int position;
    int token;
};

namespace backend {
class Window;
[[nodiscard]] Window* FindWindow(int handle);
// The page's handle of the window (its dialog's data-handle).
[[nodiscard]] int PageHandle(const Window* window);
// Sends one of the page's events to its window.
void DispatchPageEvent(const PageEvent& event);
} // namespace backend

} // namespace fw
