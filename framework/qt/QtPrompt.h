// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Every prompt the Qt backend shows passes through one place, where a
// watcher (a test, say) can see it while it is open.

#include <functional>

class QMessageBox;

namespace fw {

// Called once for every prompt, just after it has opened; the watcher may
// read it and close it. Pass an empty function to stop watching.
using PromptWatcher = std::function<void(QMessageBox&)>;
void SetPromptWatcher(PromptWatcher watcher);

} // namespace fw
