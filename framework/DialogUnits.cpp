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

} // namespace fw
