// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
// How the main window follows the desktop's font, colours and reading
// direction, which Qt hands the program (on Windows, the window system draws
// the dialog in its own).

#include "resources/resource.h"
#include "support/Harness.h"
#include "support/ProbeDlg.h"

#include "framework/qt/DialogWindow.h"

#include <QApplication>
#include <QLabel>
#include <QSlider>

using namespace test;

namespace {

QWidget& Widget(Window w)
{
    return *static_cast<QWidget*>(w.handle);
}

} // namespace

TEST_CASE_FIXTURE(Desk, "the layout keeps every caption whole in the desktop's font sizes")
{
    const QFont original = QApplication::font();
    for (int pointSize : {16, 7}) {
        INFO(pointSize << " pt");
        QFont font = original;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
        ProbeDlg dialog;
        RunModal(dialog, [&](Window w) { CheckLayout(w); });
    }
    QApplication::setFont(original);
}

TEST_CASE_FIXTURE(Desk, "captions stay legible in light and dark themes")
{
    const QPalette original = QApplication::palette();
    for (bool dark : {false, true}) {
        INFO(dark);
        if (dark) {
            QPalette palette(QColor(0x2b, 0x2b, 0x2b)); // window colour; the rest derived
            for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
                palette.setColor(role, QColor(0xe8, 0xe8, 0xe8));
            palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
            QApplication::setPalette(palette);
        }
        ProbeDlg dialog;
        RunModal(dialog, [&](Window window) {
            QWidget& w = Widget(window);
            const QImage image = w.grab().toImage();
            const int background = qGray(image.pixel(2, 2)); // a bare corner of the window
            const qreal ratio = image.devicePixelRatio(); // the image is in device pixels
            for (auto* label : w.findChildren<QLabel*>()) {
                // The darkest or lightest pixel of the caption, whichever is
                // further from the window's background.
                const QRect logical = label->geometry().intersected(w.rect());
                const QRect r(QPoint(int(logical.left() * ratio), int(logical.top() * ratio)),
                              QPoint(int((logical.right() + 1) * ratio) - 1, int((logical.bottom() + 1) * ratio) - 1));
                int contrast = 0;
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x)
                        contrast = std::max(contrast, std::abs(qGray(image.pixel(x, y)) - background));
                CHECK_MESSAGE(contrast > 128, label->text().toStdString());
            }
        });
    }
    QApplication::setPalette(original);
}

TEST_CASE_FIXTURE(Desk, "read right to left, the slider has its minimum at the right")
{
    UseLanguage("he");
    ProbeDlg dialog;
    RunModal(dialog, [&](Window w) {
        auto* slider = qobject_cast<QSlider*>(static_cast<DialogWindow&>(Widget(w)).Control(IDC_SLIDER));
        REQUIRE(slider);
        CHECK((slider->isRightToLeft() && !slider->invertedAppearance()));
    });
    UseLanguage("en");
}
