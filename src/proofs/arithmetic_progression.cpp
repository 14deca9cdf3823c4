// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The progression 1, 2, ..., n and its sum n(n+1)/2 as a staircase of squares:
// each row is the row above plus one square, the added square brown-orange.
#include "app/tessalo.h"
#include "runtime/numbers.h"

void Tessalo::ProveArithmeticProgression()
{
    const double n = ReadN();
    CellIndex = 0;
    Shape1(0).Visible = true;
    PaintCell(0);
    Text1(0).Text = Text(TextId::ProofHead);
    Append("1+2+...+n=n*(n+1)/2\r\n");
    Append("1");
    for (int r = 1; r <= n; ++r) {
        // row 1 is the template alone
        const std::int16_t lastColumn = r < 2 ? 0 : CheckedInt16(r);
        for (int c = 1; c <= lastColumn; ++c) {
            CellIndex = CheckedInt16(CellIndex + 1);
            AppendNumber(c);
            Append(" ");
            // the copy of the brown-orange template turns blue before it shows
            Shape1.Load(CellIndex);
            PaintCell(0);
            PlaceOnGrid(r - 1, c - 1);
            Shape1(CellIndex).Visible = true;
        }
        PaintCell(2);  // the row's last square, in row 1 the template
        Append("\r\n");
    }
    AppendCountLine();
    CellTotal = CellIndex;
}
