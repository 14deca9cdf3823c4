// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/tessalo.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What the board shows, as plain values: the form's background, its labels and
// its cells, and what a lesson lays over them (the step's frames, the rings of
// an argument's line, the explorer's cursor). Every output renders this and
// nothing else: the window's painter (screen, files, printer) and the page.
// Places and sizes are twips from the form's corner.

enum class PictureItemKind : std::int32_t {
    Label = 0,      // a filled box with its caption centred at the top
    Cell = 1,       // a cell, filled, with the outline the renderer chooses
    StepFrame = 2,  // a frame inside a cell the step added, round on a circle
    Ring = 3,       // a ring about the centre of a cell a line of the argument counts
    Cursor = 4,     // the explorer's cursor: a square just about the cell
};

struct PictureItem {
    PictureItemKind kind;
    double left;
    double top;
    double width;
    double height;
    std::int16_t shape;   // kSquare or kCircle: how the box is drawn
    Colour fill;          // a label's or cell's fill
    bool filled;
    Colour line;          // a frame's, ring's or cursor's stroke, centred on the box's edge
    double lineWidth;     // twips; a cell's outline: 0, the renderer's
    int cell;             // the Shape1 index it stands for; -1 for a label
    std::string_view caption;  // a label's, valid while the form lives
};

// What the lesson lays over the form's own cells.
struct PictureMarks {
    std::span<const int> framed;  // the cells the step added, framed
    std::span<const int> hidden;  // cells not drawn (yet), ascending
    std::span<const int> ringed;  // cells ringed as a line of the argument counts them
    bool ringedAdded = false;     // those are the step's: ringed in the frames' colour
    int cursor = -1;              // the cell the keyboard explores, on screen only; -1 none
};

struct BoardPicture {
    int width;          // the form's client area
    int height;
    Colour background;
    std::vector<PictureItem> items;  // in painting order, later ones on top
};

// The frame's wine, at least 3:1 against every cell colour and the background;
// the ring of any other cell; the cursor, black with a white square inside it,
// so that one of the two stands out at least 3:1 on every colour.
inline constexpr Colour kStepMarkColour{0x5a, 0x00, 0x28};
inline constexpr Colour kRingColour{0, 0, 0};
inline constexpr Colour kCursorColour{0, 0, 0};
inline constexpr Colour kCursorRimColour{0xff, 0xff, 0xff};

// A saved picture holds the board and beneath it the proof text, this far
// from the picture's edges.
inline constexpr int kPictureTextMarginTwips = 120;
// A build-up shows the whole picture in this time, whatever its size.
inline constexpr int kBuildUpMilliseconds = 1500;

// The frame about a step's cell at (left, top), `width` by `height`: inside the
// cell, a fifth of it thick, so that it never covers a neighbour; round on a circle.
PictureItem StepFrameOf(double left, double top, double width, double height, std::int16_t shape, int index);

// The board `picture` with `marks` over it as DescribeBoard lays them over the
// form's: the hidden cells left out, then the frames, the rings and the cursor;
// what a picture beside the form's, which has no form, is given.
BoardPicture MarkedBoard(BoardPicture picture, const PictureMarks& marks);

// The board of `form` with `marks` over it: labels and the template in the
// layout's stacking order, then every loaded visible cell, then the frames,
// the rings and the cursor.
BoardPicture DescribeBoard(const Tessalo& form, const PictureMarks& marks = {});

// The name a saved picture of identity `kind` (1..6) at `n` is offered under,
// without its extension: "tessalo-kind-4-n-11"; "tessalo" for no picture (0).
std::string PictureFileStem(int kind, int n);
