// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// 1 + 2 + ... + n + ... + 2 + 1 = n*n: a full n × n square in one colour; its
// diagonals from lower left to upper right hold 1, 2, ..., n, ..., 2, 1 squares.
#include "app/tessalo.h"
#include "runtime/numbers.h"

void Tessalo::ProvePyramidSum()
{
    const double n = ReadN();
    CellIndex = 0;
    Shape1(0).Visible = true;
    Text1(0).Text = Text(TextId::ProofHead);
    Append("1 + 2 +... + n-1 + n + n-1 +....+ 2 + 1 = n*n\r\n");
    PaintCell(0);
    for (int i = 1; i <= n; ++i) {
        // the first row starts in column 2: the template already fills column 1
        const int j0 = i < 2 ? 2 : 1;
        for (int j = j0; j <= n; ++j) {
            CreateCell();
            PlaceOnGrid(i - 1, j - 1);
            Shape1(CellIndex).Visible = true;
        }
    }
    Append("1");
    for (int i = 2; i <= n; ++i) {
        Append("+");
        AppendNumber(i);
    }
    for (int i = static_cast<int>(n) - 1; i >= 1; --i) {
        Append("+");
        AppendNumber(i);
    }
    Append(" = ");
    AppendNumber(CheckedInt16(CellIndex + 1));
    Append("\r\n");
    CellTotal = CellIndex;
}
