// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// 1 + 2 + ... + n = n(n+1)/2 as a triangle of circles standing on its base:
// row i holds i circles, centred under the apex, so each row starts half a
// circle further left than the row above.
#include "app/tessalo.h"
#include "runtime/numbers.h"

#include <cmath>

void Tessalo::ProveTriangleSum()
{
    const double n = ReadN();
    CellIndex = 0;
    // the apex stands half way across the area left of the column of controls
    Shape1(0).Left = Label1(1).Left / 2.0f;
    Shape1(0).Top = CheckedInt16(std::lrint(Label1(1).Top));  // to even, as 16-bit rounding goes
    Shape1(0).Visible = true;
    Text1(0).Text = Text(TextId::ProofHead);
    Append("1+2+...+n=n*(n+1)/2\r\n");
    Append("1");
    PaintCell(0);
    for (int i = 1; i <= n; ++i) {
        const double rowLeft = Shape1(0).Left - ((i - 2) / 2.0) * Shape1(0).Width;
        const int cells = i < 2 ? 0 : i;
        for (int j = 1; j <= cells; ++j) {
            CellIndex = CheckedInt16(CellIndex + 1);
            AppendNumber(j);
            Append(" ");
            Shape1.Load(CellIndex);
            const Cell& origin = Shape1(0);
            PlaceCell(origin.Top + (i - 1) * static_cast<double>(origin.Height),
                      (rowLeft - origin.Width / 2.0f) + (j - 1) * static_cast<double>(origin.Width));
            Shape1(CellIndex).Visible = true;
        }
        Append("\r\n");
    }
    AppendCountLine();
    CellTotal = CellIndex;
}
