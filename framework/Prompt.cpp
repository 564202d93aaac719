// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/Prompt.h"

#include "framework/Backend.h"
#include "framework/Dialog.h"
#include "framework/IntegerText.h"

#include <utility>

namespace fw {

std::string IntegerPromptText()
{
    return backend::Translate("Prompt", "Please enter a whole number.");
}

std::string RangePromptText(std::int32_t low, std::int32_t high)
{
    std::string text = backend::Translate("Prompt", "Please enter a number from %1 to %2.");
    for (const auto& [mark, value] : {std::pair{"%1", low}, std::pair{"%2", high}})
        if (const auto at = text.find(mark); at != std::string::npos)
            text.replace(at, 2, FormatInt32(value));
    return text;
}

void ShowPrompt(const CDialog* owner, std::string_view text)
{
    backend::ShowPrompt(owner ? owner->BackendWindow() : nullptr, text);
}

} // namespace fw
