// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tactile_sheet.h"

#include "app/handout_sheet.h"
#include "app/picture_rows.h"
#include "app/shown_form.h"
#include "board/colours.h"
#include "identities/identity_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace {

// The margins and the room between the sheet's parts: what swell paper wants, or,
// where that leaves cells below the least, what touch still tells apart.
struct Spacing {
    double margin;
    double gap;
};
constexpr Spacing kRoomy{15, 6};
constexpr Spacing kTight{10, kTactileGap};
constexpr double kLargestCell = 25;   // a small picture is not blown up past two fingertips
constexpr double kSwatch = kTactileMinCell;
constexpr double kOutlineWidth = 0.6;
constexpr double kTextureWidth = 0.4;
constexpr double kTextureDot = 1.0;
constexpr double kSecondOutline = 1.2;  // the double outline's inner line, inside the cell's edge
constexpr char32_t kBlankCell = U'\u2800';

// The texture of each colour state: blue, near white, brown.
constexpr std::array<Texture, 3> kTextureOfColour{Texture::Dots, Texture::VerticalLines, Texture::Grid};
constexpr std::array<TextId, 3> kTextureWords{TextId::TactileDots, TextId::TactileLines, TextId::TactileGrid};
constexpr std::array<TextId, 3> kColourWords{TextId::ColourBlue, TextId::ColourWhite, TextId::ColourBrown};

// What a colour counts in identity `kind`'s picture; kinds of one colour say it once.
TextId CountsText(int kind, int colourState)
{
    switch (kind) {
    case 1: return TextId::TactileCounts1;
    case 2: return colourState == 0 ? TextId::TactileCounts2Blue : TextId::TactileCounts2Brown;
    case 3: return TextId::TactileCounts3;
    case 4: return colourState == 0 ? TextId::TactileCounts4Blue : TextId::TactileCounts4White;
    case 5: return TextId::TactileCounts5;
    default: return TextId::TactileCounts6;
    }
}

int ColourState(const Colour& colour)
{
    for (int state = 0; state < 3; ++state) {
        if (CellColour(static_cast<std::int16_t>(state)) == colour)
            return state;
    }
    return 0;
}

double LineWidth(std::size_t cells)
{
    return cells == 0 ? 0 : static_cast<double>(cells - 1) * kBrailleCellSpacing + kBrailleDotSpacing;
}

// Cells that fit in `width`, dots and all.
std::size_t CellsIn(double width)
{
    return static_cast<std::size_t>((width - kBrailleDotSpacing - kBrailleDotDiameter) / kBrailleCellSpacing) + 1;
}

// Breaks braille at its blank cells into lines of at most `most` cells; a word
// longer than a line is cut.
std::vector<std::u32string> Wrap(const std::u32string& text, std::size_t most)
{
    std::vector<std::u32string> lines;
    std::u32string line;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(kBlankCell, start), text.size());
        std::u32string word = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.size() + 1 + word.size() > most) {
            lines.push_back(line);
            line.clear();
        }
        if (!line.empty())
            line += kBlankCell;
        line += word;
        while (line.size() > most) {
            lines.push_back(line.substr(0, most));
            line.erase(0, most);
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// A line's footprint from the top of its dots to their bottom.
constexpr double kBrailleHeight = 2 * kBrailleDotSpacing + kBrailleDotDiameter;

// Lays `lines` out from (left, top of the dots) downwards; the y below the last.
double PutLines(std::vector<BrailleLine>& out, const std::vector<std::u32string>& lines, double left, double top)
{
    for (const std::u32string& cells : lines) {
        out.push_back({left + kBrailleDotDiameter / 2, top + kBrailleDotDiameter / 2, cells});
        top += kBrailleLineSpacing;
    }
    return lines.empty() ? top : top - kBrailleLineSpacing + kBrailleHeight;
}

struct KeyEntry {
    std::optional<Texture> texture;
    std::vector<std::u32string> lines;
    double PutHeight() const
    {
        return lines.empty() ? 0 : static_cast<double>(lines.size() - 1) * kBrailleLineSpacing + kBrailleHeight;
    }
};

std::vector<KeyEntry> KeyEntries(const std::function<TextId(int)>& counts, const std::array<bool, 3>& present,
                                 Language language, const BrailleTranslator& braille, std::size_t cellsPerLine)
{
    std::vector<KeyEntry> entries;
    for (int state = 0; state < 3; ++state) {
        if (!present[static_cast<std::size_t>(state)])
            continue;
        const auto at = static_cast<std::size_t>(state);
        const std::string text = std::string(Tr(language, kTextureWords[at])) + ", " +
                                 std::string(Tr(language, kColourWords[at])) + ": " +
                                 std::string(Tr(language, counts(state)));
        entries.push_back({kTextureOfColour[at], Wrap(braille(text, language), cellsPerLine)});
    }
    entries.push_back({std::nullopt, Wrap(braille(Tr(language, TextId::TactileOutline), language), cellsPerLine)});
    return entries;
}

// A picture as the explorer has it, and what the sheet needs to know of it: its
// rows, its cells by index, and what each colour counts in it.
struct SheetPicture {
    // Identity `kind` (1..6) at n.
    SheetPicture(int kind, int n, Language language) : title(HandoutTitle(kind, n, language))
    {
        const Tessalo form = ShownForm(kind, n, language);
        for (int i = 0; i < form.Shape1.End(); ++i)
            cells.push_back(form.Shape1.Exists(i) ? form.Shape1(i) : Cell{});
        rows = ExploreRows(form, StepCells(form));
        counts = [kind](int state) { return CountsText(kind, state); };
        Measure();
    }
    // An identity beside the form's six at n: its counted cells, the step's outlined twice.
    SheetPicture(const FurtherIdentity& identity, int n, Language language)
        : title(std::string(Tr(language, identity.name)) + ", n = " + std::to_string(n)),
          cells(FurtherCells(identity, n)),
          rows(ExploreRows(cells, StepCellsOf(identity, n), language))
    {
        counts = [texts = identity.colourCounts](int state) { return texts[static_cast<std::size_t>(state)]; };
        Measure();
    }

    std::string title;
    std::vector<Cell> cells;
    PictureRows rows;
    std::function<TextId(int colourState)> counts;
    int columns = 1;
    std::array<bool, 3> present{};  // which colour states it has

private:
    void Measure()
    {
        for (const ExploreRow& row : rows) {
            for (const ExploreCell& cell : row.cells) {
                columns = std::max(columns, cell.halfColumn / 2);
                present[static_cast<std::size_t>(ColourState(Of(cell).BackColor))] = true;
            }
        }
    }

public:
    const Cell& Of(const ExploreCell& cell) const { return cells[static_cast<std::size_t>(cell.index)]; }
};

// The picture's cells from (left, top), `size` each, and each row's number to its
// left, its right edge at `numbersRight`.
void PutCells(TactileSheet& sheet, const SheetPicture& picture, const std::vector<std::u32string>& numbers,
              double left, double top, double size, double numbersRight)
{
    const double pitch = size + kTactileGap;
    for (std::size_t r = 0; r < picture.rows.size(); ++r) {
        const double rowTop = top + static_cast<double>(r) * pitch;
        for (const ExploreCell& cell : picture.rows[r].cells) {
            const Cell& shape = picture.Of(cell);
            const auto state = static_cast<std::size_t>(ColourState(shape.BackColor));
            sheet.cells.push_back({left + (cell.halfColumn / 2.0 - 1) * pitch, rowTop, size, shape.Shape == kCircle,
                                   kTextureOfColour[state], cell.added});
        }
        // its middle dots level with the row's middle
        PutLines(sheet.braille, {numbers[r]}, numbersRight - kBrailleDotDiameter - LineWidth(numbers[r].size()),
                 rowTop + size / 2 - kBrailleHeight / 2);
    }
}

// The sheet with `spacing`; `fits` tells whether its cells reached the least size.
TactileSheet LayOut(const SheetPicture& picture, Language language, Paper paper, const BrailleTranslator& braille,
                    Spacing spacing, bool& fits)
{
    const double margin = spacing.margin;
    const double gap = spacing.gap;
    TactileSheet sheet;
    sheet.width = paper == Paper::A4 ? 210 : 215.9;
    sheet.height = paper == Paper::A4 ? 297 : 279.4;
    const double width = sheet.width - 2 * margin;
    const PictureRows& rows = picture.rows;

    double y = PutLines(sheet.braille, Wrap(braille(picture.title, language), CellsIn(width)),
                        margin, margin);
    const double pictureTop = y + gap;

    std::vector<std::u32string> numbers;
    std::size_t widestNumber = 0;
    for (const ExploreRow& row : rows) {
        numbers.push_back(braille(std::to_string(row.number), language));
        widestNumber = std::max(widestNumber, numbers.back().size());
    }
    const double numbersWidth = LineWidth(widestNumber) + kBrailleDotDiameter;
    const double pictureLeft = margin + numbersWidth + gap;

    const double keyText = kSwatch + gap;
    const std::vector<KeyEntry> key =
        KeyEntries(picture.counts, picture.present, language, braille, CellsIn(width - keyText));
    double keyHeight = gap;  // above it
    for (const KeyEntry& entry : key)
        keyHeight += std::max(kSwatch, entry.PutHeight()) + (&entry == &key.back() ? 0 : gap);

    const auto across = static_cast<double>(picture.columns);
    const auto down = static_cast<double>(std::max<std::size_t>(rows.size(), 1));
    const double roomDown = sheet.height - margin - keyHeight - pictureTop;
    const double roomAcross = sheet.width - margin - pictureLeft;
    const double largest = std::min({kLargestCell, (roomAcross - (across - 1) * kTactileGap) / across,
                                     (roomDown - (down - 1) * kTactileGap) / down});
    fits = largest >= kTactileMinCell;
    const double size = std::max(kTactileMinCell, largest);
    PutCells(sheet, picture, numbers, pictureLeft, pictureTop, size, margin + numbersWidth);

    y = pictureTop + down * (size + kTactileGap) - kTactileGap + gap;
    for (const KeyEntry& entry : key) {
        sheet.swatches.push_back({margin, y, kSwatch, false, entry.texture, !entry.texture});
        PutLines(sheet.braille, entry.lines, margin + keyText, y);
        y += std::max(kSwatch, entry.PutHeight()) + gap;
    }
    return sheet;
}

// The sheet, roomy where its cells keep their least size that way, else tight;
// `fits` tells whether they kept it.
TactileSheet LayOutSheet(const SheetPicture& picture, Language language, Paper paper,
                         const BrailleTranslator& braille, bool& fits)
{
    TactileSheet sheet = LayOut(picture, language, paper, braille, kRoomy, fits);
    return fits ? sheet : LayOut(picture, language, paper, braille, kTight, fits);
}

}  // namespace

TactileSheet LayOutTactileSheet(int kind, int n, Language language, Paper paper, const BrailleTranslator& braille)
{
    bool fits = false;
    return LayOutSheet(SheetPicture(kind, n, language), language, paper, braille, fits);
}

std::optional<TactileSheet> LayOutTactileSheet(const FurtherIdentity& identity, int n, Language language, Paper paper,
                                               const BrailleTranslator& braille)
{
    bool fits = false;
    TactileSheet sheet = LayOutSheet(SheetPicture(identity, n, language), language, paper, braille, fits);
    return fits ? std::optional<TactileSheet>(std::move(sheet)) : std::nullopt;
}

int LargestTactileN(const FurtherIdentity& identity, Language language, Paper paper, const BrailleTranslator& braille)
{
    int largest = 0;
    while (largest < identity.maxN && LayOutTactileSheet(identity, largest + 1, language, paper, braille))
        ++largest;
    return largest;
}

std::vector<Dot> BrailleDots(const BrailleLine& line)
{
    std::vector<Dot> dots;
    for (std::size_t i = 0; i < line.cells.size(); ++i) {
        const unsigned bits = static_cast<unsigned>(line.cells[i]) - 0x2800U;
        const double left = line.left + static_cast<double>(i) * kBrailleCellSpacing;
        // dots 1 2 3 down the left column, 4 5 6 down the right
        for (unsigned dot = 0; dot < 6; ++dot) {
            if ((bits >> dot & 1U) != 0)
                dots.push_back({left + (dot < 3 ? 0 : kBrailleDotSpacing), line.top + (dot % 3) * kBrailleDotSpacing});
        }
    }
    return dots;
}

namespace {

std::string Mm(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string SvgLine(double x1, double y1, double x2, double y2, double width)
{
    return "<line x1=\"" + Mm(x1) + "\" y1=\"" + Mm(y1) + "\" x2=\"" + Mm(x2) + "\" y2=\"" + Mm(y2) +
           "\" stroke-width=\"" + Mm(width) + "\"/>\n";
}

std::string SvgDot(double x, double y, double diameter)
{
    return "<circle cx=\"" + Mm(x) + "\" cy=\"" + Mm(y) + "\" r=\"" + Mm(diameter / 2) +
           "\" stroke=\"none\" fill=\"#000\"/>\n";
}

std::string SvgOutline(const TactileCell& cell, double inset)
{
    const double size = cell.size - 2 * inset;
    if (cell.circle)
        return "<circle cx=\"" + Mm(cell.left + cell.size / 2) + "\" cy=\"" + Mm(cell.top + cell.size / 2) + "\" r=\"" +
               Mm(size / 2) + "\" stroke-width=\"" + Mm(kOutlineWidth) + "\"/>\n";
    return "<rect x=\"" + Mm(cell.left + inset) + "\" y=\"" + Mm(cell.top + inset) + "\" width=\"" + Mm(size) +
           "\" height=\"" + Mm(size) + "\" stroke-width=\"" + Mm(kOutlineWidth) + "\"/>\n";
}

// Half the length of the chord at `offset` from the middle of the cell's area
// `half` wide (a square's half side, a circle's radius).
double HalfChord(const TactileCell& cell, double half, double offset)
{
    return cell.circle ? std::sqrt(std::max(0.0, half * half - offset * offset)) : half;
}

// The texture inside the cell's outlines, cut to its shape: no clipping needed.
std::string SvgTexture(const TactileCell& cell)
{
    const double inset = kOutlineWidth + (cell.added ? kSecondOutline + kOutlineWidth : 0.4);
    const double half = cell.size / 2 - inset;
    const double cx = cell.left + cell.size / 2;
    const double cy = cell.top + cell.size / 2;
    const double step = *cell.texture == Texture::Dots ? 3.0 : *cell.texture == Texture::VerticalLines ? 2.5 : 4.0;
    const int steps = static_cast<int>(half / step);
    std::string svg;
    for (int i = -steps; i <= steps; ++i) {
        const double offset = i * step;
        if (*cell.texture == Texture::Dots) {
            for (int j = -steps; j <= steps; ++j) {
                const double other = j * step;
                if (!cell.circle || std::hypot(offset, other) <= half - kTextureDot / 2)
                    svg += SvgDot(cx + offset, cy + other, kTextureDot);
            }
            continue;
        }
        const double chord = HalfChord(cell, half, offset);
        if (chord <= 0.5)
            continue;
        svg += SvgLine(cx + offset, cy - chord, cx + offset, cy + chord, kTextureWidth);
        if (*cell.texture == Texture::Grid)
            svg += SvgLine(cx - chord, cy + offset, cx + chord, cy + offset, kTextureWidth);
    }
    return svg;
}

std::string SvgCell(const TactileCell& cell)
{
    std::string svg = SvgOutline(cell, kOutlineWidth / 2);
    if (cell.added)
        svg += SvgOutline(cell, kOutlineWidth / 2 + kSecondOutline + kOutlineWidth);
    if (cell.texture)
        svg += SvgTexture(cell);
    return svg;
}

}  // namespace

std::string TactileSvg(const TactileSheet& sheet)
{
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\"" +
                      Mm(sheet.width) + "mm\" height=\"" + Mm(sheet.height) + "mm\" viewBox=\"0 0 " + Mm(sheet.width) +
                      " " + Mm(sheet.height) + "\">\n<rect width=\"" + Mm(sheet.width) + "\" height=\"" +
                      Mm(sheet.height) + "\" fill=\"#fff\"/>\n<g fill=\"none\" stroke=\"#000\">\n";
    for (const auto* cells : {&sheet.cells, &sheet.swatches}) {
        for (const TactileCell& cell : *cells)
            svg += SvgCell(cell);
    }
    for (const BrailleLine& line : sheet.braille) {
        for (const Dot& dot : BrailleDots(line))
            svg += SvgDot(dot.x, dot.y, kBrailleDotDiameter);
    }
    return svg + "</g>\n</svg>\n";
}
