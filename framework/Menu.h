// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// CMenu: a window's own menu, as a list of commands. Choosing an item sends
// its command to the window as a system command.

#include <string>
#include <string_view>
#include <vector>

namespace fw {

class CMenu {
public:
    struct Item {
        unsigned command = 0; // 0 for a separator
        std::string text;     // '&' marks the mnemonic
        [[nodiscard]] bool IsSeparator() const { return text.empty(); }
    };

    void AppendSeparator() { m_items.push_back({}); }
    void AppendItem(unsigned command, std::string_view text) { m_items.push_back({command, std::string(text)}); }
    void Clear() { m_items.clear(); }
    [[nodiscard]] const std::vector<Item>& Items() const { return m_items; }

private:
    std::vector<Item> m_items;
};

} // namespace fw
