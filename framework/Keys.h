// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The keys a dialog takes for itself, decided once for every backend from a
// neutral description of the key, as Windows' dialog manager decides them.

namespace fw {

enum class KeyName { Enter, Escape, F4, F10, ContextMenu, Other };

struct KeyStroke {
    KeyName key = KeyName::Other;
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// Numbered for the page, which is told them as a table.
enum class DialogKeyAction {
    None = 0,       // the focused control's, or the window system's
    Enter = 1,      // the focused push button, or OK
    Escape = 2,     // Cancel
    WindowMenu = 3, // the window's own menu, over the focused control
};

// Without Alt, Enter and Escape are the dialog's whatever else is held (a
// key with Alt is the window system's); Shift+F10 and the context-menu key
// open the window menu.
[[nodiscard]] DialogKeyAction DialogKeyOf(const KeyStroke& key);

// Whether the key asks its window to close: Escape as the dialog takes it, and
// Alt+F4. During work such a key stops the work (see RunWhileInputWaits).
[[nodiscard]] bool AsksToClose(const KeyStroke& key);

} // namespace fw
