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

// The cells of the grid `grid`, `sideTwips` each; one not counted in the board's colour.
std::vector<Cell> CellsOfSide(const std::vector<GridCell>& grid, int sideTwips)
{
    const auto side = static_cast<float>(sideTwips);
    std::vector<Cell> cells;
    cells.reserve(grid.size());
    for (const GridCell& cell : grid) {
        cells.push_back({kPictureRoom.left + static_cast<float>(cell.column) * side,
                         kPictureRoom.top + static_cast<float>(cell.row) * side, side, side,
                         cell.counted ? CellColour(cell.colour).value_or(Colour{}) : kWindowLayout.background, kSquare,
                         cell.counted});
    }
    return cells;
}

// The cells as items of a board, the cell i of the picture item cell i.
void AddCells(BoardPicture& picture, const std::vector<Cell>& cells)
{
    picture.items.reserve(picture.items.size() + cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Cell& cell = cells[i];
        picture.items.push_back({PictureItemKind::Cell, cell.Left, cell.Top, cell.Width, cell.Height, kSquare,
                                 cell.BackColor, true, {}, 0, static_cast<int>(i), {}});
    }
}

}  // namespace

int CellSide(const FurtherIdentity& identity, int n)
{
    return SideOf(identity.cells(n));
}

std::vector<Cell> FurtherCells(const FurtherIdentity& identity, int n)
{
    const std::vector<GridCell> grid = identity.cells(n);
    return CellsOfSide(grid, SideOf(grid));
}

BoardPicture DescribeFurtherBoard(const Tessalo& form, const FurtherIdentity& identity, int n)
{
    BoardPicture picture = DescribeBoard(form);
    // the form's labels stay; its cells and template are the six identities'
    std::erase_if(picture.items, [](const PictureItem& item) { return item.kind != PictureItemKind::Label; });
    if (n >= 1 && n <= identity.maxN)
        AddCells(picture, FurtherCells(identity, n));
    return picture;
}

std::vector<int> StepCellsOf(const FurtherIdentity& identity, int n)
{
    const std::vector<GridCell> cells = identity.cells(n);
    std::vector<int> step;
    for (std::size_t i = n > 1 ? identity.cells(n - 1).size() : 0; i < cells.size(); ++i) {
        if (cells[i].counted)
            step.push_back(static_cast<int>(i));
    }
    return step;
}

BoardPicture FurtherStepPicture(const FurtherIdentity& identity, int m, int n)
{
    BoardPicture picture{0, 0, kWindowLayout.background, {}};
    AddCells(picture, CellsOfSide(identity.cells(m), CellSide(identity, n)));
    return MarkedBoard(std::move(picture), {StepCellsOf(identity, m), {}, {}, false, -1});
}

std::vector<Cell> CountedCells(const BoardPicture& picture)
{
    std::vector<Cell> cells;
    for (const PictureItem& item : picture.items) {
        if (item.kind != PictureItemKind::Cell || item.cell < 0 || item.fill == picture.background)
            continue;
        if (cells.size() <= static_cast<std::size_t>(item.cell))
            cells.resize(static_cast<std::size_t>(item.cell) + 1);
        cells[static_cast<std::size_t>(item.cell)] = {static_cast<float>(item.left), static_cast<float>(item.top),
                                                      static_cast<float>(item.width), static_cast<float>(item.height),
                                                      item.fill, item.shape, true};
    }
    return cells;
}
