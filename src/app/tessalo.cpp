// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tessalo.h"

#include "app/layout.h"
#include "board/colours.h"
#include "runtime/numbers.h"

#include <array>

namespace {

Cell DesignCell()
{
    const auto& layout = FindControl("Shape1", 0);
    return {static_cast<float>(layout.left),
            static_cast<float>(layout.top),
            static_cast<float>(layout.width),
            static_cast<float>(layout.height),
            *layout.background,
            kSquare,
            true};
}

// Each proof kind's template shape and routine.
struct ProofKindEntry {
    std::int16_t shape;
    void (Tessalo::*prove)();
};

constexpr std::array<ProofKindEntry, 6> kProofKinds{{
    {kCircle, &Tessalo::ProveNaturalSum},
    {kSquare, &Tessalo::ProveArithmeticProgression},
    {kCircle, &Tessalo::ProveTriangleSum},
    {kSquare, &Tessalo::ProveOddSum},
    {kSquare, &Tessalo::ProvePyramidSum},
    {kSquare, &Tessalo::ProveSquareDifference},
}};

}  // namespace

std::string_view ListBox::List(int position) const
{
    return position >= 0 && position < ListCount() ? items[position] : std::string_view{};
}

Tessalo::Tessalo(Language language) : language(language), Shape1(DesignCell())
{
    for (int i = 0; i < Label1.Count(); ++i) {
        const auto& layout = FindControl("Label1", i);
        Label1(i) = {Text(layout.text),
                     static_cast<float>(layout.left),
                     static_cast<float>(layout.top),
                     static_cast<float>(layout.width),
                     static_cast<float>(layout.height),
                     *layout.background};
    }
    for (int i = 0; i < Text1.Count(); ++i)
        Text1(i).Text = Text(FindControl("Text1", i).text);
    for (int i = 0; i < kListCount; ++i)
        List1(0).items.push_back(ListItemText(i));
}

void Tessalo::Form_Load()
{
    LeftMargin = 120;
    TopMargin = 480;
    Shape1(0).Left = LeftMargin;
    Shape1(0).Top = TopMargin;
    Shape1(0).Visible = false;
    ChooseOption(0);
    ProofKind = 1;
    CellTotal = 0;
}

void Tessalo::Option1_Click(int Index)
{
    if (Index >= 0 && Index < Option1.Count())
        ProofKind = CheckedInt16(Index + 1);
}

void Tessalo::ChooseOption(int Index)
{
    if (Index < 0 || Index >= Option1.Count())
        return;  // no such button: nothing turns off
    for (int i = 0; i < Option1.Count(); ++i)
        Option1(i).Value = i == Index;
    Option1_Click(Index);
}

void Tessalo::Command1_Click(int Index)
{
    if (Index == 0) {
        ClearBoard();
        Shape1(0).Visible = false;  // every proof shows the template as its first cell
        List1(0).ListIndex = -1;
    } else if (Index == 1) {
        ShowProof();
    }
}

void Tessalo::ShowProof()
{
    if (List1(0).ListIndex < 0)
        return;
    ClearBoard();
    if (ProofKind < 1 || ProofKind > static_cast<int>(kProofKinds.size()))
        return;
    const auto& kind = kProofKinds[ProofKind - 1];
    Shape1(0).Shape = kind.shape;
    (this->*kind.prove)();
}

void Tessalo::ClearBoard()
{
    // The template goes back to the origin even after a one-cell picture: the
    // triangle moves it to its apex, and a square drawn from there would run
    // under the list and the frame.
    Shape1(0).Left = LeftMargin;
    Shape1(0).Top = TopMargin;
    // A picture of the template alone leaves its text (and the method text
    // of a fresh window) in place.
    if (CellTotal < 2)
        return;
    for (int i = 1; i <= CellTotal; ++i)
        Shape1.Unload(i);
    Text1(0).Text = "";
    CellTotal = 0;
}

void Tessalo::PaintCell(std::int16_t ColourState)
{
    if (const auto colour = CellColour(ColourState))
        Shape1(CellIndex).BackColor = *colour;
}

double Tessalo::ReadN() const
{
    const auto& list = List1(0);
    return Val(list.List(list.ListIndex));
}

void Tessalo::CreateCell()
{
    CellIndex = CheckedInt16(CellIndex + 1);
    Shape1.Load(CellIndex);
}

void Tessalo::PlaceCell(double top, double left)
{
    Cell& cell = Shape1(CellIndex);
    cell.Top = static_cast<float>(top);
    cell.Left = static_cast<float>(left);
}

void Tessalo::PlaceOnGrid(double row, double column)
{
    const Cell& origin = Shape1(0);
    PlaceCell(origin.Top + row * origin.Height, origin.Left + column * origin.Width);
}

void Tessalo::Append(std::string_view text)
{
    Text1(0).Text += text;
}

void Tessalo::AppendNumber(double value)
{
    ::AppendNumber(Text1(0).Text, value);
}

void Tessalo::AppendCountLine()
{
    Append(Text(TextId::ProofTotal));
    AppendNumber(CheckedInt16(CellIndex + 1));
    Append("\r\n");
}
