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

// Runs the action WhenFirstShown was given, once, after the first window shows.
void RunFirstShownAction();

// Whether the program has been asked to end (QuitLoops).
[[nodiscard]] bool QuitRequested();

// Speaks language from now on ("en" for the program's own), laid out in its
// own direction or, with asWritten false, left to right; or the languages
// the browser is set to.
void UseLanguage(const std::string& language, bool asWritten);
void UseBrowserLanguage();

// Calls action from the program's loop once ms have passed.
void PostCall(int ms, std::function<void()> action);

namespace backend {
class Window;
[[nodiscard]] Window* FindWindow(int handle);
// The page's handle of the window (its dialog's data-handle).
[[nodiscard]] int PageHandle(const Window* window);
// Sends one of the page's events (page.js's queue) to its window.
void DispatchPageEvent(const int (&fields)[8]);
} // namespace backend

} // namespace fw
