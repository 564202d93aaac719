// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/WinApp.h"

#include "framework/Resources.h"

#include <cassert>
#include <filesystem>
#include <functional>
#include <utility>

namespace fw {

namespace {

CWinApp* g_current = nullptr;
std::string g_name;
std::string g_title;
std::function<void()> g_firstShown;

} // namespace

void WhenFirstShown(std::function<void()> action)
{
    g_firstShown = std::move(action);
}

void WindowShown()
{
    if (auto action = std::exchange(g_firstShown, nullptr))
        action();
}

CWinApp::CWinApp()
{
    assert(!g_current && "one application object only");
    g_current = this;
}

CWinApp::~CWinApp()
{
    g_current = nullptr;
}

CWinApp* CWinApp::Current()
{
    return g_current;
}

bool CWinApp::StartUp()
{
    return true;
}

void NameApplication(const char* argv0)
{
    g_name = argv0 ? std::filesystem::path(argv0).stem().string() : std::string();
    const std::string stored = LoadString(IDS_APP_TITLE);
    g_title = stored.empty() ? g_name : stored;
}

const std::string& ApplicationName()
{
    return g_name;
}

const std::string& ApplicationTitle()
{
    return g_title;
}

} // namespace fw
