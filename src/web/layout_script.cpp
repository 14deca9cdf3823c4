// Writes the layout table, the list items and the constants the page shares
// with the window and the core as a script, so that the page lays itself out,
// draws and reads the core's cells from the same definitions as the window.
//   tessalo_layout_script > layout.js

#include "app/board_picture.h"
#include "app/induction_step.h"
#include "app/layout.h"
#include "app/tessalo.h"
#include "app/texts.h"
#include "board/cell.h"
#include "picture/board_painter.h"
#include "web/tessalo_c.h"

#include <cstddef>
#include <algorithm>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace {

std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;  // UTF-8 passes through
            }
        }
    }
    return out + '"';
}

std::string Hex(const Colour& colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

Colour FromRgb(unsigned rgb)
{
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8 & 0xff),
            static_cast<std::uint8_t>(rgb & 0xff)};
}

std::string_view KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton: return "PushButton";
    case ControlKind::Frame: return "Frame";
    case ControlKind::OptionButton: return "OptionButton";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::Label: return "Label";
    case ControlKind::Shape: return "Shape";
    }
    return "";
}

// The core's texts the page says itself, under their catalogue keys.
struct NamedText {
    std::string_view key;
    TextId id;
};

constexpr NamedText kPageSays[] = {
    {"SwitchBuildUpOn", TextId::SwitchBuildUpOn},   {"SwitchBuildUpOff", TextId::SwitchBuildUpOff},
    {"SwitchPredictOn", TextId::SwitchPredictOn},   {"SwitchPredictOff", TextId::SwitchPredictOff},
    {"SwitchArgumentOn", TextId::SwitchArgumentOn}, {"SwitchArgumentOff", TextId::SwitchArgumentOff},
    {"PictureCopied", TextId::PictureCopied},
};

// One language's captions, by control ("Label1-0"; "window" the window's), and the
// core's texts the page says, each on one line of JSON after its name: the page
// reads them by language, and a test can mark every text of a language.
std::string Texts(Language language)
{
    const std::string code(CodeOf(language));
    std::string out = "self.tessaloTexts." + code + " = {};\n";
    out += "self.tessaloTexts." + code + ".captions = {\"window\": " + Quoted(Tr(language, kWindowLayout.caption));
    for (const ControlLayout& control : kControls) {
        if (control.text != TextId::None)
            out += ", " + Quoted(std::string(control.name) + "-" + std::to_string(control.index)) + ": " +
                   Quoted(Tr(language, control.text));
    }
    out += "};\nself.tessaloTexts." + code + ".core = {";
    for (std::size_t i = 0; i < std::size(kPageSays); ++i)
        out += std::string(i ? ", " : "") + Quoted(kPageSays[i].key) + ": " + Quoted(Tr(language, kPageSays[i].id));
    return out + "};\n";
}

// The page reads TessaloCell from the module's memory by these offsets and types.
struct CellField {
    std::string_view name;
    std::size_t offset;
    std::string_view type;  // "i32", "u32" or "f32"
};

constexpr CellField kCellFields[] = {
    {"index", offsetof(TessaloCell, index), "i32"},   {"left", offsetof(TessaloCell, left), "f32"},
    {"top", offsetof(TessaloCell, top), "f32"},       {"width", offsetof(TessaloCell, width), "f32"},
    {"height", offsetof(TessaloCell, height), "f32"}, {"colour", offsetof(TessaloCell, colour), "u32"},
    {"shape", offsetof(TessaloCell, shape), "i32"},   {"visible", offsetof(TessaloCell, visible), "i32"},
    {"added", offsetof(TessaloCell, added), "i32"},
};
// A field added to the struct but not to this list would go unread by the page.
static_assert(sizeof(TessaloCell) == std::size(kCellFields) * 4, "every field of TessaloCell is listed, four bytes each");

constexpr CellField kItemFields[] = {
    {"kind", offsetof(TessaloItem, kind), "i32"},     {"left", offsetof(TessaloItem, left), "f32"},
    {"top", offsetof(TessaloItem, top), "f32"},       {"width", offsetof(TessaloItem, width), "f32"},
    {"height", offsetof(TessaloItem, height), "f32"}, {"shape", offsetof(TessaloItem, shape), "i32"},
    {"fill", offsetof(TessaloItem, fill), "u32"},     {"filled", offsetof(TessaloItem, filled), "i32"},
    {"line", offsetof(TessaloItem, line), "u32"},     {"lineWidth", offsetof(TessaloItem, lineWidth), "f32"},
    {"cell", offsetof(TessaloItem, cell), "i32"},
};
static_assert(sizeof(TessaloItem) == std::size(kItemFields) * 4, "every field of TessaloItem is listed, four bytes each");

// A struct's fields as the page reads them from the module's memory.
std::string Fields(std::size_t size, std::span<const CellField> fields)
{
    std::string out = "{size: " + std::to_string(size) + ", fields: {";
    for (std::size_t i = 0; i < fields.size(); ++i)
        out += std::string(i ? ", " : "") + std::string(fields[i].name) + ": [" + std::to_string(fields[i].offset) +
               ", " + Quoted(fields[i].type) + "]";
    return out + "}}";
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

struct Extent {
    float top = 1e9f;
    float right = 0;
    float bottom = 0;
};

// The top, right and bottom edges, in twips, of every cell any picture shows:
// the part of the board a narrow screen needs.
Extent PictureExtent()
{
    Extent extent;
    Tessalo form;
    form.Form_Load();
    for (int kind = 0; kind < form.Option1.Count(); ++kind) {
        form.Option1(kind).Value = true;
        form.Option1_Click(kind);
        for (int n = 1; n <= kListCount; ++n) {
            const Tessalo picture = PictureForN(form, n);
            for (int i = 0, seen = 0; seen < picture.Shape1.Count(); ++i) {
                if (!picture.Shape1.Exists(i))
                    continue;
                ++seen;
                const Cell& cell = picture.Shape1(i);
                if (cell.Visible) {
                    extent.top = std::min(extent.top, cell.Top);
                    extent.right = std::max(extent.right, cell.Left + cell.Width);
                    extent.bottom = std::max(extent.bottom, cell.Top + cell.Height);
                }
            }
        }
    }
    return extent;
}

}  // namespace

int main()
{
    std::string out = "// Made by tessalo_layout_script from the layout table; do not edit.\n";
    out += "self.tessaloLayout = {\n";
    const WindowLayout& window = kWindowLayout;
    out += "  window: {clientWidth: " + std::to_string(window.clientWidth) +
           ", clientHeight: " + std::to_string(window.clientHeight) + ", background: " +
           Quoted(Hex(window.background)) + ", fontFamily: " + Quoted(window.fontFamily) + ", fontPoints: " + std::to_string(window.fontPoints) +
           "},\n";
    out += "  // bottom of the stacking order first; twips\n  controls: [\n";
    for (const ControlLayout& control : kControls) {
        out += "    {name: " + Quoted(control.name) + ", index: " + std::to_string(control.index) +
               ", kind: " + Quoted(KindName(control.kind)) + ", left: " + std::to_string(control.left) +
               ", top: " + std::to_string(control.top) + ", width: " + std::to_string(control.width) +
               ", height: " + std::to_string(control.height) + ", background: " +
               (control.background ? Quoted(Hex(*control.background)) : std::string("null")) +
               ", tabIndex: " + std::to_string(control.tabIndex) + ", inFrame: " + (control.inFrame ? "true" : "false") + "},\n";
    }
    out += "  ],\n  listItems: [";
    for (int i = 0; i < kListCount; ++i)
        out += (i ? ", " : "") + Quoted(ListItemText(i));
    out += "],\n";
    out += "  // the board's scale at 100 %, the frame of the cells a step added, the ring of a cell a line of\n"
           "  // the argument counts, a cell's Shape for a circle\n";
    out += "  twipsPerPixel: " + Number(BoardView{}.twipsPerPixel) + ", stepMark: " + Quoted(Hex(FromRgb(kStepMarkRgb))) +
           ", ring: " + Quoted(Hex(kRingColour)) + ", circle: " + std::to_string(kCircle) + ",\n";
    const Extent extent = PictureExtent();
    out += "  // the edges of every cell of every picture\n";
    out += "  pictureExtent: {top: " + Number(extent.top) + ", right: " + Number(extent.right) +
           ", bottom: " + Number(extent.bottom) + "},\n";
    out += "  // TessaloCell in the module's memory: byte offsets and how to read each field\n";
    out += "  cell: " + Fields(sizeof(TessaloCell), kCellFields) + ",\n";
    out += "  // a saved picture's margin about the proof text, and a build-up's time\n";
    out += "  pictureMargin: " + std::to_string(kPictureTextMarginTwips) + ", buildUpMs: " +
           std::to_string(kBuildUpMilliseconds) + ",\n";
    out += "  // TessaloItem: one thing the board shows\n";
    out += "  item: " + Fields(sizeof(TessaloItem), kItemFields) + ",\n};\n";
    out += "// The texts by language: the core's languages, bg (the default) first, in the core's order.\n";
    out += "self.tessaloTexts = {languages: [";
    for (std::size_t i = 0; i < kLanguageCount; ++i)
        out += (i ? ", " : "") + Quoted(kLanguageCodes[i]);
    out += "]};\n";
    for (std::size_t i = 0; i < kLanguageCount; ++i)
        out += Texts(static_cast<Language>(i));
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
