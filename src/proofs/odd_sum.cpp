// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// 1 + 3 + 5 + ... + (2n-1) = n*n: an n × n square of L-shaped bands around the
// top-left corner, band m holding the m-th odd number of squares; odd bands near
// white, even bands blue.
#include "app/tessalo.h"
#include "runtime/numbers.h"

#include <algorithm>

void Tessalo::ProveOddSum()
{
    const double n = ReadN();
    Shape1(0).Visible = true;
    CellIndex = 0;
    Text1(0).Text = Text(TextId::ProofHead);
    Append("1+3+5+...+(2n-1)=n*n\r\n");
    PaintCell(1);
    for (int i = 1; i <= n; ++i) {
        // the first row starts in column 2: the template already fills column 1
        const int j0 = CellIndex < 1 ? 2 : 1;
        for (int j = j0; j <= n; ++j) {
            CreateCell();
            PlaceOnGrid(i - 1, j - 1);
            PaintCell(static_cast<std::int16_t>(std::max(i, j) % 2));
            Shape1(CellIndex).Visible = true;
        }
    }
    const std::int16_t squares = CheckedInt16(CellIndex + 1);
    Append(Text(TextId::ProofTotal));
    AppendNumber(n);
    Append("*");
    AppendNumber(n);
    Append(" = ");
    AppendNumber(squares);
    Append("\r\n");

    Append("1");
    for (int i = 2; i <= n; ++i) {
        Append(" + ");
        AppendNumber(2 * i - 1);
    }
    Append(" = ");
    AppendNumber(n);
    Append("*");
    AppendNumber(n);
    Append(" = ");
    AppendNumber(CheckedInt16(CellIndex + 1));
    Append("\r\n");
    CellTotal = CellIndex;
}
