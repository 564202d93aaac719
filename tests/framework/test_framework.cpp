// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The framework's pure parts: integer text, dialog units, event tables.

#include "framework/CmdTarget.h"
#include "framework/DialogUnits.h"
#include "framework/IntegerText.h"

#include <QTest>

#include <array>

Q_DECLARE_METATYPE(std::optional<std::int32_t>)

using namespace fw;

namespace {

// A base and a derived class, each with a table, to show the search order.
class Base : public CCmdTarget {
public:
    static const EventTable s_eventTable;
    QStringList calls;
    void OnA() { calls << "Base::A"; }
    void OnB() { calls << "Base::B"; }

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
    void OnA() { calls << "Derived::A"; }
    void OnScroll(int code, int position) { calls << QString("scroll %1 %2").arg(code).arg(position); }

protected:
    const EventTable& GetEventTable() const override { return s_eventTable; }
};

constexpr std::array kDerivedRows = {
    EventRows<Derived>::OnCommand<&Derived::OnA>(BN_CLICKED, 10),
    // A base's handler in the derived table: allowed, it is Derived's too.
    EventRows<Derived>::OnCommand<&Base::OnB>(CBN_SELCHANGE, 11),
    EventRows<Derived>::OnHScroll<&Derived::OnScroll>(),
};
const EventTable Derived::s_eventTable{&Base::s_eventTable, kDerivedRows};

} // namespace

class FrameworkTest : public QObject {
    Q_OBJECT
private slots:
    void integerText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<std::int32_t>>("value");
        const std::optional<std::int32_t> none;
        QTest::newRow("plain") << "1000" << std::optional<std::int32_t>(1000);
        QTest::newRow("blanks around") << " \t440  " << std::optional<std::int32_t>(440);
        QTest::newRow("plus") << "+50" << std::optional<std::int32_t>(50);
        QTest::newRow("minus") << "-7" << std::optional<std::int32_t>(-7);
        QTest::newRow("leading zeros") << "0040" << std::optional<std::int32_t>(40);
        QTest::newRow("largest") << "2147483647" << std::optional<std::int32_t>(2147483647);
        QTest::newRow("smallest") << "-2147483648" << std::optional<std::int32_t>(INT32_MIN);
        QTest::newRow("one over") << "2147483648" << none;
        QTest::newRow("one under") << "-2147483649" << none;
        QTest::newRow("would wrap to 0") << "4294967296" << none;
        QTest::newRow("huge") << "99999999999999999999999" << none;
        QTest::newRow("empty") << "" << none;
        QTest::newRow("blanks only") << "   " << none;
        QTest::newRow("letters") << "abc" << none;
        QTest::newRow("trailing letters") << "12abc" << none;
        QTest::newRow("inner blank") << "1 2" << none;
        QTest::newRow("decimal") << "1.5" << none;
        QTest::newRow("hex") << "0x10" << none;
        QTest::newRow("exponent") << "1e3" << none;
        QTest::newRow("sign alone") << "+" << none;
        QTest::newRow("two signs") << "+-5" << none;
        QTest::newRow("sign then blank") << "- 5" << none;
        QTest::newRow("full-width digits") << QString::fromUtf8("\xef\xbc\x91") << none;
    }
    void integerText()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<std::int32_t>, value);
        QCOMPARE(ParseInt32(text.toStdString()), value);
        if (value)
            QCOMPARE(ParseInt32(FormatInt32(*value)), value);
    }

    void dialogUnits()
    {
        // Made-up font: 7 px average width, 16 px high.
        const BaseUnits base{7.0, 16.0};
        QCOMPARE(DluToPixelsX(4, base), 7);
        QCOMPARE(DluToPixelsY(8, base), 16);
        QCOMPARE(DluToPixelsX(50, base), 88); // 87.5 rounds up
        QCOMPARE(DluToPixels(Rect{0, 0, 320, 200}, base), (Rect{0, 0, 560, 400}));
        // Edges are converted, so neighbours in units stay neighbours in pixels.
        const Rect left = DluToPixels({3, 3, 5, 5}, base);
        const Rect right = DluToPixels({8, 3, 5, 5}, base);
        QCOMPARE(left.x + left.width, right.x);

        // A caption wider than its control widens the unit, and only then.
        const std::array fits{CaptionFit{48, 70}, CaptionFit{50, 20}};
        QCOMPARE(FitCaptions(base, fits).x, base.x);
        const std::array clips{CaptionFit{48, 100}, CaptionFit{0, 500}};
        const BaseUnits wider = FitCaptions(base, clips);
        QCOMPARE(wider.y, base.y);
        QVERIFY(DluToPixelsX(48, wider) >= 100);
    }

    void eventTablesSearchTheDerivedClassFirst()
    {
        Derived target;
        QVERIFY(target.Dispatch({.event = Event::Command, .code = BN_CLICKED, .id = 10}));
        QVERIFY(target.Dispatch({.event = Event::Command, .code = BN_CLICKED, .id = 11}));
        QVERIFY(target.Dispatch({.event = Event::HScroll, .code = TB_PAGEUP, .position = 77}));
        QVERIFY(!target.Dispatch({.event = Event::Command, .code = CBN_SELCHANGE, .id = 10}));
        QVERIFY(!target.Dispatch({.event = Event::SysCommand, .param = SC_CLOSE}));
        QVERIFY(target.Dispatch({.event = Event::Command, .code = CBN_SELCHANGE, .id = 11}));
    QCOMPARE(target.calls, (QStringList{"Derived::A", "Base::B", "scroll 2 77", "Base::B"}));
    // A handler of an unrelated class, or of the wrong signature, is refused
    // at compile time.
    static_assert(!HandlerOf<&Derived::OnA, Base, void()>);
    static_assert(!HandlerOf<&Derived::OnScroll, Derived, void()>);
    }
};

QTEST_APPLESS_MAIN(FrameworkTest)
#include "test_framework.moc"
