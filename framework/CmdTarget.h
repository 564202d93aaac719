// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Events and the static event tables that route them to member handlers.
//
// A class's table is a constant array of rows (event, notification code,
// control identifier -> handler) plus a pointer to its base class's table.
// Dispatch searches the most derived table first, then each base in turn;
// that search order is the whole of handler inheritance. An event no row
// takes gets the window's default handling.

#include <cstdint>
#include <span>
#include <type_traits>

namespace fw {


enum class Event {
    Command,    // a button click, a combo selection, ...; code is the notification
    HScroll,    // a horizontal slider moved; code is the scroll code
    SysCommand, // a window-menu or frame command; param is the command
};

// Notification codes.
inline constexpr int BN_CLICKED = 0;
inline constexpr int CBN_SELCHANGE = 1;

// The standard commands a dialog closes with.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// How a slider moved.
enum ScrollCode : int {
    TB_LINEUP = 0,
    TB_LINEDOWN = 1,
    TB_PAGEUP = 2,
    TB_PAGEDOWN = 3,
    TB_THUMBPOSITION = 4,
    TB_THUMBTRACK = 5,
    TB_TOP = 6,
    TB_BOTTOM = 7,
    TB_ENDTRACK = 8,
};

// Window commands (the masked identifiers; the low four bits are free).
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;

struct Message {
    Event event = Event::Command;
    int code = 0;            // notification or scroll code
    int id = 0;              // identifier of the control that sent it
    unsigned param = 0;      // system command identifier
    int position = 0;        // slider position
};

class CCmdTarget;
using EventThunk = void (*)(CCmdTarget&, const Message&);

struct EventRow {
    Event event;
    int code;
    int id;
    EventThunk handler;
};

struct EventTable {
    const EventTable* base;
    std::span<const EventRow> rows;
};

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the first row, most derived table first, that takes the message.
    // False when none does.
    bool Dispatch(const Message& message);

    static const EventTable s_eventTable; // no rows

protected:
    [[nodiscard]] virtual const EventTable& GetEventTable() const { return s_eventTable; }
};

// Row makers for the table of class T, used as EventRows<T>::OnCommand<&T::OnPlay>(...).
// Each checks at compile time that the handler has its event's signature and
// belongs to T or one of T's bases, and makes a thunk that calls it. Dispatch
// hands a table's thunks only objects of the table's class (or classes derived
// from it), so the one cast in a thunk always holds.
template <class>
struct MemberOf;
template <class C, class R, class... Args>
struct MemberOf<R (C::*)(Args...)> {
    using Class = C;
};

template <auto Handler, class T, class Signature>
concept HandlerOf = requires { typename MemberOf<decltype(Handler)>::Class; } &&
                    std::is_same_v<decltype(Handler), Signature MemberOf<decltype(Handler)>::Class::*> &&
                    std::is_base_of_v<typename MemberOf<decltype(Handler)>::Class, T>;

template <class T>
    requires std::is_base_of_v<CCmdTarget, T>
struct EventRows {
    // A command with a notification code from one control: void Handler().
    template <auto Handler>
        requires HandlerOf<Handler, T, void()>
    static constexpr EventRow OnCommand(int code, int id)
    {
        return {Event::Command, code, id, [](CCmdTarget& t, const Message&) { (static_cast<T&>(t).*Handler)(); }};
    }

    // A horizontal scroll from any slider: void Handler(int scrollCode, int position).
    template <auto Handler>
        requires HandlerOf<Handler, T, void(int, int)>
    static constexpr EventRow OnHScroll()
    {
        return {Event::HScroll, 0, 0,
                [](CCmdTarget& t, const Message& m) { (static_cast<T&>(t).*Handler)(m.code, m.position); }};
    }

    // A window command: void Handler(unsigned command).
    template <auto Handler>
        requires HandlerOf<Handler, T, void(unsigned)>
    static constexpr EventRow OnSysCommand()
    {
        return {Event::SysCommand, 0, 0,
                [](CCmdTarget& t, const Message& m) { (static_cast<T&>(t).*Handler)(m.param); }};
    }
};

} // namespace fw
