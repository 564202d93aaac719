// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The application's entry and lifetime in a page.
#include "framework/WinApp.h"

#include "framework/Backend.h"
#include "framework/EventLoop.h"
#include "framework/Menu.h"
#include "framework/Wait.h"
#include "framework/web/WebPage.h"
#include "framework/web/WebResources.h"

#include <emscripten.h>

#include <cstdlib>
#include <sstream>
#include <utility>
#include <vector>

namespace fw {
namespace {

// clang-format off
EM_JS(char*, JsLanguages, (), {
    const text = (navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language])
        .join("\n");
    return VornabyPage.copyOut(text);
});
EM_JS(void, JsSetLanguage, (const char* language, int rightToLeft), {
    VornabyPage.setLanguage(UTF8ToString(language), rightToLeft !== 0);
});
EM_JS(void, JsConfigure, (int close, int restore, const char* closeText, const char* menuText), {
    VornabyPage.configure(close, restore, { close: UTF8ToString(closeText),
        windowMenu: UTF8ToString(menuText) });
});
EM_JS(void, JsEnded, (), { VornabyPage.ended(); });
// clang-format on

Speech g_speech;

} // namespace

bool LanguageMirrored()
{
    return g_speech.mirrored;
}

void UseLanguage(const std::string& language, bool asWritten)
{
    const BackendResources* resources = InstalledResources().backend;
    g_speech = SpeechIn(resources ? resources->translations : std::span<const Translation>(), language, asWritten);
    JsSetLanguage(g_speech.language.c_str(), g_speech.mirrored);
    // The caption's buttons and their names, in the language as well.
    JsConfigure(static_cast<int>(SC_CLOSE), static_cast<int>(SC_RESTORE),
                backend::Translate("WindowMenu", "&Close").c_str(), WindowMenuName().c_str());
}

void UseBrowserLanguage()
{
    std::vector<std::string> wanted;
    std::istringstream lines(TakePageText(JsLanguages()));
    for (std::string line; std::getline(lines, line);)
        wanted.push_back(line);
    const BackendResources* resources = InstalledResources().backend;
    UseLanguage(resources ? OfferedLanguage(resources->translations, wanted) : "en", true);
}

const std::string& Language()
{
    return g_speech.language;
}

void CWinApp::SetSettingsRoot(std::string_view)
{
    // A page keeps nothing: no cookies and no storage.
}

void RegisterCommonControls()
{
    // The page's controls need no registration.
}

int RunApplication(int, char**)
{
    UseBrowserLanguage();
    NameApplication("vornaby");
    CWinApp* app = CWinApp::Current();
    if (app && app->StartUp())
        backend::RunLoopUntil([] { return false; });
    JsEnded();
    return QuitStatus();
}

void EndProcessNow(int status)
{
    JsEnded();
    std::_Exit(status);
}

} // namespace fw
