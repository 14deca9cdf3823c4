// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/shape_array.h"

// Calls visit(index, cell) for every loaded, visible cell, in ascending index order.
template <class Visit>
void ForEachVisibleCell(const ShapeArray& cells, Visit visit)
{
    for (int i = 0; i < cells.End(); ++i) {
        if (cells.Exists(i) && cells(i).Visible)
            visit(i, cells(i));
    }
}
