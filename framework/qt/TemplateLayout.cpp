// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/qt/TemplateLayout.h"

#include "framework/qt/Controls.h"
#include "framework/DialogUnits.h"
#include "framework/qt/QtResources.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <vector>

namespace fw {

namespace {

BaseUnits FontBaseUnits(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return {metrics.horizontalAdvance(letters) / letters.size(), metrics.height()};
}

// Pixels a control's caption needs, with the frame, indicator and padding
// its style draws around the text.
int CaptionPixels(const QWidget* control)
{
    const QString text = TextOf(control);
    if (text.isEmpty() || control->isWindow())
        return 0;
    const QFontMetrics metrics(control->font());
    const QStyle* style = control->style();
    const CaptionMetrics measured{
        .textWidth = metrics.horizontalAdvance(text),
        .averageCharWidth = metrics.averageCharWidth(),
        .indicatorWidth =
            style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing),
        .buttonMargins = 2 * style->pixelMetric(QStyle::PM_ButtonMargin) + 4,
    };
    if (qobject_cast<const QCheckBox*>(control))
        return fw::CaptionPixels(CaptionKind::CheckBox, measured);
    if (qobject_cast<const QPushButton*>(control))
        return fw::CaptionPixels(CaptionKind::PushButton, measured);
    if (qobject_cast<const QGroupBox*>(control))
        return fw::CaptionPixels(CaptionKind::Frame, measured);
    if (qobject_cast<const QLabel*>(control))
        return fw::CaptionPixels(CaptionKind::Label, measured);
    return 0;
}

} // namespace

void LayOutTemplate(QDialog& window)
{
    // The template's geometry is in dialog units; uic has put it in place as if
    // it were pixels. Convert every rectangle with the base units of the
    // window's font, widened until every caption fits.
    const QList<QWidget*> controls = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::vector<TemplateControl> placed;
    for (const QWidget* control : controls) {
        const QRect dlu = control->geometry();
        placed.push_back({{dlu.x(), dlu.y(), dlu.width(), dlu.height()}, CaptionPixels(control),
                          qobject_cast<const QComboBox*>(control) != nullptr});
    }
    // Right-to-left languages read the window from the right (texts, check
    // boxes and sliders turn by themselves).
    const TemplateLayout layout = fw::LayOutTemplate(window.width(), window.height(), placed,
                                                     FontBaseUnits(window.font()),
                                                     window.layoutDirection() == Qt::RightToLeft);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QWidget* control = controls[i];
        const Rect& px = layout.controls[static_cast<std::size_t>(i)];
        QRect pixels(px.x, px.y, px.width, px.height);
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            const int field = std::max(px.height, combo->sizeHint().height());
            const int rowHeight = QFontMetrics(combo->font()).height() + 4;
            combo->setMaxVisibleItems(
                std::max(1, (layout.droppedHeights[static_cast<std::size_t>(i)] - field) / rowHeight));
            pixels.setHeight(field);
        }
        control->setGeometry(pixels);
        // A group box is a frame drawn behind the controls it surrounds; it must
        // not take their clicks.
        if (qobject_cast<QGroupBox*>(control)) {
            control->lower();
            control->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
    }
    window.setFixedSize(layout.client.width, layout.client.height);
}

void ShowPictures(QDialog& window)
{
    // A static picture names its icon by identifier; it is drawn as large as
    // the control allows, from the icon's nearest size.
    for (auto* label : window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QVariant iconId = label->property(kIconIdProperty);
        if (!iconId.isValid())
            continue;
        const QIcon icon = LoadQIcon(iconId.toInt());
        const int side = std::min(label->width(), label->height());
        label->setPixmap(icon.pixmap(QSize(side, side), window.devicePixelRatio()));
        label->setAlignment(Qt::AlignCenter);
    }
}

} // namespace fw
