// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The web backend's event loop. The page queues what the user does (page.js);
// the loop takes one event at a time, lets the core take what it holds, and
// otherwise sends it to its window. Between events the program waits for the
// page (ASYNCIFY suspends it), having told the page whether input is held,
// so that the page keeps held input from its default actions.
#include "framework/EventLoop.h"

#include "framework/Wait.h"
#include "framework/web/WebPage.h"

#include <emscripten.h>

#include <map>

namespace fw {
namespace {

// clang-format off
EM_JS(int, JsNextEvent, (PageEvent* out), {
    const e = VornabyPage.next();
    if (!e)
        return 0;
    const fields = [e.type, e.kind, e.window, e.code, e.id, e.param, e.position, e.token];
    for (let i = 0; i < 8; ++i)
        HEAP32[(out >> 2) + i] = fields[i] | 0;
    return 1;
});
EM_ASYNC_JS(void, JsWait, (int ms, int inputHeld), { await VornabyPage.wait(ms, inputHeld !== 0); });
EM_JS(void, JsWake, (), { VornabyPage.wake(); });
EM_JS(void, JsPost, (int type), { VornabyPage.post({ type: type, kind: 0 }); });
EM_JS(void, JsDropHeld, (int token), { VornabyPage.dropHeld(token); });
EM_JS(void, JsCall, (int ms, int token), { VornabyPage.call(ms, token); });
// clang-format on

static_assert(sizeof(PageEvent) == 8 * sizeof(int), "JsNextEvent writes eight ints");

constexpr int kWaitMs = 50;

bool g_quit = false;

// A page event the core holds: sent to its window later, as it would have
// been then; one the page kept from its default action is acted out then.
class PageInput final : public HeldInput {
public:
    explicit PageInput(const PageEvent& event) : m_event(event) {}
    ~PageInput() override
    {
        if (!m_delivered && m_event.type == PageEventType::Held)
            JsDropHeld(m_event.token);
    }
    PageInput(const PageInput&) = delete;
    PageInput& operator=(const PageInput&) = delete;
    void Deliver() override
    {
        m_delivered = true;
        backend::DispatchPageEvent(m_event);
    }

private:
    PageEvent m_event;
    bool m_delivered = false;
};

std::map<int, std::function<void()>>& Calls()
{
    static std::map<int, std::function<void()>> calls;
    return calls;
}

void HandleEvent(const PageEvent& event)
{
    if (event.type == PageEventType::DeliverHeld) {
        DeliverHeldInput();
        return;
    }
    if (event.type == PageEventType::Call) {
        const auto call = Calls().find(event.token);
        if (call == Calls().end())
            return;
        const std::function<void()> action = std::move(call->second);
        Calls().erase(call);
        action();
        return;
    }
    const auto kind = static_cast<InputKind>(event.kind);
    if (TakeInput(kind, [&event] { return std::make_unique<PageInput>(event); }))
        return;
    if (event.type == PageEventType::Held && kind == InputKind::Derived)
        return; // made again by the page from other input, which acts by itself
    backend::DispatchPageEvent(event);
}

} // namespace

bool QuitRequested()
{
    return g_quit;
}

void PostCall(int ms, std::function<void()> action)
{
    static int nextToken = 1;
    const int token = nextToken++;
    Calls()[token] = std::move(action);
    JsCall(ms, token);
}

namespace backend {

void RunLoopUntil(const std::function<bool()>& done)
{
    PageEvent event{};
    while (!g_quit && !done()) {
        if (JsNextEvent(&event)) {
            HandleEvent(event);
            continue;
        }
        JsWait(kWaitMs, InputIsHeld());
    }
}

void WakeLoop()
{
    JsWake();
}

void PostHeldDelivery()
{
    JsPost(static_cast<int>(PageEventType::DeliverHeld));
}

void QuitLoops(int)
{
    g_quit = true;
    JsWake();
}

} // namespace backend

void WatchSignals()
{
    // A page gets no signals: the browser ends it by closing the tab.
}

} // namespace fw
