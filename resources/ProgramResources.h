// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The program's own resource set, to be handed to the framework at start-up.

#include "framework/Resources.h"

[[nodiscard]] const fw::ResourceSet& ProgramResources();

// The templates and icons as the backend in use builds them.
[[nodiscard]] const fw::BackendResources& ProgramBackendResources();
