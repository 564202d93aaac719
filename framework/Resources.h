// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// The program's resources, found by numeric identifier. The program hands its
// set to the framework once, at start-up (InstallResources); every lookup the
// framework makes goes through that set.

#include <span>
#include <string>

namespace fw {

// A string table entry; its text is translated in the context "Resources".
struct StringResource {
    int id;
    const char* text;
};

// What only the backend reads: how it builds each dialog template and loads
// each icon. Each backend defines it.
struct BackendResources;

struct ResourceSet {
    std::span<const StringResource> strings;
    // The translations' base name: NAME_LANGUAGE under the backend's
    // translation folder.
    const char* translations;
    const BackendResources* backend;
};

// Makes resources the set every lookup below searches. Until a set is
// installed, every lookup finds nothing.
void InstallResources(const ResourceSet& resources);
[[nodiscard]] const ResourceSet& InstalledResources();

// The string with this identifier, translated; empty when there is none.
[[nodiscard]] std::string LoadString(int id);

// An icon is its resource identifier; a null icon is none.
struct CIcon {
    int id = 0;
    explicit operator bool() const { return id != 0; }
};

// The icon with this identifier; a null icon when there is none.
[[nodiscard]] CIcon LoadIcon(int id);

// The application's title, when the string table holds one; otherwise the
// application takes its executable's file name.
inline constexpr int IDS_APP_TITLE = 0xE000;

} // namespace fw
