// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// A 24-bit colour, one byte each of red, green and blue.
struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

// Values of a cell's Shape property.
inline constexpr std::int16_t kSquare = 1;
inline constexpr std::int16_t kCircle = 3;

// One filled shape of the board; position and size in twips.
struct Cell {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    Colour BackColor;
    std::int16_t Shape = kSquare;
    bool Visible = false;

    friend bool operator==(const Cell&, const Cell&) = default;
};
