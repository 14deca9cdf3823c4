// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture_walk.h"

#include <algorithm>
#include <utility>

void PictureWalk::SetRows(PictureRows rows)
{
    rows_ = std::move(rows);
    diagonals_ = Diagonals(rows_);
    alongDiagonals_ = alongDiagonals_ && !diagonals_.empty();
    const PictureRows& lines = Lines();
    if (lines.empty()) {
        line_ = cell_ = 0;
        return;
    }
    line_ = std::min(line_, lines.size() - 1);
    cell_ = std::min(cell_, lines[line_].cells.size() - 1);
}

std::string PictureWalk::Here() const
{
    return Empty() ? std::string() : EnteringWords(Lines()[line_], cell_);
}

int PictureWalk::CellIndex() const
{
    return Empty() ? -1 : Lines()[line_].cells[cell_].index;
}

std::string PictureWalk::MoveTo(std::size_t line, std::size_t cell)
{
    const bool otherLine = line != line_;
    line_ = line;
    cell_ = cell;
    const ExploreRow& row = Lines()[line_];
    return otherLine ? EnteringWords(row, cell_) : CellWords(row, cell_);
}

// "Край на реда. Кръг 3 от 3, колона 3": the edge, and the cell the cursor stays on.
std::string PictureWalk::AtEdge(TextId ofRows, TextId ofDiagonals) const
{
    const ExploreRow& row = Lines()[line_];
    return std::string(Tr(row.language, alongDiagonals_ ? ofDiagonals : ofRows)) + CellWords(row, cell_);
}

std::string PictureWalk::Press(WalkKey key)
{
    if (Empty())
        return {};
    const PictureRows& lines = Lines();
    const ExploreRow& row = lines[line_];
    const std::size_t last = row.cells.size() - 1;
    switch (key) {
    // Home and End at their end already, as an arrow there: a key that leaves the cursor says why
    case WalkKey::Left:
    case WalkKey::Home:
        if (cell_ == 0)
            return AtEdge(TextId::EdgeRowStart, TextId::EdgeDiagonalStart);
        return MoveTo(line_, key == WalkKey::Home ? 0 : cell_ - 1);
    case WalkKey::Right:
    case WalkKey::End:
        if (cell_ == last)
            return AtEdge(TextId::EdgeRowEnd, TextId::EdgeDiagonalEnd);
        return MoveTo(line_, key == WalkKey::End ? last : cell_ + 1);
    case WalkKey::Up:
        return line_ == 0 ? AtEdge(TextId::EdgePictureTop, TextId::EdgeFirstDiagonal)
                          : MoveTo(line_ - 1, NearestCell(lines[line_ - 1], row.cells[cell_].left));
    case WalkKey::Down:
        return line_ + 1 == lines.size() ? AtEdge(TextId::EdgePictureBottom, TextId::EdgeLastDiagonal)
                                         : MoveTo(line_ + 1, NearestCell(lines[line_ + 1], row.cells[cell_].left));
    case WalkKey::Diagonals: {
        if (diagonals_.empty())
            return std::string(Tr(row.language, TextId::WalkNoDiagonals)) + Here();
        // the same cell, now on its diagonal or its row
        const int index = row.cells[cell_].index;
        alongDiagonals_ = !alongDiagonals_;
        const PictureRows& now = Lines();
        for (std::size_t l = 0; l < now.size(); ++l) {
            for (std::size_t c = 0; c < now[l].cells.size(); ++c) {
                if (now[l].cells[c].index == index) {
                    line_ = l;
                    cell_ = c;
                }
            }
        }
        return std::string(Tr(row.language, alongDiagonals_ ? TextId::WalkAlongDiagonals : TextId::WalkAlongRows)) +
               Here();
    }
    }
    return {};
}
