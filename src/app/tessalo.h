// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/controls.h"
#include "app/texts.h"
#include "board/shape_array.h"

#include <cstdint>

// The main form: its controls' run-time state, its fields, its event handlers and
// procedures. The window raises the handlers; tests and benchmarks may do the same.
class Tessalo {
public:
    // The form with its captions, texts and proofs in `language`.
    explicit Tessalo(Language language = Language::bg);

    Language language;  // of every text the form and what is said about it show
    // The text `id` in the form's language.
    std::string_view Text(TextId id) const { return Tr(language, id); }

    ControlArray<Label, 2> Label1;
    ControlArray<TextBox, 2> Text1;
    ControlArray<ListBox, 1> List1;
    ControlArray<OptionButton, 6> Option1;
    ShapeArray Shape1;

    std::int16_t LeftMargin = 0;  // board origin, twips
    std::int16_t TopMargin = 0;
    std::int16_t ProofKind = 0;   // 1..6, radio button index + 1
    std::int16_t CellTotal = 0;   // cells beyond the template drawn by the last proof
    std::int16_t CellIndex = 0;   // the most recently created cell

    void Form_Load();
    void Option1_Click(int Index);
    void Command1_Click(int Index);

    // What the toolkit does when a radio button is chosen: it turns on, the
    // others in its group turn off, and its click is raised.
    void ChooseOption(int Index);

    void ShowProof();
    void ClearBoard();
    // Colours Shape1(CellIndex) by colour state; other states change nothing.
    void PaintCell(std::int16_t ColourState);

    // The proofs, one for each kind; each draws its picture for the chosen n
    // and writes its proof text.
    void ProveNaturalSum();             // kind 1: staircase of circles
    void ProveArithmeticProgression();  // kind 2: staircase of squares, diagonal marked
    void ProveTriangleSum();            // kind 3: centred triangle of circles
    void ProveOddSum();                 // kind 4: square of L-shaped bands
    void ProvePyramidSum();             // kind 5: full square, rising and falling sum
    void ProveSquareDifference();       // kind 6: staircase, alternating squares

private:
    // n, from the selected list item's text.
    double ReadN() const;
    // CellIndex + 1, then a hidden copy of the template at that index.
    void CreateCell();
    // Sets Shape1(CellIndex).Top, then .Left; worked out in double, stored in single precision.
    void PlaceCell(double top, double left);
    // The template's corner plus whole steps of its size.
    void PlaceOnGrid(double row, double column);
    // Appends to the proof text.
    void Append(std::string_view text);
    void AppendNumber(double value);
    // "Общ брой: " and the cells on the board, the template included.
    void AppendCountLine();
};
