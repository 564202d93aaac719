// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// Fuzzes the form's integer conversion against a plain model of its rules:
// blanks around, at most one sign, then decimal digits only, and a value that
// fits in 32 bits -- otherwise no integer. Any difference aborts.

#include "framework/IntegerText.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

std::optional<std::int32_t> Model(std::string_view s)
{
    std::size_t begin = 0, end = s.size();
    while (begin < end && (s[begin] == ' ' || s[begin] == '\t'))
        ++begin;
    while (end > begin && (s[end - 1] == ' ' || s[end - 1] == '\t'))
        --end;
    bool negative = false;
    if (begin < end && (s[begin] == '+' || s[begin] == '-'))
        negative = s[begin++] == '-';
    if (begin == end)
        return std::nullopt;
    long long magnitude = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > 2147483648LL)
            return std::nullopt;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = fw::ParseInt32(text);
    if (parsed != Model(text))
        std::abort();
    if (parsed && fw::ParseInt32(fw::FormatInt32(*parsed)) != parsed)
        std::abort();
    return 0;
}
