// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tactile sheet and the proof in braille, with liblouis's real tables.

#include "app/braille_file.h"
#include "app/handout_sheet.h"
#include "app/identity_formulas.h"
#include "app/layout.h"
#include "app/shown_form.h"
#include "app/tactile_sheet.h"
#include "braille/braille_text.h"
#include "picture/tactile_page.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "identities/claim_check.h"
#include "identities/identity_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

namespace {

std::u32string Braille(std::string_view text, Language language)
{
    return ToBraille(text, language).value_or(std::u32string());
}

// Two boxes this far apart at their nearest, 0 where they touch or overlap.
double Apart(const TactileCell& a, const TactileCell& b)
{
    const double dx = std::max({0.0, b.left - (a.left + a.size), a.left - (b.left + b.size)});
    const double dy = std::max({0.0, b.top - (a.top + a.size), a.top - (b.top + b.size)});
    return std::hypot(dx, dy);
}

std::u32string Joined(const std::vector<BrailleLine>& lines, std::size_t count)
{
    std::u32string joined;
    for (std::size_t i = 0; i < count; ++i)
        joined += (i == 0 ? U"" : U"\u2800") + lines[i].cells;
    return joined;
}

QStringList Numbers(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QStringList numbers;
    for (auto match = number.globalMatch(text); match.hasNext();)
        numbers << match.next().captured();
    return numbers;
}

class TactileSheetOf : public testing::TestWithParam<std::tuple<int, int, Paper>> {};

}  // namespace

// Touch needs every cell at least 10 mm and 3 mm from the next, on the page; the
// colours as textures, no more than the picture has; braille dots as the
// standard spaces them; a title that reads back as the identity and n.
TEST_P(TactileSheetOf, KeepsTheSizesTouchNeedsAndTitlesItInBraille)
{
    const auto [kind, asked, paper] = GetParam();
    const Language language = paper == Paper::A4 ? Language::bg : Language::en;
    ASSERT_TRUE(BrailleWorks(language)) << "liblouis's tables (liblouis-data) are missing";
    // an identity beside the form's six: its largest sheet that fits, and none past it
    const bool further = kind >= kFirstFurtherKind;
    const FurtherIdentity identity = DescribeFurther(kind, {2, 1});
    const int largest = further ? LargestTactileN(identity, language, paper, Braille) : kListCount;
    const int n = std::min(asked, largest);
    ASSERT_GE(n, 3);
    if (further && largest < identity.maxN) {
        EXPECT_FALSE(LayOutTactileSheet(identity, largest + 1, language, paper, Braille));
    }
    const TactileSheet sheet =
        further ? *LayOutTactileSheet(identity, n, language, paper, Braille) : LayOutTactileSheet(kind, n, language, paper, Braille);
    ASSERT_EQ(sheet.cells.size(), static_cast<std::size_t>(further ? SumAt(RuleOf(kind, {2, 1}), n).Numerator()
                                                                   : IdentityValue(kind, n)));

    std::set<std::optional<Texture>> textures;
    std::size_t added = 0;
    for (std::size_t i = 0; i < sheet.cells.size(); ++i) {
        const TactileCell& cell = sheet.cells[i];
        EXPECT_GE(cell.size, kTactileMinCell);
        EXPECT_GE(cell.left, 0);
        EXPECT_LE(cell.top + cell.size, sheet.height);
        textures.insert(cell.texture);
        added += cell.added ? 1 : 0;
        for (std::size_t j = i + 1; j < sheet.cells.size(); ++j)
            EXPECT_GE(Apart(cell, sheet.cells[j]), kTactileGap - 1e-9) << "cells " << i << " and " << j;
    }
    EXPECT_EQ(added, further ? StepCellsOf(identity, n).size() : StepCells(ShownForm(kind, n)).size());
    // the key: one swatch for each texture and one for the outline
    EXPECT_EQ(sheet.swatches.size(), textures.size() + 1);
    EXPECT_LE(sheet.swatches.size(), 5U);
    EXPECT_LE(sheet.swatches.back().top + sheet.swatches.back().size, sheet.height - 10) << "in the narrowest margin";

    // the SVG's braille dots: 1.44 mm, each 0, 2.34 or a cell's 6.2 mm along from the title's first
    QXmlStreamReader svg(QByteArray::fromStdString(TactileSvg(sheet)));
    std::size_t dots = 0;
    const BrailleLine& title = sheet.braille.front();
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement || svg.name() != QLatin1String("circle") ||
            std::abs(svg.attributes().value(QLatin1String("r")).toDouble() - kBrailleDotDiameter / 2) > 0.01)
            continue;
        const double y = svg.attributes().value(QLatin1String("cy")).toDouble();
        if (std::abs(y - title.top) < 5.5) {
            const double along = std::fmod(svg.attributes().value(QLatin1String("cx")).toDouble() - title.left,
                                           kBrailleCellSpacing);
            EXPECT_TRUE(along < 0.01 || std::abs(along - kBrailleDotSpacing) < 0.01 ||
                        std::abs(along - kBrailleCellSpacing) < 0.01)
                << along;
        }
        ++dots;
    }
    std::size_t expected = 0;
    for (const BrailleLine& line : sheet.braille)
        expected += BrailleDots(line).size();
    EXPECT_EQ(dots, expected);

    const std::string name = further ? std::string(Tr(language, identity.name)) + ", n = " + std::to_string(n)
                                     : HandoutTitle(kind, n, language);
    std::size_t titleLines = 1;
    while (sheet.braille[titleLines].top - sheet.braille[titleLines - 1].top < kBrailleLineSpacing + 0.01 &&
           sheet.braille[titleLines].left == title.left)
        ++titleLines;
    const std::u32string titleCells = Joined(sheet.braille, titleLines);
    const QString read = QString::fromStdString(FromBraille(titleCells, language).value_or(""));
    if (language == Language::en) {
        EXPECT_EQ(read.toStdString(), name);
    } else {
        // Bulgarian braille reads а, е, и back as digits: the cells, then n
        EXPECT_TRUE(titleCells == Braille(name, language));
        EXPECT_TRUE(read.endsWith(QStringLiteral("= ") + QString::number(n))) << read.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, TactileSheetOf,
                         testing::Combine(testing::Range(1, kLastFurtherKind + 1), testing::Values(3, 11),
                                          testing::Values(Paper::A4, Paper::Letter)));

// A BRF file is 40 cells a line, 25 lines a page, ASCII braille; read back with
// liblouis it gives every number of the proof, in its order.
TEST(ProofInBraille, FitsAnEmbossersPagesAndReadsBackToTheProofsNumbers)
{
    static const QString kAsciiBraille =
        QStringLiteral(" A1B'K2L@CIF/MSP\"E3H9O6R^DJG>NTQ,*5<-U8V.%[$+X!&;:4\\0Z7(_?W]#Y)=");
    for (const Language language : {Language::bg, Language::en}) {
        for (int kind = 1; kind <= 6; ++kind) {
            const QString brf = QString::fromLatin1(ProofBrf(kind, 11, language));
            ASSERT_FALSE(brf.isEmpty());
            QString print;
            for (const std::string& line : ProofForBraille(kind, 11, language))
                print += QString::fromStdString(line) + QLatin1Char('\n');
            QString read;
            for (const QString& page : brf.split(QLatin1Char('\f'))) {
                const QStringList lines = page.split(QStringLiteral("\r\n"));
                EXPECT_LE(lines.size() - 1, static_cast<qsizetype>(kBrfLines));
                for (const QString& line : lines) {
                    EXPECT_LE(line.size(), static_cast<qsizetype>(kBrfCells));
                    std::u32string cells;
                    for (const QChar c : line) {
                        ASSERT_TRUE(kAsciiBraille.contains(c)) << "not ASCII braille: " << int{c.unicode()};
                        cells += static_cast<char32_t>(0x2800 + kAsciiBraille.indexOf(c));
                    }
                    read += QString::fromStdString(FromBraille(cells, language).value_or("")) + QLatin1Char('\n');
                }
            }
            // in order, among others: Bulgarian braille reads а, е, и back as digits
            const QStringList wanted = Numbers(print);
            const QStringList found = Numbers(read);
            qsizetype at = 0;
            for (const QString& number : found)
                at += at < wanted.size() && number == wanted[at] ? 1 : 0;
            EXPECT_EQ(at, wanted.size()) << "kind " << kind << ": " << read.toStdString();
        }
    }
}
