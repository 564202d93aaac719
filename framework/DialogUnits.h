// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// Dialog units: templates give every size in units of the dialog font, so a
// window grows with its font. One horizontal unit is a quarter of the font's
// average character width, one vertical unit an eighth of its height.

#include <span>
#include <vector>

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

// One control of a template, as the layout needs it: its rectangle in dialog
// units (a combo box's with its list dropped down), the pixels its caption
// needs (0 for none, see CaptionPixels), and whether it is a combo box.
struct TemplateControl {
    Rect dlu;
    int captionPixels = 0;
    bool comboBox = false;
};

// A template laid out in pixels: the client area, and each control's place
// (a combo box's field alone) and, for a combo box, the height with its list
// dropped down.
struct TemplateLayout {
    BaseUnits base;
    Rect client;
    std::vector<Rect> controls;
    std::vector<int> droppedHeights;
};

// Lays a template out with the dialog font's base units, widened until every
// caption fits (FitCaptions); mirrored, every control's place is read from the
// right, for a language written right to left.
[[nodiscard]] TemplateLayout LayOutTemplate(int widthDlu, int heightDlu, std::span<const TemplateControl> controls,
                                            BaseUnits fontUnits, bool mirrored);

} // namespace fw
