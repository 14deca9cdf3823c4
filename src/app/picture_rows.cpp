#include "app/picture_rows.h"

#include "app/visible_cells.h"
#include "board/colours.h"
#include "board/numbers.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

struct Placed {
    float top;
    float left;
    int index;
};

// "кафяв": the colour of one of the proofs' three states, in the noun's gender;
// empty for any other colour.
std::string_view ColourWord(const Colour& colour)
{
    static constexpr std::string_view kWords[] = {"син", "бял", "кафяв"};
    for (std::int16_t state = 0; state < 3; ++state) {
        if (CellColour(state) == colour)
            return kWords[state];
    }
    return {};
}

void AppendInt(std::string& text, std::size_t value)
{
    AppendNumber(text, static_cast<double>(value));
}

}  // namespace

PictureRows ExploreRows(const Tessalo& form, std::span<const int> added)
{
    const ShapeArray& shapes = form.Shape1;
    std::vector<Placed> placed;
    placed.reserve(static_cast<std::size_t>(shapes.Count()));
    bool colourful = false;
    ForEachVisibleCell(shapes, [&](int index, const Cell& cell) {
        colourful = colourful || (!placed.empty() && cell.BackColor != shapes(placed.front().index).BackColor);
        placed.push_back({cell.Top, cell.Left, index});
    });
    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });

    std::vector<bool> isAdded(static_cast<std::size_t>(shapes.End()), false);
    for (int index : added) {
        if (index >= 0 && index < shapes.End())
            isAdded[static_cast<std::size_t>(index)] = true;
    }

    PictureRows rows;
    for (std::size_t first = 0; first < placed.size();) {
        // a row: the cells whose Top lies within half a cell of its first cell's
        const Cell& lead = shapes(placed[first].index);
        std::size_t end = first + 1;
        while (end < placed.size() && std::fabs(placed[end].top - placed[first].top) < lead.Height / 2)
            ++end;
        std::sort(placed.begin() + static_cast<std::ptrdiff_t>(first), placed.begin() + static_cast<std::ptrdiff_t>(end),
                  [](const Placed& a, const Placed& b) { return a.left < b.left; });

        const bool circles = lead.Shape == kCircle;
        const std::string_view one = circles ? "кръг" : "квадрат";
        const std::size_t count = end - first;
        std::size_t fresh = 0;
        for (std::size_t i = first; i < end; ++i)
            fresh += isAdded[static_cast<std::size_t>(placed[i].index)] ? 1 : 0;

        ExploreRow& row = rows.emplace_back();
        std::string prefix = "ред ";
        AppendInt(prefix, rows.size());
        row.words.reserve(48);
        row.words += prefix;
        row.words += ", ";
        AppendInt(row.words, count);
        row.words += ' ';
        row.words += one;
        if (count != 1)
            row.words += "а";  // the counted form: 2 кръга, 5 квадрата
        if (fresh > 0) {
            row.words += ", ";
            AppendInt(row.words, fresh);
            row.words += fresh == 1 ? " нов" : " нови";
        }

        row.cells.reserve(count);
        for (std::size_t i = first; i < end; ++i) {
            const Cell& cell = shapes(placed[i].index);
            ExploreCell& explored = row.cells.emplace_back();
            explored.index = placed[i].index;
            explored.left = cell.Left;
            explored.added = isAdded[static_cast<std::size_t>(placed[i].index)];
            std::string& words = explored.words;
            words.reserve(64);
            words += prefix;
            words += ", ";
            words += one;
            words += ' ';
            AppendInt(words, i - first + 1);
            words += " от ";
            AppendInt(words, count);
            if (colourful) {
                const std::string_view colour = ColourWord(cell.BackColor);
                if (!colour.empty()) {
                    words += ", ";
                    words += colour;
                }
            }
            if (explored.added)
                words += ", нов";
        }
        first = end;
    }
    return rows;
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
