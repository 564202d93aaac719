// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The start-up benchmark's first floor: an empty Qt Widgets dialog with the
// main window's title and size, and nothing else.
#include <QApplication>
#include <QDialog>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Vornaby"));
    dialog.setFixedSize(argc > 2 ? atoi(argv[1]) : 560, argc > 2 ? atoi(argv[2]) : 350);
    dialog.show();
    return application.exec();
}
