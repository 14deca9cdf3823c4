// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Evaluates the formulas of the induction argument as a teacher reads them, so
// that tests check its equalities by arithmetic rather than by their texts:
// whole numbers and one letter, + − · / ², a factor written against another
// ("2k", "k(k + 1)"), ( ) and [ ], and "…" continuing the terms before it.
#include "proof_support.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class Formula {
public:
    // `letter` stands for `value`: "k" in the step, "n" in the claim.
    Formula(std::string_view text, long value) : text_(text), value_(value) {}

    long Value()
    {
        const long value = Sum();
        Skip();
        if (at_ != text_.size())
            throw std::invalid_argument("unexpected text at " + std::string(text_.substr(at_)));
        return value;
    }

private:
    struct Item {
        long sign = 1;
        long base = 0;         // the term without its sign, before squaring
        bool squared = false;  // the term is base²
        bool andSoOn = false;  // "…"
        long Of(long b) const { return sign * (squared ? b * b : b); }
    };

    // "a + b + … + c": the terms from a by the step from a to b, up to c; for
    // small values of the letter the run may end before b, or hold nothing.
    static long Run(const Item& first, const Item& second, const Item& last)
    {
        const long step = second.base - first.base;
        if (step == 0 || first.squared != second.squared || (last.base - first.base) % step != 0)
            throw std::invalid_argument("no run");
        const bool alternating = first.sign != second.sign;
        long sum = 0;
        long sign = first.sign;
        for (long b = first.base; step > 0 ? b <= last.base : b >= last.base; b += step) {
            sum += Item{sign, b, first.squared}.Of(b);
            if (alternating)
                sign = -sign;
        }
        return sum;
    }

    long Sum()
    {
        std::vector<Item> items{Signed(1)};
        for (;;) {
            long sign = 0;
            if (Take("+") || Take("±") || Take("∓"))  // the written sign of 1² follows from the run
                sign = 1;
            else if (Take("−"))
                sign = -1;
            else
                break;
            items.push_back(Signed(sign));
        }
        long sum = 0;
        std::vector<bool> used(items.size(), false);
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (!items[i].andSoOn)
                continue;
            if (i < 2 || i + 1 >= items.size() || used[i - 2] || used[i - 1] || items[i - 2].andSoOn)
                throw std::invalid_argument("… without two terms before it and one after");
            const bool alternating = items[i - 2].sign != items[i - 1].sign;
            if (items[i].sign != (alternating ? -items[i - 1].sign : items[i - 1].sign))
                throw std::invalid_argument("the sign before … breaks the pattern");
            sum += Run(items[i - 2], items[i - 1], items[i + 1]);
            used[i - 2] = used[i - 1] = used[i] = used[i + 1] = true;
        }
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (!used[i])
                sum += items[i].Of(items[i].base);
        }
        return sum;
    }

    Item Signed(long sign)
    {
        if (Take("…"))
            return {sign, 0, false, true};
        const std::size_t start = at_;
        long value = Power();
        bool squared = text_.substr(start, at_ - start).ends_with("²") && !More();
        long base = squared ? root_ : value;
        // a product or a quotient: the term is its value
        while (More()) {
            squared = false;
            if (Take("·")) {
                value *= Power();
            } else if (Take("/")) {
                const long divisor = Power();
                if (divisor == 0 || value % divisor != 0)
                    throw std::invalid_argument("inexact division");
                value /= divisor;
            } else {
                value *= Power();  // written against each other
            }
            base = value;
        }
        return {sign, base, squared};
    }

    // Whether a product goes on: a sign of it, or a factor with no space before it.
    bool More()
    {
        if (at_ >= text_.size())
            return false;
        std::string_view rest = text_.substr(at_);
        if (rest.starts_with("\u2060"))
            rest.remove_prefix(3);
        if (rest.empty())
            return false;
        const char c = rest.front();
        return rest.starts_with("·") || c == '/' || c == '(' || c == '[' || (c >= 'a' && c <= 'z') ||
               (c >= '0' && c <= '9');
    }

    long Power()
    {
        const long value = Primary();
        root_ = value;
        return Take("²") ? value * value : value;
    }

    long Primary()
    {
        for (const auto& [open, close] : {std::pair{"(", ")"}, std::pair{"[", "]"}}) {
            if (Take(open)) {
                const long value = Sum();
                if (!Take(close))
                    throw std::invalid_argument("unclosed parenthesis");
                return value;
            }
        }
        Skip();
        if (at_ < text_.size() && text_[at_] >= 'a' && text_[at_] <= 'z') {
            ++at_;
            return value_;
        }
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
            ++at_;
        if (at_ == start)
            throw std::invalid_argument("no number at " + std::string(text_.substr(at_)));
        return std::stol(std::string(text_.substr(start, at_ - start)));
    }

    void Skip()
    {
        for (;;) {
            if (at_ < text_.size() && text_[at_] == ' ')
                ++at_;
            else if (text_.substr(at_).starts_with("\u00A0"))
                at_ += 2;
            else if (text_.substr(at_).starts_with("\u2060"))  // a word joiner between two factors
                at_ += 3;
            else
                return;
        }
    }

    bool Take(std::string_view token)
    {
        Skip();
        if (!text_.substr(at_).starts_with(token))
            return false;
        at_ += token.size();
        return true;
    }

    std::string_view text_;
    long value_;
    std::size_t at_ = 0;
    long root_ = 0;  // the last factor before its square
};

// The sides of a line's chain of equalities: its text after "<words>: " and
// before ", <words>" or a closing ".", without "(by the hypothesis)", split at
// the equals signs; a line that goes on a chain ("= …") has an empty first side.
inline std::vector<std::string> ChainSides(std::string line)
{
    if (const auto words = line.find(": "); words != std::string::npos)
        line = line.substr(words + 2);
    if (const auto words = line.find("   ("); words != std::string::npos)
        line = line.substr(0, words);
    if (const auto words = line.find(", "); words != std::string::npos)
        line = line.substr(0, words);
    if (line.ends_with('.'))
        line.pop_back();
    std::vector<std::string> sides;
    for (std::string side : Split(line, " =\u00A0"))
        sides.push_back(side);
    if (line.starts_with("=\u00A0"))
        sides = Split(line.substr(std::string("=\u00A0").size()), " =\u00A0"), sides.insert(sides.begin(), "");
    return sides;
}

// The values of a line's sides, the letter standing for `value`.
inline std::vector<long> ChainValues(const std::string& line, long value = 0)
{
    std::vector<long> values;
    for (const std::string& side : ChainSides(line)) {
        if (!side.empty())
            values.push_back(Formula(side, value).Value());
    }
    return values;
}
