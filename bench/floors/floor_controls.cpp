// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The start-up benchmark's second floor: the main window's controls, built by
// uic from the program's own template, with no framework, no sound, no icons
// and no translations.
#include "ui_main_form.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QDialog dialog;
    Ui::MainForm().setupUi(&dialog);
    dialog.setFixedSize(argc > 2 ? atoi(argv[1]) : 560, argc > 2 ? atoi(argv[2]) : 350);
    dialog.show();
    return application.exec();
}
