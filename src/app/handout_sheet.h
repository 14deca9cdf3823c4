// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/board_picture.h"

#include <span>
#include <string>
#include <vector>

// What every handout (the picture on paper, the strip of the steps, the
// worksheet) takes from the lesson, for the window's renderer and the page's
// alike: the cells alone, the step's cells, a title.

// The board of `form` with `marks`: its cells and what lies over them, without
// the form's background and labels (no size: a renderer lays them out).
BoardPicture CellsAlone(const Tessalo& form, const PictureMarks& marks = {});

// The cells the step to the picture `form` shows added to the picture before
// it, ascending; every cell for n = 1.
std::vector<int> StepCells(const Tessalo& form);

// How a step's cells are drawn on a sheet: in their colours, or white, for a
// pupil to colour in.
enum class StepCellFill { Coloured, Blank };

// `picture`'s cells `added` white, in a thin frame at the cell's edge, for a pupil
// to colour in: a white cell of the picture is told apart, and the pupil has the
// whole cell to colour.
void BlankCells(BoardPicture& picture, std::span<const int> added);

// The picture of identity `kind` (1..6) at n = m, cells alone, the step's cells
// framed.
BoardPicture StepPicture(int kind, int m, Language language, StepCellFill fill = StepCellFill::Coloured);

// The strip of the steps lays the pictures for 1 .. n out in rows: the number of
// columns that gives them the most room in an area `areaWidth` by `areaHeight`,
// each picture `boxWidth` by `boxHeight` at scale 1 with `below` beneath it for
// its sum (all in one unit).
int StripColumns(int n, double areaWidth, double areaHeight, double boxWidth, double boxHeight, double below);

// "Триъгълни числа, n = 4": the identity's name and n, over a handout.
std::string HandoutTitle(int kind, int n, Language language);
// "1 + 3 + 5 = 9": the sum at m written out, beneath a picture of the strip.
std::string StepSum(int kind, int m);
