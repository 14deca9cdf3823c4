// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/board_picture.h"
#include "identities/further_identity.h"

#include <span>

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

// The board showing `identity` at n with the form's labels in `form`: its cells
// in order (the cell i of the picture is item cell i + 1), then frames about the
// cells of `framed` (indices into the picture's cells).
BoardPicture DescribeFurtherBoard(const Tessalo& form, const FurtherIdentity& identity, int n,
                                  std::span<const int> framed = {});
