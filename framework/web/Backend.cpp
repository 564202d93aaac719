// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The web backend: each dialog window is a <dialog> of native controls in the
// page, made and read through page.js.
#include "framework/Backend.h"

#include "framework/Dialog.h"
#include "framework/DialogUnits.h"
#include "framework/EventLoop.h"
#include "framework/WinApp.h"
#include "framework/Keys.h"
#include "framework/Menu.h"
#include "framework/web/WebPage.h"
#include "framework/web/WebResources.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

namespace fw {
namespace {

// clang-format off
EM_JS(void, JsBaseUnits, (double* out), {
    const units = VornabyPage.baseUnits();
    HEAPF64[out >> 3] = units[0];
    HEAPF64[(out >> 3) + 1] = units[1];
});
EM_JS(int, JsTextWidth, (const char* text), { return VornabyPage.textWidth(UTF8ToString(text)); });
EM_JS(void, JsCreateWindow, (int handle, const char* title, int width, int height, int owner), {
    VornabyPage.createWindow(handle, UTF8ToString(title), width, height, owner);
});
EM_JS(void, JsAddControl, (int handle, const char* formName, int kind, int id, const char* text, const char* name,
                           int x, int y, int width, int height, int enabled, int labelFor, int icon,
                           const char* items), {
    const list = UTF8ToString(items);
    VornabyPage.addControl(handle, UTF8ToString(formName), kind, id, UTF8ToString(text), UTF8ToString(name), x, y,
                           width, height, enabled !== 0, labelFor, icon, list ? list.split("\n") : []);
});
EM_JS(void, JsMinimize, (int handle, int minimized), { VornabyPage.minimize(handle, minimized !== 0); });
EM_JS(int, JsMinimized, (int handle), { return VornabyPage.minimized(handle) ? 1 : 0; });
EM_JS(void, JsShow, (int handle), { VornabyPage.show(handle); });
EM_JS(void, JsDestroy, (int handle), { VornabyPage.destroy(handle); });
EM_JS(void, JsHide, (int handle), { VornabyPage.hide(handle); });
EM_JS(int, JsHasControl, (int handle, int id), { return VornabyPage.control(handle, id) ? 1 : 0; });
EM_JS(char*, JsText, (int handle, int id), {
    const text = VornabyPage.text(handle, id);
    return VornabyPage.copyOut(text);
});
EM_JS(void, JsSetText, (int handle, int id, const char* text), { VornabyPage.setText(handle, id, UTF8ToString(text)); });
EM_JS(int, JsFindItem, (int handle, int id, const char* text), {
    return VornabyPage.findItem(handle, id, UTF8ToString(text));
});
EM_JS(void, JsSelectItem, (int handle, int id, int index), { VornabyPage.selectItem(handle, id, index); });
EM_JS(void, JsEnable, (int handle, int id, int enable), {
    const control = VornabyPage.control(handle, id);
    if (control)
        control.disabled = enable === 0;
});
EM_JS(int, JsGetCheck, (int handle, int id), {
    const control = VornabyPage.control(handle, id);
    return control && control.type === "checkbox" ? (control.checked ? 1 : 0) : -1;
});
EM_JS(void, JsSetCheck, (int handle, int id, int checked), {
    const control = VornabyPage.control(handle, id);
    if (control && control.type === "checkbox")
        control.checked = checked !== 0;
});
EM_JS(int, JsSliderPos, (int handle, int id), {
    const control = VornabyPage.control(handle, id);
    return control && control.type === "range" ? Number(control.value) : 0;
});
EM_JS(void, JsSetSlider, (int handle, int id, int position, int minimum, int maximum, int setRange), {
    const control = VornabyPage.control(handle, id);
    if (!control || control.type !== "range")
        return;
    if (setRange) {
        control.min = String(minimum);
        control.max = String(maximum);
    } else {
        control.value = String(position);
    }
});
EM_JS(void, JsFocusSelect, (int handle, int id), { VornabyPage.focusControl(handle, id, true); });
EM_JS(int, JsTabStop, (int handle, int index), { return VornabyPage.tabStop(handle, index); });
EM_JS(void, JsSetWindowMenu, (int handle, const char* menus), {
    VornabyPage.setWindowMenu(handle, JSON.parse(UTF8ToString(menus)));
});
EM_JS(void, JsSetIcon, (int handle), { VornabyPage.setIcon(handle); });
EM_JS(int, JsPrompt, (const char* text, const char* title), {
    return VornabyPage.prompt(UTF8ToString(text), UTF8ToString(title));
});
EM_JS(int, JsPromptOpen, (int id), { return VornabyPage.promptOpen(id) ? 1 : 0; });
EM_JS(void, JsSetDialogKeys, (const char* keys), { VornabyPage.setDialogKeys(JSON.parse(UTF8ToString(keys))); });
EM_JS(void, JsDeliverHeld, (int token), { VornabyPage.deliver(token); });
// clang-format on

// The core's rule for the dialog's keys, as a table the page looks keys up in
// (see page.dialogKeys): by the browser's key name, then by Shift, Control
// and Alt.
void TellDialogKeys()
{
    const std::pair<const char*, KeyName> names[] = {{"Enter", KeyName::Enter}, {"Escape", KeyName::Escape},
                                                     {"F4", KeyName::F4}, {"F10", KeyName::F10},
                                                     {"ContextMenu", KeyName::ContextMenu}};
    std::string table = "{";
    for (const auto& [name, key] : names) {
        table += std::string(table.size() > 1 ? "," : "") + "\"" + name + "\":\"";
        for (int modifiers = 0; modifiers < 8; ++modifiers) {
            const KeyStroke stroke{key, (modifiers & 1) != 0, (modifiers & 2) != 0, (modifiers & 4) != 0};
            table += static_cast<char>('0' + static_cast<int>(DialogKeyOf(stroke)));
            table += AsksToClose(stroke) ? '1' : '0';
        }
        table += "\"";
    }
    JsSetDialogKeys((table + "}").c_str());
}

const BackendResources* Resources()
{
    return InstalledResources().backend;
}

// What the page's controls draw beside a caption's text.
constexpr int kCheckIndicatorPixels = 20;
constexpr int kButtonMarginPixels = 16;

CaptionKind CaptionKindOf(WebControlKind kind)
{
    switch (kind) {
    case WebControlKind::CheckBox: return CaptionKind::CheckBox;
    case WebControlKind::PushButton: return CaptionKind::PushButton;
    case WebControlKind::GroupBox: return CaptionKind::Frame;
    default: return CaptionKind::Label;
    }
}

} // namespace

namespace backend {

class Window {
public:
    Window(CDialog& dialog, const WebTemplate& form, int handle) : dialog(dialog), form(form), handle(handle) {}
    CDialog& dialog;
    const WebTemplate& form;
    const int handle;
    bool ended = false;
    int result = 0;
    CWnd::Size client;
};

namespace {

std::map<int, Window*>& Windows()
{
    static std::map<int, Window*> windows;
    return windows;
}

// A template's text in the language in use.
std::string FormText(const WebTemplate& form, const char* text)
{
    if (!*text)
        return {};
    const char* translated = FindTranslation(Resources()->translations, Language(), form.context, text);
    return translated ? translated : text;
}

} // namespace

} // namespace backend

std::string JsonString(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string TakePageText(char* text)
{
    std::string copy(text ? text : "");
    std::free(text);
    return copy;
}

namespace backend {

int PageHandle(const Window* window)
{
    return window ? window->handle : 0;
}

Window* FindWindow(int handle)
{
    const auto found = Windows().find(handle);
    return found == Windows().end() ? nullptr : found->second;
}

void DispatchPageEvent(const PageEvent& event)
{
    if (event.type == PageEventType::Held) {
        // Acted out by the page; what it sets off comes first in the queue.
        JsDeliverHeld(event.token);
        return;
    }
    Window* window = FindWindow(event.window);
    if (!window)
        return;
    CDialog& dialog = window->dialog;
    switch (event.type) {
    case PageEventType::Clicked: dialog.SendMessage({.event = Event::Command, .code = BN_CLICKED, .id = event.id}); break;
    case PageEventType::SelChange:
        dialog.SendMessage({.event = Event::Command, .code = CBN_SELCHANGE, .id = event.id});
        break;
    case PageEventType::Scroll:
        dialog.SendMessage({.event = Event::HScroll, .code = event.code == 0 ? TB_THUMBTRACK : TB_ENDTRACK,
                            .id = event.id, .position = event.position});
        break;
    case PageEventType::SysCommand:
        dialog.SendMessage({.event = Event::SysCommand, .param = static_cast<unsigned>(event.param)});
        break;
    case PageEventType::DialogKey:
        dialog.PressDialogKey(event.code == 0 ? CDialog::DialogKey::Enter : CDialog::DialogKey::Escape, event.id);
        break;
    default: break;
    }
}

static void TellWindowMenu(const Window& window)
{
    // The page is told the whole menu, as the core makes it, for the window as
    // it is and minimised.
    static const CMenu none;
    const CMenu* program = window.dialog.GetSystemMenu();
    auto list = [&](bool minimized) {
        std::string out = "[";
        for (const CMenu::Item& item : WindowMenuItems(program ? *program : none, window.form.minimizeBox, minimized))
            out += (out.size() > 1 ? "," : "") + std::string("{\"command\":") + std::to_string(item.command) +
                   ",\"text\":" + JsonString(item.text) + "}";
        return out + "]";
    };
    JsSetWindowMenu(window.handle, ("{\"name\":" + JsonString(WindowMenuName()) + ",\"normal\":" + list(false) +
                                     ",\"minimized\":" + list(true) + "}").c_str());
}

Window* CreateDialogWindow(CDialog& dialog, int templateId, Window* owner)
{
    static const bool toldKeys = (TellDialogKeys(), true);
    (void)toldKeys;
    const BackendResources* resources = Resources();
    if (!resources)
        return nullptr;
    const auto form = std::find_if(resources->templates.begin(), resources->templates.end(),
                                   [&](const WebTemplate& t) { return t.id == templateId; });
    if (form == resources->templates.end())
        return nullptr;

    double units[2] = {};
    JsBaseUnits(units);
    std::vector<std::string> texts;
    std::vector<TemplateControl> placed;
    for (const WebControl& control : form->controls) {
        texts.push_back(FormText(*form, control.text));
        const CaptionMetrics measured{.textWidth = JsTextWidth(texts.back().c_str()),
                                      .averageCharWidth = static_cast<int>(units[0] + 0.5),
                                      .indicatorWidth = kCheckIndicatorPixels,
                                      .buttonMargins = kButtonMarginPixels};
        const bool captioned = control.kind != WebControlKind::Edit && control.kind != WebControlKind::ComboBox &&
                               control.kind != WebControlKind::Slider && !texts.back().empty();
        placed.push_back({control.dlu, captioned ? CaptionPixels(CaptionKindOf(control.kind), measured) : 0,
                          control.kind == WebControlKind::ComboBox});
    }
    // Right-to-left languages read the window from the right (the page turns
    // texts and sliders itself).
    const TemplateLayout layout =
        LayOutTemplate(form->width, form->height, placed, {units[0], units[1]}, LanguageMirrored());

    static int nextHandle = 1;
    auto* window = new Window(dialog, *form, nextHandle++);
    Windows()[window->handle] = window;
    window->client = {layout.client.width, layout.client.height};
    JsCreateWindow(window->handle, FormText(*form, form->title).c_str(), layout.client.width, layout.client.height,
                   owner ? owner->handle : 0);
    TellWindowMenu(*window);
    for (std::size_t i = 0; i < form->controls.size(); ++i) {
        const WebControl& control = form->controls[i];
        const Rect& px = layout.controls[i];
        std::string items;
        for (const char* item : control.items)
            items += (items.empty() ? "" : "\n") + std::string(item);
        JsAddControl(window->handle, control.name, static_cast<int>(control.kind), control.id, texts[i].c_str(),
                     FormText(*form, control.accessibleName).c_str(), px.x, px.y, px.width, px.height,
                     control.enabled, control.labelFor, control.iconId, items.c_str());
    }
    return window;
}

void DestroyDialogWindow(Window* window)
{
    if (!window)
        return;
    JsDestroy(window->handle);
    Windows().erase(window->handle);
    delete window;
}

int RunModal(Window* window)
{
    if (!window)
        return -1;
    JsShow(window->handle);
    WindowShown();
    RunLoopUntil([window] { return window->ended || QuitRequested(); });
    return window->result;
}

void EndModal(Window* window, int result)
{
    if (!window)
        return;
    window->ended = true;
    window->result = result;
    // Gone from the screen at once, as a desktop's dialog box is; its
    // modal run ends when its loop next asks.
    JsHide(window->handle);
}

std::vector<int> TabStops(Window* window)
{
    std::vector<int> stops;
    for (int id = 0; window && (id = JsTabStop(window->handle, static_cast<int>(stops.size()))) >= 0;)
        stops.push_back(id);
    return stops;
}

void DefaultSysCommand(Window* window, unsigned command)
{
    // A page's window rolls up to its caption for Minimize; it has no frame
    // of its own to move or size.
    if (!window)
        return;
    if ((command & 0xFFF0) == SC_MINIMIZE)
        JsMinimize(window->handle, 1);
    else if ((command & 0xFFF0) == SC_RESTORE)
        JsMinimize(window->handle, 0);
}

void AppendWindowMenu(Window* window, unsigned, std::string_view)
{
    if (window)
        TellWindowMenu(*window);
}

bool HasControl(Window* window, int id)
{
    return window && JsHasControl(window->handle, id);
}

std::string GetText(Window* window, int id)
{
    return window ? TakePageText(JsText(window->handle, id)) : std::string();
}

void SetText(Window* window, int id, std::string_view text)
{
    if (window)
        JsSetText(window->handle, id, std::string(text).c_str());
}

int FindListItem(Window* window, int id, std::string_view text)
{
    return window ? JsFindItem(window->handle, id, std::string(text).c_str()) : -1;
}

void SelectListItem(Window* window, int id, int index)
{
    if (window)
        JsSelectItem(window->handle, id, index);
}

void Enable(Window* window, int id, bool enable)
{
    if (window)
        JsEnable(window->handle, id, enable);
}

int GetCheck(Window* window, int id)
{
    return window ? JsGetCheck(window->handle, id) : -1;
}

void SetCheck(Window* window, int id, bool checked)
{
    if (window)
        JsSetCheck(window->handle, id, checked);
}

int GetSliderPos(Window* window, int id)
{
    return window ? JsSliderPos(window->handle, id) : 0;
}

void SetSliderPos(Window* window, int id, int position)
{
    if (window)
        JsSetSlider(window->handle, id, position, 0, 0, 0);
}

void SetSliderRange(Window* window, int id, int minimum, int maximum, bool)
{
    if (window)
        JsSetSlider(window->handle, id, 0, minimum, maximum, 1);
}

void FocusAndSelect(Window* window, int id)
{
    if (window)
        JsFocusSelect(window->handle, id);
}

void SetIcon(Window* window, int iconId)
{
    if (window && HasIcon(iconId))
        JsSetIcon(window->handle);
}

bool HasIcon(int iconId)
{
    const BackendResources* resources = Resources();
    return resources && std::find(resources->icons.begin(), resources->icons.end(), iconId) != resources->icons.end();
}

bool IsIconic(Window* window)
{
    return window && JsMinimized(window->handle);
}

CWnd::Size ClientSize(Window* window)
{
    return window ? window->client : CWnd::Size{};
}

CWnd::Size SystemIconSize()
{
    return {32, 32};
}

void* BeginPaint(Window*)
{
    return nullptr; // the page paints its windows itself
}

void EndPaint(void*) {}
void EraseIconBackground(void*) {}
void DrawIcon(void*, int, int, int) {}

void ShowPrompt(Window*, std::string_view text)
{
    const int prompt = JsPrompt(std::string(text).c_str(), ApplicationTitle().c_str());
    RunLoopUntil([prompt] { return !JsPromptOpen(prompt) || QuitRequested(); });
}

std::string Translate(const char* context, const char* text)
{
    const BackendResources* resources = Resources();
    const char* translated = resources ? FindTranslation(resources->translations, Language(), context, text) : nullptr;
    return translated ? translated : text;
}

} // namespace backend
} // namespace fw
