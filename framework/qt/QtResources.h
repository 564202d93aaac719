// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The resources as the Qt backend builds them: each dialog template as code
// that creates its widgets (from the Designer forms), each icon as a QIcon.

#include "framework/Resources.h"

#include <QIcon>
#include <QLocale>

#include <span>

class QDialog;

namespace fw {

struct DialogTemplate {
    int id;
    // Creates the controls as children of window, each carrying its identifier,
    // with geometry in dialog units; initial list items included. The window
    // carries the properties "minimizeBox" (the frame offers minimise) and
    // "appWindow" (a top-level window with its own task-bar entry).
    void (*build)(QDialog& window);
};

struct BackendResources {
    std::span<const DialogTemplate> templates;
    // The icon with this identifier; a null icon when there is none.
    QIcon (*loadIcon)(int id);
};

// The template with this identifier, or nullptr.
[[nodiscard]] const DialogTemplate* FindDialogTemplate(int id);

// The icon with this identifier; a null icon when there is none.
[[nodiscard]] QIcon LoadQIcon(int id);

// Puts the program's texts, and Qt's own, into the language of locale (the
// desktop's, at start-up), replacing the language before; English where no
// translation exists. Right-to-left languages turn the layout around. The
// program's translations are NAME_LANGUAGE.qm under ":/i18n".
void InstallTranslations(const QLocale& locale);

} // namespace fw
