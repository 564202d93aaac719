#pragma once
// The tone service as the program's windows use it.

#include <cstdint>

// Sounds a tone and returns when it has ended, like the tone layer's Beep. The
// tone plays on a worker thread while this thread waits in an event loop that
// keeps every window painting and answering the desktop; keys and clicks made
// meanwhile are held back and handled afterwards, in order, so each press of a
// button during a tone acts once the tone is over.
bool Beep(std::uint32_t frequencyHz, std::uint32_t durationMs);
