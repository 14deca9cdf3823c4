// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/board_picture.h"
#include "identities/further_identity.h"

#include <span>
#include <vector>

// The part of the board the form's pictures take, in twips: the further
// identities' pictures stay inside it, as large as it lets them be.
struct PictureRoom {
    int left;
    int top;
    int right;
    int bottom;
};
inline constexpr PictureRoom kPictureRoom{120, 480, 4530, 4605};
// A cell is never larger than the form's template cell.
inline constexpr int kLargestCellTwips = 375;

// The side of every cell of `identity`'s picture for n, whole twips: the largest
// at which it fits the room, so that the cells get smaller as the picture grows.
int CellSide(const FurtherIdentity& identity, int n);

// The cells of `identity`'s picture for n in twips, in the picture's order; a
// cell not counted in the sum is in the board's colour and not Visible: no part
// of the picture a pupil explores or hears.
std::vector<Cell> FurtherCells(const FurtherIdentity& identity, int n);

// The counted cells the step to n adds, indices into the picture for n: its term.
std::vector<int> StepCellsOf(const FurtherIdentity& identity, int n);

// The picture for m as a strip of the steps shows it beside the pictures up to
// n: its cells alone, as large as the picture for n's, the step's framed.
BoardPicture FurtherStepPicture(const FurtherIdentity& identity, int m, int n);

// The board showing `identity` at n with the form's labels in `form`: its cells
// in order, the cell i of the picture item cell i (MarkedBoard frames them);
// for an n it has no picture for, the labels alone.
BoardPicture DescribeFurtherBoard(const Tessalo& form, const FurtherIdentity& identity, int n);

// The counted cells of a board as FurtherCells gives them, by their item's index:
// what exploring and the sound take from a picture beside the form's.
std::vector<Cell> CountedCells(const BoardPicture& picture);
