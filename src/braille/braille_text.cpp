// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "braille/braille_text.h"

#include <liblouis/liblouis.h>

#include <array>
#include <vector>

namespace {

const char* Table(Language language)
{
    return language == Language::bg ? "bg.utb" : "en-ueb-g1.ctb";
}

// Signs the Bulgarian table has none of, as the neighbouring tables write them
// (the dots' bits: dot 1 is 1, dot 6 is 32). The exponent sign (dots 3 4) and a
// lowered digit, as the Serbian and German tables write ² and ³; the product's
// dot as dot 3, as the Russian and German tables do; the others as the Russian.
struct Sign {
    char32_t print;
    std::u32string_view cells;
};
constexpr std::array<Sign, 10> kOwnSigns{{
    {U'²', U"\u280C\u2806"},  // 34 23
    {U'³', U"\u280C\u2812"},  // 34 25
    {U'·', U"\u2804"},        // 3
    {U'⋅', U"\u2804"},
    {U'−', U"\u2824"},        // 36
    {U'±', U"\u2816\u2824"},  // 235 36
    {U'∓', U"\u2824\u2816"},
    {U'≥', U"\u2815\u2836"},  // 135 2356
    {U'≤', U"\u282A\u2836"},  // 246 2356
    {U'⇒', U"\u2836\u281C"},  // 2356 345
}};

std::u32string Decoded(std::string_view text)
{
    std::u32string decoded;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7FU >> length);
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < text.size(); ++k)
            code = code << 6 | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3FU);
        i += static_cast<std::size_t>(length);
        if (code == U'\u2060')  // a word joiner keeps a line whole on screen: nothing to braille
            continue;
        decoded += code == U'\u00A0' ? U' ' : code;
    }
    return decoded;
}

void Encode(char32_t code, std::string& out)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void Quiet()
{
    static const bool quiet = [] {
        // a table's notes on its own style are not the user's business
        lou_setLogLevel(LOU_LOG_ERROR);
        return true;
    }();
    (void)quiet;
}

using Louis = int (*)(const char*, const widechar*, int*, widechar*, int*, formtype*, char*, int);

// Runs liblouis one way over `in`; none on failure.
std::optional<std::u32string> Run(Louis louis, Language language, std::u32string_view in, int mode)
{
    Quiet();
    if (in.empty())
        return std::u32string();
    const std::vector<widechar> input(in.begin(), in.end());
    std::vector<widechar> output(input.size() * 4 + 16);
    int inLength = 0;
    int outLength = 0;
    // liblouis stops where its output is full: again with twice the room until it takes the whole text
    do {
        if (output.size() > input.size() * 64 + 64)
            return std::nullopt;  // no braille is that long: it would never take the whole text
        output.resize(output.size() * 2);
        inLength = static_cast<int>(input.size());
        outLength = static_cast<int>(output.size());
        if (louis(Table(language), input.data(), &inLength, output.data(), &outLength, nullptr, nullptr, mode) == 0)
            return std::nullopt;
    } while (inLength < static_cast<int>(input.size()));
    std::u32string result;
    for (int i = 0; i < outLength; ++i)
        result += static_cast<char32_t>(output[static_cast<std::size_t>(i)]);
    return result;
}

const Sign* OwnSign(char32_t code)
{
    for (const Sign& sign : kOwnSigns) {
        if (sign.print == code)
            return &sign;
    }
    return nullptr;
}

}  // namespace

std::optional<std::u32string> ToBraille(std::string_view text, Language language)
{
    const std::u32string print = Decoded(text);
    std::u32string cells;
    std::size_t start = 0;
    // liblouis between our own signs, so that its number and capital signs stay its own
    for (std::size_t i = 0; i <= print.size(); ++i) {
        const Sign* own = i < print.size() ? OwnSign(print[i]) : nullptr;
        if (own == nullptr && i < print.size())
            continue;
        const auto run =
            Run(lou_translateString, language, std::u32string_view(print).substr(start, i - start), dotsIO | ucBrl);
        if (!run)
            return std::nullopt;
        cells += *run;
        if (own != nullptr)
            cells += own->cells;
        start = i + 1;
    }
    // liblouis writes a space as the blank cell, dots or not
    for (char32_t& cell : cells) {
        if (cell == U' ')
            cell = U'\u2800';
    }
    return cells;
}

std::optional<std::string> FromBraille(std::u32string_view cells, Language language)
{
    // read back from liblouis's own dots, which its tables know; Unicode patterns only as output
    std::u32string dots;
    for (const char32_t cell : cells)
        dots += static_cast<char32_t>(LOU_DOTS | ((static_cast<unsigned>(cell) - 0x2800U) & 0xFFU));
    const auto print = Run(lou_backTranslateString, language, dots, dotsIO);
    if (!print)
        return std::nullopt;
    std::string text;
    for (const char32_t code : *print)
        Encode(code, text);
    return text;
}
