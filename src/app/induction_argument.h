// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"

#include <string>
#include <vector>

// What a line of the argument does; the numbers are stable (the page reads them).
enum class ArgumentRole {
    Claim = 0,        // the statement P(n)
    BaseCase = 1,     // P(1) checked with numbers
    Hypothesis = 2,   // P(k) assumed, in letters
    NewTerm = 3,      // what the step adds, its cells the step's added cells
    Step = 4,         // an equality of the step's chain in letters, P(k + 1)'s left side to its right
    Conclusion = 5,
    Goal = 6,         // what is to be proved: P(n) for every n >= 1
    StepGoal = 7,     // P(k + 1), to be proved from P(k)
    Example = 8,      // the chain with the picture's numbers, k = n - 1, and its heading
    PictureTerm = 9,  // a term of the sum for n with the cells that are it: a diagonal, two rows
};

struct ArgumentLine {
    ArgumentRole role;
    std::string text;        // UTF-8, formulas as a teacher writes them: ·, ², a/b, no-break spaces inside
    std::string spoken;      // the same in words, for a screen reader
    std::vector<int> cells;  // Shape1 indices, ascending, of the cells the line speaks of
};

// The proof by induction of one identity: the statement and the goal, the base
// case, the hypothesis P(k), the step to P(k + 1) as a chain of equalities and
// the conclusion, all in letters; then, for a picture of n >= 2, the same chain
// with its numbers (k = n - 1) and the terms the picture shows.
struct InductionArgument {
    std::vector<ArgumentLine> lines;
};

// The lines for identity `kind` (1..6) and n (1..11; another n: the proof in
// letters alone) with no cells; for any other kind no lines.
InductionArgument ArgumentLines(int kind, int n, Language language = Language::bg);

// The cells of a board showing a picture that the lines count, Shape1 indices ascending.
struct ArgumentCells {
    std::vector<int> all;       // every visible cell
    std::vector<int> base;      // at the places of the picture for 1
    std::vector<int> previous;  // at the places of the picture for k = n - 1
    std::vector<int> added;     // the others: what the step to n added
    // The terms the picture shows: the square's diagonals from the top left
    // (identity 5), the staircase's rows by length, the row of 1 first (identity 6).
    std::vector<std::vector<int>> parts;
};

// The lines for identity `kind` and n as ArgumentLines gives them, each with the
// cells it speaks of.
InductionArgument ArgumentWithCells(int kind, int n, ArgumentCells cells, Language language = Language::bg);

// The lines' texts, each ended by "\n".
std::string ArgumentText(const InductionArgument& argument);
