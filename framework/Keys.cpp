// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/Keys.h"

namespace fw {

DialogKeyAction DialogKeyOf(const KeyStroke& key)
{
    if (key.alt)
        return DialogKeyAction::None;
    switch (key.key) {
    case KeyName::Enter: return DialogKeyAction::Enter;
    case KeyName::Escape: return DialogKeyAction::Escape;
    case KeyName::F10: return key.shift && !key.control ? DialogKeyAction::WindowMenu : DialogKeyAction::None;
    case KeyName::ContextMenu: return key.control ? DialogKeyAction::None : DialogKeyAction::WindowMenu;
    case KeyName::F4:
    case KeyName::Other: break;
    }
    return DialogKeyAction::None;
}

bool AsksToClose(const KeyStroke& key)
{
    return DialogKeyOf(key) == DialogKeyAction::Escape || (key.key == KeyName::F4 && key.alt && !key.control);
}

} // namespace fw
