// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/fixed_texts.h"
#include "app/tessalo.h"
#include "form_state.h"

#include <gtest/gtest.h>

namespace {

constexpr Colour kPaleGreen{192, 255, 192};

// A picture as a proof leaves it: the template and `cells` more, all shown.
void DrawPicture(Tessalo& form, int cells, const std::string& text)
{
    form.Shape1(0).Visible = true;
    for (int i = 1; i <= cells; ++i) {
        form.Shape1.Load(i);
        form.Shape1(i).Left = form.Shape1(0).Left + 375.0f * i;
        form.Shape1(i).Visible = true;
    }
    form.CellIndex = static_cast<std::int16_t>(cells);
    form.CellTotal = static_cast<std::int16_t>(cells);
    form.Text1(0).Text = text;
}

}  // namespace

TEST(Form, StartsWithItsDesignValues)
{
    const Tessalo form;
    EXPECT_EQ(form.Shape1.Count(), 1);
    EXPECT_EQ(form.Shape1(0), (Cell{2280, 600, 375, 375, kPaleGreen, kSquare, true}));
    EXPECT_EQ(form.Text1(0).Text, kMethodText);
    EXPECT_EQ(form.Text1(1).Text, kQuotation);
    EXPECT_EQ(form.List1(0).ListIndex, -1);
    ASSERT_EQ(form.List1(0).ListCount(), 11);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(form.List1(0).List(i), std::to_string(i + 1));
    EXPECT_EQ(form.List1(0).List(11), "");
    EXPECT_EQ(form.Label1(1).Left, 4560);
    EXPECT_EQ(form.Label1(1).Top, 480);
    EXPECT_EQ(form.Label1(0).Caption, "Tessalo чрез графика");
    EXPECT_EQ(form.ProofKind, 0);
    EXPECT_EQ(form.CellTotal, 0);
}

TEST(Form, LoadHidesTheTemplateAtTheOriginAndChoosesTheFirstIdentity)
{
    const Tessalo form = LoadedForm();
    EXPECT_EQ(form.LeftMargin, 120);
    EXPECT_EQ(form.TopMargin, 480);
    EXPECT_EQ(form.Shape1(0), (Cell{120, 480, 375, 375, kPaleGreen, kSquare, false}));
    EXPECT_EQ(form.ProofKind, 1);
    EXPECT_EQ(form.CellTotal, 0);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(form.Option1(i).Value, i == 0) << i;
    EXPECT_EQ(form.Text1(0).Text, kMethodText);
    EXPECT_EQ(form.List1(0).ListIndex, -1);
}

TEST(Form, RadioButtonsSetTheProofKindAndNothingElse)
{
    const struct {
        int index;
        int kind;  // expected afterwards, starting from kind 4
    } rows[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {-1, 4}, {6, 4}, {99, 4}};
    for (const auto& row : rows) {
        Tessalo form = LoadedForm();
        form.List1(0).ListIndex = 2;
        form.Option1_Click(3);
        DrawPicture(form, 5, "picture\r\n");
        FormState expected = Capture(form);
        expected.ProofKind = static_cast<std::int16_t>(row.kind);
        form.Option1_Click(row.index);
        EXPECT_EQ(Capture(form), expected) << "Option1_Click(" << row.index << ")";
    }
}

TEST(Form, ShowWithoutAChosenNumberChangesNothing)
{
    for (int kind = 0; kind < 6; ++kind) {
        Tessalo form = LoadedForm();
        form.ChooseOption(kind);
        const FormState fresh = Capture(form);
        form.Command1_Click(1);
        EXPECT_EQ(Capture(form), fresh) << "fresh window, kind " << kind + 1;

        DrawPicture(form, 4, "picture\r\n");
        const FormState drawn = Capture(form);
        form.Command1_Click(1);
        EXPECT_EQ(Capture(form), drawn) << "after a picture, kind " << kind + 1;
    }
}

TEST(Form, OtherButtonIndicesDoNothing)
{
    Tessalo form = LoadedForm();
    form.List1(0).ListIndex = 4;
    DrawPicture(form, 3, "picture\r\n");
    const FormState before = Capture(form);
    for (int index : {-1, 2, 7})
        form.Command1_Click(index);
    EXPECT_EQ(Capture(form), before);
}

TEST(Form, ShowGivesTheTemplateTheShapeOfTheKind)
{
    const std::int16_t shapes[] = {kCircle, kSquare, kCircle, kSquare, kSquare, kSquare};
    for (int kind = 1; kind <= 6; ++kind) {
        Tessalo form = LoadedForm();
        form.ChooseOption(kind - 1);
        form.List1(0).ListIndex = 2;
        form.Command1_Click(1);
        EXPECT_EQ(form.Shape1(0).Shape, shapes[kind - 1]) << "kind " << kind;
    }
}

TEST(Form, ShowClearsThePreviousPicture)
{
    Tessalo form = LoadedForm();
    form.List1(0).ListIndex = 0;
    DrawPicture(form, 10, "old picture\r\n");
    form.Command1_Click(1);
    EXPECT_FALSE(form.Shape1.Exists(11));
    EXPECT_EQ(form.Text1(0).Text.find("old picture"), std::string::npos);
}

TEST(Form, ClearRemovesThePictureHidesTheTemplateAndDeselects)
{
    Tessalo form = LoadedForm();
    form.List1(0).ListIndex = 6;
    form.Shape1(0).Left = 2280;
    DrawPicture(form, 27, "picture\r\n");
    form.Command1_Click(0);
    EXPECT_EQ(form.Shape1.Count(), 1);
    EXPECT_EQ(form.Shape1(0).Left, 120);
    EXPECT_EQ(form.Shape1(0).Top, 480);
    EXPECT_FALSE(form.Shape1(0).Visible);
    EXPECT_EQ(form.Text1(0).Text, "");
    EXPECT_EQ(form.CellTotal, 0);
    EXPECT_EQ(form.List1(0).ListIndex, -1);

    const FormState cleared = Capture(form);
    form.Command1_Click(1);
    EXPECT_EQ(Capture(form), cleared) << "Show after Clear waits for a number";
}

// After a picture of one cell (or none) the text stays; the cells that exist stay.
TEST(Form, ClearAfterTheTemplateAloneKeepsTheText)
{
    for (int cells : {0, 1}) {
        Tessalo form = LoadedForm();
        form.List1(0).ListIndex = 0;
        DrawPicture(form, cells, "one-cell proof\r\n");
        form.Command1_Click(0);
        EXPECT_EQ(form.Text1(0).Text, "one-cell proof\r\n") << cells;
        EXPECT_EQ(form.Shape1.Count(), 1 + cells);
        EXPECT_EQ(form.CellTotal, cells);
        EXPECT_FALSE(form.Shape1(0).Visible);
        EXPECT_EQ(form.List1(0).ListIndex, -1);
    }
}

TEST(Form, ClearOnAFreshWindowKeepsTheMethodText)
{
    Tessalo form = LoadedForm();
    form.List1(0).ListIndex = 3;
    form.Command1_Click(0);
    EXPECT_EQ(form.Text1(0).Text, kMethodText);
    EXPECT_EQ(form.List1(0).ListIndex, -1);
    EXPECT_EQ(form.Shape1.Count(), 1);
}

// The triangle leaves its one-cell picture at the apex; the next picture must
// start from the board origin all the same.
TEST(Form, ClearBoardPutsTheTemplateBackEvenAfterAOneCellPicture)
{
    for (int button : {0, 1}) {
        Tessalo form = LoadedForm();
        form.ChooseOption(3);
        form.List1(0).ListIndex = 6;
        form.Shape1(0).Left = 2280;
        DrawPicture(form, 0, "1\r\n");
        form.Command1_Click(button);
        EXPECT_EQ(form.Shape1(0).Left, 120) << "button " << button;
        EXPECT_EQ(form.Shape1(0).Top, 480) << "button " << button;
        if (button == 0) {
            EXPECT_EQ(form.Text1(0).Text, "1\r\n") << "the rest of the early return stays";
        }
    }
}
