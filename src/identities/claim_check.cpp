// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/claim_check.h"

#include "identities/claim_parser.h"
#include "identities/formula_text.h"

#include <array>

namespace {

// The form's six: what each step adds to the sum and false claims about it. The
// pyramid's step adds k and k + 1; the alternating squares' takes the sum for k
// from (k + 1)², so that a claim off by a constant breaks both parts there: its
// false claims all hold at n = 1.
struct SixRule {
    const char* added;
    int sign;
    std::array<const char*, 3> broken;
};
constexpr std::array<SixRule, 6> kSix{{
    {"k+1", 1, {"n^2 - n + 1", "n(n+1)/2 + 1", "2n - 1"}},
    {"k+1", 1, {"n^2 - n + 1", "n(n+1)/2 + 1", "2n - 1"}},
    {"k+1", 1, {"n^2 - n + 1", "n(n+1)/2 + 1", "2n - 1"}},
    {"2k+1", 1, {"3n - 2", "n^2 + 1", "2^n - 1"}},
    {"2k+1", 1, {"3n - 2", "n^2 + 1", "2^n - 1"}},
    {"(k+1)^2", -1, {"n^2 - n + 1", "2n - 1", "n"}},
}};

Expression Parsed(std::string_view formula)
{
    const ClaimParse parsed = ParseExpression(formula, 'k');
    return parsed.value.value_or(Expression{});
}

}  // namespace

SumRule RuleOf(int kind, Progression progression)
{
    if (kind >= 1 && kind <= 6) {
        const SixRule& six = kSix[static_cast<std::size_t>(kind - 1)];
        return {1, six.added, six.sign, 11};
    }
    const FurtherIdentity identity = DescribeFurther(kind, progression);
    if (identity.kind == 0)
        return {0, "0", 1, 0};
    const Fraction first = Parsed(identity.term).At(1);
    return {first.Numerator(), identity.nextTerm, 1, identity.maxN};
}

Fraction SumAt(const SumRule& rule, int n)
{
    const Expression added = Parsed(rule.added);
    Fraction sum(rule.base);
    for (int k = 1; k < n; ++k)
        sum = added.At(k) + Fraction(rule.sign) * sum;
    return sum;
}

ClaimCheck CheckClaim(const SumRule& rule, const Expression& claimed)
{
    ClaimCheck check;
    check.claimedBase = claimed.At(1);
    check.baseHolds = check.claimedBase == Fraction(rule.base);
    check.fromHypothesis = Parsed(rule.added) + Expression::Constant(Fraction(rule.sign)) * claimed;
    check.claimedNext = claimed.Shifted(1);
    check.stepHolds = check.fromHypothesis == check.claimedNext;
    // the sum for each n from the one before it, as SumAt makes it
    const Expression added = Parsed(rule.added);
    Fraction sum(rule.base);
    for (int n = 1; n <= rule.maxN; ++n) {
        if (claimed.At(n) != sum) {
            check.firstFalse = n;
            break;
        }
        sum = added.At(n) + Fraction(rule.sign) * sum;
    }
    return check;
}

std::vector<std::string> BrokenClaims(int kind, Progression progression)
{
    if (kind >= 1 && kind <= 6) {
        const auto& broken = kSix[static_cast<std::size_t>(kind - 1)].broken;
        return {broken.begin(), broken.end()};
    }
    return DescribeFurther(kind, progression).broken;
}

namespace {

// c·letterʲ, typed: "3k^2/2", "k", "5".
std::string Monomial(const Fraction& c, int j, char letter)
{
    const long long top = c.Numerator() < 0 ? -c.Numerator() : c.Numerator();
    std::string text = top == 1 && j > 0 ? "" : std::to_string(top);
    if (j > 0)
        text += letter;
    if (j > 1)
        text += "^" + std::to_string(j);
    if (c.Denominator() != 1)
        text += "/" + std::to_string(c.Denominator());
    return text;
}

}  // namespace

std::string WrittenExpression(const Expression& value, char letter)
{
    std::string typed;
    const auto add = [&typed](const Fraction& c, const std::string& term) {
        if (c.IsZero())
            return;
        if (!typed.empty() || c.Numerator() < 0)
            typed += c.Numerator() < 0 ? "-" : "+";
        typed += term;
    };
    const std::string power = std::string("2^") + letter;
    for (int j = static_cast<int>(value.TimesPowerOfTwo().size()) - 1; j >= 0; --j) {
        const Fraction& c = value.TimesPowerOfTwo()[static_cast<std::size_t>(j)];
        const std::string factor = Monomial(c, j, letter);
        add(c, factor == "1" ? power : factor + "*" + power);
    }
    for (int j = static_cast<int>(value.Plain().size()) - 1; j >= 0; --j)
        add(value.Plain()[static_cast<std::size_t>(j)], Monomial(value.Plain()[static_cast<std::size_t>(j)], j, letter));
    return typed.empty() ? "0" : WrittenFormula(typed);
}
