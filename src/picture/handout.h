// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/handout_sheet.h"

#include <QFont>
#include <QRectF>

class QPainter;

// What the handouts (the strip of the steps, the worksheet) share: the cells
// of a picture alone, on white, without the form's background and labels, in
// the form's letters.

// Where the cells of `picture` lie, in twips.
QRectF CellsBox(const BoardPicture& picture);
// Paints `picture`'s cells lying in `box` (twips) at `scale` painter units to a
// twip, the box's top left corner at `corner`.
void PaintCells(QPainter& painter, const BoardPicture& picture, const QRectF& box, QPointF corner, double scale);
// The form's letters, `pixels` painter units high.
QFont HandoutFont(double pixels);

// An A4 page's margins, in points (15 mm).
inline constexpr double kHandoutMarginPoints = 42.5;
