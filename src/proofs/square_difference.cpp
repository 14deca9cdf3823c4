// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// n^2 - (n-1)^2 + (n-2)^2 - ... = n(n+1)/2: a staircase whose rows hold n, n-1,
// ..., 1 squares, flush left, and the alternating sum of squares written out.
#include "app/tessalo.h"
#include "runtime/numbers.h"

#include <cmath>

void Tessalo::ProveSquareDifference()
{
    const double n = ReadN();
    CellIndex = 0;
    Shape1(0).Visible = true;
    Text1(0).Text = Text(TextId::ProofHead);
    Append("\r\n");
    Append("n^2 - (n-1)^2 +(n-2)^2 - (n-3)^2 +...+(-1)^(n-1) = n*(n+1)/2\r\n");
    PaintCell(0);
    for (int i = static_cast<int>(n); i >= 1; --i) {
        // the top row starts in column 2: the template already fills column 1
        const int j0 = CellIndex >= 1 ? 1 : 2;
        for (int j = j0; j <= i; ++j) {
            CreateCell();
            PlaceOnGrid(n - i, j - 1);
            Shape1(CellIndex).Visible = true;
        }
    }
    AppendNumber(n * n);
    Append(" ");
    std::int16_t sign = 1;
    for (int k = static_cast<int>(n) - 1; k >= 1; --k) {
        sign = static_cast<std::int16_t>(-sign);
        const double term = static_cast<double>(sign) * k * k;
        Append(term > 0 ? "+" : "-");
        AppendNumber(std::abs(term));
        Append(" ");
    }
    Append(" = ");
    AppendNumber(CheckedInt16(CellIndex + 1));
    Append("\r\n");
    CellTotal = CellIndex;
}
