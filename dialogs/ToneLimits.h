// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The values the tone form accepts. The exchange checks them, the slider's
// range is the frequency range, and the form's hints show them.

#include <cstdint>

namespace tone_limits {

inline constexpr std::int32_t kMinFrequencyHz = 1;
inline constexpr std::int32_t kMaxFrequencyHz = 20000;
inline constexpr std::int32_t kMinDurationMs = 50;
inline constexpr std::int32_t kMaxDurationMs = 10000;
// The preset field takes up to 200000 Hz, far above what any device sounds (a
// tone at or above half the device's rate is silence): a typed preset is only
// checked for being a positive number, as it always has been.
inline constexpr std::int32_t kMaxPresetHz = 200000;
// Simple mode always plays this long.
inline constexpr std::int32_t kPresetDurationMs = 300;

} // namespace tone_limits
