// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// The main window against real widgets: its first state, the tone form's
// exchange and "play", Enter and Escape, mode switching and the slider.

#include "support/ProbeDlg.h"
#include "framework/qt/QtResources.h"
#include "framework/WinApp.h"
#include "dialogs/ToneLimits.h"
#include "resources/resource.h"
#include "support/Harness.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

using namespace fw;
using namespace test;
using namespace tone_limits;

namespace {

QString TextOf(QWidget& window, int id)
{
    return fw::TextOf(Control(window, id));
}

QSlider* Slider(QWidget& window)
{
    return qobject_cast<QSlider*>(Control(window, IDC_SLIDER));
}

QComboBox* Combo(QWidget& window)
{
    return qobject_cast<QComboBox*>(Control(window, IDC_PRESET));
}

// Drops the preset list and picks an item, as a person does.
void PickPreset(QWidget& window, int index)
{
    QComboBox* combo = Combo(window);
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    list->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(list, Qt::Key_Return);
}

void Click(QWidget& window, int id)
{
    QTest::mouseClick(Control(window, id), Qt::LeftButton);
}

// Which of the four mode-dependent controls are enabled, in the order
// duration, frequency, preset, slider.
QString Enabled(QWidget& window)
{
    QString s;
    for (int id : {IDC_DURATION, IDC_FREQUENCY, IDC_PRESET, IDC_SLIDER})
        s += Control(window, id)->isEnabled() ? 'E' : '-';
    return s;
}

QList<int> TabOrder(QWidget&)
{
    QList<int> ids;
    QWidget* start = QApplication::focusWidget();
    QWidget* w = start;
    do {
        ids << fw::ControlId(w);
        QTest::keyClick(w, Qt::Key_Tab);
        w = QApplication::focusWidget();
    } while (w && w != start && ids.size() < 20);
    return ids;
}

} // namespace

class MainDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetUpApplication(); }
    void cleanup() { QVERIFY(NoWindowLeftOpen()); }

    void opensInItsFirstState()
    {
        ProbeDlg dialog;
        RunModal(dialog, [&](QWidget& w) {
            QCOMPARE(w.windowTitle(), QStringLiteral("Vornaby"));
            QCOMPARE(TextOf(w, IDC_ABOUT), QStringLiteral("About"));
            QCOMPARE(TextOf(w, IDC_PLAY), QStringLiteral("play"));
            QCOMPARE(TextOf(w, IDC_ADVANCED), QStringLiteral("Advanced  Mode"));
            QStringList statics;
            for (auto* label : w.findChildren<QLabel*>())
                statics << label->text();
            for (auto* group : w.findChildren<QGroupBox*>())
                statics << group->title();
            statics.sort();
            // The hints show the limits the form checks.
            const QString frequencyHint = QString("(%1-%2)").arg(kMinFrequencyHz).arg(kMaxFrequencyHz);
            const QString durationHint = QString("(%1-%2)").arg(kMinDurationMs).arg(kMaxDurationMs);
            QCOMPARE(statics, (QStringList{frequencyHint, durationHint, "Advanced Mode", "Frequency(hz)",
                                           "Frequency(hz)", "Simple Mode", "time(ms)"}));
            // Every control of the template carries a declared identifier, and
            // every declared one is in the template.
            QList<int> ids;
            for (auto* control : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (ControlId(control) != -1)
                    ids << ControlId(control);
            std::sort(ids.begin(), ids.end());
            QCOMPARE(ids, QList<int>(std::begin(kMainFormControls), std::end(kMainFormControls)));

            QStringList presets;
            for (int i = 0; i < Combo(w)->count(); ++i)
                presets << Combo(w)->itemText(i);
            QCOMPARE(presets, (QStringList{"40", "80", "100", "500", "1000", "5000", "7500", "8800",
                                           "10000", "12000", "14000", "16000", "18000", "20000"}));

            QCOMPARE(TextOf(w, IDC_FREQUENCY), QStringLiteral("1000"));
            QCOMPARE(TextOf(w, IDC_DURATION), QStringLiteral("500"));
            QCOMPARE(dialog.m_durationMs, 300);
            QCOMPARE(TextOf(w, IDC_PRESET), QStringLiteral("1000"));
            QVERIFY(!qobject_cast<QCheckBox*>(Control(w, IDC_ADVANCED))->isChecked());
            QCOMPARE(Slider(w)->minimum(), 1);
            QCOMPARE(Slider(w)->maximum(), 20000);
            QCOMPARE(Slider(w)->value(), 1000);
            QCOMPARE(Enabled(w), QStringLiteral("--E-"));
            QCOMPARE(fw::ControlId(QApplication::focusWidget()), IDC_ABOUT);
            QCOMPARE(TabOrder(w), (QList<int>{IDC_ABOUT, IDC_PLAY, IDC_PRESET, IDC_ADVANCED}));
        });
    }

    void layoutKeepsEveryCaptionWhole_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("desktop font") << 0;
        QTest::newRow("large font") << 16;
        QTest::newRow("small font") << 7;
    }
    void layoutKeepsEveryCaptionWhole()
    {
        QFETCH(int, pointSize);
        const QFont original = QApplication::font();
        QFont font = original;
        if (pointSize > 0)
            font.setPointSize(pointSize);
        QApplication::setFont(font);
        ProbeDlg dialog;
        RunModal(dialog, [&](QWidget& w) {
            for (auto* control : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QVERIFY2(w.rect().contains(control->geometry()), qPrintable(control->objectName()));
                const QString text = fw::TextOf(control);
                if (text.isEmpty() || qobject_cast<QComboBox*>(control) || qobject_cast<QLineEdit*>(control))
                    continue;
                const int needed = QFontMetrics(control->font()).horizontalAdvance(text);
                QVERIFY2(control->width() > needed, qPrintable(text));
                QVERIFY2(control->height() >= QFontMetrics(control->font()).height(), qPrintable(text));
            }
            // Proportions follow the template: 320 x 200 units, so wider than tall.
            QVERIFY(std::abs(w.width() * 200.0 / (w.height() * 320.0) - 1.0) < 0.6);
        });
        QApplication::setFont(original);
    }

    void speaksEveryShippedLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "fr", "es", "it", "pt_BR", "pl", "ru", "uk", "tr", "ja", "zh_CN", "ko", "he", "ar"})
            QTest::newRow(language) << language;
    }
    void speaksEveryShippedLanguage()
    {
        QFETCH(QString, language);
        // Texts that read the same in every language: the name, the hints.
        const QStringList same{"Vornaby", "(1-20000)", "(50-10000)", "Vornaby, Version 1.0", "OK"};
        const QStringList english{"About", "play", "Advanced  Mode", "Advanced Mode", "Simple Mode", "Frequency(hz)",
                                  "time(ms)", "Mi&nimize", "&Close", "&About Vornaby...", "&Undo",
                                  "Please enter a whole number.", "Please enter a number from 1 to 200000."};
        InstallTranslations(QLocale(language));
        const bool rightToLeft = language == "he" || language == "ar";
        QCOMPARE(QGuiApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QMap<QString, QRect> placed[2]; // by the layout's direction: as the language has it, then left to right
        for (int pass = 0; pass < (rightToLeft ? 2 : 1); ++pass) {
            if (pass == 1)
                QGuiApplication::setLayoutDirection(Qt::LeftToRight);
            ToneRecorder recorder;
            PromptRecorder prompts;
            ProbeDlg dialog;
            RunModal(dialog, [&](QWidget& w) {
                QStringList shown;
                placed[pass][QString()] = w.rect();
                const QList<QWidget*> controls = w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
                for (QWidget* control : controls) {
                    placed[pass][control->objectName()] = control->geometry();
                    if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QComboBox*>(control))
                        shown << TextOf(control);
                }
                for (const CMenu::Item& item : dialog.GetSystemMenu()->Items())
                    shown << QString::fromStdString(item.text);
                std::unique_ptr<QMenu> editMenu(qobject_cast<QLineEdit*>(Control(w, IDC_FREQUENCY))->createStandardContextMenu());
                shown << editMenu->actions().first()->text().section('\t', 0, 0);
                TypeInto(Control(w, IDC_PRESET), "abc");
                Click(w, IDC_PLAY);
                TypeInto(Control(w, IDC_PRESET), "0");
                Click(w, IDC_PLAY);
                shown << prompts.Texts();
                for (const QString& text : shown)
                    QVERIFY2(!english.contains(text) || same.contains(text), qPrintable(text));
                QCOMPARE(prompts.seen.size(), 2u);
                // Every caption fits, and no two controls overlap (but the
                // frames around them).
                for (QWidget* control : controls) {
                    QVERIFY2(w.rect().contains(control->geometry()), qPrintable(control->objectName()));
                    if (!qobject_cast<QLabel*>(control) && !qobject_cast<QAbstractButton*>(control))
                        continue;
                    const int needed = QFontMetrics(control->font()).horizontalAdvance(TextOf(control));
                    QVERIFY2(control->width() > needed, qPrintable(TextOf(control)));
                    for (QWidget* other : controls)
                        QVERIFY2(other == control || qobject_cast<QGroupBox*>(other) ||
                                     !control->geometry().intersects(other->geometry()),
                                 qPrintable(control->objectName() + " " + other->objectName()));
                }
                if (rightToLeft && pass == 0) {
                    QVERIFY(Slider(w)->isRightToLeft() && !Slider(w)->invertedAppearance()); // minimum at the right
                }
            });
        }
        // Mirrored: each control where its left-to-right place is, seen in a mirror.
        for (auto it = placed[1].cbegin(); it != placed[1].cend(); ++it) {
            const QRect mirrored = placed[0].value(it.key());
            QCOMPARE(mirrored.x(), placed[1].value(QString()).width() - it->x() - it->width());
            QCOMPARE(mirrored.y(), it->y());
            QCOMPARE(mirrored.size(), it->size());
        }
        QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
        InstallTranslations(QLocale(QLocale::English));
    }

    void captionsStayLegibleInLightAndDarkThemes_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void captionsStayLegibleInLightAndDarkThemes()
    {
        QFETCH(bool, dark);
        const QPalette original = QApplication::palette();
        if (dark) {
            QPalette palette(QColor(0x2b, 0x2b, 0x2b)); // window colour; the rest derived
            palette.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
            palette.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
            palette.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
            palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
            QApplication::setPalette(palette);
        }
        ProbeDlg dialog;
        RunModal(dialog, [&](QWidget& w) {
            const QImage image = w.grab().toImage();
            const int background = qGray(image.pixel(2, 2)); // a bare corner of the window
            for (auto* label : w.findChildren<QLabel*>()) {
                // The darkest or lightest pixel of the caption, whichever is
                // further from the window's background.
                const qreal ratio = image.devicePixelRatio(); // the image is in device pixels
                const QRect logical = label->geometry().intersected(w.rect());
                const QRect r(QPoint(int(logical.left() * ratio), int(logical.top() * ratio)),
                              QPoint(int((logical.right() + 1) * ratio) - 1, int((logical.bottom() + 1) * ratio) - 1));
                int contrast = 0;
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x)
                        contrast = std::max(contrast, std::abs(qGray(image.pixel(x, y)) - background));
                QVERIFY2(contrast > 128, qPrintable(label->text()));
            }
        });
        QApplication::setPalette(original);
    }

    void playInSimpleModeSoundsThePresetFor300Ms()
    {
        ToneRecorder recorder;
        PromptRecorder prompts;
        ProbeDlg dialog;
        RunModal(dialog, [&](QWidget& w) {
            Click(w, IDC_PLAY);
            QCOMPARE(recorder.tones.size(), 1u);
            QVERIFY(recorder.tones[0].Is(1000, 300));

            // The arrow keys step through the list from the preset shown.
            Combo(w)->setFocus();
            QTest::keyClick(Combo(w), Qt::Key_Down);
            QCOMPARE(TextOf(w, IDC_PRESET), QStringLiteral("5000"));
            QTest::keyClick(Combo(w), Qt::Key_Up);
            QCOMPARE(TextOf(w, IDC_PRESET), QStringLiteral("1000"));
            QCOMPARE(recorder.tones.size(), 1u);

            // Picking a preset sounds nothing; "play" then sounds it.
            PickPreset(w, 0);
            QCOMPARE(TextOf(w, IDC_PRESET), QStringLiteral("40"));
            QCOMPARE(recorder.tones.size(), 1u);
            Click(w, IDC_PLAY);
            QCOMPARE(recorder.tones.size(), 2u);
            QVERIFY(recorder.tones[1].Is(40, 300));
            QVERIFY(prompts.seen.empty());
        });
    }

    void presetFieldChecksAndFailures_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("heldHz");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<bool>("sounds");
        QTest::newRow("bound is 200000") << "150000" << 150000 << "" << false; // above what any device sounds
        QTest::newRow("200000 passes") << "200000" << 200000 << "" << false;
        QTest::newRow("1 passes") << "1" << 1 << "" << true;
        QTest::newRow("over 200000") << "250000" << 250000 << "from 1 to 200000" << false;
        QTest::newRow("zero") << "0" << 0 << "from 1 to 200000" << false;
        QTest::newRow("letters keep the held") << "abc" << 1000 << "whole number" << true;
        QTest::newRow("empty keeps the held") << "" << 1000 << "whole number" << true;
    }
    void presetFieldChecksAndFailures()
    {
        QFETCH(QString, typed);
        QFETCH(int, heldHz);
        QFETCH(QString, prompt);
        QFETCH(bool, sounds);
        ToneRecorder recorder;
        PromptRecorder prompts;
        ProbeDlg dialog;
        RunModal(dialog, [&](QWidget& w) {
            TypeInto(Control(w, IDC_PRESET), typed);
            Click(w, IDC_PLAY);
            QCOMPARE(dialog.m_presetFrequencyHz, heldHz);
            if (prompt.isEmpty()) {
                QVERIFY(prompts.seen.empty());
            } else {
                QCOMPARE(prompts.seen.size(), 1u);
                QVERIFY2(prompts.seen[0].text.contains(prompt), qPrintable(prompts.seen[0].text));
                QCOMPARE(prompts.seen[0].title, QStringLiteral("Vornaby"));
                QCOMPARE(prompts.seen[0].icon, QMessageBox::Warning);
                QCOMPARE(prompts.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
                QVERIFY(prompts.seen[0].modal);
                // The failing field gets the focus with its text selected.
                QCOMPARE(w.focusWidget(), Control(w, IDC_PRESET));
                QCOMPARE(Combo(w)->lineEdit()->selectedText(), typed);
            }
            QCOMPARE(recorder.tones.size(), sounds ? 1u : 0u);
            if (sounds)
                QVERIFY(recorder.tones[0].Is(heldHz, 300));
        });
    }

    void advancedReadStopsAtTheFirstFailingRow_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("toneHz");
        QTest::addColumn<int>("toneMs"); // -1: no tone
        QTest::newRow("edges pass") << "20000" << "10000" << "" << 20000 << 10000;
        QTest::newRow("low edges pass") << "1" << "50" << "" << 1 << 50;
        QTest::newRow("49 ms is held and played") << "440" << "49" << "from 50 to 10000" << 440 << 49;
        QTest::newRow("10001 ms plays ten seconds") << "440" << "10001" << "from 50 to 10000" << 440 << 10000;
        QTest::newRow("negative duration plays nothing") << "440" << "-5" << "from 50 to 10000" << 440 << -1;
        QTest::newRow("0 Hz stops before the duration") << "0" << "700" << "from 1 to 20000" << 0 << -1;
        QTest::newRow("20001 Hz") << "20001" << "700" << "from 1 to 20000" << 20001 << 500;
        QTest::newRow("overflow is not a number") << "4294967296" << "700" << "whole number" << 1000 << 500;
    }
    void advancedReadStopsAtTheFirstFailingRow()
    {
        QFETCH(QString, frequency);
        QFETCH(QString, duration);
        QFETCH(QString, prompt);
        QFETCH(int, toneHz);
        QFETCH(int, toneMs);
        ToneRecorder recorder;
        PromptRecorder prompts;
        ProbeDlg dialog;
        RunModal(dialog, [&](QWidget& w) {
            Click(w, IDC_ADVANCED);
            QCOMPARE(dialog.m_advancedMode, 1);
            QCOMPARE(dialog.m_durationMs, 500);
            TypeInto(Control(w, IDC_FREQUENCY), frequency);
            TypeInto(Control(w, IDC_DURATION), duration);
            Click(w, IDC_PLAY);
            QCOMPARE(prompts.Texts().size(), prompt.isEmpty() ? 0 : 1);
            if (!prompt.isEmpty())
                QVERIFY2(prompts.Texts()[0].contains(prompt), qPrintable(prompts.Texts()[0]));
            QCOMPARE(dialog.m_frequencyHz, toneHz);
            // Rows after a failing frequency are not read: the duration stays.
            if (prompt.contains("20000") || prompt.contains("whole")) {
                QCOMPARE(dialog.m_durationMs, 500);
                QCOMPARE(w.focusWidget(), Control(w, IDC_FREQUENCY));
                QCOMPARE(qobject_cast<QLineEdit*>(Control(w, IDC_FREQUENCY))->selectedText(), frequency);
            }
            if (toneMs < 0 || toneHz >= 24000) {
                QCOMPARE(recorder.tones.size(), 0u);
            } else {
                QCOMPARE(recorder.tones.size(), 1u);
                QVERIFY(recorder.tones[0].Is(toneHz, toneMs));
            }
        });
    }

    void enterEscapeAndClose_data()
    {
        QTest::addColumn<QString>("typed"); // into the preset field
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");    // 0: the window stays open
        QTest::addColumn<int>("heldHz");
        QTest::addColumn<int>("prompts");
        QTest::addColumn<int>("tones");
        QTest::newRow("Enter in the field accepts") << "440" << "enter" << int(IDOK) << 440 << 0 << 0;
        QTest::newRow("Enter with 0 prompts") << "0" << "enter" << 0 << 0 << 1 << 0;
        QTest::newRow("Enter on a button presses it") << "440" << "enter on play" << 0 << 440 << 0 << 1;
        QTest::newRow("Escape cancels unread") << "junk" << "escape" << int(IDCANCEL) << 1000 << 0 << 0;
        QTest::newRow("close box cancels unread") << "junk" << "close" << int(IDCANCEL) << 1000 << 0 << 0;
    }
    void enterEscapeAndClose()
    {
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(int, result);
        QFETCH(int, heldHz);
        QFETCH(int, prompts);
        QFETCH(int, tones);
        PromptRecorder seen;
        ToneRecorder recorder;
        ProbeDlg dialog;
        bool openAfter = false;
        const int ended = RunModal(dialog, [&](QWidget& w) {
            TypeInto(Control(w, IDC_PRESET), typed);
            if (how == "enter")
                QTest::keyClick(Combo(w)->lineEdit(), Qt::Key_Return);
            else if (how == "enter on play") {
                Control(w, IDC_PLAY)->setFocus();
                PressKey(w, Qt::Key_Return);
            } else if (how == "escape")
                PressKey(w, Qt::Key_Escape);
            else
                w.close();
            openAfter = w.isVisible();
            // The list never takes what was typed, nor completes from it.
            QCOMPARE(Combo(w)->count(), 14);
            QCOMPARE(TextOf(w, IDC_PRESET), typed);
        });
        QCOMPARE(openAfter, result == 0);
        if (result != 0)
            QCOMPARE(ended, result);
        QCOMPARE(dialog.m_presetFrequencyHz, heldHz);
        QCOMPARE(int(seen.seen.size()), prompts);
        QCOMPARE(int(recorder.tones.size()), tones);
    }

    void checkBoxSwitchesControlsAndTabOrder()
    {
        ToneRecorder recorder;
        PromptRecorder prompts;
        ProbeDlg dialog;
        RunModal(dialog, [&](QWidget& w) {
            Click(w, IDC_ADVANCED);
            QCOMPARE(Enabled(w), QStringLiteral("EE-E"));
            Control(w, IDC_ABOUT)->setFocus();
            QCOMPARE(TabOrder(w), (QList<int>{IDC_ABOUT, IDC_FREQUENCY, IDC_PLAY, IDC_DURATION,
                                              IDC_ADVANCED, IDC_SLIDER}));
            // The first advanced tone lasts 500 ms: the box's read took the field.
            Click(w, IDC_PLAY);
            QCOMPARE(recorder.tones.back().DurationMs(), 500.0);

            TypeInto(Control(w, IDC_FREQUENCY), "3000");
            TypeInto(Control(w, IDC_DURATION), "250");
            Click(w, IDC_ADVANCED);
            QCOMPARE(Enabled(w), QStringLiteral("--E-"));
            QCOMPARE(TextOf(w, IDC_PRESET), QStringLiteral("1000"));
            QCOMPARE(dialog.m_frequencyHz, 3000);
            QCOMPARE(dialog.m_durationMs, 250);
            QVERIFY(prompts.seen.empty());
        });
    }

    void sliderFollowsTheUserOnly()
    {
        ToneRecorder recorder;
        PromptRecorder prompts;
        ProbeDlg dialog;
        RunModal(dialog, [&](QWidget& w) {
            // The form's own writes move the thumb without counting as scrolls.
            QCOMPARE(dialog.m_sliderPos, 1000);
            QCOMPARE(dialog.m_frequencyHz, 1000);
            Click(w, IDC_ADVANCED);

            // A typed duration is thrown away by the next slider write.
            TypeInto(Control(w, IDC_DURATION), "777");
            TypeInto(Control(w, IDC_FREQUENCY), "5555");
            QCOMPARE(Slider(w)->value(), 1000); // typing does not move the thumb
            Slider(w)->setFocus();
            QTest::keyClick(Slider(w), Qt::Key_Right);
            QCOMPARE(dialog.m_sliderPos, 1001);
            QCOMPARE(TextOf(w, IDC_FREQUENCY), QStringLiteral("1001"));
            QCOMPARE(TextOf(w, IDC_DURATION), QStringLiteral("500"));

            QTest::keyClick(Slider(w), Qt::Key_PageUp);
            QCOMPARE(TextOf(w, IDC_FREQUENCY), QStringLiteral("2001")); // a page is 1000 Hz
            QTest::keyClick(Slider(w), Qt::Key_End);
            QCOMPARE(TextOf(w, IDC_FREQUENCY), QStringLiteral("20000"));
            // Both ends of the slider are frequencies the form accepts.
            Click(w, IDC_PLAY);
            QTest::keyClick(Slider(w), Qt::Key_Home);
            QCOMPARE(dialog.m_frequencyHz, 1);
            Click(w, IDC_PLAY);
            QCOMPARE(recorder.tones.size(), 2u);
            QVERIFY(recorder.tones[0].Is(20000, 500));
            QVERIFY(recorder.tones[1].Is(1, 500));

            // A notch of the mouse wheel, and a click beside the thumb.
            const int beforeWheel = Slider(w)->value();
            QWheelEvent wheel(QPointF(10, 5), Slider(w)->mapToGlobal(QPointF(10, 5)), QPoint(), QPoint(0, 120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(Slider(w), &wheel);
            QVERIFY(Slider(w)->value() != beforeWheel);
            QCOMPARE(TextOf(w, IDC_FREQUENCY), QString::number(Slider(w)->value()));
            QTest::mouseClick(Slider(w), Qt::LeftButton, {}, QPoint(Slider(w)->width() - 3, Slider(w)->height() / 2));
            QVERIFY(Slider(w)->value() > beforeWheel);
            QCOMPARE(dialog.m_frequencyHz, Slider(w)->value());
            QCOMPARE(TextOf(w, IDC_FREQUENCY), QString::number(Slider(w)->value()));

            // A drag with the mouse: the field follows the thumb while it moves
            // and the end of the drag writes it once more.
            QSlider* slider = Slider(w);
            QStyleOptionSlider option;
            option.initFrom(slider);
            option.minimum = slider->minimum();
            option.maximum = slider->maximum();
            option.sliderPosition = slider->sliderPosition();
            option.orientation = Qt::Horizontal;
            const QPoint handle = slider->style()
                                      ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
                                      .center();
            QTest::mousePress(slider, Qt::LeftButton, {}, handle);
            QTest::mouseMove(slider, handle + QPoint(slider->width() / 2, 0));
            QVERIFY(slider->isSliderDown());
            const int dragged = slider->sliderPosition();
            QVERIFY(dragged > 5000);
            QCOMPARE(TextOf(w, IDC_FREQUENCY), QString::number(dragged));
            QTest::mouseRelease(slider, Qt::LeftButton, {}, handle + QPoint(slider->width() / 2, 0));
            QCOMPARE(dialog.m_frequencyHz, dragged);
            QCOMPARE(dialog.m_sliderPos, dragged);
            QVERIFY(prompts.seen.empty());
        });
    }

    void inputDuringAToneWaitsAndACloseStopsIt()
    {
        // The stand-in device takes a tone's length to play it, as a real one does.
        ToneRecorder recorder(Pace::RealTime);
        ProbeDlg dialog;
        std::size_t tonesWhenHeld = 99;
        const int result = RunModal(dialog, [&](QWidget& w) {
            Click(w, IDC_ADVANCED);
            TypeInto(Control(w, IDC_DURATION), "300");
            // During the first tone: a press of "play" waits for its end.
            QTimer::singleShot(100, [&] {
                ClickThroughWindow(Control(w, IDC_PLAY));
                tonesWhenHeld = recorder.tones.size();
            });
            // During the second: another press, then Escape, which stops the
            // tone at once and drops the press.
            QTimer::singleShot(450, [&] {
                ClickThroughWindow(Control(w, IDC_PLAY));
                QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
            });
            ClickThroughWindow(Control(w, IDC_PLAY));
            QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), 3000);
        });
        QCOMPARE(result, IDCANCEL);
        QCOMPARE(tonesWhenHeld, 1u);
        QCOMPARE(recorder.tones.size(), 2u);
        QVERIFY(recorder.tones[0].Is(1000, 300));
        // The second tone stopped early, fading out over 10 ms to silence.
        const std::vector<float>& stopped = recorder.tones[1].frames;
        QVERIFY2(stopped.size() < 14400 - 480, qPrintable(QString::number(stopped.size())));
        QVERIFY(recorder.tones[1].drained);
        const float fadeStart = *std::max_element(stopped.end() - 480, stopped.end() - 430);
        QVERIFY(fadeStart > 0.45f);
        QVERIFY(std::abs(stopped.back()) < 0.001f);
    }

    void modeFollowsTheBoxOnlyWhenTheReadGetsThere()
    {
        ToneRecorder recorder;
        PromptRecorder prompts;
        {
            // An invalid advanced frequency: clearing the box leaves the
            // advanced controls enabled and the combo disabled.
            ProbeDlg dialog;
            RunModal(dialog, [&](QWidget& w) {
                Click(w, IDC_ADVANCED);
                TypeInto(Control(w, IDC_FREQUENCY), "0");
                Click(w, IDC_ADVANCED);
                QCOMPARE(prompts.seen.size(), 1u);
                QVERIFY(!qobject_cast<QCheckBox*>(Control(w, IDC_ADVANCED))->isChecked());
                QCOMPARE(dialog.m_advancedMode, 1);
                QCOMPARE(Enabled(w), QStringLiteral("EE-E"));
            });
        }
        prompts.Clear();
        {
            // Letters in the preset field while checking the box: advanced mode
            // with the text left in the disabled combo, the prompt on every read,
            // the advanced tone still played, until a slider move writes the
            // last valid preset back.
            ProbeDlg dialog;
            RunModal(dialog, [&](QWidget& w) {
                TypeInto(Control(w, IDC_PRESET), "abc");
                Click(w, IDC_ADVANCED);
                QCOMPARE(dialog.m_advancedMode, 1);
                QCOMPARE(Enabled(w), QStringLiteral("EE-E"));
                QCOMPARE(TextOf(w, IDC_PRESET), QStringLiteral("abc"));
                Click(w, IDC_PLAY);
                QCOMPARE(prompts.seen.size(), 2u);
                QCOMPARE(recorder.tones.back().DurationMs(), 500.0);
                Slider(w)->setFocus();
                QTest::keyClick(Slider(w), Qt::Key_Left);
                QCOMPARE(TextOf(w, IDC_PRESET), QStringLiteral("1000"));
                Click(w, IDC_PLAY);
                QCOMPARE(prompts.seen.size(), 2u);
                QVERIFY(recorder.tones.back().Is(999, 500));
            });
        }
    }
};

QTEST_MAIN(MainDialogTest)
#include "test_main_dialog.moc"
