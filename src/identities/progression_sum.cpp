// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/further_identity.h"

#include <string>

namespace {

// Each of a and d written into a formula in their place.
std::string With(std::string formula, const Progression& p)
{
    for (std::size_t at = 0; at < formula.size(); ++at) {
        if (formula[at] == 'a' || formula[at] == 'd') {
            const std::string value = std::to_string(formula[at] == 'a' ? p.a : p.d);
            formula.replace(at, 1, value);
            at += value.size() - 1;
        }
    }
    return formula;
}

// A staircase whose row k holds the k-th term, a + (k - 1)d cells, and beside
// it the same staircase turned about (not counted): together an n by 2a + (n - 1)d
// rectangle, twice the sum. The step adds the row n to the staircase and to its
// copy, and d cells to each row of the copy, so that it stays a rectangle.
std::vector<GridCell> Staircase(int n, const Progression& p)
{
    std::vector<GridCell> cells;
    for (int k = 1; k <= n; ++k) {
        const int width = 2 * p.a + (k - 1) * p.d;
        const int term = p.a + (k - 1) * p.d;
        for (int column = 0; column < term; ++column)
            cells.push_back({column, k - 1, 0});
        for (int column = term; column < width; ++column)
            cells.push_back({column, k - 1, 0, false});
        for (int row = 0; row < k - 1; ++row) {
            for (int column = width - p.d; column < width; ++column)
                cells.push_back({column, row, 0, false});
        }
    }
    return cells;
}

}  // namespace

FurtherIdentity ProgressionSum(Progression p)
{
    const std::string sum = "n(2*a + (n-1)*d)/2";
    return {8, 11, TextId::FurtherProgression, 0, With("a + (k-1)*d", p), With("a + k*d", p), With(sum, p),
            With("(k+1)(2*a + k*d)/2", p),
            {With("k(2*a + (k-1)*d)/2 + (a + k*d)", p), With("[k(2*a + (k-1)*d) + 2(a + k*d)]/2", p),
             With("(k+1)(2*a + k*d)/2", p)},
            // one more than the sum: only the step; (n - 1)(n - 2)/2 more: true for
            // n = 1 and 2, then not; n - 1 more: only the base
            {With(sum, p) + " + 1", With(sum, p) + " + (n-1)(n-2)/2", With(sum, p) + " + n - 1"},
            [p](int n) { return Staircase(n, p); },
            {TextId::TactileCounts8, TextId::None, TextId::None},
            p};
}
