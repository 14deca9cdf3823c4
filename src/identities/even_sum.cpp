// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/further_identity.h"

namespace {

// An n by n + 1 rectangle: the step to n adds the column n + 1 beside the rows
// there were and the row n beneath them, an L of n + n cells.
std::vector<GridCell> Rectangle(int n)
{
    std::vector<GridCell> cells;
    for (int k = 1; k <= n; ++k) {
        const std::int16_t colour = k % 2 == 1 ? 0 : 1;
        for (int row = 0; row < k; ++row)
            cells.push_back({k, row, colour});
        for (int column = 0; column < k; ++column)
            cells.push_back({column, k - 1, colour});
    }
    return cells;
}

}  // namespace

FurtherIdentity EvenSum()
{
    return {7, 11, TextId::FurtherEvenSum, 0, "2k", "2(k+1)", "n(n+1)", "(k+1)(k+2)",
            {"k(k+1) + 2(k+1)", "(k+1)(k+2)"},
            // the first two have only the base (4n − 2 holds for n = 1 and 2 too), the last only the step
            {"4n - 2", "2n^2", "n^2 + n + 2"},
            Rectangle,
            {TextId::TactileCounts7Blue, TextId::TactileCounts7White, TextId::None}};
}
