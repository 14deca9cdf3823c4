#pragma once

#include "board/cell.h"

#include <cstdint>
#include <optional>

// The three cell colours: 0 blue, 1 near white, 2 brown-orange; none for any other state.
std::optional<Colour> CellColour(std::int16_t colourState);
