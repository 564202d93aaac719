// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/Translations.h"

#include <algorithm>

namespace fw {

const char* FindTranslation(std::span<const Translation> table, std::string_view language, std::string_view context,
                            std::string_view text)
{
    for (const Translation& t : table)
        if (t.language == language && t.context == context && t.source == text)
            return t.text;
    return nullptr;
}

std::string OfferedLanguage(std::span<const Translation> table, std::span<const std::string> wanted)
{
    auto offered = [&](std::string_view candidate) {
        return std::any_of(table.begin(), table.end(), [&](const Translation& t) { return t.language == candidate; });
    };
    for (std::string name : wanted) {
        std::replace(name.begin(), name.end(), '-', '_');
        if (offered(name))
            return name;
        if (const std::string language = name.substr(0, name.find('_')); offered(language))
            return language;
    }
    return "en";
}

bool ReadsRightToLeft(std::span<const Translation> table, std::string_view language)
{
    // Each translation says which way its language reads, in Qt's own words.
    const char* direction = FindTranslation(table, language, "QGuiApplication", "QT_LAYOUT_DIRECTION");
    return direction && std::string_view(direction) == "RTL";
}

Speech SpeechIn(std::span<const Translation> table, std::string_view language, bool asWritten)
{
    return {std::string(language), asWritten && ReadsRightToLeft(table, language)};
}

} // namespace fw
