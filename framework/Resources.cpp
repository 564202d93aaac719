// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/Resources.h"

#include "framework/Backend.h"

#include <algorithm>

namespace fw {
namespace {

ResourceSet g_resources{};

} // namespace

void InstallResources(const ResourceSet& resources)
{
    g_resources = resources;
}

const ResourceSet& InstalledResources()
{
    return g_resources;
}

std::string LoadString(int id)
{
    const auto found = std::find_if(g_resources.strings.begin(), g_resources.strings.end(),
                                    [id](const StringResource& s) { return s.id == id; });
    if (found == g_resources.strings.end())
        return {};
    return backend::Translate("Resources", found->text);
}

CIcon LoadIcon(int id)
{
    return backend::HasIcon(id) ? CIcon{id} : CIcon{};
}

} // namespace fw
