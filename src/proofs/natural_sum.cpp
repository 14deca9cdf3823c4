// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// 1 + 2 + ... + n = n(n+1)/2 as a staircase of circles: row r holds r circles,
// flush left from the template; one text line per row numbers its circles.
#include "app/tessalo.h"
#include "runtime/numbers.h"

void Tessalo::ProveNaturalSum()
{
    const double n = ReadN();
    CellIndex = 0;
    Shape1(0).Visible = true;
    Text1(0).Text = Text(TextId::ProofHead);
    Append("1+2+...+n=n*(n+1)/2\r\n");
    Append("1");
    PaintCell(0);
    for (int r = 1; r <= n; ++r) {
        // row 1 is the template alone
        const std::int16_t lastColumn = r < 2 ? 0 : CheckedInt16(r);
        for (int c = 1; c <= lastColumn; ++c) {
            CellIndex = CheckedInt16(CellIndex + 1);
            AppendNumber(c);
            Append(" ");
            Shape1.Load(CellIndex);
            PlaceOnGrid(r - 1, c - 1);
            Shape1(CellIndex).Visible = true;
        }
        Append("\r\n");
    }
    AppendCountLine();
    CellTotal = CellIndex;
}
