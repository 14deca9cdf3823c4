// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/lesson_step.h"
#include "app/tessalo.h"

#include <string>
#include <vector>

// Predict, then reveal: a mode of the lesson in which a step up holds back what
// it added until the class has guessed how many cells that is. The form itself
// is not touched: only what the front ends show waits.

// Whether `view`, the view after `command` left `form`, waits for the class's
// guess: a step up to a new n >= 2. (At the end nothing is added; the step to 1
// is the base case, with nothing before it to count on.)
bool WaitsForGuess(const Tessalo& form, LessonCommand command, const LessonView& view);

// What a front end shows while the class guesses, from the view after the step.
struct HeldBack {
    // Nothing framed or built; the argument up to the hypothesis, then the question
    // in place of the step (no cells); the rows of the cells that stood before;
    // the question spoken.
    LessonView view;
    std::vector<int> hidden;  // the added cells, which the board leaves out, ascending
};

// `form` is the form after the step, `view` what LessonStep returned for it.
// While the class guesses, the proof text shown stays the one before the step,
// since the form writes out the sum for the new n, which is the answer.
// `rowsBefore`: the rows of the picture without the step's cells.
HeldBack HoldBack(const Tessalo& form, const LessonView& view, PictureRows rowsBefore);
// The rows of the form's picture without the cells `view` framed.
PictureRows RowsBeforeStep(const Tessalo& form, const LessonView& view);

// What the reveal says: `shown` in the panel, `spoken` for a screen reader (the
// step's sentence with the verdict first, without a colon, which some
// punctuation levels read out).
struct Revealed {
    std::string shown;
    std::string spoken;
};

// The reveal after `view` when the class guessed `guess` cells; a negative
// guess: none (the teacher revealed at once).
Revealed Reveal(const Tessalo& form, const LessonView& view, long guess);
