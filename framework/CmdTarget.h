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

#include "framework/Resources.h"

#include <cstdint>
#include <span>
#include <type_traits>

namespace fw {


enum class Event {
    Command,       // a button click, a combo selection, ...; code is the notification
    HScroll,       // a horizontal slider moved; code is the scroll code
    SysCommand,    // a window-menu or frame command; param is the command
    Notify,        // a control's notification with a record; code is the notification
    Paint,         // the window's client area needs painting
    QueryDragIcon, // the icon to drag a minimised window by
};

// The window system's names and values for notifications, commands and
// scroll codes. Where <windows.h> came first its macros stand for them, with
// the same values, so the order of includes does not matter; code names
// them unqualified.
#ifndef BN_CLICKED
inline constexpr int BN_CLICKED = 0;
#endif
#ifndef CBN_SELCHANGE
inline constexpr int CBN_SELCHANGE = 1;
#endif
#ifndef NM_CUSTOMDRAW
inline constexpr int NM_CUSTOMDRAW = -12;
#endif

// The standard commands a dialog closes with.
#ifndef IDOK
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
#endif

// How a slider moved.
#ifndef TB_LINEUP
inline constexpr int TB_LINEUP = 0;
inline constexpr int TB_LINEDOWN = 1;
inline constexpr int TB_PAGEUP = 2;
inline constexpr int TB_PAGEDOWN = 3;
inline constexpr int TB_THUMBPOSITION = 4;
inline constexpr int TB_THUMBTRACK = 5;
inline constexpr int TB_TOP = 6;
inline constexpr int TB_BOTTOM = 7;
inline constexpr int TB_ENDTRACK = 8;
#endif

// Window commands (the masked identifiers; the low four bits are free).
#ifndef SC_MINIMIZE
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;
#endif

// What a control's notification names first: who sent it and what it is.
struct NotifyHeader {
    int id = 0;
    int code = 0;
};

struct Message {
    Event event = Event::Command;
    int code = 0;            // notification or scroll code
    int id = 0;              // identifier of the control that sent it
    unsigned param = 0;      // system command identifier
    int position = 0;        // slider position
    long long* result = nullptr; // where a handler's answer goes, for events that have one
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

    // A notification with a record from one control, answered through a
    // result slot: void Handler(const NotifyHeader&, long long& result).
    template <auto Handler>
        requires HandlerOf<Handler, T, void(const NotifyHeader&, long long&)>
    static constexpr EventRow OnNotify(int code, int id)
    {
        return {Event::Notify, code, id, [](CCmdTarget& t, const Message& m) {
                    long long ignored = 0;
                    (static_cast<T&>(t).*Handler)(NotifyHeader{m.id, m.code}, m.result ? *m.result : ignored);
                }};
    }

    // The window is to be painted: void Handler(). A handler that paints
    // nothing (CPaintDC) leaves the window to its default painting.
    template <auto Handler>
        requires HandlerOf<Handler, T, void()>
    static constexpr EventRow OnPaint()
    {
        return {Event::Paint, 0, 0, [](CCmdTarget& t, const Message&) { (static_cast<T&>(t).*Handler)(); }};
    }

    // Which icon to drag the minimised window by: CIcon Handler().
    template <auto Handler>
        requires HandlerOf<Handler, T, CIcon()>
    static constexpr EventRow OnQueryDragIcon()
    {
        return {Event::QueryDragIcon, 0, 0, [](CCmdTarget& t, const Message& m) {
                    const CIcon icon = (static_cast<T&>(t).*Handler)();
                    if (m.result)
                        *m.result = icon.id;
                }};
    }
};

} // namespace fw
