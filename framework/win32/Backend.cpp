// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The core's window and control operations on Win32 dialog boxes and the
// common controls.
#include "framework/Backend.h"

#include "framework/CmdTarget.h"
#include "framework/Dialog.h"
#include "framework/DialogUnits.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"
#include "framework/win32/Win32Resources.h"
#include "framework/win32/Win32Window.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace fw {

std::wstring Widen(std::string_view text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string Narrow(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr,
                        nullptr);
    return narrow;
}

bool IsClass(HWND control, const wchar_t* name)
{
    wchar_t found[64] = {};
    return control && GetClassNameW(control, found, 64) > 0 && lstrcmpiW(found, name) == 0;
}

namespace backend {

namespace {

HINSTANCE Instance()
{
    return GetModuleHandleW(nullptr);
}

const BackendResources* Resources()
{
    return InstalledResources().backend;
}

HWND Find(Window* window, int id)
{
    if (!window || !window->hwnd)
        return nullptr;
    // Among the dialog's own children only: a drop-down combo box's edit field
    // is a child of the combo box, and its identifier (1001) may be another
    // control's.
    return id == 0 ? window->hwnd : GetDlgItem(window->hwnd, id);
}

void FillLists(Window& window)
{
    const BackendResources* resources = Resources();
    if (!resources)
        return;
    for (const ListItems& list : resources->lists) {
        if (list.templateId != window.templateId)
            continue;
        HWND combo = GetDlgItem(window.hwnd, list.controlId);
        for (const char* item : list.items)
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
}

Speech& Spoken()
{
    static Speech speech;
    return speech;
}

const char* TranslationOf(std::string_view language, std::string_view context, std::string_view text)
{
    const BackendResources* resources = Resources();
    return resources ? FindTranslation(resources->translations, language, context, text) : nullptr;
}

// A template's caption and its controls' captions, in the program's language.
void TranslateCaptions(Window& window)
{
    const BackendResources* resources = Resources();
    if (!resources)
        return;
    const auto form = std::ranges::find(resources->forms, window.templateId, &FormContext::templateId);
    if (form == resources->forms.end())
        return;
    auto translate = [&](HWND hwnd) {
        if (const char* translated = TranslationOf(Spoken().language, form->context, Narrow(WindowText(hwnd))))
            SetWindowTextW(hwnd, Widen(translated).c_str());
    };
    translate(window.hwnd);
    for (HWND child = GetWindow(window.hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        translate(child);
}

// Pixels a control's caption needs, with what its class draws beside the text.
int CaptionPixels(HWND control)
{
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const bool isStatic = IsClass(control, WC_STATICW) && (style & SS_TYPEMASK) != SS_ICON;
    const std::wstring text = WindowText(control);
    if (text.empty() || !(isStatic || IsClass(control, WC_BUTTONW)))
        return 0;
    const TextExtent extent = MeasureText(control, text);
    const CaptionMetrics measured{
        .textWidth = extent.width,
        .averageCharWidth = extent.averageCharWidth,
        .indicatorWidth = GetSystemMetrics(SM_CXMENUCHECK) + 2,
        .buttonMargins = 2 * extent.averageCharWidth,
    };
    if (isStatic)
        return fw::CaptionPixels(CaptionKind::Label, measured);
    switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX:
        return fw::CaptionPixels(CaptionKind::Frame, measured);
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        return fw::CaptionPixels(CaptionKind::CheckBox, measured);
    default:
        return fw::CaptionPixels(CaptionKind::PushButton, measured);
    }
}

// A template whose translated captions do not fit is widened as a whole, as
// if its font ran wider: the proportions stay and every caption fits.
void FitCaptions(Window& window)
{
    RECT unit{0, 0, 4, 8};
    MapDialogRect(window.hwnd, &unit);
    const BaseUnits base{static_cast<double>(unit.right), static_cast<double>(unit.bottom)};
    struct Placed {
        HWND control;
        RECT pixels;
        Rect dlu;
    };
    std::vector<Placed> placed;
    std::vector<CaptionFit> captions;
    auto toDlu = [&](long pixels) { return static_cast<int>(std::lround(pixels * 4.0 / base.x)); };
    for (HWND child = GetWindow(window.hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, window.hwnd, reinterpret_cast<POINT*>(&r), 2);
        if (r.left > r.right)
            std::swap(r.left, r.right); // mirrored
        if (IsClass(child, WC_COMBOBOXW)) {
            RECT dropped;
            SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
            r.bottom = r.top + (dropped.bottom - dropped.top);
        }
        placed.push_back({child, r, {toDlu(r.left), 0, toDlu(r.right) - toDlu(r.left), 0}});
        captions.push_back({placed.back().dlu.width, CaptionPixels(child)});
    }
    const BaseUnits fitted = fw::FitCaptions(base, captions);
    if (fitted.x <= base.x)
        return;
    RECT client;
    GetClientRect(window.hwnd, &client);
    const int width = DluToPixelsX(toDlu(client.right), fitted);
    for (const Placed& p : placed) {
        const Rect px = DluToPixels(p.dlu, fitted);
        SetWindowPos(p.control, nullptr, px.x, p.pixels.top, px.width, p.pixels.bottom - p.pixels.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame;
    GetWindowRect(window.hwnd, &frame);
    SetWindowPos(window.hwnd, nullptr, 0, 0, frame.right - frame.left + width - client.right, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The dots per inch of the screen the window is on (Windows 10 tells each
// window's; earlier Windows has one for all screens).
int DpiOf(HWND hwnd)
{
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto getDpi = reinterpret_cast<GetDpiForWindow>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = getDpi ? getDpi(hwnd) : 0;
    return dpi ? static_cast<int>(dpi) : SystemDpi();
}

// The window's icons at the sizes its frame and the task bar show at dpi.
void LoadIcons(Window& window, int dpi)
{
    const int systemDpi = SystemDpi(); // the metrics' own
    auto load = [&](int metric) {
        const int size = MulDiv(GetSystemMetrics(metric), dpi, systemDpi);
        return static_cast<HICON>(
            LoadImageW(Instance(), MAKEINTRESOURCEW(window.iconId), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    };
    OwnedIcon big(load(SM_CXICON));
    OwnedIcon small(load(SM_CXSMICON));
    SendMessageW(window.hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(window.hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    // The icons shown until now go once the window has let go of them.
    window.bigIcon = std::move(big);
    window.smallIcon = std::move(small);
}

// The icon of that identifier at the size the window system draws icons:
// the window's own where it is the window's icon (none for 0).
HICON IconOf(Window& window, int iconId)
{
    if (iconId == 0)
        return nullptr;
    if (iconId == window.iconId && window.bigIcon)
        return window.bigIcon.get();
    return static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(iconId), IMAGE_ICON, 0, 0,
                                         LR_DEFAULTSIZE | LR_SHARED));
}

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* window = reinterpret_cast<Window*>(lParam);
        window->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        TranslateCaptions(*window);
        FitCaptions(*window);
        FillLists(*window);
        return FALSE; // the framework places the focus itself
    }
    if (message == WM_DESTROY) {
        ForgetTrackbarNames(hwnd);
        return FALSE;
    }
    Window* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!window || !window->dialog)
        return FALSE;
    CDialog& dialog = *window->dialog;
    switch (message) {
    case WM_COMMAND:
        dialog.SendMessage({.event = Event::Command, .code = HIWORD(wParam), .id = LOWORD(wParam)});
        return TRUE;
    case WM_HSCROLL: {
        auto* slider = reinterpret_cast<HWND>(lParam);
        dialog.SendMessage({.event = Event::HScroll, .code = LOWORD(wParam), .id = GetDlgCtrlID(slider),
                            .position = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0))});
        return TRUE;
    }
    case WM_CLOSE:
        wParam = SC_CLOSE;
        [[fallthrough]];
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE && TakeClose(hwnd, message, wParam, lParam))
            return TRUE;
        window->lastSysCommandPosition = lParam;
        dialog.SendMessage({.event = Event::SysCommand, .param = static_cast<unsigned>(wParam)});
        return TRUE;
    case WM_PAINT:
        // Painted by the dialog's handler, or else as dialog boxes are.
        window->painted = false;
        dialog.SendMessage({.event = Event::Paint});
        return window->painted ? TRUE : FALSE;
    case WM_QUERYDRAGICON: {
        long long iconId = 0;
        dialog.SendMessage({.event = Event::QueryDragIcon, .result = &iconId});
        return reinterpret_cast<INT_PTR>(IconOf(*window, static_cast<int>(iconId)));
    }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        long long result = 0;
        if (!dialog.SendMessage({.event = Event::Notify, .code = static_cast<int>(header.code),
                                 .id = static_cast<int>(header.idFrom), .result = &result}))
            return FALSE;
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, static_cast<LONG_PTR>(result));
        return TRUE;
    }
    case WM_DPICHANGED:
        // On a screen of another scale: icons drawn for it. The dialog
        // manager lays the window out again itself.
        if (window->iconId)
            LoadIcons(*window, LOWORD(wParam));
        return FALSE;
    default:
        return FALSE;
    }
}

void Centre(Window& window)
{
    RECT own;
    GetWindowRect(window.hwnd, &own);
    RECT over;
    if (!window.owner || !GetWindowRect(window.owner, &over))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    const int x = over.left + (over.right - over.left - width) / 2;
    const int y = over.top + (over.bottom - over.top - height) / 2;
    SetWindowPos(window.hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The owner comes back before this window goes, so that it, not another
// program's window, is activated.
void Close(Window& window)
{
    if (!IsWindowVisible(window.hwnd))
        return;
    if (window.owner) {
        EnableWindow(window.owner, TRUE);
        SetActiveWindow(window.owner);
    }
    ShowWindow(window.hwnd, SW_HIDE);
}

} // namespace

Window* CreateDialogWindow(CDialog& dialog, int templateId, Window* owner)
{
    if (!FindResourceW(Instance(), MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5) /* RT_DIALOG */))
        return nullptr;
    auto* window = new Window;
    window->dialog = &dialog;
    window->templateId = templateId;
    window->owner = owner ? owner->hwnd : nullptr;
    if (!CreateDialogParamW(Instance(), MAKEINTRESOURCEW(templateId), window->owner, DialogProc,
                            reinterpret_cast<LPARAM>(window))) {
        std::fprintf(stderr, "%s: the window of template %d cannot be made (error %lu)\n",
                     ApplicationName().c_str(), templateId, GetLastError());
        delete window;
        return nullptr;
    }
    return window;
}

void DestroyDialogWindow(Window* window)
{
    if (!window)
        return;
    if (window->hwnd) {
        SetWindowLongPtrW(window->hwnd, DWLP_USER, 0);
        DestroyWindow(window->hwnd);
    }
    delete window;
}

int RunModal(Window* window)
{
    if (!window)
        return -1;
    if (window->owner)
        EnableWindow(window->owner, FALSE);
    Centre(*window);
    ShowWindow(window->hwnd, SW_SHOW);
    UpdateWindow(window->hwnd);
    // Once the window is on the screen: the accessibility service takes a
    // moment to load.
    NameTrackbars(window->hwnd);
    WindowShown();
    while (!window->ended && RunLoopTurn(true) != LoopTurn::Quit) {
    }
    Close(*window);
    return window->result;
}

void EndModal(Window* window, int result)
{
    if (!window)
        return;
    window->result = result;
    window->ended = true;
    // Gone at once, as the window system's own dialogs go when they end.
    Close(*window);
    PostMessageW(window->hwnd, WM_NULL, 0, 0); // wakes the modal loop
}

std::vector<int> TabStops(Window* window)
{
    // In the dialog manager's own order, until it comes round again.
    std::vector<int> stops;
    HWND control = window ? GetNextDlgTabItem(window->hwnd, nullptr, FALSE) : nullptr;
    for (; control && std::ranges::find(stops, GetDlgCtrlID(control)) == stops.end();
         control = GetNextDlgTabItem(window->hwnd, control, FALSE))
        stops.push_back(GetDlgCtrlID(control));
    return stops;
}

void DefaultSysCommand(Window* window, unsigned command)
{
    if (window)
        DefWindowProcW(window->hwnd, WM_SYSCOMMAND, command, window->lastSysCommandPosition);
}

void AppendWindowMenu(Window* window, unsigned command, std::string_view text)
{
    HMENU menu = window ? GetSystemMenu(window->hwnd, FALSE) : nullptr;
    if (!menu)
        return;
    if (command == 0)
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    else
        AppendMenuW(menu, MF_STRING, command, Widen(text).c_str());
}

bool HasControl(Window* window, int id)
{
    return Find(window, id) != nullptr;
}

std::string GetText(Window* window, int id)
{
    HWND control = Find(window, id);
    return control ? Narrow(WindowText(control)) : std::string();
}

void SetText(Window* window, int id, std::string_view text)
{
    HWND control = Find(window, id);
    if (!control)
        return;
    SetWindowTextW(control, Widen(text).c_str());
}

int FindListItem(Window* window, int id, std::string_view text)
{
    HWND control = Find(window, id);
    if (!IsClass(control, WC_COMBOBOXW))
        return -1;
    const std::wstring wide = Widen(text);
    const LRESULT index =
        SendMessageW(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str()));
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void SelectListItem(Window* window, int id, int index)
{
    HWND control = Find(window, id);
    if (IsClass(control, WC_COMBOBOXW))
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Enable(Window* window, int id, bool enable)
{
    if (HWND control = Find(window, id))
        EnableWindow(control, enable);
}

int GetCheck(Window* window, int id)
{
    HWND control = Find(window, id);
    const LONG type = control ? GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK : 0;
    if (!IsClass(control, WC_BUTTONW) || (type != BS_CHECKBOX && type != BS_AUTOCHECKBOX))
        return -1;
    return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void SetCheck(Window* window, int id, bool checked)
{
    if (HWND control = Find(window, id))
        SendMessageW(control, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int GetSliderPos(Window* window, int id)
{
    HWND control = Find(window, id);
    return control ? static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0)) : 0;
}

void SetSliderPos(Window* window, int id, int position)
{
    if (HWND control = Find(window, id))
        SendMessageW(control, TBM_SETPOS, TRUE, position); // clamped to the range by the control
}

void SetSliderRange(Window* window, int id, int minimum, int maximum, bool redraw)
{
    // TBM_SETRANGE packs both ends into 16 bits each; 20000 needs the two
    // messages that take a whole number each.
    if (HWND control = Find(window, id)) {
        SendMessageW(control, TBM_SETRANGEMIN, FALSE, minimum);
        SendMessageW(control, TBM_SETRANGEMAX, redraw, maximum);
    }
}

void FocusAndSelect(Window* window, int id)
{
    HWND control = Find(window, id);
    if (!control)
        return;
    SendMessageW(window->hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    if (IsClass(control, WC_EDITW))
        SendMessageW(control, EM_SETSEL, 0, -1);
    else if (IsClass(control, WC_COMBOBOXW))
        SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void SetIcon(Window* window, int iconId)
{
    if (!window)
        return;
    window->iconId = iconId;
    LoadIcons(*window, DpiOf(window->hwnd));
}

bool HasIcon(int iconId)
{
    const BackendResources* resources = Resources();
    return resources && std::ranges::find(resources->icons, iconId) != resources->icons.end();
}

bool IsIconic(Window* window)
{
    return window && ::IsIconic(window->hwnd);
}

CWnd::Size ClientSize(Window* window)
{
    RECT client{};
    if (window)
        GetClientRect(window->hwnd, &client);
    return {client.right - client.left, client.bottom - client.top};
}

CWnd::Size SystemIconSize()
{
    return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
}

namespace {
struct Painting {
    Window* window;
    PAINTSTRUCT paint;
    HDC dc;
};
} // namespace

void* BeginPaint(Window* window)
{
    if (!window)
        return nullptr;
    auto* painting = new Painting{window, {}, nullptr};
    painting->dc = ::BeginPaint(window->hwnd, &painting->paint);
    window->painted = true;
    return painting;
}

void EndPaint(void* paint)
{
    auto* painting = static_cast<Painting*>(paint);
    if (!painting)
        return;
    ::EndPaint(painting->window->hwnd, &painting->paint);
    delete painting;
}

void EraseIconBackground(void* paint)
{
    if (auto* painting = static_cast<Painting*>(paint))
        SendMessageW(painting->window->hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(painting->dc), 0);
}

void DrawIcon(void* paint, int x, int y, int iconId)
{
    if (auto* painting = static_cast<Painting*>(paint))
        ::DrawIcon(painting->dc, x, y, IconOf(*painting->window, iconId));
}

void ShowPrompt(Window* owner, std::string_view text)
{
    MessageBoxW(owner ? owner->hwnd : nullptr, Widen(text).c_str(), Widen(ApplicationTitle()).c_str(),
                MB_OK | MB_ICONWARNING | (Spoken().mirrored ? MB_RTLREADING | MB_RIGHT : 0));
}

std::string Translate(const char* context, const char* text)
{
    const char* translated = TranslationOf(Spoken().language, context, text);
    return translated ? translated : text;
}

} // namespace backend

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

TextExtent MeasureText(HWND control, std::wstring_view text)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {static_cast<int>(extent.cx), static_cast<int>(metrics.tmHeight), static_cast<int>(metrics.tmAveCharWidth)};
}

void ChooseLanguage(std::string_view language, bool asWritten)
{
    const BackendResources* resources = backend::Resources();
    const Speech& speech = backend::Spoken() =
        SpeechIn(resources ? resources->translations : std::span<const Translation>(), language, asWritten);
    // Every window made from now on is laid out right to left, its controls with it.
    SetProcessDefaultLayout(speech.mirrored ? LAYOUT_RTL : 0);
}

void ChooseUserLanguage()
{
    // The user's display language ("pt-BR"), as the translations name it
    // ("pt_BR"), or its language alone ("de" for "de-AT"); English otherwise.
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0);
    const std::string wanted[] = {Narrow(name)};
    const BackendResources* resources = backend::Resources();
    ChooseLanguage(resources ? OfferedLanguage(resources->translations, wanted) : "en");
}

} // namespace fw
