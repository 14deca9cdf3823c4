// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/worksheet.h"

#include "app/induction_argument.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view kNoBreakSpace = "\u00A0";
constexpr std::string_view kHint = "   (";  // before "(по допускането)"

// Where the right-hand side after the first "= " starts; npos for none.
std::size_t AfterEquals(std::string_view text)
{
    for (std::size_t at = text.find('='); at != std::string_view::npos; at = text.find('=', at + 1)) {
        const std::string_view rest = text.substr(at + 1);
        if (rest.starts_with(' '))
            return at + 2;
        if (rest.starts_with(kNoBreakSpace))
            return at + 1 + kNoBreakSpace.size();
    }
    return std::string_view::npos;
}

// The length of the numbers and signs at the start of `text` ("3 + 4 = 7"), up
// to the first word.
std::size_t NumbersAt(std::string_view text)
{
    // the further identities' terms bring cubes and powers of 2: 3³, 2⁴
    static constexpr std::string_view kSigns[] = {" ", "\u00A0", "+", "=", "\u00B7", "\u00B2", "\u00B3", "\u00B9",
                                                  "⁰", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹", "(", ")"};
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] >= '0' && text[at] <= '9') {
            ++at;
            continue;
        }
        const auto sign = std::find_if(std::begin(kSigns), std::end(kSigns),
                                       [&](std::string_view s) { return text.substr(at).starts_with(s); });
        if (sign == std::end(kSigns))
            break;
        at += sign->size();
    }
    while (at > 0 && text[at - 1] == ' ')  // the space before the word stays
        --at;
    return at;
}

// `text` with bytes [from, to) as underscores, one for each letter hidden and at least four.
std::string Blanked(const std::string& text, std::size_t from, std::size_t to)
{
    const std::string_view hidden = std::string_view(text).substr(from, to - from);
    const auto letters = std::count_if(hidden.begin(), hidden.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return text.substr(0, from) + std::string(static_cast<std::size_t>(std::max<long>(letters, 4)), '_') + text.substr(to);
}

// The part of a line the pupil writes, as [from, to); from == to for none.
std::pair<std::size_t, std::size_t> PupilsPart(const ArgumentLine& line, bool firstExample)
{
    const std::string_view text = line.text;
    std::size_t from = AfterEquals(text);
    if (from == std::string_view::npos)
        return {0, 0};
    switch (line.role) {
    case ArgumentRole::Hypothesis:
        return {from, text.ends_with('.') ? text.size() - 1 : text.size()};
    case ArgumentRole::NewTerm:
        return {from, from + NumbersAt(text.substr(from))};
    case ArgumentRole::Step:
    case ArgumentRole::Example: {
        // the heading with k and a heading before the picture's terms are given
        const bool heading = line.role == ArgumentRole::Example && firstExample;
        if (heading || text.ends_with(':') || !(text.starts_with('=') || (text[0] >= '0' && text[0] <= '9')))
            return {0, 0};
        const std::size_t hint = text.find(kHint, from);
        return {from, hint == std::string_view::npos ? text.size() : hint};
    }
    default: return {0, 0};
    }
}

}  // namespace

std::vector<std::string> WorksheetLines(int kind, int n, Language language, bool answers)
{
    return WorksheetLines(ArgumentLines(kind, n, language), answers);
}

std::vector<std::string> WorksheetLines(const InductionArgument& argument, bool answers)
{
    std::vector<std::string> lines;
    bool firstExample = true;
    for (const ArgumentLine& line : argument.lines) {
        const auto [from, to] = answers ? std::pair<std::size_t, std::size_t>{0, 0} : PupilsPart(line, firstExample);
        if (line.role == ArgumentRole::Example)
            firstExample = false;
        lines.push_back(from < to ? Blanked(line.text, from, to) : line.text);
    }
    return lines;
}

std::string WorksheetHeading(int n, Language language, bool answers)
{
    return std::string(Tr(language, answers ? TextId::WorksheetAnswersHeading : TextId::WorksheetHeading)) +
           ", n = " + std::to_string(n);
}
