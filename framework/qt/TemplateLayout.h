// SPDX-FileCopyrightText: 2026 The Vornaby developers
// SPDX-License-Identifier: MIT
#pragma once
// A dialog template's geometry comes in dialog units; these put it into
// pixels for the window's font, and fill the template's pictures.

class QDialog;

namespace fw {

// Converts every control's rectangle, and the window's size, from dialog units
// to pixels with the base units of the window's font, widened until every
// caption fits. A combo box's template height, its height with the list
// dropped down, becomes the number of rows its list shows.
void LayOutTemplate(QDialog& window);

// Draws each static picture's icon (named by identifier) as large as the
// control allows.
void ShowPictures(QDialog& window);

} // namespace fw
