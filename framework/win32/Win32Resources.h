// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The resources as the Win32 backend takes them: the dialog templates and
// icons are resources of the executable (generated from the same Designer
// forms and artwork as the Qt build's), and a combo box's initial list, which
// a template cannot hold, is given here, as are the translations.

#include "framework/Resources.h"
#include "framework/Translations.h"

#include <span>

namespace fw {

struct ListItems {
    int templateId;
    int controlId;
    std::span<const char* const> items; // UTF-8, in list order
};

// The translations' name for a template's texts.
struct FormContext {
    int templateId;
    const char* context;
};

struct BackendResources {
    std::span<const int> templates;      // identifiers of the DIALOGEX resources
    std::span<const ListItems> lists;    // added when a dialog opens, before its first write
    std::span<const int> icons;          // identifiers of the ICON resources
    std::span<const FormContext> forms;
    std::span<const Translation> translations;
};

} // namespace fw
