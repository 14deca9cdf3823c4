// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/board_picture.h"

#include "app/induction_step.h"
#include "app/layout.h"

#include <algorithm>
#include <optional>

namespace {

bool Contains(std::span<const int> ascending, int cell)
{
    return std::binary_search(ascending.begin(), ascending.end(), cell);
}

PictureItem CellItem(const Cell& cell, int index)
{
    return {PictureItemKind::Cell, cell.Left, cell.Top, cell.Width, cell.Height, cell.Shape, cell.BackColor, true,
            {}, 0, index, {}};
}

// A stroke along a box, centred on its edge.
PictureItem Stroke(PictureItemKind kind, double left, double top, double width, double height, std::int16_t shape,
                   Colour colour, double lineWidth, int index)
{
    return {kind, left, top, width, height, shape, {}, false, colour, lineWidth, index, {}};
}


// About the cell's centre, inside the step's frame, so that it shows on a
// framed cell too and never covers a neighbour.
PictureItem Ring(const Cell& cell, int index, Colour colour)
{
    const double side = std::min(cell.Width, cell.Height);
    const double radius = side * 0.27;
    const double x = cell.Left + cell.Width / 2.0;
    const double y = cell.Top + cell.Height / 2.0;
    return Stroke(PictureItemKind::Ring, x - radius, y - radius, 2 * radius, 2 * radius, kCircle, colour, side / 10,
                  index);
}

// Just about the cell, over its neighbours' edges, as it lies on top of
// everything: a black square with a white one inside it.
void AddCursor(std::vector<PictureItem>& items, const Cell& cell, int index)
{
    const double side = std::min(cell.Width, cell.Height);
    const double thickness = std::max(side / 8, 15.0);
    const double inner = thickness / 4;
    items.push_back(Stroke(PictureItemKind::Cursor, cell.Left - thickness, cell.Top - thickness,
                           cell.Width + 2 * thickness, cell.Height + 2 * thickness, kSquare, kCursorColour, thickness,
                           index));
    items.push_back(Stroke(PictureItemKind::Cursor, cell.Left - inner, cell.Top - inner, cell.Width + 2 * inner,
                           cell.Height + 2 * inner, kSquare, kCursorRimColour, thickness / 2, index));
}

}  // namespace

PictureItem StepFrameOf(double left, double top, double width, double height, std::int16_t shape, int index)
{
    const double thickness = std::min(width, height) / 5.0;
    const double half = thickness / 2;
    return Stroke(PictureItemKind::StepFrame, left + half, top + half, width - thickness, height - thickness, shape,
                  kStepMarkColour, thickness, index);
}

BoardPicture MarkedBoard(BoardPicture picture, const PictureMarks& marks)
{
    std::erase_if(picture.items, [&marks](const PictureItem& item) {
        return item.kind == PictureItemKind::Cell && Contains(marks.hidden, item.cell);
    });
    // the cells still drawn by their index, each as the cell it stands for
    std::vector<std::optional<Cell>> cells;
    for (const PictureItem& item : picture.items) {
        if (item.kind != PictureItemKind::Cell || item.cell < 0)
            continue;
        if (cells.size() <= static_cast<std::size_t>(item.cell))
            cells.resize(static_cast<std::size_t>(item.cell) + 1);
        cells[static_cast<std::size_t>(item.cell)] =
            Cell{static_cast<float>(item.left), static_cast<float>(item.top), static_cast<float>(item.width),
                 static_cast<float>(item.height), item.fill, item.shape, true};
    }
    const auto drawn = [&cells](int i) -> const Cell* {
        return i >= 0 && static_cast<std::size_t>(i) < cells.size() && cells[static_cast<std::size_t>(i)]
                   ? &*cells[static_cast<std::size_t>(i)]
                   : nullptr;
    };
    for (const int i : marks.framed) {
        if (const Cell* cell = drawn(i))
            picture.items.push_back(StepFrameOf(cell->Left, cell->Top, cell->Width, cell->Height, cell->Shape, i));
    }
    for (const int i : marks.ringed) {
        if (const Cell* cell = drawn(i))
            picture.items.push_back(Ring(*cell, i, marks.ringedAdded ? kStepMarkColour : kRingColour));
    }
    if (const Cell* cell = drawn(marks.cursor))
        AddCursor(picture.items, *cell, marks.cursor);
    return picture;
}

BoardPicture DescribeBoard(const Tessalo& form, const PictureMarks& marks)
{
    BoardPicture picture{kWindowLayout.clientWidth, kWindowLayout.clientHeight, kWindowLayout.background, {}};
    std::vector<PictureItem>& items = picture.items;
    const auto shown = [&](int i) { return form.Shape1.Exists(i) && !Contains(marks.hidden, i); };
    // Labels and the template in the layout's stacking order; a loaded cell
    // goes on top of all that was there before it.
    for (const auto& control : kControls) {
        if (control.kind == ControlKind::Label) {
            const Label& label = form.Label1(control.index);
            items.push_back({PictureItemKind::Label, label.Left, label.Top, label.Width, label.Height, kSquare,
                             label.BackColor, true, {}, 0, -1, label.Caption});
        } else if (control.kind == ControlKind::Shape && form.Shape1(0).Visible && shown(0)) {
            items.push_back(CellItem(form.Shape1(0), 0));
        }
    }
    for (int i = 1; i < form.Shape1.End(); ++i) {
        if (shown(i) && form.Shape1(i).Visible)
            items.push_back(CellItem(form.Shape1(i), i));
    }
    for (const int i : marks.framed) {
        if (shown(i))
            items.push_back(StepFrameOf(form.Shape1(i).Left, form.Shape1(i).Top, form.Shape1(i).Width,
                                        form.Shape1(i).Height, form.Shape1(i).Shape, i));
    }
    for (const int i : marks.ringed) {
        if (shown(i) && form.Shape1(i).Visible)
            items.push_back(Ring(form.Shape1(i), i, marks.ringedAdded ? kStepMarkColour : kRingColour));
    }
    if (marks.cursor >= 0 && form.Shape1.Exists(marks.cursor) && form.Shape1(marks.cursor).Visible)
        AddCursor(items, form.Shape1(marks.cursor), marks.cursor);
    return picture;
}

std::string PictureFileStem(int kind, int n)
{
    if (kind == 0 || n == 0)
        return "tessalo";
    return "tessalo-kind-" + std::to_string(kind) + "-n-" + std::to_string(n);
}
