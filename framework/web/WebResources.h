// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The resources as the web backend takes them: each dialog template as a
// table of controls (generated from the same Designer forms as the Qt build's
// templates), the icons (the page's own files) and the translations.

#include "framework/DialogUnits.h"
#include "framework/Resources.h"
#include "framework/Translations.h"

#include <span>

namespace fw {

enum class WebControlKind { PushButton, Edit, Label, ComboBox, CheckBox, GroupBox, Slider };

struct WebControl {
    WebControlKind kind;
    const char* name;       // the form's name for it
    int id;                 // -1 for a control the program never names
    const char* text;       // caption, label or frame title
    const char* accessibleName;
    Rect dlu;               // in dialog units
    bool enabled;
    int labelFor;           // a label's field, by identifier; 0 for none
    int iconId;             // a picture's icon; 0 for none
    std::span<const char* const> items; // a combo box's list
};

struct WebTemplate {
    int id;
    const char* context; // the translations' name for its texts
    const char* title;
    int width, height;   // in dialog units
    bool minimizeBox;
    std::span<const WebControl> controls; // in tab order
};

struct BackendResources {
    std::span<const WebTemplate> templates;
    std::span<const int> icons; // each one the page's icons/vornaby-SIZE.png
    std::span<const Translation> translations;
};

} // namespace fw
