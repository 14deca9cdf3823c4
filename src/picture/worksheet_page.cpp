// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/worksheet_page.h"

#include "app/worksheet.h"
#include "picture/handout.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

constexpr double kUnitsPerPoint = 4;  // the page at 288 dots to the inch
constexpr double kLetterPoints = 11;

}  // namespace

bool WriteWorksheet(QIODevice& device, int kind, int n, Language language, bool answers)
{
    return WriteWorksheet(device, n, language, answers,
                          StepPicture(kind, n, language, answers ? StepCellFill::Coloured : StepCellFill::Blank),
                          WorksheetLines(kind, n, language, answers));
}

bool WriteWorksheet(QIODevice& device, int n, Language language, bool answers, const BoardPicture& cells,
                    const std::vector<std::string>& lines)
{
    QPdfWriter pdf(&device);
    pdf.setTitle(QStringLiteral("Tessalo"));
    pdf.setCreator(QStringLiteral("Tessalo"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF());
    pdf.setResolution(static_cast<int>(72 * kUnitsPerPoint));
    QPainter painter(&pdf);
    const double margin = kHandoutMarginPoints * kUnitsPerPoint;
    QRectF area(margin, margin, pdf.width() - 2 * margin, pdf.height() - 2 * margin);
    QFont heading = HandoutFont(1.5 * kLetterPoints * kUnitsPerPoint);
    heading.setBold(true);
    painter.setFont(heading);
    painter.setPen(Qt::black);
    const QString title = QString::fromStdString(WorksheetHeading(n, language, answers));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, title);
    area.setTop(area.top() + 2 * QFontMetricsF(heading).lineSpacing());
    // the picture, at most half the page's width and a third of its height
    const QRectF box = CellsBox(cells);
    const double scale = std::min(area.width() / 2 / box.width(), area.height() / 3 / box.height());
    PaintCells(painter, cells, box, QPointF(area.center().x() - box.width() * scale / 2, area.top()), scale);
    area.setTop(area.top() + box.height() * scale + 2 * kLetterPoints * kUnitsPerPoint);
    const QFont letters = HandoutFont(kLetterPoints * kUnitsPerPoint);
    painter.setFont(letters);
    const double gap = QFontMetricsF(letters).lineSpacing() / 2;  // room to write on a blank
    for (const std::string& line : lines) {
        QRectF used;
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromStdString(line), &used);
        area.setTop(area.top() + used.height() + gap);
    }
    return painter.end();
}
