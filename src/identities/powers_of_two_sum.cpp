// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/further_identity.h"

namespace {

// 2ⁿ cells as a rectangle, the top left one not counted: 1 + 2 + … + 2ⁿ⁻¹ is
// that rectangle less one cell. The step to n lays a copy of the rectangle for
// n - 1 beside it (n odd) or beneath it (n even): each step doubles it.
std::vector<GridCell> Doubling(int n)
{
    std::vector<GridCell> cells{{0, 0, 0, false}};
    int width = 1;
    int height = 1;
    for (int k = 1; k <= n; ++k) {
        // a block touches the two before it: three colours in turn keep them apart
        const auto colour = static_cast<std::int16_t>((k - 1) % 3);
        const int left = k % 2 == 1 ? width : 0;
        const int top = k % 2 == 1 ? 0 : height;
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column)
                cells.push_back({left + column, top + row, colour});
        }
        (k % 2 == 1 ? width : height) *= 2;
    }
    return cells;
}

}  // namespace

FurtherIdentity PowersOfTwoSum()
{
    return {9, 7, TextId::FurtherPowersOfTwo, 0, "2^(k-1)", "2^k", "2^n - 1", "2^(k+1) - 1",
            {"2^k - 1 + 2^k", "2*2^k - 1", "2^(k+1) - 1"},
            // 2ⁿ: only the step; the other two hold for n = 1, 2 (and 3), then not
            {"2^n", "n^2 - n + 1", "2n - 1"},
            Doubling,
            {TextId::TactileCounts9Blue, TextId::TactileCounts9White, TextId::TactileCounts9Brown}};
}
