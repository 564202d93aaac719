// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The test driver on the Win32 backend: real dialog boxes and common
// controls, input posted to the controls as the window system queues it
// (so the dialog's keys, held input and capture all take their real paths),
// then the message loop run until nothing waits.
#include "support/Harness.h"

#include "framework/WinApp.h"
#include "framework/win32/Win32Window.h"

#include <oleacc.h>

#include <algorithm>
#include <map>
#include <vector>

namespace test {

namespace {

HWND Hwnd(Window window)
{
    return static_cast<HWND>(window.handle);
}

HWND ControlOf(Window window, int id)
{
    HWND control = Hwnd(window) ? GetDlgItem(Hwnd(window), id) : nullptr;
    REQUIRE_MESSAGE(control, "no control " << id);
    return control;
}

LONG Style(HWND control)
{
    return GetWindowLongW(control, GWL_STYLE);
}

bool IsGroupBox(HWND control)
{
    return IsClass(control, WC_BUTTONW) && (Style(control) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool IsPicture(HWND control)
{
    return IsClass(control, WC_STATICW) && (Style(control) & SS_TYPEMASK) == SS_ICON;
}

std::string TextOf(HWND window)
{
    return Narrow(WindowText(window));
}

std::vector<HWND> Children(Window window)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(Hwnd(window), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// A combo box's own edit field, or the field itself.
HWND FieldOf(HWND control)
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (IsClass(control, WC_COMBOBOXW) && GetComboBoxInfo(control, &info))
        return info.hwndItem;
    return control;
}

// Runs the message loop until nothing waits, as the user's input is taken.
void Settle()
{
    while (RunLoopTurn(false) == LoopTurn::Done) {
    }
    // A check that failed in a window or timer meanwhile ends the test here.
    RethrowFailure();
}

// The control that has the keyboard focus in the window, or none. When a
// window over it closes, the window gets its focus back once the window
// manager activates it again, a moment later: a live window is given a
// second for that.
HWND FocusIn(Window window)
{
    const HWND hwnd = Hwnd(window);
    auto inWindow = [hwnd] { return GetFocus() && GetAncestor(GetFocus(), GA_ROOT) == hwnd; };
    if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
        WaitUntil(inWindow, 1000);
    return inWindow() ? GetFocus() : nullptr;
}

void Post(HWND to, UINT message, WPARAM wParam, LPARAM lParam)
{
    PostMessageW(to, message, wParam, lParam);
}

void PostClick(HWND control, POINT at)
{
    const LPARAM where = MAKELPARAM(at.x, at.y);
    Post(control, WM_LBUTTONDOWN, MK_LBUTTON, where);
    Post(control, WM_LBUTTONUP, 0, where);
    Settle();
}

POINT Centre(HWND control)
{
    RECT r;
    GetClientRect(control, &r);
    return {(r.right - r.left) / 2, (r.bottom - r.top) / 2};
}

void PostKey(HWND to, UINT key)
{
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    Post(to, WM_KEYDOWN, key, 1 | (scan << 16));
    Post(to, WM_KEYUP, key, 1 | (scan << 16) | (3u << 30));
}

UINT VirtualKey(Key key)
{
    switch (key) {
    case Key::Tab: return VK_TAB;
    case Key::Return: return VK_RETURN;
    case Key::Escape: return VK_ESCAPE;
    case Key::Left: return VK_LEFT;
    case Key::Right: return VK_RIGHT;
    case Key::Up: return VK_UP;
    case Key::Down: return VK_DOWN;
    case Key::PageUp: return VK_PRIOR;
    case Key::Home: return VK_HOME;
    case Key::End: return VK_END;
    case Key::Space: return VK_SPACE;
    case Key::Five: return '5';
    case Key::A: return 'A';
    }
    return 0;
}

int IconWidth(HICON icon)
{
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    for (HBITMAP b : {info.hbmColor, info.hbmMask})
        if (b)
            DeleteObject(b);
    return bitmap.bmWidth;
}

// The calls waiting on the thread's timers.
struct Timed {
    std::function<bool()> call; // true: done
    bool running = false;
};
std::map<UINT_PTR, std::shared_ptr<Timed>>& Timers()
{
    static std::map<UINT_PTR, std::shared_ptr<Timed>> timers;
    return timers;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    const auto found = Timers().find(id);
    if (found == Timers().end())
        return;
    const std::shared_ptr<Timed> timed = found->second;
    if (timed->running)
        return; // a loop the call runs; it comes again
    timed->running = true;
    const bool done = timed->call();
    timed->running = false;
    if (done) {
        KillTimer(nullptr, id);
        Timers().erase(id);
    }
}

void StartTimer(int ms, std::function<bool()> call)
{
    const UINT_PTR id = SetTimer(nullptr, 0, static_cast<UINT>(ms), OnTimer);
    Timers()[id] = std::make_shared<Timed>(Timed{std::move(call)});
}

BOOL CALLBACK AddWindow(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// The top-level windows of the test's thread, which runs the dialogs.
std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), AddWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

} // namespace

Window WindowOf(const CDialog& dialog)
{
    return {dialog.BackendWindow() ? dialog.BackendWindow()->hwnd : nullptr};
}

std::string Title(Window window)
{
    return Hwnd(window) ? TextOf(Hwnd(window)) : std::string();
}

std::string Text(Window window, int id)
{
    return TextOf(ControlOf(window, id));
}

std::vector<std::string> Captions(Window window)
{
    std::vector<std::string> captions;
    for (HWND child : Children(window))
        if (((IsClass(child, WC_STATICW) && !IsPicture(child)) || IsGroupBox(child)) && GetWindowTextLengthW(child) > 0)
            captions.push_back(TextOf(child));
    return captions;
}

std::vector<int> ControlIds(Window window)
{
    std::vector<int> ids;
    for (HWND child : Children(window))
        if (GetDlgCtrlID(child) != -1)
            ids.push_back(GetDlgCtrlID(child));
    std::ranges::sort(ids);
    return ids;
}

std::vector<std::string> ListItems(Window window, int id)
{
    HWND combo = ControlOf(window, id);
    std::vector<std::string> items;
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        item.resize(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        items.push_back(Narrow(item));
    }
    return items;
}

bool Enabled(Window window, int id)
{
    return IsWindowEnabled(ControlOf(window, id));
}

bool Checked(Window window, int id)
{
    return SendMessageW(ControlOf(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

SliderState Slider(Window window, int id)
{
    HWND slider = ControlOf(window, id);
    auto get = [slider](UINT message) { return static_cast<int>(SendMessageW(slider, message, 0, 0)); };
    return {get(TBM_GETRANGEMIN), get(TBM_GETRANGEMAX), get(TBM_GETPOS)};
}

int Focused(Window window)
{
    HWND focus = FocusIn(window);
    if (!focus)
        return -1;
    if (GetParent(focus) != Hwnd(window))
        focus = GetParent(focus); // the combo box, not its inner field
    return GetDlgCtrlID(focus);
}

std::string SelectedText(Window window)
{
    HWND focus = FocusIn(window);
    if (!focus)
        return {};
    DWORD start = 0, end = 0;
    SendMessageW(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring text = WindowText(focus);
    return end > start && end <= text.size() ? Narrow(std::wstring_view(text).substr(start, end - start)) : std::string();
}

bool Visible(Window window)
{
    return Hwnd(window) && IsWindow(Hwnd(window)) && IsWindowVisible(Hwnd(window));
}

bool Minimized(Window window)
{
    return IsIconic(Hwnd(window));
}

Window Owner(Window window)
{
    return {GetWindow(Hwnd(window), GW_OWNER)};
}

std::string LabelOf(Window window, int id)
{
    HWND before = GetWindow(ControlOf(window, id), GW_HWNDPREV);
    return before && IsClass(before, WC_STATICW) && !IsPicture(before) ? TextOf(before) : std::string();
}

Accessible AccessibleOf(Window window, int id)
{
    // Windows' own proxy for the control, as a screen reader in another
    // process gets it.
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(ControlOf(window, id), static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible), reinterpret_cast<void**>(&accessible))))
        return {};
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    Accessible found;
    BSTR name = nullptr;
    if (accessible->get_accName(self, &name) == S_OK && name)
        found.name = Narrow(name);
    SysFreeString(name);
    VARIANT role{};
    static const std::map<LONG, std::string> roles{{ROLE_SYSTEM_PUSHBUTTON, "push button"},
                                                   {ROLE_SYSTEM_CHECKBUTTON, "check box"},
                                                   {ROLE_SYSTEM_TEXT, "text"},
                                                   {ROLE_SYSTEM_SLIDER, "slider"}};
    if (accessible->get_accRole(self, &role) == S_OK && role.vt == VT_I4 && roles.contains(role.lVal))
        found.role = roles.at(role.lVal);
    accessible->Release();
    return found;
}

bool ShowsPicture(Window window)
{
    const std::vector<HWND> children = Children(window);
    return std::ranges::any_of(children, [](HWND c) { return IsPicture(c) && SendMessageW(c, STM_GETICON, 0, 0); });
}

bool CarriesIcon(Window window)
{
    const HWND hwnd = Hwnd(window);
    auto carries = [hwnd](int scale) {
        auto width = [hwnd](WPARAM which) {
            return IconWidth(reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, which, 0)));
        };
        return width(ICON_BIG) == scale * GetSystemMetrics(SM_CXICON) &&
               width(ICON_SMALL) == scale * GetSystemMetrics(SM_CXSMICON);
    };
    // Moved to a screen of twice the scale, and back, as Windows tells it.
    auto move = [hwnd](int dpi) {
        RECT at;
        GetWindowRect(hwnd, &at);
        SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&at));
    };
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    // A minimised window is dragged by the same icon.
    const auto dragIcon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_QUERYDRAGICON, 0, 0));
    const bool here = carries(1) && IconWidth(dragIcon) == GetSystemMetrics(SM_CXICON);
    move(2 * dpi);
    const bool there = carries(2);
    move(dpi);
    return here && there && carries(1);
}

Rect ClientRect(Window window)
{
    RECT r;
    GetClientRect(Hwnd(window), &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::vector<Placed> Layout(Window window)
{
    // As seen: from the client area's left edge on the screen, mirrored or not.
    RECT client;
    GetClientRect(Hwnd(window), &client);
    MapWindowPoints(Hwnd(window), nullptr, reinterpret_cast<POINT*>(&client), 2);
    const POINT origin{std::min(client.left, client.right), client.top};
    std::vector<Placed> placed;
    for (HWND child : Children(window)) {
        RECT r;
        GetWindowRect(child, &r);
        OffsetRect(&r, -origin.x, -origin.y);
        const bool captioned = (IsClass(child, WC_STATICW) && !IsPicture(child)) || IsClass(child, WC_BUTTONW);
        const std::wstring caption = captioned ? WindowText(child) : std::wstring();
        const TextExtent extent = MeasureText(child, caption);
        placed.push_back({std::to_string(GetDlgCtrlID(child)) + "#" + std::to_string(placed.size()),
                          {r.left, r.top, r.right - r.left, r.bottom - r.top}, Narrow(caption),
                          caption.empty() ? 0 : extent.width, extent.lineHeight, IsGroupBox(child)});
    }
    return placed;
}

void Click(Window window, int id)
{
    HWND control = ControlOf(window, id);
    PostClick(control, Centre(control));
}

void Type(Window window, int id, const std::string& text)
{
    HWND field = FieldOf(ControlOf(window, id));
    Focus(window, id);
    SendMessageW(field, EM_SETSEL, 0, -1);
    PostKey(field, VK_DELETE);
    for (wchar_t c : Widen(text))
        Post(field, WM_CHAR, c, 1);
    Settle();
}

void Focus(Window window, int id)
{
    SendMessageW(Hwnd(window), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ControlOf(window, id)), TRUE);
    Settle();
}

void Press(Window window, Key key)
{
    HWND focus = FocusIn(window);
    PostKey(focus ? focus : Hwnd(window), VirtualKey(key));
    Settle();
}

void Stroke(Window, Key key, bool shift, bool control)
{
    std::vector<INPUT> strokes;
    auto add = [&](UINT virtualKey, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = static_cast<WORD>(virtualKey);
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        strokes.push_back(input);
    };
    if (control)
        add(VK_CONTROL, false);
    if (shift)
        add(VK_SHIFT, false);
    add(VirtualKey(key), false);
    add(VirtualKey(key), true);
    if (shift)
        add(VK_SHIFT, true);
    if (control)
        add(VK_CONTROL, true);
    REQUIRE(SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT)) == strokes.size());
    Settle();
}

void PickListItem(Window window, int id, int index)
{
    HWND combo = ControlOf(window, id);
    Focus(window, id);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    REQUIRE(GetComboBoxInfo(combo, &info));
    SendMessageW(info.hwndList, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    RECT item;
    REQUIRE(SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != LB_ERR);
    PostClick(info.hwndList, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}

void CloseBox(Window window)
{
    Post(Hwnd(window), WM_SYSCOMMAND, SC_CLOSE, 0);
    Settle();
}

bool Wheel(Window window, int id)
{
    // Wine's trackbar has no wheel (Windows' own has).
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        return false;
    HWND slider = ControlOf(window, id);
    POINT at = Centre(slider);
    ClientToScreen(slider, &at);
    Post(slider, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(at.x, at.y));
    Settle();
    return true;
}

void ClickNearEnd(Window window, int id)
{
    // Inside the channel's far end, level with the thumb: only there does a
    // click page the trackbar.
    HWND slider = ControlOf(window, id);
    RECT channel, thumb;
    SendMessageW(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    PostClick(slider, {channel.right - 2, (thumb.top + thumb.bottom) / 2});
}

void Drag(Window window, int id, const std::function<void()>& held)
{
    HWND slider = ControlOf(window, id);
    RECT thumb, r;
    SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    GetClientRect(slider, &r);
    const POINT from{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    const LPARAM to = MAKELPARAM(from.x + (r.right - r.left) / 2, from.y);
    Post(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    Post(slider, WM_MOUSEMOVE, MK_LBUTTON, to);
    Settle();
    REQUIRE(GetCapture() == slider);
    held();
    Post(slider, WM_LBUTTONUP, 0, to);
    Settle();
}

std::vector<std::string> WindowMenu(Window window)
{
    std::vector<std::string> items;
    HMENU menu = GetSystemMenu(Hwnd(window), FALSE);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = 127;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
        const std::string shown = Narrow(text);
        items.push_back(item.fType & MFT_SEPARATOR ? "-" : shown.substr(0, shown.find('\t')));
    }
    return items;
}

void ChooseFromWindowMenu(Window window, const std::string& item)
{
    const std::vector<std::string> items = WindowMenu(window);
    const auto found = std::ranges::find(items, item);
    REQUIRE(found != items.end());
    HMENU menu = GetSystemMenu(Hwnd(window), FALSE);
    const UINT command = GetMenuItemID(menu, static_cast<int>(found - items.begin()));
    // What the menu sends when the item is chosen.
    Post(Hwnd(window), WM_SYSCOMMAND, command, 0);
    Settle();
}

void After(int ms, std::function<void()> action)
{
    StartTimer(ms, [action = std::move(action)] {
        Guarded(action);
        return true;
    });
}

bool WaitUntil(const std::function<bool()>& condition, int ms)
{
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(ms);
    while (!condition()) {
        if (GetTickCount64() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Settle();
    }
    return true;
}

bool UseLanguage(const std::string& language, bool asWritten)
{
    ChooseLanguage(language, asWritten);
    return true;
}

void UseDesktopLanguage()
{
    ChooseUserLanguage();
}

std::optional<std::string> EditMenuFirstItem(Window, int)
{
    return std::nullopt;
}

namespace driver {

std::shared_ptr<void> Start(int&, char**)
{
    RegisterCommonControls(); // as the program does before its first window
    return nullptr;
}

int RunModal(CDialog& dialog, const std::function<void()>& script)
{
    After(0, script);
    return dialog.DoModal();
}

void Poll(std::function<bool()> poll)
{
    StartTimer(10, std::move(poll));
}

Window ModalOver(Window below)
{
    // The window system's own answer (GW_ENABLEDPOPUP) is not there under Wine.
    const std::vector<HWND> windows = Hwnd(below) ? ThreadWindows() : std::vector<HWND>();
    const auto over = std::ranges::find_if(windows, [below](HWND w) {
        return GetWindow(w, GW_OWNER) == Hwnd(below) && IsWindowVisible(w) && IsWindowEnabled(w);
    });
    return {over == windows.end() ? nullptr : *over};
}

std::optional<SeenPrompt> AnswerPrompt()
{
    // A message box is a dialog whose text is the static control 0xFFFF.
    const std::vector<HWND> windows = ThreadWindows();
    const auto prompt = std::ranges::find_if(windows, [](HWND w) {
        HWND text = GetDlgItem(w, 0xFFFF);
        return IsWindowVisible(w) && IsClass(w, L"#32770") && text && IsClass(text, WC_STATICW);
    });
    if (prompt == windows.end())
        return std::nullopt;
    HWND box = *prompt;
    SeenPrompt seen{TextOf(box), TextOf(GetDlgItem(box, 0xFFFF)), false, false, false};
    const HICON warning = LoadIconW(nullptr, IDI_WARNING);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsPicture(child) && reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == warning)
            seen.warning = true;
    seen.okOnly = GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL) && !GetDlgItem(box, IDYES);
    HWND owner = GetWindow(box, GW_OWNER);
    seen.modal = owner && !IsWindowEnabled(owner);
    SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    return seen;
}

bool AnyTopLevelWindow()
{
    // The input method's own windows are the window system's.
    return std::ranges::any_of(ThreadWindows(),
                               [](HWND w) { return !IsClass(w, L"IME") && !IsClass(w, L"MSCTFIME UI"); });
}

} // namespace driver

} // namespace test
