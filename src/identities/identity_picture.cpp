// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/identity_picture.h"

#include "app/layout.h"
#include "board/colours.h"

#include <algorithm>

namespace {

int SideOf(const std::vector<GridCell>& cells)
{
    int columns = 1;
    int rows = 1;
    for (const GridCell& cell : cells) {
        columns = std::max(columns, cell.column + 1);
        rows = std::max(rows, cell.row + 1);
    }
    const int across = (kPictureRoom.right - kPictureRoom.left) / columns;
    const int down = (kPictureRoom.bottom - kPictureRoom.top) / rows;
    return std::min({across, down, kLargestCellTwips});
}

}  // namespace

int CellSide(const FurtherIdentity& identity, int n)
{
    return SideOf(identity.cells(n));
}

BoardPicture DescribeFurtherBoard(const Tessalo& form, const FurtherIdentity& identity, int n,
                                  std::span<const int> framed)
{
    BoardPicture picture = DescribeBoard(form);
    // the form's labels stay; its cells and template are the six identities'
    std::erase_if(picture.items, [](const PictureItem& item) { return item.kind != PictureItemKind::Label; });
    const std::vector<GridCell> cells = identity.cells(n);
    const double side = SideOf(cells);
    picture.items.reserve(picture.items.size() + cells.size() + framed.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const GridCell& cell = cells[i];
        picture.items.push_back({PictureItemKind::Cell, kPictureRoom.left + cell.column * side,
                                 kPictureRoom.top + cell.row * side, side, side, kSquare,
                                 cell.counted ? CellColour(cell.colour).value_or(Colour{}) : picture.background, true,
                                 {}, 0, static_cast<int>(i) + 1, {}});
    }
    for (const int i : framed) {
        if (i < 0 || static_cast<std::size_t>(i) >= cells.size())
            continue;
        // inside the cell, a fifth of it thick, as the form's pictures are framed
        const double thickness = side / 5.0;
        const GridCell& cell = cells[static_cast<std::size_t>(i)];
        picture.items.push_back({PictureItemKind::StepFrame, kPictureRoom.left + cell.column * side + thickness / 2,
                                 kPictureRoom.top + cell.row * side + thickness / 2, side - thickness,
                                 side - thickness, kSquare, {}, false, kStepMarkColour, thickness, i + 1, {}});
    }
    return picture;
}
