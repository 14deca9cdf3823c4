// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What holds for every identity and every n from 1 to 11.
#include "proof_support.h"

#include "app/form_language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

struct Case {
    int kind;
    int n;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << "kind " << c.kind << ", n " << c.n;
}

std::vector<Case> AllCases()
{
    std::vector<Case> cases;
    for (int kind = 1; kind <= 6; ++kind) {
        for (int n = 1; n <= 11; ++n)
            cases.push_back({kind, n});
    }
    return cases;
}

std::string CaseName(const testing::TestParamInfo<Case>& info)
{
    return "Kind" + std::to_string(info.param.kind) + "N" + std::to_string(info.param.n);
}



// The value of a written sum such as "16 -9 +4 -1" or "1 + 3 + 5".
int Evaluate(const std::string& sum)
{
    std::string compact;
    for (char c : sum) {
        if (c != ' ')
            compact += c;
    }
    int total = 0;
    for (std::size_t at = 0; at < compact.size();) {
        std::size_t used = 0;
        total += std::stoi(compact.substr(at), &used);
        at += used;
    }
    return total;
}

// Row and column from 0, read back from a cell's position on the grid whose
// first row starts at `rowStart(row)`.
struct Place {
    int row;
    double column;
};

Place PlaceOf(const Cell& cell, const Cell& origin, double rowShift)
{
    const int row = static_cast<int>((cell.Top - origin.Top) / origin.Height);
    return {row, (cell.Left - origin.Left + row * rowShift) / origin.Width};
}

// The index each kind gives the cell at (row, column).
int IndexAt(int kind, int n, int row, int column)
{
    switch (kind) {
    case 4:
    case 5: return row * n + column;
    case 6: return row * n - row * (row - 1) / 2 + column;
    default: return row * (row + 1) / 2 + column;
    }
}

// Whether UTF-8 text holds a Cyrillic letter (U+0400..U+04FF, lead bytes D0..D3).
bool HasCyrillic(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xD0 && byte <= 0xD3;
    });
}

// Each line from its first digit on: the numbers and formulas, without the words.
std::vector<std::string> Figures(const std::string& text)
{
    std::vector<std::string> figures;
    for (const std::string& line : Lines(text)) {
        const auto digit = line.find_first_of("0123456789");
        figures.push_back(digit == std::string::npos ? std::string() : line.substr(digit));
    }
    return figures;
}

struct EnglishExample {
    int kind;
    int n;
    std::string text;
};

void PrintTo(const EnglishExample& example, std::ostream* out)
{
    *out << "kind " << example.kind << ", n " << example.n;
}

const EnglishExample kEnglishExamples[] = {
    {1, 3, Text({"To prove: 1+2+...+n=n*(n+1)/2", "1", "1 2 ", "1 2 3 ", "Total: 6"})},
    {2, 2, Text({"To prove: 1+2+...+n=n*(n+1)/2", "1", "1 2 ", "Total: 3"})},
    {3, 2, Text({"To prove: 1+2+...+n=n*(n+1)/2", "1", "1 2 ", "Total: 3"})},
    {4, 3, Text({"To prove: 1+3+5+...+(2n-1)=n*n", "Total: 3*3 = 9", "1 + 3 + 5 = 3*3 = 9"})},
    {5, 3, Text({"To prove: 1 + 2 +... + n-1 + n + n-1 +....+ 2 + 1 = n*n", "1+2+3+2+1 = 9"})},
    {6, 3, Text({"To prove: ", "n^2 - (n-1)^2 +(n-2)^2 - (n-3)^2 +...+(-1)^(n-1) = n*(n+1)/2", "9 -4 +1  = 6"})},
};

class EveryProof : public testing::TestWithParam<Case> {};
class EnglishProof : public testing::TestWithParam<EnglishExample> {};

}  // namespace

TEST_P(EnglishProof, MatchesTheWorkedExample)
{
    const EnglishExample& example = GetParam();
    EXPECT_EQ(Shown(example.kind, example.n, Language::en).Text1(0).Text, example.text);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, EnglishProof, testing::ValuesIn(kEnglishExamples));

// The English proof text is the Bulgarian one with its words translated: the
// same lines, the same numbers in the same places, no Cyrillic letter left.
TEST_P(EveryProof, InEnglishWritesTheSameFiguresInTheSameLines)
{
    const auto [kind, n] = GetParam();
    const std::string english = Shown(kind, n, Language::en).Text1(0).Text;
    EXPECT_FALSE(HasCyrillic(english)) << english;
    EXPECT_EQ(Figures(english), Figures(Shown(kind, n).Text1(0).Text));

    // switched at run time, the shown form says the same, and switches back
    Tessalo switched = Shown(kind, n);
    SwitchLanguage(switched, Language::en);
    EXPECT_EQ(switched.Text1(0).Text, english);
    SwitchLanguage(switched, Language::bg);
    EXPECT_EQ(switched.Text1(0).Text, Shown(kind, n).Text1(0).Text);
}

TEST(SwitchLanguage, PutsAFreshFormsTextsIntoTheOtherLanguage)
{
    Tessalo fresh;
    fresh.Form_Load();
    SwitchLanguage(fresh, Language::en);
    const Tessalo english(Language::en);
    for (int i = 0; i < fresh.Label1.Count(); ++i)
        EXPECT_EQ(fresh.Label1(i).Caption, english.Label1(i).Caption);
    for (int i = 0; i < fresh.Text1.Count(); ++i)
        EXPECT_EQ(fresh.Text1(i).Text, english.Text1(i).Text);
}

// Every text of the English catalogue, whatever shows it.
TEST(EnglishCatalogue, HoldsNoCyrillicLetter)
{
    for (std::size_t id = 0; id < kTextCount; ++id) {
        const std::string_view text = Tr(Language::en, static_cast<TextId>(id));
        EXPECT_FALSE(HasCyrillic(text)) << "text " << id << ": " << text;
    }
}

TEST_P(EveryProof, CountsWhatItDraws)
{
    const auto [kind, n] = GetParam();
    const Tessalo form = Shown(kind, n);
    const int value = Value(kind, n);
    EXPECT_EQ(LastNumber(form.Text1(0).Text), value);
    EXPECT_EQ(form.Shape1.Count(), value);
    EXPECT_EQ(form.CellIndex, value - 1);
    EXPECT_EQ(form.CellTotal, value - 1);
    const std::int16_t shape = kind == 1 || kind == 3 ? kCircle : kSquare;
    for (const Cell& cell : Cells(form)) {
        EXPECT_TRUE(cell.Visible);
        EXPECT_EQ(cell.Shape, shape);
        EXPECT_EQ(cell.Width, 375);
        EXPECT_EQ(cell.Height, 375);
    }
    EXPECT_FALSE(form.Shape1.Exists(value));
}

TEST_P(EveryProof, WritesASumThatAddsUpToTheCount)
{
    const auto [kind, n] = GetParam();
    const auto lines = Lines(Shown(kind, n).Text1(0).Text);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), lines[0]), 1) << "the heading once";
    if (kind < 4)
        return;  // the row lines list the circles of each row; the count line closes them
    const std::string& sum = lines.back();
    EXPECT_EQ(Evaluate(sum.substr(0, sum.find(" = "))), Value(kind, n)) << sum;
}

TEST_P(EveryProof, CellsStayInTheBoardAreaAndNeverOverlap)
{
    const auto [kind, n] = GetParam();
    const auto cells = Cells(Shown(kind, n));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Cell& cell = cells[i];
        EXPECT_GE(cell.Left, 120) << i;
        EXPECT_GE(cell.Top, 480) << i;
        EXPECT_LE(cell.Left + cell.Width, 4560) << i;
        EXPECT_LE(cell.Top + cell.Height, 4800) << i;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(Overlap(cells[j], cell)) << j << " and " << i;
    }
}

TEST_P(EveryProof, NumbersCellsRowByRowAndColoursThem)
{
    const auto [kind, n] = GetParam();
    const auto cells = Cells(Shown(kind, n));
    // the triangle's rows start half a cell further left each
    const double rowShift = kind == 3 ? 187.5 : 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto [row, column] = PlaceOf(cells[i], cells[0], rowShift);
        ASSERT_EQ(column, std::floor(column)) << "cell " << i << " off the grid";
        const int c = static_cast<int>(column);
        EXPECT_EQ(IndexAt(kind, n, row, c), static_cast<int>(i)) << "row " << row << " column " << c;
        const int rowLength = kind == 6 ? n - row : kind == 4 || kind == 5 ? n : row + 1;
        EXPECT_LT(c, rowLength) << i;
        Colour colour = kBlue;
        if (kind == 4)
            colour = std::max(row, c) % 2 == 0 ? kWhite : kBlue;  // bands count from 1
        else if (kind == 2 && c == row)
            colour = kBrown;
        EXPECT_EQ(cells[i].BackColor, colour) << "row " << row << " column " << c;
    }
}

TEST_P(EveryProof, ShowTwiceGivesTheSameResult)
{
    const auto [kind, n] = GetParam();
    Tessalo form = Shown(kind, n);
    const FormState first = Capture(form);
    form.Command1_Click(1);
    EXPECT_EQ(Capture(form), first);
}

// Clear after the picture: nothing is left but the hidden template, and the
// text goes unless the picture was the template alone.
TEST_P(EveryProof, ClearLeavesAnEmptyBoard)
{
    const auto [kind, n] = GetParam();
    Tessalo form = Shown(kind, n);
    const std::string text = form.Text1(0).Text;
    form.Command1_Click(0);
    EXPECT_EQ(form.Shape1.Count(), 1);
    EXPECT_FALSE(form.Shape1(0).Visible);
    EXPECT_EQ(form.Shape1(0).Left, 120);
    EXPECT_EQ(form.Shape1(0).Top, 480);
    EXPECT_EQ(form.Text1(0).Text, n == 1 ? text : "");
    EXPECT_EQ(form.List1(0).ListIndex, -1);
}

INSTANTIATE_TEST_SUITE_P(AllKindsAndNumbers, EveryProof, testing::ValuesIn(AllCases()), CaseName);

// Every picture but the triangle is drawn from wherever the template stands,
// with its size as the grid step.
TEST(EveryProof, DrawsFromTheTemplate)
{
    void (Tessalo::*const proofs[])() = {&Tessalo::ProveNaturalSum, &Tessalo::ProveArithmeticProgression,
                                         &Tessalo::ProveOddSum, &Tessalo::ProvePyramidSum,
                                         &Tessalo::ProveSquareDifference};
    const int kinds[] = {1, 2, 4, 5, 6};
    for (int p = 0; p < 5; ++p) {
        const Tessalo reference = Shown(kinds[p], 4);
        Tessalo form = LoadedForm();
        form.List1(0).ListIndex = 3;
        form.Shape1(0).Left = 700;
        form.Shape1(0).Top = 1000;
        form.Shape1(0).Width = 200;
        form.Shape1(0).Height = 250;
        (form.*proofs[p])();
        ASSERT_EQ(form.Shape1.Count(), reference.Shape1.Count()) << "kind " << kinds[p];
        for (int i = 0; i < form.Shape1.Count(); ++i) {
            const Cell& cell = form.Shape1(i);
            const Cell& base = reference.Shape1(i);
            EXPECT_EQ(cell.Left, 700 + (base.Left - 120) / 375 * 200) << "kind " << kinds[p] << " cell " << i;
            EXPECT_EQ(cell.Top, 1000 + (base.Top - 480) / 375 * 250) << "kind " << kinds[p] << " cell " << i;
        }
        EXPECT_EQ(form.Text1(0).Text, reference.Text1(0).Text);
    }
}

// The triangle of one circle leaves the template at its apex; a square drawn
// next must start from the board origin, not run under the list.
TEST(EveryProof, SquareAfterAOneCircleTriangleStartsAtTheOrigin)
{
    for (int kind : {4, 5, 6}) {
        Tessalo form = Shown(3, 1);
        EXPECT_EQ(form.Shape1(0).Left, 2280);
        Show(form, kind, 11);
        EXPECT_EQ(form.Shape1(0).Left, 120) << kind;
        EXPECT_EQ(form.Shape1(0).Top, 480) << kind;
        for (const Cell& cell : Cells(form))
            EXPECT_LE(cell.Left + cell.Width, 4560) << kind;
    }
}
