// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/identity_formulas.h"

#include <cstdlib>

namespace {

constexpr std::string_view kSquared = "²";
constexpr std::string_view kTimes = "·";
constexpr std::string_view kAndSoOn = "…";

// The kinds 4 and 5 sum to n², the others to n(n + 1)/2.
bool SumsToSquare(int kind)
{
    return kind == 4 || kind == 5;
}

// The odd number 2m − 1.
Linear Odd(Linear m)
{
    return {2 * m.a, 2 * m.b - 1};
}

void AddTerm(std::string& sum, std::string_view sign, const std::string& term)
{
    if (!sum.empty())
        sum += sign;
    sum += term;
}

// Every term for m, in numbers: "1 + 3 + 5 + 7", "4² − 3² + 2² − 1²".
std::string AllTerms(int kind, long m)
{
    std::string sum;
    const auto number = [](long value) { return std::to_string(value); };
    switch (kind) {
    case 4:
        for (long i = 1; i <= m; ++i)
            AddTerm(sum, kPlus, number(2 * i - 1));
        break;
    case 5:
        for (long i = 1; i < 2 * m; ++i)
            AddTerm(sum, kPlus, number(i <= m ? i : 2 * m - i));
        break;
    case 6:
        for (long i = m; i >= 1; --i)
            AddTerm(sum, (m - i) % 2 == 1 ? kMinus : kPlus, number(i) + std::string(kSquared));
        break;
    default:
        for (long i = 1; i <= m; ++i)
            AddTerm(sum, kPlus, number(i));
    }
    return sum;
}

}  // namespace

std::string FormulaWriter::Plain(Linear v) const
{
    if (!InLetters() || v.a == 0)
        return std::to_string(ValueOf(v));
    std::string text = v.a == 1 ? std::string() : std::to_string(v.a);
    text += letter_;
    if (v.b != 0) {
        text += kNoBreak;
        text += v.b > 0 ? "+" : "−";
        text += kNoBreak;
        text += std::to_string(std::labs(v.b));
    }
    return text;
}

std::string FormulaWriter::Term(Linear v) const
{
    return Compound(v) ? "(" + Plain(v) + ")" : Plain(v);
}

std::string FormulaWriter::Squared(Linear v) const
{
    const bool grouped = InLetters() && v.a != 0 && (v.b != 0 || v.a != 1);
    return (grouped ? "(" + Plain(v) + ")" : Plain(v)) + std::string(kSquared);
}

std::string FormulaWriter::Product(Linear x, Linear y) const
{
    // a letter is written against a parenthesis, numbers with a dot between
    const bool juxtaposed = InLetters() && Compound(y);
    const std::string first = Term(x);
    return first + (!juxtaposed ? std::string(kTimes) : first.ends_with(')') ? std::string(kJoined) : "") + Term(y);
}

std::string FormulaWriter::Scaled(long c, Linear v) const
{
    if (InLetters() && !Compound(v))
        return Plain({c * v.a, c * v.b});
    return std::to_string(c) + (InLetters() ? "" : std::string(kTimes)) + Term(v);
}

long IdentityValue(int kind, long n)
{
    return SumsToSquare(kind) ? n * n : n * (n + 1) / 2;
}

std::string WrittenSum(int kind, Linear last, const FormulaWriter& w)
{
    if (!w.InLetters())
        return AllTerms(kind, w.ValueOf(last));
    const std::string andSoOn = std::string(kPlus) + std::string(kAndSoOn) + std::string(kPlus);
    const bool stepped = last.b > 0;  // up to k + 1: its last two terms written, k and k + 1
    switch (kind) {
    case 4:
        return "1" + std::string(kPlus) + "3" + andSoOn +
               (stepped ? w.Term(Odd(last - 1)) + std::string(kPlus) : std::string()) + w.Term(Odd(last));
    case 5:
        return "1" + std::string(kPlus) + "2" + andSoOn + w.Term(last - 1) + std::string(kPlus) + w.Term(last) +
               std::string(kPlus) + w.Term(last - 1) + andSoOn + "2" + std::string(kPlus) + "1";
    case 6: {
        // the sign of 1² alternates with n: ± for n, ∓ for n + 1
        const std::string_view lastSign = stepped ? " ∓\u00A0" : " ±\u00A0";
        return w.Squared(last) + std::string(kMinus) + w.Squared(last - 1) + std::string(kPlus) +
               w.Squared(last - 2) + std::string(kMinus) + std::string(kAndSoOn) + std::string(lastSign) + "1" +
               std::string(kSquared);
    }
    default:
        return "1" + std::string(kPlus) + "2" + andSoOn +
               (stepped ? w.Term(last - 1) + std::string(kPlus) : std::string()) + w.Term(last);
    }
}

std::string ClosedForm(int kind, Linear m, const FormulaWriter& w)
{
    if (SumsToSquare(kind))
        return w.Squared(m);
    return w.Product(m, m + 1) + "/2";
}
