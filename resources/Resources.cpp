// The program's resources: dialog templates, strings and icons, by identifier.

#include "framework/Resources.h"
#include "resources/resource.h"
#include "ui_main_form.h"

#include <algorithm>
#include <iterator>

namespace {

void BuildMainForm(QDialog& window)
{
    Ui::MainForm().setupUi(&window);
}

constexpr DialogTemplate kTemplates[] = {
    {IDD_MAIN_FORM, BuildMainForm, /*minimizeBox=*/true, /*appWindow=*/true},
};

struct StringResource {
    int id;
    const char* text;
};

constexpr StringResource kStrings[] = {
    {IDS_APP_TITLE, "Vornaby"},
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

QIcon LoadIcon(int)
{
    return {};
}
