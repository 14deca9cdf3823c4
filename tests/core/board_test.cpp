// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tessalo.h"
#include "form_state.h"

#include <gtest/gtest.h>

namespace {

int ErrorOf(auto&& action)
{
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

}  // namespace

TEST(ShapeArray, LoadCopiesTheTemplateAsItIsNowButHidden)
{
    Tessalo form = LoadedForm();
    form.Shape1(0) = {2092.5f, 855, 200, 300, {200, 120, 40}, kCircle, true};
    form.Shape1.Load(1);
    Cell expected = form.Shape1(0);
    expected.Visible = false;
    EXPECT_EQ(form.Shape1(1), expected);

    form.Shape1(0).BackColor = {1, 2, 3};
    EXPECT_EQ(form.Shape1(1).BackColor, (Colour{200, 120, 40})) << "a copy, not a reference";
    EXPECT_EQ(form.Shape1.Count(), 2);
}

TEST(ShapeArray, RaisesTheToolkitErrors)
{
    Tessalo form = LoadedForm();
    form.Shape1.Load(1);
    EXPECT_EQ(ErrorOf([&] { form.Shape1.Load(1); }), RuntimeError::kAlreadyLoaded);
    EXPECT_EQ(ErrorOf([&] { form.Shape1.Unload(0); }), RuntimeError::kDesignTimeControl);
    EXPECT_EQ(ErrorOf([&] { form.Shape1.Unload(2); }), RuntimeError::kElementMissing);
    EXPECT_EQ(ErrorOf([&] { (void)form.Shape1(2); }), RuntimeError::kElementMissing);
    EXPECT_EQ(ErrorOf([&] { (void)form.Shape1(-1); }), RuntimeError::kElementMissing);
    EXPECT_EQ(ErrorOf([&] { (void)form.Option1(6); }), RuntimeError::kElementMissing);
    EXPECT_EQ(form.Shape1.Count(), 2);
}

TEST(ShapeArray, UnloadedIndicesCanBeLoadedAgain)
{
    Tessalo form = LoadedForm();
    for (int round = 0; round < 3; ++round) {
        for (int i = 1; i <= 120; ++i)
            form.Shape1.Load(i);
        EXPECT_EQ(form.Shape1.Count(), 121);
        for (int i = 1; i <= 120; ++i)
            form.Shape1.Unload(i);
        EXPECT_EQ(form.Shape1.Count(), 1);
        EXPECT_FALSE(form.Shape1.Exists(1));
    }
}

TEST(PaintCell, PaintsTheNewestCellInOneOfThreeColours)
{
    const struct {
        std::int16_t state;
        Colour colour;
    } rows[] = {
        {0, {40, 120, 200}},  {1, {250, 250, 250}}, {2, {200, 120, 40}},
        {3, {192, 255, 192}}, {-1, {192, 255, 192}}, {32767, {192, 255, 192}},
    };
    for (const auto& row : rows) {
        Tessalo form = LoadedForm();
        form.Shape1.Load(1);
        form.Shape1.Load(2);
        form.CellIndex = 1;
        const Cell before = form.Shape1(1);
        form.PaintCell(row.state);
        Cell expected = before;
        expected.BackColor = row.colour;
        EXPECT_EQ(form.Shape1(1), expected) << "state " << row.state;
        EXPECT_EQ(form.Shape1(0).BackColor, (Colour{192, 255, 192})) << "state " << row.state;
        EXPECT_EQ(form.Shape1(2).BackColor, (Colour{192, 255, 192})) << "state " << row.state;
    }
}

TEST(PaintCell, PaintsTheTemplateWhileNoCellIsCreated)
{
    Tessalo form = LoadedForm();
    form.PaintCell(2);
    form.Shape1.Load(1);
    EXPECT_EQ(form.Shape1(1).BackColor, (Colour{200, 120, 40}));
    EXPECT_FALSE(form.Shape1(1).Visible);
}
