// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/tessalo.h"

#include <vector>

// Shape1 indices, ascending, of the visible cells of `current` whose (Left, Top)
// no visible cell of `previous` holds: what the step from one picture to the next added.
std::vector<int> AddedCells(const Tessalo& previous, const Tessalo& current);

// The n chosen in the list, as the form reads it from the item's text; 0 for none.
int ChosenN(const Tessalo& form);

// Moves the chosen n by delta within 1..11 and presses Show, as choosing that n in
// the list does. With no n chosen, a step up chooses 1 and a step down changes nothing.
void StepN(Tessalo& form, int delta);

// The form's identity drawn for `n` (1..11) as Show draws it; for any other n
// a loaded form with that identity chosen and an empty board. The step to n
// is measured against PictureForN(form, n - 1), whatever was shown before.
Tessalo PictureForN(const Tessalo& form, int n);
