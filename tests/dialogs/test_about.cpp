// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The About box, the window menu that offers it, and the window's icon.

#include "support/ProbeDlg.h"
#include "framework/qt/DialogWindow.h"
#include "framework/Wait.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include "support/Harness.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace fw;
using namespace test;

namespace {

QStringList LabelTexts(QWidget& window)
{
    QStringList texts;
    for (auto* label : window.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts << label->text();
    return texts;
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetUpApplication(); }
    void cleanup() { QVERIFY(NoWindowLeftOpen()); }

    void aboutBoxShowsItselfAndClosesEveryWay_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "ok";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("close box") << "close";
    }
    void aboutBoxShowsItselfAndClosesEveryWay()
    {
        QFETCH(QString, how);
        ProbeDlg dialog;
        RunModal(dialog, [&](QWidget& w) {
            QLineEdit* field = qobject_cast<QComboBox*>(Control(w, IDC_PRESET))->lineEdit();
            TypeInto(Control(w, IDC_PRESET), "4321"); // typed, not yet read
            Control(w, IDC_ABOUT)->setFocus();
            bool seen = false;
            WhenNextModalOpens(w, [&](QWidget& about) {
                seen = true;
                QCOMPARE(about.windowTitle(), QStringLiteral("About Vornaby"));
                QCOMPARE(about.parentWidget(), &w); // owned by, and centred over, the main window
                QVERIFY(LabelTexts(about).contains("Vornaby, Version 1.0"));
                QVERIFY(LabelTexts(about).filter("2026").size() == 1);
                QCOMPARE(LabelTexts(about).size(), 3);
                auto pictures = about.findChildren<QLabel*>();
                QVERIFY(std::any_of(pictures.begin(), pictures.end(),
                                    [](QLabel* l) { return !l->pixmap().isNull(); }));
                auto* ok = qobject_cast<QPushButton*>(Control(about, IDOK));
                QCOMPARE(ok->text(), QStringLiteral("OK"));
                QCOMPARE(about.focusWidget(), ok);
                if (how == "ok")
                    QTest::mouseClick(ok, Qt::LeftButton);
                else if (how == "enter")
                    QTest::keyClick(ok, Qt::Key_Return);
                else if (how == "escape")
                    QTest::keyClick(ok, Qt::Key_Escape);
                else
                    about.close();
            });
            // Enter on the focused "About" button presses it.
            PressKey(w, Qt::Key_Return);
            QVERIFY(seen);
            QVERIFY(w.isVisible());
            QCOMPARE(w.focusWidget(), Control(w, IDC_ABOUT));
            QCOMPARE(field->text(), QStringLiteral("4321"));
            QCOMPARE(dialog.m_presetFrequencyHz, 1000);
        });
    }

    void windowMenuOffersTheAboutItem()
    {
        ProbeDlg dialog;
        RunModal(dialog, [&](QWidget& w) {
            auto& window = static_cast<DialogWindow&>(w);
            QStringList items;
            bool aboutOpened = false;
            QTimer::singleShot(0, [&] {
                QMenu* menu = window.OpenWindowMenu();
                QVERIFY(menu);
                for (QAction* action : menu->actions())
                    items << (action->isSeparator() ? QStringLiteral("-") : action->text());
                WhenNextModalOpens(w, [&](QWidget& about) {
                    aboutOpened = about.windowTitle() == "About Vornaby";
                    about.close();
                });
                menu->actions().last()->trigger();
                menu->close();
            });
            // Shift+F10, as a keyboard user opens it.
            PressKey(w, Qt::Key_F10, Qt::ShiftModifier);
            QCOMPARE(items, (QStringList{"Mi&nimize", "&Close", "-", "&About Vornaby..."}));
            QVERIFY(aboutOpened);
            QVERIFY(w.isVisible());
        });
    }

    void systemCommandsAreMasked()
    {
        ProbeDlg dialog;
        RunModal(dialog, [&](QWidget& w) {
            int opened = 0;
            for (unsigned command = 0x0010; command <= 0x001F; ++command) {
                WhenNextModalOpens(w, [&](QWidget& about) {
                    opened += about.windowTitle() == "About Vornaby";
                    about.close();
                });
                dialog.SendMessage({.event = Event::SysCommand, .param = command});
            }
            QCOMPARE(opened, 16);
            // Others get the window's default handling: 0x0020 is nothing,
            // Minimize minimises, Close closes as cancelled.
            dialog.SendMessage({.event = Event::SysCommand, .param = 0x0020});
            QVERIFY(w.isVisible());
            dialog.SendMessage({.event = Event::SysCommand, .param = SC_MINIMIZE + 3});
            QVERIFY(w.isMinimized());
            dialog.SendMessage({.event = Event::SysCommand, .param = SC_CLOSE});
            QVERIFY(!w.isVisible());
        });
    }

    void windowCarriesTheIcon()
    {
        ProbeDlg dialog;
        RunModal(dialog, [&](QWidget& w) {
            const QIcon icon = w.windowIcon();
            QVERIFY(!icon.isNull());
            for (int size : {16, 32, 48, 128})
                QCOMPARE(icon.pixmap(size).width(), size);
        });
    }

    // Last: the program is asked to end here.
    void aMissingTemplateFailsAndOnlyTheMainWindowEndsTheProgram()
    {
        CWinApp app;
        CDialog box(9998);
        QCOMPARE(box.DoModal(), -1);
        QCOMPARE(QuitStatus(), 0);
        CDialog main(9999);
        app.m_mainWindow = &main;
        QCOMPARE(main.DoModal(), -1);
        QCOMPARE(QuitStatus(), 1);
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
