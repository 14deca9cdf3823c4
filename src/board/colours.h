// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/cell.h"

#include <cstdint>
#include <optional>

// The three cell colours: 0 blue, 1 near white, 2 brown-orange; none for any other state.
std::optional<Colour> CellColour(std::int16_t colourState);
