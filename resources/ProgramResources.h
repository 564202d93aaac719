// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The program's own resource set, to be handed to the framework at start-up.

#include "framework/Resources.h"

[[nodiscard]] const fw::ResourceSet& ProgramResources();
