// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/qt/QtResources.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace fw {

void InstallTranslations(const QLocale& locale)
{
    static QTranslator* qt = nullptr;
    static QTranslator* own = nullptr;
    for (QTranslator** translator : {&qt, &own}) {
        if (*translator) {
            QCoreApplication::removeTranslator(*translator);
            delete *translator;
            *translator = nullptr;
        }
    }
    // Qt's own texts: the prompts' buttons, the edit fields' menus.
    qt = new QTranslator;
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    own = new QTranslator;
    const char* name = InstalledResources().translations;
    if (name && own->load(locale, QString::fromUtf8(name), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(own);
}

const DialogTemplate* FindDialogTemplate(int id)
{
    const BackendResources* resources = InstalledResources().backend;
    if (!resources)
        return nullptr;
    const auto found = std::ranges::find(resources->templates, id, &DialogTemplate::id);
    return found == resources->templates.end() ? nullptr : &*found;
}

QIcon LoadQIcon(int id)
{
    const BackendResources* resources = InstalledResources().backend;
    return resources && resources->loadIcon ? resources->loadIcon(id) : QIcon();
}

} // namespace fw
