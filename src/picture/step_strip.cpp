// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/step_strip.h"

#include "app/induction_argument.h"
#include "picture/handout.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLetterPoints = 9;

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// `unitsPerPoint`: the painter's units to a point.
void PaintStrip(QPainter& painter, const QSizeF& page, double unitsPerPoint, int n, const StripContent& content)
{
    const QFont font = HandoutFont(kLetterPoints * unitsPerPoint);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double margin = kHandoutMarginPoints * unitsPerPoint;
    QRectF area(margin, margin, page.width() - 2 * margin, page.height() - 2 * margin);
    const double line = QFontMetricsF(font).lineSpacing();
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, ToQString(content.statement));
    area.setTop(area.top() + 3 * line);
    const QRectF box = CellsBox(content.picture(n));  // the largest: every picture at its scale
    const double below = 3.5 * line;  // the sum, on two lines if need be
    const int columns = StripColumns(n, area.width(), area.height(), box.width(), box.height(), below);
    const int rows = (n + columns - 1) / columns;
    const QSizeF tile(area.width() / columns, area.height() / rows);
    const double scale = std::min(tile.width() * 0.9 / box.width(), (tile.height() - below) / box.height());
    for (int m = 1; m <= n; ++m) {
        const QPointF corner = area.topLeft() + QPointF((m - 1) % columns * tile.width(), (m - 1) / columns * tile.height());
        const double left = corner.x() + (tile.width() - box.width() * scale) / 2;
        PaintCells(painter, content.picture(m), box, QPointF(left, corner.y()), scale);
        const std::string sum = content.sum(m);
        painter.drawText(QRectF(corner.x(), corner.y() + box.height() * scale + line / 2, tile.width(), below),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, ToQString(sum));
    }
}

}  // namespace

bool WriteStepStrip(QIODevice& device, PictureFormat format, int kind, int n, Language language)
{
    const StripContent content{ArgumentLines(kind, n, language).lines.front().text,
                               [=](int m) { return StepPicture(kind, m, language); },
                               [kind](int m) { return StepSum(kind, m); }};
    return WriteStepStrip(device, format, n, content);
}

bool WriteStepStrip(QIODevice& device, PictureFormat format, int n, const StripContent& content)
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
    const QString title = QStringLiteral("Tessalo");
    if (format == PictureFormat::Pdf) {
        QPdfWriter pdf(&device);
        pdf.setTitle(title);
        pdf.setCreator(title);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF());
        pdf.setResolution(288);
        QPainter painter(&pdf);
        PaintStrip(painter, QSizeF(pdf.width(), pdf.height()), 288.0 / 72, n, content);
        return painter.end();
    }
    if (format == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&device);
        svg.setResolution(72);  // a unit to a point
        svg.setSize(a4.toSize());
        svg.setViewBox(QRectF(QPointF(), a4));
        svg.setTitle(title);
        QPainter painter(&svg);
        PaintStrip(painter, a4, 1, n, content);
        return painter.end();
    }
    return false;
}
