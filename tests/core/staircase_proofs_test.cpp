// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The staircases and the triangle: natural numbers (kind 1), arithmetic
// progression (kind 2), triangle (kind 3), against their worked examples.
#include "proof_support.h"

#include <gtest/gtest.h>

namespace {

const std::string kHeading = "Доказвам: 1+2+...+n=n*(n+1)/2";

// The triangle's cells stand at half steps from the apex at (2280, 480).
ExpectedCell Apex(int row, int halfSteps)
{
    return {2280.0f + 187.5f * halfSteps, 480.0f + 375 * row, kBlue};
}

const WorkedExample kCircleExamples[] = {
    {1, 1, Text({kHeading, "1", "Общ брой: 1"}), {Grid(0, 0, kBlue)}},
    {1, 2, Text({kHeading, "1", "1 2 ", "Общ брой: 3"}), {Grid(0, 0, kBlue), Grid(1, 0, kBlue), Grid(1, 1, kBlue)}},
    {1, 3, Text({kHeading, "1", "1 2 ", "1 2 3 ", "Общ брой: 6"}),
     {Grid(0, 0, kBlue), Grid(1, 0, kBlue), Grid(1, 1, kBlue), Grid(2, 0, kBlue), Grid(2, 1, kBlue),
      Grid(2, 2, kBlue)}},
    {1, 11,
     Text({kHeading, "1", "1 2 ", "1 2 3 ", "1 2 3 4 ", "1 2 3 4 5 ", "1 2 3 4 5 6 ", "1 2 3 4 5 6 7 ",
           "1 2 3 4 5 6 7 8 ", "1 2 3 4 5 6 7 8 9 ", "1 2 3 4 5 6 7 8 9 10 ", "1 2 3 4 5 6 7 8 9 10 11 ",
           "Общ брой: 66"}),
     {}},

    {3, 1, Text({kHeading, "1", "Общ брой: 1"}), {Apex(0, 0)}},
    {3, 2, Text({kHeading, "1", "1 2 ", "Общ брой: 3"}), {Apex(0, 0), Apex(1, -1), Apex(1, 1)}},
    {3, 3, Text({kHeading, "1", "1 2 ", "1 2 3 ", "Общ брой: 6"}),
     {Apex(0, 0), Apex(1, -1), Apex(1, 1), Apex(2, -2), Apex(2, 0), Apex(2, 2)}},
};

const WorkedExample kSquareExamples[] = {
    {2, 1, Text({kHeading, "1", "Общ брой: 1"}), {Grid(0, 0, kBrown)}},
    {2, 2, Text({kHeading, "1", "1 2 ", "Общ брой: 3"}),
     {Grid(0, 0, kBrown), Grid(1, 0, kBlue), Grid(1, 1, kBrown)}},
    {2, 3, Text({kHeading, "1", "1 2 ", "1 2 3 ", "Общ брой: 6"}),
     {Grid(0, 0, kBrown), Grid(1, 0, kBlue), Grid(1, 1, kBrown), Grid(2, 0, kBlue), Grid(2, 1, kBlue),
      Grid(2, 2, kBrown)}},
};

class CircleProof : public testing::TestWithParam<WorkedExample> {};
class StaircaseOfSquares : public testing::TestWithParam<WorkedExample> {};

}  // namespace

TEST_P(CircleProof, MatchesTheWorkedExample)
{
    CheckWorkedExample(GetParam(), kCircle);
}

TEST_P(StaircaseOfSquares, MatchesTheWorkedExample)
{
    CheckWorkedExample(GetParam(), kSquare);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CircleProof, testing::ValuesIn(kCircleExamples), ExampleName);
INSTANTIATE_TEST_SUITE_P(WorkedExamples, StaircaseOfSquares, testing::ValuesIn(kSquareExamples), ExampleName);

TEST(TriangleProof, BottomRowAtElevenSpansTheBoard)
{
    const Tessalo form = Shown(3, 11);
    ASSERT_EQ(form.CellTotal, 65);
    EXPECT_EQ(form.Shape1(55).Left, 405);
    EXPECT_EQ(form.Shape1(65).Left, 4155);
    EXPECT_EQ(form.Shape1(65).Top, 4230);
    EXPECT_EQ(form.Shape1(65).Left + form.Shape1(65).Width, 4530);
    EXPECT_TRUE(form.Text1(0).Text.ends_with("\r\nОбщ брой: 66\r\n"));
}

// Whatever the last picture left in the template, the apex and the colour are fixed.
TEST(TriangleProof, StandsAtTheApexInBlueAfterAnyPicture)
{
    for (int previous = 1; previous <= 6; ++previous) {
        for (int n : {1, 4}) {
            Tessalo form = Shown(previous, n);
            Show(form, 3, 3);
            EXPECT_EQ(form.Shape1(0).Left, 2280) << previous << ' ' << n;
            EXPECT_EQ(form.Shape1(0).Top, 480) << previous << ' ' << n;
            for (const Cell& cell : Cells(form))
                EXPECT_EQ(cell.BackColor, kBlue) << previous << ' ' << n;
        }
    }
}

TEST(TriangleProof, ApexFollowsTheCountLabel)
{
    const struct {
        float labelLeft, labelTop;
        float apexLeft, apexTop;
    } rows[] = {
        {4560, 480, 2280, 480},
        {4561, 480.5f, 2280.5f, 480},  // 16-bit rounding goes to the even neighbour
        {4000, 481.5f, 2000, 482},
        {3000, 300.4f, 1500, 300},
    };
    for (const auto& row : rows) {
        Tessalo form = LoadedForm();
        form.Label1(1).Left = row.labelLeft;
        form.Label1(1).Top = row.labelTop;
        Show(form, 3, 2);
        EXPECT_EQ(form.Shape1(0).Left, row.apexLeft);
        EXPECT_EQ(form.Shape1(0).Top, row.apexTop);
        EXPECT_EQ(form.Shape1(1).Left, row.apexLeft - 187.5f);
    }
}

TEST(StaircaseProofs, BothKindsWriteTheSameTextAtTheSamePlaces)
{
    for (int n = 1; n <= 11; ++n) {
        const Tessalo circles = Shown(1, n);
        const Tessalo squares = Shown(2, n);
        EXPECT_EQ(circles.Text1(0).Text, squares.Text1(0).Text) << n;
        const auto a = Cells(circles), b = Cells(squares);
        ASSERT_EQ(a.size(), b.size()) << n;
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i].Left, b[i].Left) << n << ' ' << i;
            EXPECT_EQ(a[i].Top, b[i].Top) << n << ' ' << i;
        }
    }
}

TEST(StaircaseProofs, ProgressionMarksTheRightmostSquareOfEachRow)
{
    for (int n = 1; n <= 11; ++n) {
        const Tessalo form = Shown(2, n);
        const auto cells = Cells(form);
        int brown = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            // the next cell starts a new row, or there is none
            const bool rowEnd = i + 1 == cells.size() || cells[i + 1].Top != cells[i].Top;
            EXPECT_EQ(cells[i].BackColor, rowEnd ? kBrown : kBlue) << "n " << n << " cell " << i;
            brown += cells[i].BackColor == kBrown;
        }
        EXPECT_EQ(brown, n);
    }
}

// A new cell copies the brown-orange template; it must be blue before it shows.
TEST(StaircaseProofs, NaturalSumIsBlueAfterTheProgression)
{
    Tessalo form = Shown(2, 5);
    Show(form, 1, 5);
    for (const Cell& cell : Cells(form)) {
        EXPECT_EQ(cell.BackColor, kBlue);
        EXPECT_EQ(cell.Shape, kCircle);
    }
}
