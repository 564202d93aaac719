// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The program's resources, found by numeric identifier. The program hands its
// set to the framework once, at start-up (InstallResources); every lookup the
// framework makes goes through that set.

#include <QIcon>
#include <QLocale>

#include <span>
#include <string>

class QDialog;

namespace fw {

struct DialogTemplate {
    int id;
    // Creates the controls as children of window, each carrying its identifier,
    // with geometry in dialog units; initial list items included.
    void (*build)(QDialog& window);
    bool minimizeBox; // the frame offers minimise
    bool appWindow;   // a top-level application window with its own task-bar entry
};

// A string table entry; its text is translated in the context "Resources".
struct StringResource {
    int id;
    const char* text;
};

struct ResourceSet {
    std::span<const DialogTemplate> templates;
    std::span<const StringResource> strings;
    // The icon with this identifier; a null icon when there is none.
    QIcon (*loadIcon)(int id);
    // The translations' base name: NAME_LANGUAGE.qm under ":/i18n".
    const char* translations;
};

// Makes resources the set every lookup below searches. Until a set is
// installed, every lookup finds nothing.
void InstallResources(const ResourceSet& resources);

// Puts the program's texts, and Qt's own, into the language of locale (the
// desktop's, at start-up), replacing the language before; English where no
// translation exists. Right-to-left languages turn the layout around.
void InstallTranslations(const QLocale& locale);

// The template with this identifier, or nullptr.
[[nodiscard]] const DialogTemplate* FindDialogTemplate(int id);

// The string with this identifier; empty when there is none.
[[nodiscard]] std::string LoadString(int id);

// The icon with this identifier; a null icon when there is none.
[[nodiscard]] QIcon LoadIcon(int id);

// The application's title, when the string table holds one; otherwise the
// application takes its executable's file name.
inline constexpr int IDS_APP_TITLE = 0xE000;

} // namespace fw
