// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The Win32 backend's side of the input hold: it sorts each message as the
// loop takes it from the queue, keeps the ones the core takes with the
// keyboard's state of that moment, and dispatches them again later as the
// loop dispatches fresh ones.
#include "framework/EventLoop.h"
#include "framework/Keys.h"
#include "framework/Wait.h"

#include "framework/win32/Win32Window.h"

#include <array>
#include <memory>

namespace fw {
namespace {

bool IsKey(UINT message)
{
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

KeyStroke StrokeOf(const MSG& message)
{
    KeyStroke stroke;
    switch (message.wParam) {
    case VK_RETURN: stroke.key = KeyName::Enter; break;
    case VK_ESCAPE: stroke.key = KeyName::Escape; break;
    case VK_F4: stroke.key = KeyName::F4; break;
    case VK_F10: stroke.key = KeyName::F10; break;
    case VK_APPS: stroke.key = KeyName::ContextMenu; break;
    default: break;
    }
    // The keyboard's state as the queue left it with this message.
    stroke.shift = GetKeyState(VK_SHIFT) < 0;
    stroke.control = GetKeyState(VK_CONTROL) < 0;
    stroke.alt = message.message == WM_SYSKEYDOWN && GetKeyState(VK_MENU) < 0;
    return stroke;
}

InputKind KindOf(const MSG& message)
{
    // Escape in a dialog, Alt+F4: the user asks the window to close.
    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && AsksToClose(StrokeOf(message)))
        return InputKind::Close;
    if (IsKey(message.message) || (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST) ||
        (message.message >= WM_NCMOUSEMOVE && message.message <= WM_NCXBUTTONDBLCLK))
        return InputKind::Input;
    return InputKind::Other;
}

// A message taken from the queue, with the keyboard's state as the queue
// left it then: Shift+Tab read later must still be Shift+Tab.
class HeldMessage final : public HeldInput {
public:
    explicit HeldMessage(const MSG& message) : m_message(message) { GetKeyboardState(m_keys.data()); }

    void Deliver() override
    {
        // Keys go to the control that has the focus now, as fresh keys do:
        // a click delivered before them may have moved it.
        if (IsKey(m_message.message)) {
            if (HWND focus = GetFocus())
                m_message.hwnd = focus;
        }
        std::array<BYTE, 256> now{};
        GetKeyboardState(now.data());
        SetKeyboardState(m_keys.data());
        DispatchInput(m_message);
        // The characters that key made follow it at once, to the same
        // control, before anything else held can move the focus.
        MSG typed;
        while (PeekMessageW(&typed, m_message.hwnd, WM_CHAR, WM_DEADCHAR, PM_REMOVE) ||
               PeekMessageW(&typed, m_message.hwnd, WM_SYSCHAR, WM_SYSDEADCHAR, PM_REMOVE))
            DispatchInput(typed);
        SetKeyboardState(now.data());
    }

private:
    MSG m_message;
    std::array<BYTE, 256> m_keys{};
};

// A close the window received (its close box, the task bar): sent again.
class HeldClose final : public HeldInput {
public:
    HeldClose(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
        : m_hwnd(hwnd), m_message(message), m_wParam(wParam), m_lParam(lParam)
    {
    }
    void Deliver() override
    {
        if (IsWindow(m_hwnd))
            SendMessageW(m_hwnd, m_message, m_wParam, m_lParam);
    }

private:
    HWND m_hwnd;
    UINT m_message;
    WPARAM m_wParam;
    LPARAM m_lParam;
};

HANDLE WakeEvent()
{
    static const HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    return event;
}

// Where the core's call to deliver held input is posted: a message-only
// window, whose messages every loop dispatches, a modal one of the window
// system's own (a message box) included.
constexpr UINT kDeliverHeld = WM_APP + 1;

LRESULT CALLBACK DeliveryProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kDeliverHeld) {
        DeliverHeldInput();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND DeliveryWindow()
{
    static const HWND window = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DeliveryProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VornabyHeldInput";
        RegisterClassW(&windowClass);
        return CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               windowClass.hInstance, nullptr);
    }();
    return window;
}

} // namespace

void DispatchInput(MSG& message)
{
    HWND dialog = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (dialog && IsDialogMessageW(dialog, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void HandleMessage(MSG& message)
{
    if (!TakeInput(KindOf(message), [&] { return std::make_unique<HeldMessage>(message); }))
        DispatchInput(message);
}

bool TakeClose(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return TakeInput(InputKind::Close,
                     [&] { return std::make_unique<HeldClose>(hwnd, message, wParam, lParam); });
}

LoopTurn RunLoopTurn(bool wait)
{
    MSG message{};
    if (!wait && !PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        return LoopTurn::Idle;
    if ((wait && GetMessageW(&message, nullptr, 0, 0) <= 0) || message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return LoopTurn::Quit;
    }
    HandleMessage(message);
    return LoopTurn::Done;
}

namespace backend {

void RunLoopUntil(const std::function<bool()>& done)
{
    bool quit = false;
    int quitCode = 0;
    while (!done()) {
        const HANDLE wake = WakeEvent();
        MsgWaitForMultipleObjectsEx(1, &wake, 50, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        MSG message;
        while (!done() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                quitCode = static_cast<int>(message.wParam);
                QuitArrived(quitCode);
            } else {
                HandleMessage(message);
            }
        }
    }
    // Every modal run still ends with it.
    if (quit)
        PostQuitMessage(quitCode);
}

void WakeLoop()
{
    SetEvent(WakeEvent());
}

void PostHeldDelivery()
{
    PostMessageW(DeliveryWindow(), kDeliverHeld, 0, 0);
}

void QuitLoops(int status)
{
    PostQuitMessage(status);
}

} // namespace backend

void WatchSignals()
{
    // A window program has no terminal's signals; its close comes as a message.
}

} // namespace fw
