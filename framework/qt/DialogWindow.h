// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The Qt window behind a CDialog: builds the template's controls (laid out by
// TemplateLayout) and turns what happens to them -- clicks, picks, slider
// moves, Enter, Escape, the close box -- into the dialog's messages.

#include <QDialog>

#include <vector>

class QMenu;

namespace fw {

class CDialog;
struct DialogTemplate;

namespace backend {

// What the framework's core knows as a backend::Window.
class Window final : public QDialog {
    Q_OBJECT
public:
    Window(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner);

    [[nodiscard]] bool HasMinimizeBox() const { return windowFlags() & Qt::WindowMinimizeButtonHint; }

    // The control carrying this identifier, or nullptr.
    [[nodiscard]] QWidget* Control(int controlId) const;

    // The controls Tab reaches now, in its order.
    [[nodiscard]] std::vector<int> TabStops() const;

    // The open window menu, while it is open (tests look at it).
    [[nodiscard]] QMenu* OpenWindowMenu() const { return m_openMenu; }

    // Cancelling reaches the dialog as IDCANCEL rather than closing behind its back.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ConnectControl(QWidget* control);
    // Enter and Escape as a dialog knows them; true when the key was taken.
    bool HandleDialogKey(QWidget* focus, QKeyEvent* key);
    void ShowWindowMenu(const QPoint& globalPos);

    CDialog& m_dialog;
    QMenu* m_openMenu = nullptr;
};

} // namespace backend

using DialogWindow = backend::Window;

} // namespace fw
