// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"
#include "identities/further_identity.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The picture as a tactile sheet, for swell paper and for embossers that take
// graphics: black on white, every colour of the board as a texture, the step's
// cells in a double outline, a braille title above, braille row numbers at the
// left and a braille key below. All lengths are millimetres from the page's top
// left corner.

enum class Paper { A4, Letter };

// One texture for each of the board's three colours, told apart by touch in
// shape and spacing (dots apart, lines along one direction, lines along two).
enum class Texture { Dots, VerticalLines, Grid };

struct TactileCell {
    double left = 0;
    double top = 0;
    double size = 0;  // its square, or the circle's diameter
    bool circle = false;
    std::optional<Texture> texture;  // none: the key's swatch of the double outline
    bool added = false;              // a second outline inside the first
};

// A line of braille, its cells as Unicode braille patterns (U+2800 and the dots'
// bits); (left, top) is the centre of dot 1 of its first cell.
struct BrailleLine {
    double left = 0;
    double top = 0;
    std::u32string cells;
};

struct TactileSheet {
    double width = 0;
    double height = 0;
    std::vector<TactileCell> cells;   // the picture's, row by row from the top
    std::vector<TactileCell> swatches;  // the key's, one for each texture and the outline
    std::vector<BrailleLine> braille;   // title, row numbers, key, from the top
};

// The braille sizes the USA's national braille library (NLS) sets for embossed braille.
inline constexpr double kBrailleDotDiameter = 1.44;
inline constexpr double kBrailleDotSpacing = 2.34;  // centre to centre within a cell
inline constexpr double kBrailleCellSpacing = 6.2;  // from a cell to the next
inline constexpr double kBrailleLineSpacing = 10.0;
// Touch tells two elements apart this far apart, and a cell from a texture this large.
inline constexpr double kTactileGap = 3.0;
inline constexpr double kTactileMinCell = 10.0;

// Turns a text in `language` into braille cells.
using BrailleTranslator = std::function<std::u32string(std::string_view text, Language language)>;

// The tactile sheet of identity `kind` (1..6) at n, the step's cells outlined
// twice, its texts in `language` put into braille by `braille`. The cells are as
// large as the page allows, never smaller than kTactileMinCell.
TactileSheet LayOutTactileSheet(int kind, int n, Language language, Paper paper, const BrailleTranslator& braille);
// The same for an identity beside the form's six; none where its cells would be
// smaller than kTactileMinCell (its larger pictures do not fit a page).
std::optional<TactileSheet> LayOutTactileSheet(const FurtherIdentity& identity, int n, Language language, Paper paper,
                                               const BrailleTranslator& braille);
// The largest n whose sheet fits the page; 0 for none.
int LargestTactileN(const FurtherIdentity& identity, Language language, Paper paper, const BrailleTranslator& braille);

// The centres of the dots of a line of braille, in its cells' order.
struct Dot {
    double x;
    double y;
};
std::vector<Dot> BrailleDots(const BrailleLine& line);

// The sheet as SVG: lines, circles and dots only, in millimetres, so that a
// renderer without patterns or clipping draws it exactly.
std::string TactileSvg(const TactileSheet& sheet);
