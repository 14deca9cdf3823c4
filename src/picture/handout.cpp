// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/handout.h"

#include "app/layout.h"
#include "picture/board_painter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kOutlineTwips = 15;  // the cells' outline: a pixel at 100 %

}  // namespace

QRectF CellsBox(const BoardPicture& picture)
{
    QRectF box;
    for (const PictureItem& item : picture.items) {
        if (item.kind == PictureItemKind::Cell)
            box |= QRectF(item.left, item.top, item.width, item.height);
    }
    return box;
}

void PaintCells(QPainter& painter, const BoardPicture& picture, const QRectF& box, QPointF corner, double scale)
{
    painter.save();
    painter.translate(corner);
    painter.scale(scale, scale);
    painter.translate(-box.topLeft());
    PaintPicture(painter, picture, 1, kOutlineTwips);
    painter.restore();
}

QFont HandoutFont(double pixels)
{
    QFont font(QString::fromUtf8(kWindowLayout.fontFamily.data(), static_cast<qsizetype>(kWindowLayout.fontFamily.size())));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    return font;
}
