// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Between the web backend's parts: the page's windows by handle, the
// language in use, and the loop's state.

#include <string>

namespace fw {

// The translations' name of the language the page speaks ("de", "pt_BR").
[[nodiscard]] const std::string& Language();

// Runs the action WhenFirstShown was given, once, after the first window shows.
void RunFirstShownAction();

// Whether the program has been asked to end (QuitLoops).
[[nodiscard]] bool QuitRequested();

namespace backend {
class Window;
[[nodiscard]] Window* FindWindow(int handle);
// Sends one of the page's events (page.js's queue) to its window.
void DispatchPageEvent(const int (&fields)[8]);
} // namespace backend

} // namespace fw
