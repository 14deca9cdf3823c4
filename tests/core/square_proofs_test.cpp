// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The square pictures: odd numbers (kind 4), rising and falling sum (kind 5),
// difference of squares (kind 6), against their worked examples.
#include "proof_support.h"

#include <gtest/gtest.h>

namespace {

const std::string kOddHeading = "Доказвам: 1+3+5+...+(2n-1)=n*n";
const std::string kPyramidHeading = "Доказвам: 1 + 2 +... + n-1 + n + n-1 +....+ 2 + 1 = n*n";
const std::string kDifferenceHeading = "n^2 - (n-1)^2 +(n-2)^2 - (n-3)^2 +...+(-1)^(n-1) = n*(n+1)/2";

const WorkedExample kExamples[] = {
    {4, 1, Text({kOddHeading, "Общ брой: 1*1 = 1", "1 = 1*1 = 1"}), {Grid(0, 0, kWhite)}},
    {4, 2, Text({kOddHeading, "Общ брой: 2*2 = 4", "1 + 3 = 2*2 = 4"}),
     {Grid(0, 0, kWhite), Grid(0, 1, kBlue), Grid(1, 0, kBlue), Grid(1, 1, kBlue)}},
    {4, 3, Text({kOddHeading, "Общ брой: 3*3 = 9", "1 + 3 + 5 = 3*3 = 9"}),
     {Grid(0, 0, kWhite), Grid(0, 1, kBlue), Grid(0, 2, kWhite), Grid(1, 0, kBlue), Grid(1, 1, kBlue),
      Grid(1, 2, kWhite), Grid(2, 0, kWhite), Grid(2, 1, kWhite), Grid(2, 2, kWhite)}},
    {4, 11,
     Text({kOddHeading, "Общ брой: 11*11 = 121",
           "1 + 3 + 5 + 7 + 9 + 11 + 13 + 15 + 17 + 19 + 21 = 11*11 = 121"}),
     {}},

    {5, 1, Text({kPyramidHeading, "1 = 1"}), {Grid(0, 0, kBlue)}},
    {5, 2, Text({kPyramidHeading, "1+2+1 = 4"}),
     {Grid(0, 0, kBlue), Grid(0, 1, kBlue), Grid(1, 0, kBlue), Grid(1, 1, kBlue)}},
    {5, 3, Text({kPyramidHeading, "1+2+3+2+1 = 9"}),
     {Grid(0, 0, kBlue), Grid(0, 1, kBlue), Grid(0, 2, kBlue), Grid(1, 0, kBlue), Grid(1, 1, kBlue),
      Grid(1, 2, kBlue), Grid(2, 0, kBlue), Grid(2, 1, kBlue), Grid(2, 2, kBlue)}},
    {5, 10, Text({kPyramidHeading, "1+2+3+4+5+6+7+8+9+10+9+8+7+6+5+4+3+2+1 = 100"}), {}},
    {5, 11, Text({kPyramidHeading, "1+2+3+4+5+6+7+8+9+10+11+10+9+8+7+6+5+4+3+2+1 = 121"}), {}},

    {6, 1, Text({"Доказвам: ", kDifferenceHeading, "1  = 1"}), {Grid(0, 0, kBlue)}},
    {6, 2, Text({"Доказвам: ", kDifferenceHeading, "4 -1  = 3"}),
     {Grid(0, 0, kBlue), Grid(0, 1, kBlue), Grid(1, 0, kBlue)}},
    {6, 3, Text({"Доказвам: ", kDifferenceHeading, "9 -4 +1  = 6"}),
     {Grid(0, 0, kBlue), Grid(0, 1, kBlue), Grid(0, 2, kBlue), Grid(1, 0, kBlue), Grid(1, 1, kBlue),
      Grid(2, 0, kBlue)}},
    {6, 4, Text({"Доказвам: ", kDifferenceHeading, "16 -9 +4 -1  = 10"}),
     {Grid(0, 0, kBlue), Grid(0, 1, kBlue), Grid(0, 2, kBlue), Grid(0, 3, kBlue), Grid(1, 0, kBlue),
      Grid(1, 1, kBlue), Grid(1, 2, kBlue), Grid(2, 0, kBlue), Grid(2, 1, kBlue), Grid(3, 0, kBlue)}},
    {6, 11, Text({"Доказвам: ", kDifferenceHeading, "121 -100 +81 -64 +49 -36 +25 -16 +9 -4 +1  = 66"}), {}},
};

class SquareProof : public testing::TestWithParam<WorkedExample> {};

}  // namespace

TEST_P(SquareProof, MatchesTheWorkedExample)
{
    CheckWorkedExample(GetParam(), kSquare);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, SquareProof, testing::ValuesIn(kExamples), ExampleName);

TEST(SquareProof, ElevenFillsTheBoardToItsEdges)
{
    const struct {
        int kind;
        float right;   // of the rightmost cell
        float bottom;  // of the lowest cell
        int lastIndex;
        ExpectedCell last;
    } rows[] = {
        {4, 4245, 4605, 120, {3870, 4230, kWhite}},
        {5, 4245, 4605, 120, {3870, 4230, kBlue}},
        {6, 4245, 4605, 65, {120, 4230, kBlue}},
    };
    for (const auto& row : rows) {
        const Tessalo form = Shown(row.kind, 11);
        float right = 0, bottom = 0;
        for (const Cell& cell : Cells(form)) {
            right = std::max(right, cell.Left + cell.Width);
            bottom = std::max(bottom, cell.Top + cell.Height);
        }
        EXPECT_EQ(right, row.right) << "kind " << row.kind;
        EXPECT_EQ(bottom, row.bottom) << "kind " << row.kind;
        ASSERT_EQ(form.CellTotal, row.lastIndex) << "kind " << row.kind;
        const Cell& last = form.Shape1(row.lastIndex);
        EXPECT_EQ(last.Left, row.last.left) << "kind " << row.kind;
        EXPECT_EQ(last.Top, row.last.top) << "kind " << row.kind;
        EXPECT_EQ(last.BackColor, row.last.colour) << "kind " << row.kind;
    }
}
