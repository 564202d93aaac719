// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/Resources.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace fw {
namespace {

ResourceSet g_resources{};

} // namespace

void InstallResources(const ResourceSet& resources)
{
    g_resources = resources;
}

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
    if (g_resources.translations &&
        own->load(locale, QString::fromUtf8(g_resources.translations), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(own);
}

const DialogTemplate* FindDialogTemplate(int id)
{
    const auto found = std::ranges::find(g_resources.templates, id, &DialogTemplate::id);
    return found == g_resources.templates.end() ? nullptr : &*found;
}

std::string LoadString(int id)
{
    const auto found = std::ranges::find(g_resources.strings, id, &StringResource::id);
    if (found == g_resources.strings.end())
        return {};
    return QCoreApplication::translate("Resources", found->text).toStdString();
}

QIcon LoadIcon(int id)
{
    return g_resources.loadIcon ? g_resources.loadIcon(id) : QIcon();
}

} // namespace fw
