#include "picture/board_painter.h"

#include "app/layout.h"
#include "app/tessalo.h"
#include "picture/qt_colour.h"
#include "picture/twips.h"

#include <QPainter>

#include <algorithm>

namespace {

void PaintLabel(QPainter& painter, const Label& label, const BoardView& view)
{
    const QRect box = TwipsToPixels(label.Left, label.Top, label.Width, label.Height, view.twipsPerPixel);
    painter.fillRect(box, ToQColor(label.BackColor));
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromUtf8(label.Caption.data(), static_cast<qsizetype>(label.Caption.size())));
}

// A circle, smoothed, or a square with sharp edges, in the painter's pen and brush.
void DrawShape(QPainter& painter, const QRectF& box, std::int16_t shape)
{
    if (shape == kCircle) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(box);
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        painter.drawRect(box);
    }
}

// Draws in twips: the painter is already scaled.
void PaintCell(QPainter& painter, const Cell& cell, double outlineTwips)
{
    painter.setPen(QPen(Qt::black, outlineTwips));
    painter.setBrush(ToQColor(cell.BackColor));
    DrawShape(painter, QRectF(cell.Left, cell.Top, cell.Width, cell.Height), cell.Shape);
}

// A frame inside the cell, a fifth of the cell thick, so that it never covers
// a neighbour; round on a circle, which stays a circle.
void PaintMark(QPainter& painter, const Cell& cell)
{
    const double thickness = std::min(cell.Width, cell.Height) / 5;
    painter.setPen(QPen(QColor::fromRgb(kStepMarkRgb), thickness, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const double half = thickness / 2;
    DrawShape(painter, QRectF(cell.Left, cell.Top, cell.Width, cell.Height).adjusted(half, half, -half, -half),
              cell.Shape);
}

// A ring about the cell's centre, inside the step's frame, so that it shows
// on a framed cell too and never covers a neighbour.
void PaintRing(QPainter& painter, const Cell& cell, QRgb colour)
{
    const double side = std::min(cell.Width, cell.Height);
    painter.setPen(QPen(QColor::fromRgb(colour), side / 10));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawEllipse(QPointF(cell.Left + cell.Width / 2, cell.Top + cell.Height / 2), side * 0.27, side * 0.27);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// A square just about the cell, over its neighbours' edges, as the cursor is
// drawn on top of everything.
void PaintCursor(QPainter& painter, const Cell& cell)
{
    const double side = std::min(cell.Width, cell.Height);
    const double thickness = std::max(side / 8, 15.0);
    const QRectF box(cell.Left, cell.Top, cell.Width, cell.Height);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgb(kCursorRgb), thickness, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(box.adjusted(-thickness, -thickness, thickness, thickness));
    painter.setPen(QPen(QColor::fromRgb(kCursorRimRgb), thickness / 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const double inner = thickness / 4;
    painter.drawRect(box.adjusted(-inner, -inner, inner, inner));
}

bool Contains(std::span<const int> ascending, int cell)
{
    return std::binary_search(ascending.begin(), ascending.end(), cell);
}

}  // namespace

void PaintBoard(QPainter& painter, const Tessalo& form, const BoardView& view)
{
    const QRect whole = TwipsToPixels(0, 0, kWindowLayout.clientWidth, kWindowLayout.clientHeight, view.twipsPerPixel);
    painter.fillRect(whole, ToQColor(kWindowLayout.background));
    const auto paintCells = [&](auto&& paint) {
        painter.save();
        painter.scale(1 / view.twipsPerPixel, 1 / view.twipsPerPixel);
        paint();
        painter.restore();
    };
    // Labels and the template in the layout's stacking order; a loaded cell
    // goes on top of all that was there before it.
    for (const auto& control : kControls) {
        if (control.kind == ControlKind::Label)
            PaintLabel(painter, form.Label1(control.index), view);
        else if (control.kind == ControlKind::Shape && form.Shape1(0).Visible && !Contains(view.hidden, 0))
            paintCells([&] { PaintCell(painter, form.Shape1(0), view.outlineTwips); });
    }
    paintCells([&] {
        for (int i = 1; i < form.Shape1.End(); ++i) {
            if (form.Shape1.Exists(i) && form.Shape1(i).Visible && !Contains(view.hidden, i))
                PaintCell(painter, form.Shape1(i), view.outlineTwips);
        }
        for (int i : view.marked) {
            if (form.Shape1.Exists(i) && !Contains(view.hidden, i))
                PaintMark(painter, form.Shape1(i));
        }
        for (int i : view.ringed) {
            if (form.Shape1.Exists(i) && form.Shape1(i).Visible && !Contains(view.hidden, i))
                PaintRing(painter, form.Shape1(i), view.ringedAdded ? kStepMarkRgb : kRingRgb);
        }
        if (view.cursor >= 0 && form.Shape1.Exists(view.cursor) && form.Shape1(view.cursor).Visible)
            PaintCursor(painter, form.Shape1(view.cursor));
    });
}
