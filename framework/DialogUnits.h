// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Dialog units: templates give every size in units of the dialog font, so a
// window grows with its font. One horizontal unit is a quarter of the font's
// average character width, one vertical unit an eighth of its height.

#include <span>

namespace fw {

struct BaseUnits {
    double x = 0; // average character width, pixels
    double y = 0; // font height, pixels
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

[[nodiscard]] int DluToPixelsX(int dlu, BaseUnits base);
[[nodiscard]] int DluToPixelsY(int dlu, BaseUnits base);

// Converts a rectangle's edges (not its size), so that controls that touch in
// dialog units still touch in pixels.
[[nodiscard]] Rect DluToPixels(const Rect& dlu, BaseUnits base);

// One caption's need: the width its template gives it, in dialog units, and
// the width its text takes in pixels with the font in use.
struct CaptionFit {
    int widthDlu = 0;
    int textPixels = 0;
};

// The room a caption needs beside its text, by the kind of control that
// shows it, from what the toolkit measures: the text's width and the font's
// average character width in pixels, a check box's indicator with its gap,
// and a push button's margins on both sides.
enum class CaptionKind { Label, Frame, CheckBox, PushButton };
struct CaptionMetrics {
    int textWidth = 0;
    int averageCharWidth = 0;
    int indicatorWidth = 0;
    int buttonMargins = 0;
};
[[nodiscard]] int CaptionPixels(CaptionKind kind, const CaptionMetrics& metrics);

// Widens the horizontal unit, if needed, until every caption fits its
// control. The proportions of the template stay; only the scale changes.
// Fonts whose letters run wide for their average width would clip otherwise.
[[nodiscard]] BaseUnits FitCaptions(BaseUnits base, std::span<const CaptionFit> captions);

} // namespace fw
