// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/board_picture.h"

#include <span>

class QPainter;

// How a board is drawn: its scale, and what the window lays over the form's
// own picture.
struct BoardView {
    double twipsPerPixel = 15;    // twips to one unit of the painter
    double outlineTwips = 0;      // the cells' outline; 0 is one device pixel
    std::span<const int> marked;  // cells framed as the ones the step added
    std::span<const int> hidden;  // cells not drawn yet, ascending
    std::span<const int> ringed;  // cells ringed as a line of the argument counts them
    bool ringedAdded = false;     // those are the step's: ringed in the step's colour
    int cursor = -1;              // the cell the keyboard explores, on screen only; -1 none
};

// The one drawing routine of the board, for the screen, files and the
// printer: the picture the core describes, in the painter's font. Texts are
// in the design's black whatever the theme: their backgrounds are fixed colours.
void PaintPicture(QPainter& painter, const BoardPicture& picture, double twipsPerPixel, double outlineTwips);
// The board of `form` with what `view` lays over it.
void PaintBoard(QPainter& painter, const Tessalo& form, const BoardView& view);

// The frame around a cell a step added, as 0xRRGGBB.
inline constexpr unsigned kStepMarkRgb =
    unsigned{kStepMarkColour.red} << 16 | unsigned{kStepMarkColour.green} << 8 | kStepMarkColour.blue;
