#include "framework/WinApp.h"

#include "framework/Resources.h"
#include "tone/Beep.h"

#include <QApplication>

#include <cassert>
#include <filesystem>

namespace {

CWinApp* g_current = nullptr;

} // namespace

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
    // The sound device opens in the background while the window comes up.
    vornaby::tone::PrepareBeep();
    return true;
}

void CWinApp::SetSettingsRoot(std::string_view root)
{
    QCoreApplication::setOrganizationName(QString::fromUtf8(root.data(), static_cast<qsizetype>(root.size())));
}

std::string NameApplication(const char* argv0)
{
    const std::string executable = argv0 ? std::filesystem::path(argv0).stem().string() : std::string();
    const std::string stored = LoadString(IDS_APP_TITLE);
    const std::string title = stored.empty() ? executable : stored;
    QCoreApplication::setApplicationName(QString::fromStdString(executable));
    QGuiApplication::setApplicationDisplayName(QString::fromStdString(title));
    // Desktops find the program's icon and menu entry by this name.
    QGuiApplication::setDesktopFileName(QString::fromStdString(executable));
    return title;
}

int RunApplication(int argc, char** argv)
{
    char* program = argc > 0 && argv ? argv[0] : nullptr;
    int toolkitArgc = 1;
    char* toolkitArgv[] = {program, nullptr};
    QApplication application(toolkitArgc, toolkitArgv);
    const std::string title = NameApplication(program);

    CWinApp* app = CWinApp::Current();
    if (!app)
        return 1;
    app->m_appName = title;
    if (app->StartUp())
        return QApplication::exec();
    return 0;
}
