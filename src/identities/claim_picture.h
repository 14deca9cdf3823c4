// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/board_picture.h"
#include "identities/fraction.h"

// `picture` (a board, or its cells alone) with what a claim about its count gets
// wrong marked in the step's wine: where the claim says fewer than the `counted`
// cells there are, the last cells it leaves out framed; where it says more, the
// cells it adds (at most as many as the picture has, or 100), empty and framed,
// in rows beneath the picture. A claim that is no whole number of cells marks
// nothing: its text says what it is.
BoardPicture MarkClaim(BoardPicture picture, long counted, const Fraction& claimed);
