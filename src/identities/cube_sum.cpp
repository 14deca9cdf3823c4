// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/further_identity.h"

namespace {

int Triangle(int k)
{
    return k * (k + 1) / 2;
}

void AddBlock(std::vector<GridCell>& cells, int left, int top, int width, int height, std::int16_t colour)
{
    for (int row = top; row < top + height; ++row) {
        for (int column = left; column < left + width; ++column)
            cells.push_back({column, row, colour});
    }
}

// The square of side 1 + 2 + … + n, built of L-shaped bands: band k, around
// the square of side 1 + … + (k - 1), is k squares of k by k cells, k³. Down its
// right arm from the top, then along its bottom arm to the left, the squares
// take turns in blue and white; where k is even, one square is cut in two at
// the corner, its halves in brown.
std::vector<GridCell> Bands(int n)
{
    std::vector<GridCell> cells;
    for (int k = 1; k <= n; ++k) {
        const int inner = Triangle(k - 1);
        const int outer = Triangle(k);
        int turn = k % 2;
        const auto next = [&turn] { return static_cast<std::int16_t>(turn++ % 2); };
        int top = 0;
        for (; top + k <= outer; top += k)
            AddBlock(cells, inner, top, k, k, next());
        if (top < outer)
            AddBlock(cells, inner, top, k, outer - top, 2);
        int left = inner;
        if (k % 2 == 0) {
            left -= k / 2;
            AddBlock(cells, left, inner, k / 2, k, 2);
        }
        for (; left >= k; left -= k)
            AddBlock(cells, left - k, inner, k, k, next());
    }
    return cells;
}

}  // namespace

FurtherIdentity CubeSum()
{
    return {10, 7, TextId::FurtherCubes, 3, "k^3", "(k+1)^3", "(n(n+1)/2)^2", "((k+1)(k+2)/2)^2",
            {"(k(k+1)/2)^2 + (k+1)^3", "(k+1)^2 (k^2 + 4(k+1))/4", "(k+1)^2 (k+2)^2/4", "((k+1)(k+2)/2)^2"},
            // only the step; only the base; true for n = 1 and 2, then not
            {"(n(n+1)/2)^2 + 1", "n^3", "n^4 - n^3 + 1"},
            Bands,
            {TextId::TactileCounts10, TextId::TactileCounts10, TextId::TactileCounts10Brown}};
}
