// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Long work while the windows keep painting and the user's input waits its
// turn.

#include <functional>

namespace fw {

// Work that goes on elsewhere (on a device's own thread, in its sound
// system's callback) while the windows keep running.
class Work {
public:
    virtual ~Work() = default;
    // Starts the work. wake may be called from any thread, whenever Finished
    // may have turned true.
    virtual void Start(std::function<void()> wake) = 0;
    // Whether the work is over: done, failed or given up. Asked on the UI
    // thread after every wake and at least every 50 ms.
    [[nodiscard]] virtual bool Finished() = 0;
    // Asks the work to end soon. Finished must turn true within a second,
    // whatever the work is waiting on.
    virtual void Stop() = 0;
};

// Starts work and returns once it has finished. Meanwhile this thread keeps
// every window painting and answering the desktop, and holds back the user's
// input: clicks, keys and wheel turns made meanwhile act afterwards, in
// order, as if they were made just then.
//
// A request to close is the one exception, because it is the user's request
// to stop: the window manager's close (the close box, Alt+F4) or Escape in a
// window stops the work, drops every input held so far and every input that
// comes after it, and is acted on once the work has finished. After
// RequestQuit, work is not started at all and false is returned.
bool RunWhileInputWaits(Work& work);

// Ends the program as soon as it can: stops the running work, drops held
// input and leaves every event loop; the process then exits with status.
// Safe to call only on the UI thread (signals reach it through WatchSignals).
void RequestQuit(int status);

// The status RequestQuit asked for; 0 when it was not called.
[[nodiscard]] int QuitStatus();

// SIGTERM, SIGINT and SIGHUP end the program through RequestQuit (status 128 +
// the signal's number) from the event loop; the handler itself only writes one
// byte to a pipe, as a signal handler may. A program with no terminal's
// signals (a Windows one) has nothing to watch.
void WatchSignals();

} // namespace fw
