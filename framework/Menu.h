// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// CMenu: what the program adds to a window's own menu, as a list of
// commands; the window system's own commands come before them. Choosing an
// item sends its command to the window as a system command.

#include <string>
#include <string_view>
#include <vector>

namespace fw {

namespace backend {
class Window;
}

class CMenu {
public:
    struct Item {
        unsigned command = 0; // 0 for a separator
        std::string text;     // '&' marks the mnemonic
        [[nodiscard]] bool IsSeparator() const { return text.empty(); }
    };

    void AppendSeparator() { AppendItem(0, {}); }
    void AppendItem(unsigned command, std::string_view text);
    [[nodiscard]] const std::vector<Item>& Items() const { return m_items; }

    // Starts the program's part of window's menu, empty.
    void Start(backend::Window* window);

private:
    backend::Window* m_window = nullptr;
    std::vector<Item> m_items;
};

// The window menu as its user sees it, where the program shows it itself
// (Windows shows its own): the window's own commands first, as a desktop's
// window menu has them -- Restore while the window is minimised, otherwise
// Minimize where it has a minimize box; then Close -- in the language in use,
// then the program's items.
[[nodiscard]] std::vector<CMenu::Item> WindowMenuItems(const CMenu& program, bool minimizeBox, bool minimized);
// The menu's name, for screen readers.
[[nodiscard]] std::string WindowMenuName();

} // namespace fw
