// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the layout table, the list items, the table of commands and the
// constants the page shares with the window and the core as a script, so that
// the page lays itself out, draws, takes its keys, lists them and reads the
// core's cells from the same definitions as the window.
//   tessalo_layout_script > layout.js

#include "app/board_picture.h"
#include "app/command_table.h"
#include "app/in_words.h"
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
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
    {"SwitchLineByLineOn", TextId::SwitchLineByLineOn},
    {"SwitchLineByLineOff", TextId::SwitchLineByLineOff},
    {"AllLinesShown", TextId::AllLinesShown},
    {"TactileTooLarge", TextId::TactileTooLarge},
};

// How a browser tells a key of the table: KeyboardEvent.key (a letter in
// lower case), and for a letter or a digit KeyboardEvent.code too, which stays
// the same on a Cyrillic layout; its name in the page's key list.
struct BrowserKey {
    bool ctrl = false;
    bool shift = false;
    std::string key;
    std::string code;
    std::string name;
};

// Of the toolkit's portable names, those the page's commands use and their likes;
// none for a key the page could not take.
std::optional<BrowserKey> InBrowser(std::string_view portable)
{
    BrowserKey out;
    std::string modifiers;
    for (const auto& [prefix, flag] : {std::pair{std::string_view("Ctrl+"), &out.ctrl}, {"Shift+", &out.shift}}) {
        if (portable.starts_with(prefix) && portable.size() > prefix.size()) {
            *flag = true;
            modifiers += prefix;
            portable.remove_prefix(prefix.size());
        }
    }
    constexpr std::pair<std::string_view, std::string_view> kNamed[] = {
        {"PgDown", "PageDown"}, {"PgUp", "PageUp"}, {"Return", "Enter"}, {"Enter", "Enter"},
        {"Esc", "Escape"},      {"Home", "Home"},   {"End", "End"},      {"Menu", "ContextMenu"},
        {"Space", " "},         {"Right", "ArrowRight"},
    };
    const char first = portable.empty() ? '\0' : portable[0];
    const bool function = first == 'F' && portable.size() > 1 && portable.size() <= 3 &&
                          portable.find_first_not_of("0123456789", 1) == std::string_view::npos;
    if (portable.size() == 1 && first >= 'A' && first <= 'Z') {
        out.key = std::string(1, static_cast<char>(first - 'A' + 'a'));
        out.code = "Key" + std::string(portable);
        out.name = portable;
    } else if (portable.size() == 1 && first >= '0' && first <= '9') {
        out.key = out.name = portable;
        out.code = "Digit" + std::string(portable);
    } else if (function) {  // F1 to F35
        out.key = out.name = portable;
    } else {
        const auto* named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                         [portable](const auto& pair) { return pair.first == portable; });
        if (named == std::end(kNamed))
            return std::nullopt;
        out.key = named->second;
        out.name = portable == "Space" || portable == "Right" ? portable : named->second;  // a name to read
    }
    out.name = modifiers + out.name;
    return out;
}

// The keys of the commands the page offers, each once, in the table's order.
std::vector<std::pair<std::string_view, BrowserKey>> PageKeys()
{
    std::vector<std::pair<std::string_view, BrowserKey>> keys;
    for (const CommandRow& row : kCommands) {
        for (const std::string_view key : row.keys) {
            if (!row.onPage || key.empty() ||
                std::any_of(keys.begin(), keys.end(), [key](const auto& known) { return known.first == key; }))
                continue;
            const std::optional<BrowserKey> browser = InBrowser(key);
            if (!browser) {
                std::fprintf(stderr, "tessalo_layout_script: the page cannot take %.*s, a key of %.*s\n",
                             static_cast<int>(key.size()), key.data(), static_cast<int>(row.name.size()),
                             row.name.data());
                std::exit(1);
            }
            keys.emplace_back(key, *browser);
        }
    }
    return keys;
}

// One language's captions, by control ("Label1-0"; "window" the window's), the
// core's texts the page says, the commands' texts by their keys in the
// catalogue, and the names of the page's keys, each on one line of JSON after
// its name: the page reads them by language, and a test can mark every text of
// a language. (The keys are named alike in every language today; the window's
// toolkit names some otherwise in Bulgarian, "Меню".)
std::string Texts(Language language)
{
    const std::string code(CodeOf(language));
    std::string out = "self.tessaloTexts." + code + " = {};\n";
    const std::string_view title = Tr(language, kWindowLayout.caption);
    // the browser's tab and a screen reader's name of the page: the title in words, with no dash
    out += "self.tessaloTexts." + code + ".captions = {\"window\": " + Quoted(title) +
           ", \"windowInWords\": " + Quoted(InWords(title, language));
    for (const ControlLayout& control : kControls) {
        if (control.text != TextId::None)
            out += ", " + Quoted(std::string(control.name) + "-" + std::to_string(control.index)) + ": " +
                   Quoted(Tr(language, control.text));
    }
    out += "};\nself.tessaloTexts." + code + ".core = {";
    for (std::size_t i = 0; i < std::size(kPageSays); ++i)
        out += std::string(i ? ", " : "") + Quoted(kPageSays[i].key) + ": " + Quoted(Tr(language, kPageSays[i].id));
    out += "};\nself.tessaloTexts." + code + ".commands = {";
    std::string separator;
    const auto text = [&](TextId id) {
        out += separator + Quoted(KeyOf(id)) + ": " + Quoted(Tr(language, id));
        separator = ", ";
    };
    for (const CommandRow& row : kCommands) {
        text(row.text);
        text(row.meaning);
    }
    for (const FormKeysRow& row : kFormKeys) {
        text(row.keys);
        text(row.meaning);
    }
    out += "};\nself.tessaloTexts." + code + ".keys = {";
    separator.clear();
    for (const auto& [portable, browser] : PageKeys()) {
        out += separator + Quoted(portable) + ": " + Quoted(browser.name);
        separator = ", ";
    }
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
    out += "  item: " + Fields(sizeof(TessaloItem), kItemFields) + ",\n";
    out += "  // the commands, in the order of the window's menu and key list: the catalogue's keys of its\n"
           "  // name and of what its keys do, its keys as the toolkit writes them, whether the page offers it\n"
           "  commands: [\n";
    for (const CommandRow& row : kCommands) {
        std::string keys;
        for (const std::string_view key : row.keys) {
            if (!key.empty())
                keys += (keys.empty() ? "" : ", ") + Quoted(key);
        }
        out += "    {command: " + Quoted(row.name) + ", text: " + Quoted(KeyOf(row.text)) +
               ", meaning: " + Quoted(KeyOf(row.meaning)) + ", keys: [" + keys + "], checkable: " +
               (row.checkable ? "true" : "false") + ", page: " + (row.onPage ? "true" : "false") + "},\n";
    }
    out += "  ],\n  // the key lists' first rows: the keys the form's controls answer to themselves\n  formKeys: [";
    for (std::size_t i = 0; i < kFormKeys.size(); ++i)
        out += std::string(i ? ", " : "") + "{keys: " + Quoted(KeyOf(kFormKeys[i].keys)) +
               ", meaning: " + Quoted(KeyOf(kFormKeys[i].meaning)) + "}";
    out += "],\n  // the page's keys as a browser tells them (its key list names them by language)\n  browserKeys: {";
    std::string separator;
    for (const auto& [portable, browser] : PageKeys()) {
        out += separator + Quoted(portable) + ": {ctrl: " + (browser.ctrl ? "true" : "false") +
               ", shift: " + (browser.shift ? "true" : "false") + ", key: " + Quoted(browser.key) +
               ", code: " + Quoted(browser.code) + "}";
        separator = ", ";
    }
    out += "},\n};\n";
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
