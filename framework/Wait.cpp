// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The input hold: the one place that decides what the user's input does
// while work runs, on every backend.
#include "framework/Wait.h"

#include "framework/EventLoop.h"

#include <deque>
#include <memory>
#include <utility>

namespace fw {
namespace {

struct Hold {
    std::deque<std::unique_ptr<HeldInput>> held;
    Work* work = nullptr;   // the innermost running work, while there is one
    int waits = 0;          // works under way (one inside another is possible)
    int deliveringAt = -1;  // waits when the held event now being delivered began
    bool closing = false;   // a close request is held: later input is dropped
    bool quitting = false;
    int quitStatus = 0;
};

Hold& State()
{
    static Hold hold;
    return hold;
}

// Input waits while work runs, and behind input that already waits.
bool Holding()
{
    const Hold& hold = State();
    return hold.waits > 0 || !hold.held.empty();
}

void DropHeld()
{
    Hold& hold = State();
    hold.held.clear();
    hold.closing = false;
    if (hold.work)
        hold.work->Stop();
}

} // namespace

bool TakeInput(InputKind kind, const std::function<std::unique_ptr<HeldInput>()>& keep)
{
    Hold& hold = State();
    if (kind == InputKind::Other || !Holding())
        return false;
    // Once the user has asked to close or quit, nothing else they did acts;
    // made-again input comes again from what is held.
    if (kind == InputKind::Derived || hold.closing || hold.quitting)
        return true;
    if (kind == InputKind::Close) {
        DropHeld();
        hold.closing = true;
    }
    hold.held.push_back(keep());
    return true;
}

void DeliverHeldInput()
{
    Hold& hold = State();
    // One at a time, and not while work runs: an event may start work of its
    // own (a press of "play"), during which the rest stay held and new input
    // queues up behind them.
    if (hold.waits > 0 || hold.quitting || hold.held.empty())
        return;
    std::unique_ptr<HeldInput> next = std::move(hold.held.front());
    hold.held.pop_front();
    // A held close is the last thing held; once it acts, holding is over.
    if (hold.held.empty())
        hold.closing = false;
    else
        backend::PostHeldDelivery(); // taken up by a modal run this one opens, too
    const int outer = std::exchange(hold.deliveringAt, hold.waits);
    next->Deliver();
    hold.deliveringAt = outer;
}

bool InputIsHeld()
{
    const Hold& hold = State();
    return Holding() || hold.quitting;
}

bool DeliveringHeldInput()
{
    const Hold& hold = State();
    return hold.deliveringAt >= 0 && hold.deliveringAt == hold.waits;
}

bool RunWhileInputWaits(Work& work)
{
    Hold& hold = State();
    if (hold.quitting)
        return false;
    Work* const outer = std::exchange(hold.work, &work);
    ++hold.waits;
    work.Start([] { backend::WakeLoop(); });
    backend::RunLoopUntil([&work] { return work.Finished(); });
    --hold.waits;
    hold.work = outer;
    if (hold.waits == 0 && !hold.held.empty())
        backend::PostHeldDelivery();
    return true;
}

void QuitArrived(int status)
{
    Hold& hold = State();
    if (!hold.quitting)
        hold.quitStatus = status;
    hold.quitting = true;
    DropHeld();
}

void RequestQuit(int status)
{
    QuitArrived(status);
    backend::QuitLoops(State().quitStatus);
}

int QuitStatus()
{
    return State().quitStatus;
}

} // namespace fw
