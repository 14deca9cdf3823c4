// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/picture_rows.h"

#include <cstddef>
#include <string>

// The keys that move a cursor over the picture.
enum class WalkKey {
    Left,
    Right,
    Home,       // the line's first cell
    End,        // its last
    Up,         // the nearest cell of the line before
    Down,       // of the line after
    Diagonals,  // along the rows or, in a square, along its diagonals
};

// A cursor on the picture for a pupil who cannot see it, the same in every
// front end: it moves cell by cell along the picture's rows, or along the
// diagonals of a square, and says where it is. At an edge it stays and says
// which edge it is.
class PictureWalk {
public:
    // The rows after an event; the cursor keeps its place as near as they allow,
    // and goes back to the rows when the picture has no diagonals.
    void SetRows(PictureRows rows);
    bool Empty() const { return rows_.empty(); }
    // Moves the cursor; the words to say.
    std::string Press(WalkKey key);
    // Where the cursor is, its row or diagonal first ("ред 3, 3 кръга, колони 1 до 3. Кръг 2 от 3, колона 2").
    std::string Here() const;
    // The Shape1 index of the cell under the cursor; -1 while empty.
    int CellIndex() const;
    const PictureRows& Rows() const { return rows_; }

private:
    const PictureRows& Lines() const { return alongDiagonals_ ? diagonals_ : rows_; }
    std::string MoveTo(std::size_t line, std::size_t cell);
    std::string AtEdge(TextId ofRows, TextId ofDiagonals) const;

    PictureRows rows_;
    PictureRows diagonals_;
    bool alongDiagonals_ = false;
    std::size_t line_ = 0;
    std::size_t cell_ = 0;
};
