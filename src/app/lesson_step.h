// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/induction_argument.h"
#include "app/picture_rows.h"
#include "app/tessalo.h"

#include <string>
#include <vector>

// The commands a front end passes to the form: IdentityChoice a radio button,
// Choice the list or an unknown button.
enum class LessonCommand { Show, Clear, StepUp, StepDown, Choice, IdentityChoice };

// What a front end shows beyond the form after one command.
struct LessonView {
    std::vector<int> framed;     // Shape1 indices, ascending, framed as the step's added cells
    std::string spoken;          // the sentence for a screen reader; empty: nothing is said
                                 // (the list's choice of n: the list speaks its item)
    std::string whole;           // after a step of the picture already shown, the sentence
                                 // with its name and arrangement, which F9 says; "": spoken
    InductionArgument argument;  // for the chosen identity and n; without cells while the
                                 // board shows another picture (after a choice)
    std::vector<int> buildOrder; // Shape1 indices a build-up paints, in order, every other
                                 // cell standing; empty: nothing is built
    PictureRows rows;            // the board's cells by rows for exploring, the framed cells new
};

// The view after `command` has run on `form`. `nBefore` is the n chosen before it
// (0: none) and `previous` the view before it: a step at an end keeps its frames.
// `kindBefore`: the identity the board showed before it (0: none or unknown); a
// step of the same identity says only what it changed.
LessonView LessonStep(const Tessalo& form, LessonCommand command, int nBefore, const LessonView& previous,
                      int kindBefore = 0);

// Each line of the view's argument that counts some of the picture's cells says
// which in its words, for a pupil who cannot see its rings; by its diagonals
// only where the sum counts them (`byDiagonals`), else by rows and columns.
void SayCountedCells(LessonView& view, bool byDiagonals = false);
