// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/board_painter.h"

#include "app/layout.h"
#include "app/tessalo.h"
#include "picture/qt_colour.h"
#include "picture/twips.h"

#include <QPainter>

#include <algorithm>

namespace {

void PaintLabel(QPainter& painter, const PictureItem& label, double twipsPerPixel)
{
    const QRect box = TwipsToPixels(label.left, label.top, label.width, label.height, twipsPerPixel);
    painter.fillRect(box, ToQColor(label.fill));
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromUtf8(label.caption.data(), static_cast<qsizetype>(label.caption.size())));
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
void PaintItem(QPainter& painter, const PictureItem& item, double outlineTwips)
{
    if (item.kind == PictureItemKind::Cell) {
        painter.setPen(QPen(Qt::black, outlineTwips));
        painter.setBrush(ToQColor(item.fill));
    } else {
        painter.setPen(QPen(ToQColor(item.line), item.lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
    }
    DrawShape(painter, QRectF(item.left, item.top, item.width, item.height), item.shape);
}

}  // namespace

void PaintPicture(QPainter& painter, const BoardPicture& picture, double twipsPerPixel, double outlineTwips)
{
    if (picture.width > 0 && picture.height > 0)  // a picture of the cells alone has no background
        painter.fillRect(TwipsToPixels(0, 0, picture.width, picture.height, twipsPerPixel),
                         ToQColor(picture.background));
    // Labels lie on whole pixels, as controls do; everything else is drawn in twips.
    bool scaled = false;
    for (const PictureItem& item : picture.items) {
        const bool label = item.kind == PictureItemKind::Label;
        if (label == scaled) {
            if (scaled) {
                painter.restore();
            } else {
                painter.save();
                painter.scale(1 / twipsPerPixel, 1 / twipsPerPixel);
            }
            scaled = !scaled;
        }
        if (label)
            PaintLabel(painter, item, twipsPerPixel);
        else
            PaintItem(painter, item, outlineTwips);
    }
    if (scaled)
        painter.restore();
}

void PaintBoard(QPainter& painter, const Tessalo& form, const BoardView& view)
{
    PaintPicture(painter,
                 DescribeBoard(form, {view.marked, view.hidden, view.ringed, view.ringedAdded, view.cursor}),
                 view.twipsPerPixel, view.outlineTwips);
}
