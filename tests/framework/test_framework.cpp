// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The framework's pure parts: integer text, dialog units, event tables.

#include "framework/CmdTarget.h"
#include "framework/DialogUnits.h"
#include "framework/IntegerText.h"

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

using namespace fw;

namespace {

// A base and a derived class, each with a table, to show the search order.
class Base : public CCmdTarget {
public:
    static const EventTable s_eventTable;
    std::vector<std::string> calls;
    void OnA() { calls.push_back("Base::A"); }
    void OnB() { calls.push_back("Base::B"); }

protected:
    const EventTable& GetEventTable() const override { return s_eventTable; }
};

constexpr std::array kBaseRows = {
    EventRows<Base>::OnCommand<&Base::OnA>(BN_CLICKED, 10),
    EventRows<Base>::OnCommand<&Base::OnB>(BN_CLICKED, 11),
};
const EventTable Base::s_eventTable{&CCmdTarget::s_eventTable, kBaseRows};

class Derived : public Base {
public:
    static const EventTable s_eventTable;
    void OnA() { calls.push_back("Derived::A"); }
    void OnScroll(int code, int position) { calls.push_back("scroll " + std::to_string(code) + " " + std::to_string(position)); }
    void OnDraw(const NotifyHeader& header, long long& result) { result = header.id + 1000; }

protected:
    const EventTable& GetEventTable() const override { return s_eventTable; }
};

constexpr std::array kDerivedRows = {
    EventRows<Derived>::OnCommand<&Derived::OnA>(BN_CLICKED, 10),
    // A base's handler in the derived table: allowed, it is Derived's too.
    EventRows<Derived>::OnCommand<&Base::OnB>(CBN_SELCHANGE, 11),
    EventRows<Derived>::OnHScroll<&Derived::OnScroll>(),
    EventRows<Derived>::OnNotify<&Derived::OnDraw>(NM_CUSTOMDRAW, 12),
};
const EventTable Derived::s_eventTable{&Base::s_eventTable, kDerivedRows};

} // namespace

TEST_CASE("integer text")
{
    const std::optional<std::int32_t> none;
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } rows[] = {
        {"1000", 1000}, {" \t440  ", 440}, {"+50", 50}, {"-7", -7}, {"0040", 40},
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
        {"2147483648", none}, {"-2147483649", none}, {"4294967296", none}, // would wrap to 0
        {"99999999999999999999999", none}, {"", none}, {"   ", none}, {"abc", none}, {"12abc", none},
        {"1 2", none}, {"1.5", none}, {"0x10", none}, {"1e3", none}, {"+", none}, {"+-5", none}, {"- 5", none},
        {"\xef\xbc\x91", none}, // a full-width digit
    };
    for (const auto& row : rows) {
        INFO('"' << row.text << '"');
        CHECK(ParseInt32(row.text) == row.value);
        if (row.value)
            CHECK(ParseInt32(FormatInt32(*row.value)) == row.value);
    }
}

TEST_CASE("dialog units")
{
    // Made-up font: 7 px average width, 16 px high.
    const BaseUnits base{7.0, 16.0};
    CHECK(DluToPixelsX(4, base) == 7);
    CHECK(DluToPixelsY(8, base) == 16);
    CHECK(DluToPixelsX(50, base) == 88); // 87.5 rounds up
    CHECK(DluToPixels(Rect{0, 0, 320, 200}, base) == Rect{0, 0, 560, 400});
    // Edges are converted, so neighbours in units stay neighbours in pixels.
    const Rect left = DluToPixels({3, 3, 5, 5}, base);
    const Rect right = DluToPixels({8, 3, 5, 5}, base);
    CHECK(left.x + left.width == right.x);

    // A caption wider than its control widens the unit, and only then.
    const std::array fits{CaptionFit{48, 70}, CaptionFit{50, 20}};
    CHECK(FitCaptions(base, fits).x == base.x);
    const std::array clips{CaptionFit{48, 100}, CaptionFit{0, 500}};
    const BaseUnits wider = FitCaptions(base, clips);
    CHECK(wider.y == base.y);
    CHECK(DluToPixelsX(48, wider) >= 100);
}

TEST_CASE("event tables search the derived class first")
{
    Derived target;
    CHECK(target.Dispatch({.event = Event::Command, .code = BN_CLICKED, .id = 10}));
    CHECK(target.Dispatch({.event = Event::Command, .code = BN_CLICKED, .id = 11}));
    CHECK(target.Dispatch({.event = Event::HScroll, .code = TB_PAGEUP, .position = 77}));
    CHECK_FALSE(target.Dispatch({.event = Event::Command, .code = CBN_SELCHANGE, .id = 10}));
    CHECK_FALSE(target.Dispatch({.event = Event::SysCommand, .param = SC_CLOSE}));
    CHECK(target.Dispatch({.event = Event::Command, .code = CBN_SELCHANGE, .id = 11}));
    CHECK(target.calls == std::vector<std::string>{"Derived::A", "Base::B", "scroll 2 77", "Base::B"});
    // A notification row answers through the result slot, for its control only.
    long long result = 0;
    CHECK_FALSE(target.Dispatch({.event = Event::Notify, .code = NM_CUSTOMDRAW, .id = 11, .result = &result}));
    CHECK(target.Dispatch({.event = Event::Notify, .code = NM_CUSTOMDRAW, .id = 12, .result = &result}));
    CHECK(result == 1012);
    // A handler of an unrelated class, or of the wrong signature, is refused
    // at compile time.
    static_assert(!HandlerOf<&Derived::OnA, Base, void()>);
    static_assert(!HandlerOf<&Derived::OnScroll, Derived, void()>);
}
