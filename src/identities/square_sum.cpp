// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/further_identity.h"

namespace {

// The squares of side 1, 2, …, n, each whole and apart from the others, laid
// round one another: the step to n puts the n by n square at the right of all
// before it where they are at least as tall as wide, else beneath them, so the
// picture stays near a square. Three colours in turn keep neighbours apart.
std::vector<GridCell> Squares(int n)
{
    std::vector<GridCell> cells;
    int width = 0;
    int height = 0;
    for (int k = 1; k <= n; ++k) {
        const bool right = height >= width;
        const int left = right ? width : 0;
        const int top = right ? 0 : height;
        const auto colour = static_cast<std::int16_t>((k - 1) % 3);
        for (int row = 0; row < k; ++row) {
            for (int column = 0; column < k; ++column)
                cells.push_back({left + column, top + row, colour});
        }
        if (right) {
            width += k;
            height = std::max(height, k);
        } else {
            height += k;
            width = std::max(width, k);
        }
    }
    return cells;
}

}  // namespace

FurtherIdentity SquareSum()
{
    return {11, 11, TextId::FurtherSquares, 2, "k^2", "(k+1)^2", "n(n+1)(2n+1)/6", "(k+1)(k+2)(2k+3)/6",
            {"k(k+1)(2k+1)/6 + (k+1)^2", "(k+1)[k(2k+1) + 6(k+1)]/6", "(k+1)(2k^2 + 7k + 6)/6",
             "(k+1)(k+2)(2k+3)/6"},
            // only the step; true for n = 1 and 2, then not; only the base
            {"n(n+1)(2n+1)/6 + 2", "4n - 3", "n^2"},
            Squares,
            {TextId::TactileCounts11Blue, TextId::TactileCounts11White, TextId::TactileCounts11Brown}};
}
