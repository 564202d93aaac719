#pragma once
// The program's resources, found by numeric identifier. The framework declares
// these lookups; the program's resources/ folder defines them, and every
// executable links exactly one set (tests may link a set of their own).

#include <QIcon>

#include <string>

class QDialog;

struct DialogTemplate {
    int id;
    // Creates the controls as children of window, each carrying its identifier,
    // with geometry in dialog units; initial list items included.
    void (*build)(QDialog& window);
    bool minimizeBox; // the frame offers minimise
    bool appWindow;   // a top-level application window with its own task-bar entry
};

// The template with this identifier, or nullptr.
[[nodiscard]] const DialogTemplate* FindDialogTemplate(int id);

// The string with this identifier; empty when there is none.
[[nodiscard]] std::string LoadString(int id);

// The icon with this identifier; a null icon when there is none.
[[nodiscard]] QIcon LoadIcon(int id);

// The application's title, when the string table holds one; otherwise the
// application takes its executable's file name.
inline constexpr int IDS_APP_TITLE = 0xE000;
