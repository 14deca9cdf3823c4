// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/handout_sheet.h"
#include "app/identity_formulas.h"
#include "app/induction_step.h"
#include "app/shown_form.h"
#include "app/worksheet.h"
#include "identities/claim_parser.h"
#include "identities/further_argument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace {

// Whether `number` stands in `line` as a whole number, not as a part of another.
bool HasNumber(std::string_view line, std::string_view number)
{
    for (std::size_t at = line.find(number); at != std::string_view::npos; at = line.find(number, at + 1)) {
        const auto digit = [&](std::size_t i) { return i < line.size() && line[i] >= '0' && line[i] <= '9'; };
        if ((at == 0 || !digit(at - 1)) && !digit(at + number.size()))
            return true;
    }
    return false;
}

}  // namespace

// A worksheet differs from its answer sheet only in blanks, each hiding one part of one line,
// and holds no number of the step's result: the hypothesis, the added term and the lines of
// both chains are blanks. Its picture has exactly the step's cells white and framed, to colour
// in; the answer sheet's has them in their colours.
TEST(Worksheet, HidesOnlyWhatThePupilWrites)
{
    for (int kind = 1; kind <= kLastFurtherKind; ++kind) {
        const InductionArgument argument =
            kind < kFirstFurtherKind ? ArgumentLines(kind, 4) : FurtherArgument(DescribeFurther(kind), 4);
        const std::vector<std::string> blank = WorksheetLines(argument, false);
        const std::vector<std::string> whole = WorksheetLines(argument, true);
        ASSERT_EQ(blank.size(), whole.size());
        int blanks = 0;
        for (std::size_t i = 0; i < blank.size(); ++i) {
            if (blank[i] == whole[i])
                continue;
            ++blanks;
            const std::size_t from = blank[i].find("____");
            ASSERT_NE(from, std::string::npos) << blank[i];
            const std::size_t to = blank[i].find_first_not_of('_', from);
            const std::string after = to == std::string::npos ? std::string() : blank[i].substr(to);
            EXPECT_TRUE(whole[i].starts_with(blank[i].substr(0, from)) && whole[i].ends_with(after))
                << blank[i] << " / " << whole[i];
        }
        EXPECT_GE(blanks, 6) << "kind " << kind;
        const Expression sum = *ParseExpression(kind < kFirstFurtherKind ? (kind == 4 || kind == 5 ? "n^2" : "n(n+1)/2")
                                                                          : DescribeFurther(kind).sum)
                                    .value;
        for (const std::string& line : blank)
            EXPECT_FALSE(HasNumber(line, sum.At(4).Written())) << "kind " << kind << ": " << line;
        // nor the term the step adds, a cube or a power of 2 too
        for (std::size_t i = 0; i < blank.size(); ++i) {
            if (argument.lines[i].role == ArgumentRole::NewTerm) {
                EXPECT_FALSE(HasNumber(blank[i], (sum.At(4) - sum.At(3)).Written())) << blank[i];
            }
        }
        if (kind >= kFirstFurtherKind)
            continue;  // the pictures beside the form's are blanked by the same BlankCells

        const Tessalo form = ShownForm(kind, 4);
        const std::vector<int> added = AddedCells(ShownForm(kind, 3), form);
        const BoardPicture toColour = StepPicture(kind, 4, Language::bg, StepCellFill::Blank);
        const BoardPicture coloured = StepPicture(kind, 4, Language::bg);
        std::vector<int> white, framed;
        for (std::size_t i = 0; i < toColour.items.size(); ++i) {
            const PictureItem& item = toColour.items[i];
            if (item.kind == PictureItemKind::StepFrame)
                framed.push_back(item.cell);
            if (item.kind != PictureItemKind::Cell || item.cell == 0)
                continue;
            const Colour own = form.Shape1(item.cell).BackColor;
            if (item.fill != own) {
                white.push_back(item.cell);
                EXPECT_EQ(item.fill, (Colour{255, 255, 255})) << "kind " << kind;
            }
            EXPECT_EQ(coloured.items[i].fill, own) << "kind " << kind << ", cell " << item.cell;
        }
        std::sort(framed.begin(), framed.end());
        EXPECT_EQ(framed, added) << "kind " << kind;
        for (const int cell : white)
            EXPECT_TRUE(std::binary_search(added.begin(), added.end(), cell)) << "kind " << kind << ", cell " << cell;
        EXPECT_GE(white.size() * 2, added.size()) << "kind " << kind << ": most step cells are not white already";
    }
}
