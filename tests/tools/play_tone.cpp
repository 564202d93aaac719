// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// play-tone FREQUENCY_HZ DURATION_MS...: plays each tone in turn through the
// tone service, for tests and benchmarks that record the sound device.
#include "tone/Tone.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 3 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: play-tone FREQUENCY_HZ DURATION_MS...\n");
        return 2;
    }
    int failures = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const auto frequencyHz = static_cast<std::uint32_t>(std::strtoul(argv[i], nullptr, 10));
        const auto durationMs = static_cast<std::uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        if (!vornaby::tone::Beep(frequencyHz, durationMs))
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
