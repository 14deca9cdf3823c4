// Writes the layout table and the list items as a script for
// the page, so that the page lays itself out from the same table as the window.
//   tessalo_layout_script > layout.js

#include "app/layout.h"

#include <cstdio>
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

}  // namespace

int main()
{
    std::string out = "// Made by tessalo_layout_script from the layout table; do not edit.\n";
    out += "self.tessaloLayout = {\n";
    const WindowLayout& window = kWindowLayout;
    out += "  window: {clientWidth: " + std::to_string(window.clientWidth) +
           ", clientHeight: " + std::to_string(window.clientHeight) + ", background: " +
           Quoted(Hex(window.background)) + ", caption: " + Quoted(window.caption) +
           ", fontFamily: " + Quoted(window.fontFamily) + ", fontPoints: " + std::to_string(window.fontPoints) +
           "},\n";
    out += "  // bottom of the stacking order first; twips\n  controls: [\n";
    for (const ControlLayout& control : kControls) {
        out += "    {name: " + Quoted(control.name) + ", index: " + std::to_string(control.index) +
               ", kind: " + Quoted(KindName(control.kind)) + ", left: " + std::to_string(control.left) +
               ", top: " + std::to_string(control.top) + ", width: " + std::to_string(control.width) +
               ", height: " + std::to_string(control.height) + ", background: " +
               (control.background ? Quoted(Hex(*control.background)) : std::string("null")) +
               ", tabIndex: " + std::to_string(control.tabIndex) + ", text: " + Quoted(control.text) +
               ", inFrame: " + (control.inFrame ? "true" : "false") + "},\n";
    }
    out += "  ],\n  listItems: [";
    for (int i = 0; i < kListCount; ++i)
        out += (i ? ", " : "") + Quoted(ListItemText(i));
    out += "],\n};\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
