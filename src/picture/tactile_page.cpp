// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/tactile_page.h"

#include "app/braille_file.h"
#include "braille/braille_text.h"

#include <QIODevice>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

namespace {

std::u32string BrailleOrNothing(std::string_view text, Language language)
{
    return ToBraille(text, language).value_or(std::u32string());
}

bool WriteAll(QIODevice& device, const QByteArray& bytes)
{
    return device.write(bytes) == bytes.size();
}

}  // namespace

bool BrailleWorks(Language language)
{
    const auto cells = ToBraille("1", language);
    return cells && !cells->empty();
}

bool WriteTactileSheet(QIODevice& device, PictureFormat format, int kind, int n, Language language, Paper paper)
{
    if (!BrailleWorks(language))
        return false;
    return WriteTactileSheet(device, format, LayOutTactileSheet(kind, n, language, paper, BrailleOrNothing), paper);
}

std::optional<TactileSheet> FurtherTactileSheet(const FurtherIdentity& identity, int n, Language language, Paper paper)
{
    return LayOutTactileSheet(identity, n, language, paper, BrailleOrNothing);
}

int LargestTactileN(const FurtherIdentity& identity, Language language, Paper paper)
{
    return LargestTactileN(identity, language, paper, BrailleOrNothing);
}

bool WriteTactileSheet(QIODevice& device, PictureFormat format, const TactileSheet& sheet, Paper paper)
{
    const QByteArray svg = QByteArray::fromStdString(TactileSvg(sheet));
    if (format == PictureFormat::Svg)
        return WriteAll(device, svg);
    QPdfWriter pdf(&device);
    pdf.setTitle(QStringLiteral("Tessalo"));
    pdf.setCreator(QStringLiteral("Tessalo"));
    pdf.setPageSize(QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter));
    pdf.setPageMargins(QMarginsF());
    pdf.setResolution(1200);  // dots placed to a fiftieth of a millimetre
    QSvgRenderer renderer(svg);
    QPainter painter(&pdf);
    renderer.render(&painter, QRectF(QPointF(), pdf.pageLayout().paintRectPixels(pdf.resolution()).size()));
    return painter.end();
}

QByteArray ProofBrf(int kind, int n, Language language)
{
    return LinesBrf(ProofForBraille(kind, n, language), language);
}

QByteArray LinesBrf(const std::vector<std::string>& text, Language language)
{
    std::vector<std::u32string> lines;
    for (const std::string& line : text) {
        const auto cells = ToBraille(line, language);
        if (!cells)
            return {};
        lines.push_back(*cells);
    }
    return QByteArray::fromStdString(BrfPages(lines));
}
