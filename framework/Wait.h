// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Long work off the UI thread while the windows keep painting and the user's
// input waits its turn.

#include <functional>
#include <stop_token>

namespace fw {

// Runs work on a worker thread and returns its result once it has finished.
// Meanwhile this thread keeps every window painting and answering the
// desktop, and holds back the user's input: clicks, keys and wheel turns made
// meanwhile act afterwards, in order, as if they were made just then.
//
// A request to close is the one exception, because it is the user's request
// to stop: the window manager's close (the close box, Alt+F4) or Escape in a
// window asks the work to stop through its stop_token, drops every input held
// so far, and is acted on once the work has returned. After RequestQuit, work
// is not started at all and false is returned.
bool RunWhileInputWaits(const std::function<bool(std::stop_token)>& work);

// Ends the program as soon as it can: asks the running work to stop, drops
// held input and leaves every event loop; the process then exits with status.
// Safe to call only on the UI thread (signals reach it through WatchSignals).
void RequestQuit(int status);

// The status RequestQuit asked for; 0 when it was not called.
[[nodiscard]] int QuitStatus();

// SIGTERM, SIGINT and SIGHUP end the program through RequestQuit (status 128 +
// the signal's number) from the event loop; the handler itself only writes one
// byte to a pipe, as a signal handler may.
void WatchSignals();

} // namespace fw
