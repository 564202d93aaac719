// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The program's translations as a table, for a backend whose toolkit has no
// translation system of its own: which language of the user's is offered,
// which way it reads, and each text in it.

#include <span>
#include <string>
#include <string_view>

namespace fw {

// One text in one language (UTF-8), from the same translations as the Qt
// build's.
struct Translation {
    const char* language; // as the translations name it: "de", "pt_BR"
    const char* context;
    const char* source;
    const char* text;
};

// The text's translation into language; nullptr when there is none.
[[nodiscard]] const char* FindTranslation(std::span<const Translation> table, std::string_view language,
                                          std::string_view context, std::string_view text);

// The first of the user's languages, most wanted first ("pt-BR" or "pt_BR"),
// that the table offers, as itself or as its language alone ("de" for
// "de-AT"); English when it offers none of them.
[[nodiscard]] std::string OfferedLanguage(std::span<const Translation> table, std::span<const std::string> wanted);

// Whether the language is written from right to left, as its translation says.
[[nodiscard]] bool ReadsRightToLeft(std::span<const Translation> table, std::string_view language);

// The language the program speaks, and whether its windows are mirrored.
struct Speech {
    std::string language = "en";
    bool mirrored = false;
};

// Speaking language: its windows are mirrored where it is written from right
// to left, unless they are to stay as written (asWritten false: a test's
// check of the texts alone).
[[nodiscard]] Speech SpeechIn(std::span<const Translation> table, std::string_view language, bool asWritten = true);

} // namespace fw
