// The program's resources: dialog templates, strings and icons, by identifier.

#include "framework/Resources.h"
#include "resources/resource.h"
#include "ui_about_form.h"
#include "ui_main_form.h"

#include <algorithm>
#include <iterator>

namespace {

void BuildMainForm(QDialog& window)
{
    Ui::MainForm().setupUi(&window);
}

void BuildAboutForm(QDialog& window)
{
    Ui::AboutForm().setupUi(&window);
}

constexpr DialogTemplate kTemplates[] = {
    {IDD_MAIN_FORM, BuildMainForm, /*minimizeBox=*/true, /*appWindow=*/true},
    {IDD_ABOUT_FORM, BuildAboutForm, /*minimizeBox=*/false, /*appWindow=*/false},
};

struct StringResource {
    int id;
    const char* text;
};

constexpr StringResource kStrings[] = {
    {IDS_APP_TITLE, "Vornaby"},
    {IDS_ABOUT_ITEM, "&About Vornaby..."},
};

} // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    const auto* found = std::find_if(std::begin(kTemplates), std::end(kTemplates),
                                     [id](const DialogTemplate& t) { return t.id == id; });
    return found == std::end(kTemplates) ? nullptr : found;
}

std::string LoadString(int id)
{
    const auto* found = std::find_if(std::begin(kStrings), std::end(kStrings),
                                     [id](const StringResource& s) { return s.id == id; });
    return found == std::end(kStrings) ? std::string() : std::string(found->text);
}

QIcon LoadIcon(int id)
{
    if (id != IDI_APP)
        return {};
    // Every size drawn for its size, so small ones stay sharp; the desktop's
    // theme icon of the same name wins where one is installed.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vornaby-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("vornaby"), icon);
}
