// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The step from n - 1 to n: the earlier picture stays where it was, the last term
// of the sum is added, and a step is choosing the next n in the list and Show.
#include "app/induction_step.h"
#include "proof_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace {

struct Step {
    int kind;
    int n;  // the picture stepped to, from n - 1
};

void PrintTo(const Step& step, std::ostream* out)
{
    *out << "kind " << step.kind << ", n " << step.n - 1 << " to " << step.n;
}

std::vector<Step> AllSteps()
{
    std::vector<Step> steps;
    for (int kind = 1; kind <= 6; ++kind) {
        for (int n = 2; n <= 11; ++n)
            steps.push_back({kind, n});
    }
    return steps;
}

std::string StepName(const testing::TestParamInfo<Step>& info)
{
    return "Kind" + std::to_string(info.param.kind) + "N" + std::to_string(info.param.n);
}

// The last term of the sum for n: the n-th odd number for the odd numbers and the
// rising and falling sum (whose square grows by a band), n otherwise.
int LastTerm(int kind, int n)
{
    return kind == 4 || kind == 5 ? 2 * n - 1 : n;
}

std::set<std::pair<float, float>> Positions(const Tessalo& form)
{
    std::set<std::pair<float, float>> positions;
    for (const Cell& cell : Cells(form))
        positions.insert({cell.Left, cell.Top});
    return positions;
}

class EveryStep : public testing::TestWithParam<Step> {};

}  // namespace

TEST_P(EveryStep, KeepsThePreviousPictureAndAddsTheLastTerm)
{
    const auto [kind, n] = GetParam();
    const Tessalo previous = Shown(kind, n - 1);
    Tessalo form = previous;
    StepN(form, +1);
    ASSERT_EQ(Capture(form), Capture(Shown(kind, n)));
    EXPECT_EQ(Capture(PictureForN(form, n - 1)), Capture(previous));

    const auto now = Positions(form);
    const auto before = Positions(previous);
    for (const auto& position : before)
        EXPECT_TRUE(now.contains(position)) << position.first << ", " << position.second;

    const std::vector<int> added = AddedCells(previous, form);
    EXPECT_EQ(static_cast<int>(added.size()), LastTerm(kind, n));
    EXPECT_TRUE(std::is_sorted(added.begin(), added.end()));
    for (int index : added)
        EXPECT_FALSE(before.contains({form.Shape1(index).Left, form.Shape1(index).Top})) << index;
}

INSTANTIATE_TEST_SUITE_P(AllKinds, EveryStep, testing::ValuesIn(AllSteps()), StepName);

// A step ends in the same state as choosing its n in the list and pressing Show.
TEST(StepN, StaysWithinOneToElevenAndStartsAtOne)
{
    const struct {
        int kind;
        int from;  // n shown; 0: none chosen, after Clear
        int delta;
        int to;    // n chosen after the step; 0: still none
    } rows[] = {
        {1, 0, +1, 1},
        {4, 0, -1, 0},
        {3, 11, +1, 11},
        {6, 1, -1, 1},
        {5, 7, -1, 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "kind " << row.kind << ", n " << row.from << ", step " << row.delta);
        Tessalo start = Shown(row.kind, row.from == 0 ? 3 : row.from);
        if (row.from == 0)
            start.Command1_Click(0);
        Tessalo expected = start;
        expected.List1(0).ListIndex = row.to - 1;
        expected.Command1_Click(1);
        Tessalo stepped = start;
        StepN(stepped, row.delta);
        EXPECT_EQ(Capture(stepped), Capture(expected));
    }
}
