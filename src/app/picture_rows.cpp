// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/picture_rows.h"

#include "app/visible_cells.h"
#include "board/colours.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>
#include <string_view>

namespace {

struct Placed {
    float top;
    float left;
    int index;
    const Cell* cell;
};

// "кафяв": the colour of one of the proofs' three states, in the noun's gender;
// empty for any other colour.
std::string_view ColourWord(const Colour& colour, Language language)
{
    static const std::optional<Colour> kColours[] = {CellColour(0), CellColour(1), CellColour(2)};
    static constexpr TextId kWords[] = {TextId::ColourBlue, TextId::ColourWhite, TextId::ColourBrown};
    for (std::size_t state = 0; state < 3; ++state) {
        if (kColours[state] == colour)
            return Tr(language, kWords[state]);
    }
    return {};
}

// A few words put together on the stack, so that each text costs one exact
// allocation.
class Words {
public:
    Words& operator<<(std::string_view text)
    {
        const std::size_t room = sizeof data_ - size_;
        const std::size_t taken = text.size() < room ? text.size() : room;
        text.copy(data_ + size_, taken);
        size_ += taken;
        return *this;
    }
    Words& operator<<(std::size_t count)
    {
        const auto [end, error] = std::to_chars(data_ + size_, data_ + sizeof data_, count);
        if (error == std::errc())
            size_ = static_cast<std::size_t>(end - data_);
        return *this;
    }
    std::string Text() const { return {data_, size_}; }

private:
    char data_[224];
    std::size_t size_ = 0;
};

// "2", "2 и половина": a column counted in half cells.
void AppendColumn(Words& words, int halfColumn, Language language)
{
    words << static_cast<std::size_t>(halfColumn / 2);
    if (halfColumn % 2 != 0)
        words << Tr(language, TextId::ColumnHalf);
}

// "колона 2", "колони 1 и 2", "колони 1 до 3": half columns `first` to `last`, `between`: any
// cell between them. Not "1 и половина и 2", which is heard two ways.
void AppendColumnSpan(Words& words, int first, int last, bool between, Language language)
{
    words << Tr(language, first == last ? TextId::ColumnWord : TextId::ColumnsWord);
    AppendColumn(words, first, language);
    if (first == last)
        return;
    words << Tr(language, !between && first % 2 == 0 && last % 2 == 0 ? TextId::AndWord : TextId::ColumnsTo);
    AppendColumn(words, last, language);
}

// "3 кръга": the counted form after any count but 1, 2 кръга, 5 квадрата.
void AppendCount(Words& words, std::size_t count, bool circles, Language language)
{
    words << count << " ";
    if (circles)
        words << Tr(language, count == 1 ? TextId::SpokenCircle : TextId::SpokenCircles);
    else
        words << Tr(language, count == 1 ? TextId::SpokenSquare : TextId::SpokenSquares);
}

// "ред 3", "диагонал 3"
void AppendLine(Words& words, const ExploreRow& row, Language language)
{
    words << Tr(language, row.diagonal ? TextId::DiagonalWord : TextId::RowWord) << row.number;
}

// "ред 3, 3 кръга, колони 1 до 3, 1 нов": where a row starts and ends tells a
// staircase from a centred triangle.
void AppendRow(Words& words, const ExploreRow& row, Language language)
{
    const std::size_t count = row.cells.size();
    AppendLine(words, row, language);
    words << ", ";
    AppendCount(words, count, row.circles, language);
    if (!row.diagonal) {
        words << ", ";
        AppendColumnSpan(words, row.cells.front().halfColumn, row.cells.back().halfColumn, count > 2, language);
    }
    if (row.fresh > 0)
        words << ", " << row.fresh << " " << Tr(language, row.fresh == 1 ? TextId::RowNewOne : TextId::RowNewMany);
}

// "кръг 2 от 3, колона 2, кафяв, нов": a cell of `row` without the row's number.
void AppendCell(Words& words, const ExploreRow& row, std::size_t cell, bool capital, Language language)
{
    const ExploreCell& explored = row.cells[cell];
    if (capital)
        words << Tr(language, row.circles ? TextId::CellCircle : TextId::CellSquare);
    else
        words << Tr(language, row.circles ? TextId::SpokenCircle : TextId::SpokenSquare);
    words << " " << cell + 1 << Tr(language, TextId::CellOf) << row.cells.size();
    if (row.diagonal)
        words << ", " << Tr(language, TextId::RowWord) << explored.row;
    words << ", " << Tr(language, TextId::ColumnWord);
    AppendColumn(words, explored.halfColumn, language);
    if (!explored.colour.empty())
        words << ", " << explored.colour;
    if (explored.added)
        words << ", " << Tr(language, TextId::RowNewOne);
}

}  // namespace

namespace {

// The rows of the cells `placed` (each with its index, below `end`): the cells whose
// Top lies within half a cell of the row's first cell's, each row by Left.
PictureRows RowsOf(std::vector<Placed> placed, std::span<const int> added, std::size_t end, Language language)
{
    bool colourful = false;
    for (const Placed& cell : placed)
        colourful = colourful || cell.cell->BackColor != placed.front().cell->BackColor;
    // most proofs draw row by row, from the left: then there is nothing to sort
    const auto byPlace = [](const Placed& a, const Placed& b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    };
    if (!std::is_sorted(placed.begin(), placed.end(), byPlace))
        std::sort(placed.begin(), placed.end(), byPlace);

    // the picture's box: its leftmost cell's left edge
    float boxLeft = 0;
    for (std::size_t i = 0; i < placed.size(); ++i)
        boxLeft = i == 0 ? placed[i].left : std::min(boxLeft, placed[i].left);

    std::vector<bool> isAdded(end, false);
    for (int index : added) {
        if (index >= 0 && static_cast<std::size_t>(index) < end)
            isAdded[static_cast<std::size_t>(index)] = true;
    }

    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (starts.empty() || std::fabs(placed[i].top - placed[starts.back()].top) >= placed[starts.back()].cell->Height / 2)
            starts.push_back(i);
    }
    starts.push_back(placed.size());

    PictureRows rows(starts.size() - 1);
    for (std::size_t r = 0; r + 1 < starts.size(); ++r) {
        const std::size_t first = starts[r];
        const std::size_t last = starts[r + 1];
        std::sort(placed.begin() + static_cast<std::ptrdiff_t>(first), placed.begin() + static_cast<std::ptrdiff_t>(last),
                  [](const Placed& a, const Placed& b) { return a.left < b.left; });

        ExploreRow& row = rows[r];
        row.number = r + 1;
        row.circles = placed[first].cell->Shape == kCircle;
        row.language = language;
        row.cells.resize(last - first);
        for (std::size_t i = first; i < last; ++i) {
            ExploreCell& explored = row.cells[i - first];
            explored.index = placed[i].index;
            explored.left = placed[i].left;
            explored.added = isAdded[static_cast<std::size_t>(placed[i].index)];
            explored.row = row.number;
            explored.halfColumn = 2 + static_cast<int>(std::lround(2 * (placed[i].left - boxLeft) / placed[i].cell->Width));
            row.fresh += explored.added ? 1 : 0;
            if (colourful)
                explored.colour = ColourWord(placed[i].cell->BackColor, language);
        }
    }
    return rows;
}

}  // namespace

PictureRows ExploreRows(const Tessalo& form, std::span<const int> added)
{
    const ShapeArray& shapes = form.Shape1;
    std::vector<Placed> placed;
    placed.reserve(static_cast<std::size_t>(shapes.Count()));
    ForEachVisibleCell(shapes, [&](int index, const Cell& cell) { placed.push_back({cell.Top, cell.Left, index, &cell}); });
    return RowsOf(std::move(placed), added, static_cast<std::size_t>(shapes.End()), form.language);
}

PictureRows ExploreRows(std::span<const Cell> cells, std::span<const int> added, Language language)
{
    std::vector<Placed> placed;
    placed.reserve(cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].Visible)
            placed.push_back({cells[i].Top, cells[i].Left, static_cast<int>(i), &cells[i]});
    }
    return RowsOf(std::move(placed), added, cells.size(), language);
}

PictureRows Diagonals(const PictureRows& rows)
{
    const std::size_t size = rows.size();
    for (const ExploreRow& row : rows) {
        if (row.cells.size() != size || row.cells.front().halfColumn != 2 || row.cells.back().halfColumn != 2 * static_cast<int>(size))
            return {};
    }
    PictureRows diagonals(size == 0 ? 0 : 2 * size - 1);
    for (std::size_t d = 0; d < diagonals.size(); ++d) {
        ExploreRow& diagonal = diagonals[d];
        diagonal.number = d + 1;
        diagonal.circles = rows.front().circles;
        diagonal.diagonal = true;
        diagonal.language = rows.front().language;
        // from its lower left: the lowest row that reaches it, up to the top row that does
        const std::size_t lowest = std::min(d, size - 1);
        for (std::size_t r = lowest + 1; r-- > 0 && d - r < size;) {
            diagonal.cells.push_back(rows[r].cells[d - r]);
            diagonal.fresh += rows[r].cells[d - r].added ? 1 : 0;
        }
    }
    return diagonals;
}

std::string RowWords(const ExploreRow& row)
{
    const Language language = row.language;
    Words words;
    AppendRow(words, row, language);
    return words.Text();
}

std::string CellWords(const ExploreRow& row, std::size_t cell)
{
    const Language language = row.language;
    Words words;
    AppendLine(words, row, language);
    words << ", ";
    AppendCell(words, row, cell, false, language);
    return words.Text();
}

std::string EnteringWords(const ExploreRow& row, std::size_t cell)
{
    const Language language = row.language;
    Words words;
    AppendRow(words, row, language);
    words << ". ";
    AppendCell(words, row, cell, true, language);
    return words.Text();
}

std::size_t NearestCell(const ExploreRow& row, float left)
{
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < row.cells.size(); ++i) {
        if (std::fabs(row.cells[i].left - left) < std::fabs(row.cells[nearest].left - left))
            nearest = i;
    }
    return nearest;
}

std::string OverviewWords(const PictureRows& rows)
{
    if (rows.empty())
        return {};
    const Language language = rows.front().language;
    const bool circles = rows.front().circles;
    const std::size_t size = rows.size();
    const std::size_t first = rows.front().cells.size();
    const int start = rows.front().cells.front().halfColumn;
    const int middle = start + rows.front().cells.back().halfColumn;
    bool sameCount = true;
    bool sameStart = true;
    bool centred = true;
    bool growing = true;
    bool shrinking = true;
    std::size_t total = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::vector<ExploreCell>& cells = rows[i].cells;
        total += cells.size();
        sameCount = sameCount && cells.size() == first;
        sameStart = sameStart && cells.front().halfColumn == start;
        centred = centred && cells.front().halfColumn + cells.back().halfColumn == middle;
        growing = growing && (i == 0 || cells.size() == rows[i - 1].cells.size() + 1);
        shrinking = shrinking && (i == 0 || cells.size() + 1 == rows[i - 1].cells.size());
    }
    Words words;
    if (size == 1) {
        AppendCount(words, first, circles, language);
    } else if (sameCount && sameStart) {
        // "Квадрат 4 по 4, 16 квадрата"
        words << Tr(language, size == first ? TextId::OverviewSquare : TextId::OverviewRectangle) << size
              << Tr(language, TextId::SpokenBy) << first << ", ";
        AppendCount(words, total, circles, language);
    } else {
        // "Триъгълник от 4 реда, центриран, с 1, 2, 3, 4 кръга"
        const TextId shape = centred      ? TextId::OverviewTriangle
                             : !sameStart ? TextId::OverviewPicture
                             : growing    ? TextId::OverviewStaircase
                             : shrinking  ? TextId::OverviewUpsideDown
                                          : TextId::OverviewPicture;
        words << Tr(language, shape) << size << " " << Tr(language, TextId::SpokenRows);
        if (centred)
            words << Tr(language, TextId::OverviewCentred);
        else if (sameStart)
            words << Tr(language, TextId::OverviewOnTheLeft);
        words << Tr(language, TextId::OverviewWith);
        // a long list as a teacher reads a long sum: the first two and the last
        for (std::size_t i = 0; i < size; ++i) {
            if (size > 5 && i == 2) {
                words << Tr(language, TextId::SayAndSoOn) << ", ";
                i = size - 1;
            }
            if (i + 1 < size)
                words << rows[i].cells.size() << ", ";
        }
        // a list of counts takes the counted form, whatever its last count
        words << rows.back().cells.size() << " "
              << Tr(language, circles ? TextId::SpokenCircles : TextId::SpokenSquares);
    }
    words << ".";
    return words.Text();
}

namespace {

// "1 до 3", "2", "1, 3, 5": the numbers of rows or diagonals, ascending.
void AppendNumbers(Words& words, const std::vector<std::size_t>& numbers, Language language)
{
    const bool run = numbers.back() - numbers.front() + 1 == numbers.size();
    if (run && numbers.size() > 2) {
        words << numbers.front() << Tr(language, TextId::ColumnsTo) << numbers.back();
        return;
    }
    if (numbers.size() == 2) {
        words << numbers.front() << Tr(language, TextId::AndWord) << numbers.back();
        return;
    }
    for (std::size_t i = 0; i < numbers.size(); ++i)
        words << (i == 0 ? "" : ", ") << numbers[i];
}

// The numbers of the lines that hold any of `in`, and whether each holds nothing else.
std::vector<std::size_t> LinesHolding(const PictureRows& lines, const std::vector<bool>& in, bool& whole)
{
    std::vector<std::size_t> numbers;
    whole = true;
    for (const ExploreRow& line : lines) {
        std::size_t held = 0;
        for (const ExploreCell& cell : line.cells)
            held += in[static_cast<std::size_t>(cell.index)] ? 1 : 0;
        if (held > 0)
            numbers.push_back(line.number);
        whole = whole && (held == 0 || held == line.cells.size());
    }
    return numbers;
}

// ", колони 1 до 3": where the cells `in` lie across, when not across the whole picture.
void AppendColumns(Words& words, const PictureRows& rows, const std::vector<bool>& in, Language language)
{
    std::vector<int> all;
    std::vector<int> held;  // the columns of the cells `in`
    for (const ExploreRow& row : rows) {
        for (const ExploreCell& cell : row.cells) {
            all.push_back(cell.halfColumn);
            if (in[static_cast<std::size_t>(cell.index)] && std::find(held.begin(), held.end(), cell.halfColumn) == held.end())
                held.push_back(cell.halfColumn);
        }
    }
    const auto [first, last] = std::minmax_element(held.begin(), held.end());
    const auto [left, right] = std::minmax_element(all.begin(), all.end());
    if (held.empty() || (*first == *left && *last == *right))
        return;
    words << ", ";
    AppendColumnSpan(words, *first, *last, held.size() > 2, language);
}

}  // namespace

std::string CountedWords(const PictureRows& rows, const PictureRows& diagonals, std::span<const int> cells)
{
    std::size_t total = 0;
    int end = 0;
    for (const ExploreRow& row : rows) {
        total += row.cells.size();
        for (const ExploreCell& cell : row.cells)
            end = std::max(end, cell.index + 1);
    }
    std::vector<bool> in(static_cast<std::size_t>(end), false);
    std::size_t count = 0;
    for (const int index : cells) {
        if (index >= 0 && index < end && !in[static_cast<std::size_t>(index)]) {
            in[static_cast<std::size_t>(index)] = true;
            ++count;
        }
    }
    if (count == 0 || count == total)
        return {};
    const Language language = rows.front().language;
    const bool circles = rows.front().circles;
    Words words;
    words << Tr(language, TextId::CountsWord);
    bool whole = false;
    const std::vector<std::size_t> byRow = LinesHolding(rows, in, whole);
    if (whole) {
        words << Tr(language, byRow.size() == 1 ? TextId::RowWord : TextId::RowsWord);
        AppendNumbers(words, byRow, language);
    } else {
        const std::vector<std::size_t> byDiagonal = LinesHolding(diagonals, in, whole);
        if (whole && !diagonals.empty()) {
            words << Tr(language, byDiagonal.size() == 1 ? TextId::DiagonalWord : TextId::DiagonalsWord);
            AppendNumbers(words, byDiagonal, language);
        } else {
            // a part of some rows: the cells, then where they lie
            AppendCount(words, count, circles, language);
            words << Tr(language, byRow.size() == 1 ? TextId::CountsInRow : TextId::CountsInRows);
            AppendNumbers(words, byRow, language);
            AppendColumns(words, rows, in, language);
            return words.Text();
        }
    }
    words << ", ";
    AppendCount(words, count, circles, language);
    return words.Text();
}
