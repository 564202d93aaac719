// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Prompts: modal message boxes with a warning icon and one OK button, titled
// with the application's name. Every prompt passes through ShowPrompt, where a
// watcher (a test, say) can see it while it is open.

#include <QString>

#include <cstdint>
#include <functional>

class QMessageBox;
class QWidget;

namespace fw {

[[nodiscard]] QString IntegerPromptText();
[[nodiscard]] QString RangePromptText(std::int32_t low, std::int32_t high);

// Shows the prompt modally over owner and returns when it is dismissed.
void ShowPrompt(QWidget* owner, const QString& text);

// Called once for every prompt, just after it has opened; the watcher may
// read it and close it. Pass an empty function to stop watching.
using PromptWatcher = std::function<void(QMessageBox&)>;
void SetPromptWatcher(PromptWatcher watcher);

} // namespace fw
