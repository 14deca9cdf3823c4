#pragma once

#include <span>

class QPainter;
class Tessalo;

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
// printer: the form's background, its labels and its visible cells in the
// layout's stacking order, in the painter's font. Texts are in the design's
// black whatever the theme: their backgrounds are fixed colours.
void PaintBoard(QPainter& painter, const Tessalo& form, const BoardView& view);

// The frame around a cell a step added: dark wine, at least 3:1 against every
// cell colour and the background.
inline constexpr unsigned kStepMarkRgb = 0x5a0028;
// The ring of any other cell a line of the argument counts.
inline constexpr unsigned kRingRgb = 0x000000;
// The explorer's cursor: a black square about the cell with a white one inside
// it, so that one of the two stands out at least 3:1 on every colour.
inline constexpr unsigned kCursorRgb = 0x000000;
inline constexpr unsigned kCursorRimRgb = 0xffffff;
