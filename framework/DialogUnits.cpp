// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#include "framework/DialogUnits.h"

#include <algorithm>
#include <cmath>

namespace fw {

int DluToPixelsX(int dlu, BaseUnits base)
{
    return static_cast<int>(std::lround(dlu * base.x / 4.0));
}

int DluToPixelsY(int dlu, BaseUnits base)
{
    return static_cast<int>(std::lround(dlu * base.y / 8.0));
}

Rect DluToPixels(const Rect& dlu, BaseUnits base)
{
    const int left = DluToPixelsX(dlu.x, base);
    const int top = DluToPixelsY(dlu.y, base);
    return {left, top, DluToPixelsX(dlu.x + dlu.width, base) - left,
            DluToPixelsY(dlu.y + dlu.height, base) - top};
}

int CaptionPixels(CaptionKind kind, const CaptionMetrics& m)
{
    switch (kind) {
    case CaptionKind::Label:
        return m.textWidth + 2;
    case CaptionKind::Frame:
        // The frame's line runs on either side of its title.
        return m.textWidth + 2 * m.averageCharWidth + 8;
    case CaptionKind::CheckBox:
        return m.textWidth + m.indicatorWidth + 4;
    case CaptionKind::PushButton:
        return m.textWidth + m.buttonMargins;
    }
    return m.textWidth;
}

BaseUnits FitCaptions(BaseUnits base, std::span<const CaptionFit> captions)
{
    for (const CaptionFit& caption : captions) {
        if (caption.widthDlu <= 0)
            continue;
        // Smallest base width at which the caption's pixels fit, rounding included.
        const double needed = 4.0 * (caption.textPixels + 0.5) / caption.widthDlu;
        base.x = std::max(base.x, needed);
    }
    return base;
}

TemplateLayout LayOutTemplate(int widthDlu, int heightDlu, std::span<const TemplateControl> controls,
                              BaseUnits fontUnits, bool mirrored)
{
    // Height of a combo box's field; the template's height for a combo box is
    // the height with its list dropped down.
    constexpr int kComboFieldDlu = 14;
    std::vector<CaptionFit> captions;
    for (const TemplateControl& control : controls)
        captions.push_back({control.dlu.width, control.captionPixels});
    TemplateLayout layout;
    layout.base = FitCaptions(fontUnits, captions);
    layout.client = DluToPixels({0, 0, widthDlu, heightDlu}, layout.base);
    for (const TemplateControl& control : controls) {
        Rect px = DluToPixels(control.dlu, layout.base);
        layout.droppedHeights.push_back(control.comboBox ? px.height : 0);
        if (control.comboBox)
            px.height = DluToPixelsY(kComboFieldDlu, layout.base);
        if (mirrored)
            px.x = layout.client.width - px.x - px.width;
        layout.controls.push_back(px);
    }
    return layout;
}

} // namespace fw
