// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/formula_text.h"

#include "identities/claim_parser.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

constexpr std::string_view kSpacedPlus = "\u00A0+\u00A0";
constexpr std::string_view kSpacedMinus = "\u00A0−\u00A0";

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsLetter(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// The superscript of a digit, a letter n or k, + or −; "" for any other sign.
std::string_view Raised(char c)
{
    static constexpr std::string_view kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    if (IsDigit(c))
        return kDigits[c - '0'];
    switch (c) {
    case 'n': return "ⁿ";
    case 'k': return "ᵏ";
    case '+': return "⁺";
    case '-': return "⁻";
    default: return {};
    }
}

// `text` raised as a whole, or nothing where a sign of it has no superscript.
std::string RaisedAll(std::string_view text)
{
    std::string raised;
    for (const char c : text) {
        if (Raised(c).empty())
            return {};
        raised += Raised(c);
    }
    return raised;
}

// The exponent after the '^' at `at`: a number, a letter or a bracket; the
// index past it.
std::size_t ExponentEnd(std::string_view text, std::size_t at)
{
    if (at >= text.size())
        return at;
    if (text[at] == '(') {
        int depth = 0;
        for (std::size_t i = at; i < text.size(); ++i) {
            depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
            if (depth == 0)
                return i + 1;
        }
        return text.size();
    }
    std::size_t end = at + 1;
    while (IsDigit(text[at]) && end < text.size() && IsDigit(text[end]))
        ++end;
    return end;
}

std::string WithoutSpaces(std::string_view typed)
{
    std::string text;
    for (const char c : typed) {
        if (c != ' ')
            text += c;
    }
    return text;
}

}  // namespace

std::string WrittenFormula(std::string_view typed)
{
    const std::string text = WithoutSpaces(typed);
    std::string written;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool unary = i == 0 || std::string_view("([+-*/^").find(text[i - 1]) != std::string_view::npos;
        if (c == '+') {
            written += kSpacedPlus;
        } else if (c == '-') {
            written += unary ? std::string_view("−") : kSpacedMinus;
        } else if (c == '*') {
            written += "·";
        } else if (c == '^') {
            const std::size_t end = ExponentEnd(text, i + 1);
            std::string_view exponent = std::string_view(text).substr(i + 1, end - i - 1);
            if (exponent.size() > 1 && exponent.front() == '(')
                exponent = exponent.substr(1, exponent.size() - 2);
            const std::string raised = RaisedAll(exponent);
            if (raised.empty()) {
                written += c;
                continue;
            }
            written += raised;
            i = end - 1;
        } else {
            written += c;
        }
    }
    return written;
}

std::string FormulaWithNumber(std::string_view typed, char letter, long value)
{
    const std::string text = WithoutSpaces(typed);
    const std::string number = std::to_string(value);
    std::string put;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != letter) {
            put += text[i];
            continue;
        }
        // a factor against the letter is now a product of two numbers
        if (!put.empty() && (IsDigit(put.back()) || put.back() == ')'))
            put += '*';
        put += value < 0 ? "(" + number + ")" : number;
        if (i + 1 < text.size() && (IsDigit(text[i + 1]) || text[i + 1] == '(' || IsLetter(text[i + 1])))
            put += '*';
    }
    // each bracket of numbers alone, the innermost first, becomes its value
    for (std::size_t close = put.find(')'); close != std::string::npos; close = put.find(')', close + 1)) {
        const std::size_t open = put.rfind('(', close);
        const std::string_view inside = std::string_view(put).substr(open + 1, close - open - 1);
        if (inside.find_first_of("+-*/^") == std::string_view::npos)
            continue;
        const ClaimParse parsed = ParseExpression(inside);
        if (!parsed.value || parsed.value->Degree() > 0 || parsed.value->HasPowerOfTwo())
            continue;
        const Fraction worked = parsed.value->At(0);
        if (!worked.IsWhole() || worked.Numerator() < 0)
            continue;
        const bool after = open > 0 && (IsDigit(put[open - 1]) || put[open - 1] == ')');
        const bool before = close + 1 < put.size() && (IsDigit(put[close + 1]) || put[close + 1] == '(');
        put = put.substr(0, open) + (after ? "*" : "") + std::to_string(worked.Numerator()) + (before ? "*" : "") +
              put.substr(close + 1);
        close = open;
    }
    return WrittenFormula(put);
}

std::string PlainFormula(std::string_view typed)
{
    static constexpr std::pair<std::string_view, std::string_view> kSigns[] = {
        {"−", "-"}, {"–", "-"}, {"·", "*"}, {"×", "*"}, {"⋅", "*"}, {"÷", "/"}, {":", "/"}, {",", "."},
        {"\u00A0", " "}, {"N", "n"},
    };
    static constexpr std::pair<std::string_view, char> kRaised[] = {
        {"⁰", '0'}, {"¹", '1'}, {"²", '2'}, {"³", '3'}, {"⁴", '4'}, {"⁵", '5'}, {"⁶", '6'},
        {"⁷", '7'}, {"⁸", '8'}, {"⁹", '9'}, {"ⁿ", 'n'}, {"⁺", '+'}, {"⁻", '-'},
    };
    std::string plain;
    std::string exponent;  // a run of superscripts, written out when it ends
    const auto endExponent = [&] {
        if (!exponent.empty())
            plain += exponent.size() == 1 ? "^" + exponent : "^(" + exponent + ")";
        exponent.clear();
    };
    for (std::size_t at = 0; at < typed.size();) {
        const std::string_view rest = typed.substr(at);
        const auto raised = std::find_if(std::begin(kRaised), std::end(kRaised),
                                         [rest](const auto& sign) { return rest.starts_with(sign.first); });
        if (raised != std::end(kRaised)) {
            exponent += raised->second;
            at += raised->first.size();
            continue;
        }
        endExponent();
        const auto sign = std::find_if(std::begin(kSigns), std::end(kSigns),
                                       [rest](const auto& s) { return rest.starts_with(s.first); });
        if (sign != std::end(kSigns)) {
            plain += sign->second;
            at += sign->first.size();
        } else {
            plain += typed[at++];
        }
    }
    endExponent();
    return plain;
}

std::string Relettered(std::string typed, char from, char to)
{
    for (char& c : typed) {
        if (c == from)
            c = to;
    }
    return typed;
}
