// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Prompts: modal message boxes with a warning icon and one OK button, titled
// with the application's name, and the texts of the form's two prompts.

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

class CDialog;

[[nodiscard]] std::string IntegerPromptText();
[[nodiscard]] std::string RangePromptText(std::int32_t low, std::int32_t high);

// Shows the prompt modally over owner's window and returns when it is dismissed.
void ShowPrompt(const CDialog* owner, std::string_view text);

} // namespace fw
