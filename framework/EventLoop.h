// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Between the core's input hold (Wait.cpp) and a backend's event loop. The
// core decides what is held while work runs, what a close does to the work
// and to what is held, when holding ends, and the quit. A backend only sorts
// each event it is about to hand to a window, keeps the ones the core takes,
// delivers one again when asked, and runs its loop until a condition holds.
// Only the framework includes this header.

#include <functional>
#include <memory>

namespace fw {

// What a backend tells of an event before any window has seen it.
enum class InputKind {
    Other,   // painting, timers, the desktop's messages: never held
    Input,   // a key, a button, a pointer move, a wheel turn
    Derived, // made again from other input when that is delivered (a double
             // click, a context menu request): never kept
    Close,   // the user asks a window to close (its close box, Alt+F4, Escape)
};

// An event a backend kept, to be delivered later along the path fresh input
// takes: keys to the control that has the focus by then, with the keyboard's
// state as it was when they were typed.
class HeldInput {
public:
    virtual ~HeldInput() = default;
    virtual void Deliver() = 0;
};

// Called by the backend for every event of kind before a window sees it.
// True when the core has taken it, to hold (then it calls keep, once) or to
// drop; the backend then does not deliver it now.
[[nodiscard]] bool TakeInput(InputKind kind, const std::function<std::unique_ptr<HeldInput>()>& keep);

// Delivers the next held event, when it is its turn. The backend calls it
// when asked to (backend::PostHeldDelivery).
void DeliverHeldInput();

// True while a held event is being delivered and it has started no work of
// its own: the events the backend makes from it now are part of it and are
// not to be taken.
[[nodiscard]] bool DeliveringHeldInput();

// Whether input of kind Input would be taken now. For a backend whose window
// system acts on input at once unless told not to (a page's default actions),
// asked before it lets the input go on; it does not change while no event is
// handled.
[[nodiscard]] bool InputIsHeld();

// A quit that reached an event loop from outside the core (the window
// system's): work stops and held input is dropped, as RequestQuit does.
void QuitArrived(int status);

namespace backend {

// Runs the backend's event loop (painting, the desktop's messages, input
// through TakeInput) until done returns true. done is asked after every
// event, after WakeLoop and at least every 50 ms.
void RunLoopUntil(const std::function<bool()>& done);

// From any thread: RunLoopUntil asks its condition again now.
void WakeLoop();

// Calls DeliverHeldInput soon, from whichever loop runs then (a modal run
// inside the one running now included).
void PostHeldDelivery();

// Leaves every event loop; the program then ends with status.
void QuitLoops(int status);

} // namespace backend
} // namespace fw
