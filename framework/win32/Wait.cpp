// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// Work off the UI thread on Windows: the thread pumps every message but the
// user's input, which it holds and delivers afterwards, in order. A close
// stops the work and drops what was held.
#include "framework/Wait.h"

#include "framework/win32/Win32Window.h"

#include <atomic>
#include <deque>
#include <thread>
#include <utility>

namespace fw {

namespace {

struct Hold {
    std::deque<MSG> held;
    std::stop_source* work = nullptr; // the running work's, while there is one
    int waits = 0;
    bool closing = false;
    bool quitting = false;
    int quitStatus = 0;
};

Hold& State()
{
    static Hold hold;
    return hold;
}

bool IsInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

// Escape in a dialog, Alt+F4: the user asks the window to close.
bool IsCloseKey(const MSG& message)
{
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE)
        return GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0;
    return message.message == WM_SYSKEYDOWN && message.wParam == VK_F4;
}

void StopForClose()
{
    Hold& hold = State();
    hold.closing = true;
    hold.held.clear();
    if (hold.work)
        hold.work->request_stop();
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

bool MustWait(const MSG& message)
{
    const Hold& hold = State();
    return IsInput(message.message) && (hold.waits > 0 || !hold.held.empty());
}

void HoldInput(const MSG& message)
{
    Hold& hold = State();
    // Once the user has asked to close, nothing else they did will act.
    if (hold.closing)
        return;
    if (hold.waits > 0 && IsCloseKey(message))
        StopForClose();
    hold.held.push_back(message);
}

bool DeliverHeldInput()
{
    Hold& hold = State();
    if (hold.waits > 0 || hold.quitting || hold.held.empty()) {
        if (hold.waits == 0 && hold.held.empty())
            hold.closing = false;
        return false;
    }
    MSG next = hold.held.front();
    hold.held.pop_front();
    DispatchInput(next);
    return true;
}

LoopTurn RunLoopTurn(bool wait)
{
    if (DeliverHeldInput())
        return LoopTurn::Done;
    MSG message{};
    if (!wait && !PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        return LoopTurn::Idle;
    if ((wait && GetMessageW(&message, nullptr, 0, 0) <= 0) || message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return LoopTurn::Quit;
    }
    if (MustWait(message))
        HoldInput(message);
    else
        DispatchInput(message);
    return LoopTurn::Done;
}

bool CloseDuringWork(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Hold& hold = State();
    if (hold.waits == 0)
        return false;
    if (!hold.closing)
        StopForClose();
    // Acts once the work has returned, as the first thing delivered.
    hold.held.push_back({hwnd, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}});
    return true;
}

bool RunWhileInputWaits(const std::function<bool(std::stop_token)>& work)
{
    Hold& hold = State();
    if (hold.quitting)
        return false;
    std::stop_source stop;
    std::atomic<bool> finished{false};
    bool result = false;
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::stop_source* outerWork = std::exchange(hold.work, &stop);
    ++hold.waits;
    {
        std::thread worker([&] {
            result = work(stop.get_token());
            finished = true;
            SetEvent(done);
        });
        bool quit = false;
        int quitCode = 0;
        while (!finished) {
            MsgWaitForMultipleObjectsEx(1, &done, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) {
                    quit = true;
                    quitCode = static_cast<int>(message.wParam);
                    stop.request_stop();
                } else if (IsInput(message.message)) {
                    HoldInput(message);
                } else {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
            }
        }
        worker.join();
        if (quit)
            PostQuitMessage(quitCode);
    }
    CloseHandle(done);
    --hold.waits;
    hold.work = outerWork;
    return result;
}

void RequestQuit(int status)
{
    Hold& hold = State();
    hold.quitting = true;
    hold.quitStatus = status;
    hold.held.clear();
    if (hold.work)
        hold.work->request_stop();
    PostQuitMessage(status);
}

int QuitStatus()
{
    return State().quitStatus;
}

void WatchSignals()
{
    // A window program has no terminal's signals; its close comes as a message.
}

} // namespace fw
