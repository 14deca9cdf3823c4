// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The identities beyond the form's six, each described once as data: its term,
// its closed form and the step's chain as formulas a pupil could type (one
// letter, k or n; `*` or a factor against another, `/`, `^`, brackets), false
// claims about its sum, and its picture for n. Every tool of the lesson works
// from this description; adding an identity is one file and its rows in the tests.

inline constexpr int kFirstFurtherKind = 7;
inline constexpr int kLastFurtherKind = 11;
inline constexpr int kProgressionKind = 8;  // its first term a and difference d chosen too

// One cell of a picture on a grid, counted from the picture's top left corner.
struct GridCell {
    int column;
    int row;
    std::int16_t colour;  // the board's colours: 0 blue, 1 near white, 2 brown-orange
    // false: drawn to explain the sum (the second copy of a staircase, the one
    // cell 2ⁿ has more), not one of its terms' cells: outlined on the board's
    // background, whatever its colour
    bool counted = true;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The first term and the difference of an arithmetic progression, 1..5 each.
struct Progression {
    int a = 1;
    int d = 1;
};

struct FurtherIdentity {
    int kind = 0;  // 7..11
    int maxN = 0;
    TextId name = TextId::None;
    // How the sum is written with numbers: 0 each term's value ("2 + 4 + 6"),
    // 2 or 3 its index to that power ("1² + 2² + 3²").
    int writtenPower = 0;
    std::string term;      // the k-th term, in k: "2k"
    std::string nextTerm;  // the same for k + 1, as a teacher writes it: "2(k+1)"
    std::string sum;       // the right-hand side, in n: "n(n+1)"
    std::string nextSum;   // the same for k + 1: "(k+1)(k+2)"
    // From the sum for k and the next term to the sum for k + 1, in k: the
    // first side is what the hypothesis gives, the last `nextSum`.
    std::vector<std::string> chain;
    // False right-hand sides, in n: each has only its base or only its step.
    std::vector<std::string> broken;
    // The picture for n (1..maxN): the picture for n - 1 and then what the step adds.
    std::function<std::vector<GridCell>(int n)> cells;
    // What a cell of each of the board's colours (blue, near white, brown) counts
    // in the picture, as a tactile sheet's key says it; a colour it lacks: None.
    std::array<TextId, 3> colourCounts = {};
    Progression progression = {};  // the progression's, written into its formulas
};

// Identity `kind` (7..11); the progression's first term and difference for 8.
// Any other kind: an identity with no kind.
FurtherIdentity DescribeFurther(int kind, Progression progression = {});

// Each identity's description, in its own file.
FurtherIdentity EvenSum();
FurtherIdentity ProgressionSum(Progression progression);
FurtherIdentity PowersOfTwoSum();
FurtherIdentity CubeSum();
FurtherIdentity SquareSum();
