// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/tessalo.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One cell of the picture as a blind pupil reaches it with the arrow keys.
struct ExploreCell {
    int index = 0;            // Shape1 index, for a front end to ring
    float left = 0;           // twips, to move to the nearest cell of another row
    bool added = false;       // among the step's added cells
    std::string_view colour;  // "кафяв", said only in a picture of more than one colour
    // Counted in half cells from the left edge of the picture's box, so that a
    // centred row can be heard half a cell in: 2 is column 1, 3 column 1½.
    int halfColumn = 2;
    std::size_t row = 0;  // the row's number, for a cell reached along a diagonal
};

// One row of the picture, its cells from left to right. Its words are made when
// they are said, not for every cell of every picture.
struct ExploreRow {
    std::size_t number = 0;  // from 1, at the top
    std::size_t fresh = 0;   // added cells in it
    bool circles = false;
    bool diagonal = false;   // a diagonal of a square, from its lower left to its upper right
    Language language = Language::bg;  // the form's, which its words are in
    std::vector<ExploreCell> cells;
};

// The picture's rows from the top; empty while the board shows nothing.
using PictureRows = std::vector<ExploreRow>;

// The visible cells of `form` in the picture's own rows (cells of one Top, within
// half a cell), each row by Left; `added` holds the Shape1 indices of the step's
// added cells, in any order. A cell says its colour only in a picture of more
// than one colour, where the colour means something.
PictureRows ExploreRows(const Tessalo& form, std::span<const int> added);
// The same for the cells `cells` (cell i at index i; an invisible one is no part
// of the picture) of a picture beside the form's, its texts in `language`.
PictureRows ExploreRows(std::span<const Cell> cells, std::span<const int> added, Language language);

// The diagonals of a square picture (as many rows as cells in each, lined up),
// from the top left corner, each from its lower left to its upper right; none
// for another picture.
PictureRows Diagonals(const PictureRows& rows);

// Said on entering a row: "ред 3, 3 кръга, колони 1 до 3, 1 нов"; a diagonal:
// "диагонал 3, 3 квадрата".
std::string RowWords(const ExploreRow& row);

// Said on reaching a cell within its row: "ред 3, кръг 2 от 3, колона 2, нов";
// along a diagonal its row too: "диагонал 3, квадрат 2 от 3, ред 2, колона 2".
std::string CellWords(const ExploreRow& row, std::size_t cell);

// Said on reaching a cell from another row: the row, then the cell without its
// row's number again ("ред 3, 3 кръга, колони 1 до 3, 1 нов. Кръг 2 от 3, колона 2, нов").
std::string EnteringWords(const ExploreRow& row, std::size_t cell);

// The whole picture's shape in one sentence, from its rows: "Триъгълник от 4
// реда, центриран: 1, 2, 3, 4 кръга."; "" for no rows.
std::string OverviewWords(const PictureRows& rows);

// The position in `row` of the cell whose Left is nearest `left` (the first of
// two as near); 0 for an empty row.
std::size_t NearestCell(const ExploreRow& row, float left);

// What the cells `cells` (Shape1 indices, any order) are in the picture, said
// with an argument's line: "Отговаря на редове 1 до 3, 6 кръга" for whole rows,
// "Отговаря на диагонал 3, 3 квадрата" for a square's whole diagonals, else
// "Отговаря на 4 кръга в редове 1 до 4"; "" for no cells or all of them.
// `diagonals`: Diagonals(rows), worked out once for all the lines.
std::string CountedWords(const PictureRows& rows, const PictureRows& diagonals, std::span<const int> cells);
