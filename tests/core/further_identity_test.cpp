// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The identities beside the form's six, checked by their mathematics: each
// picture counts its sum, holds the picture before it cell for cell and adds
// its term; each proof's chain holds as an identity in k; each false claim
// breaks exactly one part of the proof.
#include "app/picture_rows.h"
#include "identities/claim_check.h"
#include "identities/claim_parser.h"
#include "identities/claim_picture.h"
#include "identities/claim_text.h"
#include "identities/formula_text.h"
#include "identities/further_argument.h"
#include "identities/identity_picture.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <utility>

namespace {

Expression In(std::string_view formula, char letter)
{
    const ClaimParse parsed = ParseExpression(formula, letter);
    EXPECT_TRUE(parsed.value) << formula;
    return parsed.value.value_or(Expression{});
}

struct Described {
    int kind;
    Progression progression;
};

std::string Name(const testing::TestParamInfo<Described>& info)
{
    return "Kind" + std::to_string(info.param.kind) + "A" + std::to_string(info.param.progression.a) + "D" +
           std::to_string(info.param.progression.d);
}

class FurtherIdentityTest : public testing::TestWithParam<Described> {};

TEST_P(FurtherIdentityTest, PictureCountsItsSumAndAddsItsTermToThePictureBefore)
{
    const FurtherIdentity identity = DescribeFurther(GetParam().kind, GetParam().progression);
    ASSERT_EQ(identity.kind, GetParam().kind);
    Tessalo form;
    form.Form_Load();
    const Expression term = In(identity.term, 'k');
    const Expression sum = In(identity.sum, 'n');
    std::vector<GridCell> before;
    Fraction terms;
    for (int n = 1; n <= identity.maxN; ++n) {
        const std::vector<GridCell> cells = identity.cells(n);
        terms = terms + term.At(n);
        ASSERT_EQ(sum.At(n), terms) << "n = " << n;
        ASSERT_GE(cells.size(), before.size());
        EXPECT_TRUE(std::equal(before.begin(), before.end(), cells.begin())) << "n = " << n;
        const auto counted = [](auto first, auto last) {
            return std::count_if(first, last, [](const GridCell& cell) { return cell.counted; });
        };
        EXPECT_EQ(Fraction(counted(cells.begin(), cells.end())), sum.At(n)) << "n = " << n;
        // a pupil explores and hears the counted cells alone, in the picture's rows
        std::size_t explored = 0;
        for (const ExploreRow& row : ExploreRows(FurtherCells(identity, n), {}, Language::bg))
            explored += row.cells.size();
        EXPECT_EQ(Fraction(static_cast<long long>(explored)), sum.At(n)) << "n = " << n;
        // the board frames the step's cells, or leaves them out while they wait to be built
        std::vector<int> step(cells.size() - before.size());
        std::iota(step.begin(), step.end(), static_cast<int>(before.size()));
        const BoardPicture board = DescribeFurtherBoard(form, identity, n);
        const auto items = [](const BoardPicture& picture, PictureItemKind kind) {
            return static_cast<std::size_t>(std::count_if(picture.items.begin(), picture.items.end(),
                                                          [kind](const PictureItem& item) { return item.kind == kind; }));
        };
        EXPECT_EQ(items(MarkedBoard(board, {step, {}, {}, false, -1}), PictureItemKind::StepFrame), step.size());
        EXPECT_EQ(items(MarkedBoard(board, {{}, step, {}, false, -1}), PictureItemKind::Cell), before.size());
        EXPECT_EQ(Fraction(counted(cells.begin() + static_cast<long>(before.size()), cells.end())), term.At(n))
            << "n = " << n;
        std::set<std::pair<int, int>> places;
        const int side = CellSide(identity, n);  // each picture fits the board's room
        for (const GridCell& cell : cells) {
            EXPECT_TRUE(places.insert({cell.column, cell.row}).second) << "two cells at one place, n = " << n;
            EXPECT_LE(kPictureRoom.left + (cell.column + 1) * side, kPictureRoom.right);
            EXPECT_LE(kPictureRoom.top + (cell.row + 1) * side, kPictureRoom.bottom);
        }
        before = cells;
    }
}

TEST_P(FurtherIdentityTest, StepChainHoldsAsAnIdentityInK)
{
    const FurtherIdentity identity = DescribeFurther(GetParam().kind, GetParam().progression);
    const Expression sumK = In(Relettered(identity.sum, 'n', 'k'), 'k');
    EXPECT_EQ(In(identity.nextTerm, 'k'), In(identity.term, 'k').Shifted(1));
    EXPECT_EQ(In(identity.nextSum, 'k'), sumK.Shifted(1));
    ASSERT_FALSE(identity.chain.empty());
    EXPECT_EQ(In(identity.chain.front(), 'k'), sumK + In(identity.nextTerm, 'k'));
    for (std::size_t i = 1; i < identity.chain.size(); ++i)
        EXPECT_EQ(In(identity.chain[i], 'k'), In(identity.chain[i - 1], 'k')) << identity.chain[i];
    EXPECT_EQ(In(identity.chain.back(), 'k'), In(identity.nextSum, 'k'));
    // the true right-hand side is proved, the false ones break one part each
    EXPECT_TRUE(CheckClaim(RuleOf(identity.kind, GetParam().progression), In(identity.sum, 'n')).stepHolds);
    // and every line of its proof is heard in words, its powers too
    for (const Language language : {Language::bg, Language::en}) {
        for (const ArgumentLine& line : FurtherArgument(identity, identity.maxN, language).lines) {
            EXPECT_EQ(line.spoken.find_first_of(":;*^=()[]/<>"), std::string::npos) << line.spoken;
            for (const std::string_view sign : {"²", "³", "ⁿ", "ᵏ", "⁻", "·", "−", "…"})
                EXPECT_EQ(line.spoken.find(sign), std::string::npos) << line.spoken;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryIdentity, FurtherIdentityTest,
                         testing::Values(Described{7, {}}, Described{8, {1, 1}}, Described{8, {2, 3}},
                                         Described{8, {5, 5}}, Described{9, {}}, Described{10, {}}, Described{11, {}}),
                         Name);

TEST(BrokenClaimTest, EachFalseClaimBreaksOnePartOnlyAndIsFalseSomewhereInThePictures)
{
    for (int kind = 1; kind <= kLastFurtherKind; ++kind) {
        for (const Progression progression : {Progression{1, 1}, Progression{3, 2}}) {
            const SumRule rule = RuleOf(kind, progression);
            const std::vector<std::string> claims = BrokenClaims(kind, progression);
            EXPECT_GE(claims.size(), 2U) << "kind " << kind;
            for (const std::string& claim : claims) {
                const ClaimCheck check = CheckClaim(rule, In(claim, 'n'));
                EXPECT_NE(check.baseHolds, check.stepHolds) << "kind " << kind << ": " << claim;
                EXPECT_GE(check.firstFalse, check.baseHolds ? 2 : 1) << "kind " << kind << ": " << claim;
            }
        }
    }
}

TEST(BrokenClaimTest, VerdictFollowsTheProofForEachPartAndTheAlternatingSquares)
{
    struct Row {
        int kind;
        const char* claim;
        bool base;
        bool step;
        int firstFalse;
    };
    for (const Row& row : {
             Row{4, "3n - 2", true, false, 3},       // true for n = 1 and 2
             Row{4, "n^2 + 1", false, true, 1},
             Row{4, "n²", true, true, 0},
             Row{6, "n(n+1)/2", true, true, 0},      // the step takes the sum for k from (k + 1)²
             Row{6, "n(n+1)/2 + 1", false, false, 1},
             Row{9, "2ⁿ − 1", true, true, 0},
             Row{9, "n^2 - n + 1", true, false, 4},  // true up to 3
         }) {
        const ClaimCheck check = CheckClaim(RuleOf(row.kind), In(row.claim, 'n'));
        EXPECT_EQ(check.baseHolds, row.base) << row.claim;
        EXPECT_EQ(check.stepHolds, row.step) << row.claim;
        EXPECT_EQ(check.firstFalse, row.firstFalse) << row.claim;
    }
}

TEST(BrokenClaimTest, PictureMarksTheCellsAClaimLeavesOutOrAdds)
{
    Tessalo form;
    form.Form_Load();
    // the progression's picture: 9 counted cells in a staircase of 1, 3, 5 beside its outlined copy
    const BoardPicture board = DescribeFurtherBoard(form, DescribeFurther(8, {1, 2}), 3);
    const auto count = [&board](const BoardPicture& picture, PictureItemKind kind, bool empty) {
        return std::count_if(picture.items.begin(), picture.items.end(), [&](const PictureItem& item) {
            return item.kind == kind && (kind != PictureItemKind::Cell || (item.fill == board.background) == empty);
        });
    };
    struct Row {
        Fraction claimed;
        long frames;
        long emptyCells;
    };
    for (const Row& row : {Row{7, 2, 9}, Row{12, 3, 12}, Row{Fraction(17, 2), 0, 9}, Row{-4, 9, 9}, Row{9, 0, 9}}) {
        const BoardPicture marked = MarkClaim(board, 9, row.claimed);
        EXPECT_EQ(count(marked, PictureItemKind::StepFrame, false), row.frames) << row.claimed.Written();
        EXPECT_EQ(count(marked, PictureItemKind::Cell, true), row.emptyCells) << row.claimed.Written();
        EXPECT_EQ(count(marked, PictureItemKind::Cell, false), 9) << "the counted cells stay";
    }
    // the frames of what a claim leaves out lie on the counted cells drawn last
    const BoardPicture fewer = MarkClaim(board, 9, 8);
    const PictureItem& frame = fewer.items.back();
    const auto last = std::find_if(board.items.rbegin(), board.items.rend(), [&board](const PictureItem& item) {
        return item.kind == PictureItemKind::Cell && item.fill != board.background;
    });
    EXPECT_EQ(frame.cell, last->cell);
}

TEST(FormulaTextTest, WritesTypedFormulasAsATeacherDoes)
{
    for (const auto& [typed, written] : std::initializer_list<std::pair<std::string, std::string>>{
             {"n(n+1)/2", "n(n\u00A0+\u00A01)/2"},
             {"-2^(k-1)*3", "−2ᵏ⁻¹·3"},
             {"2^(k+1) - 1", "2ᵏ⁺¹\u00A0−\u00A01"},
             {"(k+1)^2 (k+2)^2/4", "(k\u00A0+\u00A01)²(k\u00A0+\u00A02)²/4"},
             {"2^(n/2)", "2^(n/2)"},
         })
        EXPECT_EQ(WrittenFormula(typed), written) << typed;
    EXPECT_EQ(FormulaWithNumber("n(n+1)/2", 'n', 3), "3·4/2");
    EXPECT_EQ(FormulaWithNumber("(n(n+1)/2)^2", 'n', 3), "6²");
    EXPECT_EQ(FormulaWithNumber("2n + 2^(n-1)", 'n', 3), "2·3\u00A0+\u00A02²");
    EXPECT_EQ(PlainFormula("2ⁿ⁺¹ − 3·N², 5"), "2^(n+1) - 3*n^2. 5");
    EXPECT_EQ(WrittenExpression(In("3k + 2 - (k-1)^2/2 + 2^(k+1)", 'k'), 'k'),
              "2·2ᵏ\u00A0−\u00A0k²/2\u00A0+\u00A04k\u00A0+\u00A03/2");
}

TEST(ClaimTextTest, SaysWhereTheProofBreaksInWholeLines)
{
    const ClaimCheck check = CheckClaim(RuleOf(4), In("3n-2", 'n'));
    const std::vector<std::string> lines = ClaimLines(4, {}, "3n-2", check, Language::en);
    const std::vector<std::string> expected{
        "P(n): 1 +\u00A03 +\u00A0… +\u00A0(2n\u00A0−\u00A01) =\u00A03n\u00A0−\u00A02",
        "Base case, n\u00A0=\u00A01: 1 =\u00A03·1\u00A0−\u00A02 =\u00A01, true.",
        "Assume that P(k) is true for some natural number k: 1 +\u00A03 +\u00A0… +\u00A0(2k\u00A0−\u00A01) =\u00A03k\u00A0−\u00A02.",
        "1 +\u00A03 +\u00A0… +\u00A0(2k\u00A0−\u00A01) +\u00A0(2k\u00A0+\u00A01) =\u00A03k\u00A0−\u00A02 +\u00A0"
        "(2k\u00A0+\u00A01)   (by the hypothesis)",
        "=\u00A05k\u00A0−\u00A01",
        "≠\u00A03k\u00A0+\u00A01 =\u00A03(k\u00A0+\u00A01)\u00A0−\u00A02",
        "The step fails: P(k) does not imply P(k + 1), the two sides are not equal.",
        "The base holds but the step does not: the proof breaks in the step.",
        "The claim holds for n from 1 to 2, and for n = 3 no longer. At n = 3 the sum is 9, and the claim says 7.",
    };
    EXPECT_EQ(lines, expected);
}

}  // namespace
