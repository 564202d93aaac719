// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The program's resources: the string table here, the dialog templates and
// icons in the form the backend builds them (ProgramBackendResources).

#include "resources/ProgramResources.h"

#include "resources/resource.h"

// Marks a text for translation (in the given context) where it is defined.
#define VORNABY_TRANSLATE_NOOP(context, text) text

namespace {

constexpr fw::StringResource kStrings[] = {
    {fw::IDS_APP_TITLE, "Vornaby"},
    {IDS_ABOUT_ITEM, VORNABY_TRANSLATE_NOOP("Resources", "&About Vornaby...")},
};

} // namespace

const fw::ResourceSet& ProgramResources()
{
    static const fw::ResourceSet resources{kStrings, "vornaby", &ProgramBackendResources()};
    return resources;
}
