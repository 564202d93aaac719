// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Integer text as the form reads and writes it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

// Reads a signed 32-bit decimal integer. Blanks (spaces, tabs) around the
// number and one leading '+' or '-' are accepted; anything else -- an empty
// field, letters, "12abc", "1 2", "1.5", "0x10", or a number beyond the 32-bit
// range -- is not an integer. Never wraps or truncates.
[[nodiscard]] std::optional<std::int32_t> ParseInt32(std::string_view text);

// Writes an integer as plain decimal text.
[[nodiscard]] std::string FormatInt32(std::int32_t value);

} // namespace fw
