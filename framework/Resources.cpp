// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/Resources.h"

#include <algorithm>

namespace fw {
namespace {

ResourceSet g_resources{};

} // namespace

void InstallResources(const ResourceSet& resources)
{
    g_resources = resources;
}

const DialogTemplate* FindDialogTemplate(int id)
{
    const auto found = std::ranges::find(g_resources.templates, id, &DialogTemplate::id);
    return found == g_resources.templates.end() ? nullptr : &*found;
}

std::string LoadString(int id)
{
    const auto found = std::ranges::find(g_resources.strings, id, &StringResource::id);
    return found == g_resources.strings.end() ? std::string() : std::string(found->text);
}

QIcon LoadIcon(int id)
{
    return g_resources.loadIcon ? g_resources.loadIcon(id) : QIcon();
}

} // namespace fw
