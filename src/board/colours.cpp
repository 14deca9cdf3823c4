// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/colours.h"

#include <array>

std::optional<Colour> CellColour(std::int16_t colourState)
{
    static constexpr std::array<Colour, 3> kColours{{
        {40, 120, 200},
        {250, 250, 250},
        {200, 120, 40},
    }};
    if (colourState < 0 || colourState >= static_cast<int>(kColours.size()))
        return std::nullopt;
    return kColours[colourState];
}
