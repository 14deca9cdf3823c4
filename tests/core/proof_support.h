// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/tessalo.h"
#include "form_state.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

inline constexpr Colour kBlue{40, 120, 200};
inline constexpr Colour kWhite{250, 250, 250};
inline constexpr Colour kBrown{200, 120, 40};

// What a user does to see identity `kind` (1..6) for n: pick both, press Show.
inline void Show(Tessalo& form, int kind, int n)
{
    form.ChooseOption(kind - 1);
    form.List1(0).ListIndex = n - 1;
    form.Command1_Click(1);
}

inline Tessalo Shown(int kind, int n, Language language = Language::bg)
{
    Tessalo form = LoadedForm(language);
    Show(form, kind, n);
    return form;
}

// Cells 0 .. Count() - 1; every one of them must exist.
inline std::vector<Cell> Cells(const Tessalo& form)
{
    std::vector<Cell> cells;
    for (int i = 0; i < form.Shape1.Count(); ++i)
        cells.push_back(form.Shape1(i));
    return cells;
}

// "a\r\nb\r\n" -> {"a", "b"}; text after the last CR LF is a line too.
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// The whole text from its lines, each ended by CR LF.
inline std::string Text(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

// A cell as a worked example lists it.
struct ExpectedCell {
    float left;
    float top;
    Colour colour;
};

inline bool Overlap(const Cell& a, const Cell& b)
{
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

// A cell of the grid from the board origin, by row and column from 0.
inline ExpectedCell Grid(int row, int column, Colour colour)
{
    return {120.0f + 375 * column, 480.0f + 375 * row, colour};
}

// One worked example: the whole text and, where listed, every cell in index order.
struct WorkedExample {
    int kind;
    int n;
    std::string text;
    std::vector<ExpectedCell> cells;  // empty: not listed, the properties check them
};

inline void PrintTo(const WorkedExample& example, std::ostream* out)
{
    *out << "kind " << example.kind << ", n " << example.n;
}

inline std::string ExampleName(const testing::TestParamInfo<WorkedExample>& info)
{
    return "Kind" + std::to_string(info.param.kind) + "N" + std::to_string(info.param.n);
}

inline void CheckWorkedExample(const WorkedExample& example, std::int16_t shape)
{
    const Tessalo form = Shown(example.kind, example.n);
    EXPECT_EQ(form.Text1(0).Text, example.text);
    if (example.cells.empty())
        return;
    ASSERT_EQ(form.Shape1.Count(), static_cast<int>(example.cells.size()));
    EXPECT_EQ(form.CellIndex, form.Shape1.Count() - 1);
    EXPECT_EQ(form.CellTotal, form.Shape1.Count() - 1);
    for (std::size_t i = 0; i < example.cells.size(); ++i) {
        const ExpectedCell& expected = example.cells[i];
        const Cell expectedCell{expected.left, expected.top, 375, 375, expected.colour, shape, true};
        EXPECT_EQ(form.Shape1(static_cast<int>(i)), expectedCell) << "cell " << i;
    }
}

// The right-hand side of identity `kind` for n: n² for kinds 4 and 5, n(n+1)/2 otherwise.
inline int Value(int kind, int n)
{
    return kind == 4 || kind == 5 ? n * n : n * (n + 1) / 2;
}

// The last whole number in a text: the count a proof closes with.
inline int LastNumber(const std::string& text)
{
    const auto end = text.find_last_of("0123456789");
    const auto start = text.find_last_not_of("0123456789", end) + 1;
    return std::stoi(text.substr(start, end - start + 1));
}

// "a = b = c" split at " = " -> {"a", "b", "c"}.
inline std::vector<std::string> Split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (auto at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

// One of the 66 pictures: identity `kind` (1..6) at n (1..11).
struct Picture {
    int kind;
    int n;
};

inline void PrintTo(const Picture& picture, std::ostream* out)
{
    *out << "kind " << picture.kind << ", n " << picture.n;
}

// All 66, kind by kind.
inline std::vector<Picture> AllPictures()
{
    std::vector<Picture> pictures;
    for (int kind = 1; kind <= 6; ++kind) {
        for (int n = 1; n <= 11; ++n)
            pictures.push_back({kind, n});
    }
    return pictures;
}
