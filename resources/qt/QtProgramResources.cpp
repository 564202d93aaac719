// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The program's dialog templates and icons as Qt builds them: the Designer
// forms compiled by uic, the icons from the embedded PNGs.

#include "framework/qt/QtResources.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "ui_about_form.h"
#include "ui_main_form.h"

#include <QImageReader>
#include <QPixmap>

namespace {

void BuildMainForm(QDialog& window)
{
    Ui::MainForm().setupUi(&window);
}

void BuildAboutForm(QDialog& window)
{
    Ui::AboutForm().setupUi(&window);
}

constexpr fw::DialogTemplate kTemplates[] = {
    {IDD_MAIN_FORM, BuildMainForm},
    {IDD_ABOUT_FORM, BuildAboutForm},
};

// Qt turns the whole program around for a language whose translation says
// "RTL" here; each translation says which way its language reads.
[[maybe_unused]] constexpr const char* kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

QIcon LoadProgramIcon(int id)
{
    if (id != IDI_APP)
        return {};
    // Every size drawn for its size, so small ones stay sharp, up to the
    // largest a window icon takes; the desktop finds the installed theme icon
    // by the desktop file's name on its own, so the theme is not searched here.
    // Read as the PNGs they are: a reader left to guess loads every image
    // plugin there is to ask it, before the window can show.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {
        QImageReader reader(QStringLiteral(":/icons/vornaby-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace

const fw::BackendResources& ProgramBackendResources()
{
    // The icons are compiled into this library; referring to them here makes
    // every executable that uses these resources carry them.
    Q_INIT_RESOURCE(icons);
    static const fw::BackendResources resources{kTemplates, LoadProgramIcon};
    return resources;
}
