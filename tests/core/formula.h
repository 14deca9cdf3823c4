#pragma once

// Evaluates the numeric lines of the induction argument, so that tests check
// their equations by arithmetic rather than by their texts.
#include "proof_support.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The value of a formula with whole numbers, + − · / ² and parentheses, as the
// argument writes them; anything else, or a division with a remainder, throws.
class Formula {
public:
    explicit Formula(std::string_view text) : text_(text) {}

    long Value()
    {
        const long value = Sum();
        Skip();
        if (at_ != text_.size())
            throw std::invalid_argument("unexpected text at " + std::string(text_.substr(at_)));
        return value;
    }

private:
    long Sum()
    {
        long value = Product();
        for (;;) {
            if (Take("+"))
                value += Product();
            else if (Take("−"))
                value -= Product();
            else
                return value;
        }
    }

    long Product()
    {
        long value = Power();
        for (;;) {
            if (Take("·")) {
                value *= Power();
            } else if (Take("/")) {
                const long divisor = Power();
                if (divisor == 0 || value % divisor != 0)
                    throw std::invalid_argument("inexact division");
                value /= divisor;
            } else {
                return value;
            }
        }
    }

    long Power()
    {
        long value = Primary();
        if (Take("²"))
            value *= value;
        return value;
    }

    long Primary()
    {
        if (Take("(")) {
            const long value = Sum();
            if (!Take(")"))
                throw std::invalid_argument("unclosed parenthesis");
            return value;
        }
        Skip();
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9')
            ++at_;
        if (at_ == start)
            throw std::invalid_argument("no number at " + std::string(text_.substr(at_)));
        return std::stol(std::string(text_.substr(start, at_ - start)));
    }

    void Skip()
    {
        while (at_ < text_.size() && text_[at_] == ' ')
            ++at_;
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
    std::size_t at_ = 0;
};

// The values of the sides of a numeric line's equation chain: its text after
// "<words>: ", up to ", " where words follow.
inline std::vector<long> ChainValues(const std::string& line)
{
    const auto start = line.find(": ");
    if (start == std::string::npos)
        throw std::invalid_argument("no formula in " + line);
    const std::string chain = line.substr(start + 2, line.find(", ", start) - start - 2);
    std::vector<long> values;
    for (const std::string& side : Split(chain, " = "))
        values.push_back(Formula(side).Value());
    return values;
}
