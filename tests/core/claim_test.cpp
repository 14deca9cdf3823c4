// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The right-hand side of an identity as a pupil types it, read into an exact value.
#include "identities/claim_parser.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

Expression Parsed(const std::string& text)
{
    const ClaimParse parse = ParseExpression(text);
    EXPECT_EQ(parse.problem, ClaimProblem::None) << text << " at " << parse.column;
    return parse.value.value_or(Expression());
}

}  // namespace

TEST(ParseExpression, ReadsEveryWayOfWritingAValue)
{
    const struct {
        const char* text;
        std::vector<std::pair<long, Fraction>> values;
    } rows[] = {
        {"n(n+1)/2", {{1, 1}, {4, 10}}},
        {"3n - 2 − 1 – n", {{1, -1}, {5, 7}}},
        {"2·n×n⋅3*-n", {{1, -6}, {2, -48}}},
        {"(n²+n)÷2 + n:4", {{1, Fraction(5, 4)}, {3, Fraction(27, 4)}}},
        {"[n+1]{n-1}", {{1, 0}, {3, 8}}},
        {"0,5n + 1.25", {{1, Fraction(7, 4)}, {2, Fraction(9, 4)}}},
        {"n³ + n¹⁰ − 2⁴", {{1, -14}, {2, 1016}}},
        {"2ⁿ⁺¹ − 2ⁿ⁻¹", {{0, Fraction(3, 2)}, {3, 12}}},
        {"-n^2 + 2n", {{1, 1}, {3, -3}}},
        {"(n-1)2^(n+1) + 2", {{1, 2}, {3, 34}}},
        {"2\u00A0n\t+ N", {{1, 3}, {2, 6}}},
    };
    for (const auto& row : rows) {
        const Expression value = Parsed(row.text);
        for (const auto& [n, expected] : row.values)
            EXPECT_EQ(value.At(n), expected) << row.text << " at n = " << n;
    }
}

TEST(ParseExpression, NamesTheFirstProblemAndItsColumn)
{
    const struct {
        std::string text;
        ClaimProblem problem;
        int column;
    } rows[] = {
        {" \u00A0\t", ClaimProblem::Empty, 1},
        {std::string(10000, '1'), ClaimProblem::TooLong, kMaxClaimLength + 1},
        {"n·\xE2\x88", ClaimProblem::UnexpectedSign, 3},
        {"n² − 2·п", ClaimProblem::UnknownLetter, 8},
        {"n+", ClaimProblem::MissingValue, 3},
        {"n^", ClaimProblem::MissingValue, 3},
        {"2^^n", ClaimProblem::MissingValue, 3},
        {")(", ClaimProblem::UnopenedBracket, 1},
        {"[(n+1]", ClaimProblem::UnclosedBracket, 2},
        {"(n+1}", ClaimProblem::UnopenedBracket, 5},
        {"1÷n", ClaimProblem::DivisionByLetter, 2},
        {"n÷(2-2)", ClaimProblem::DivisionByZero, 2},
        {"n^0.5", ClaimProblem::BadExponent, 2},
        {"n^4294967298", ClaimProblem::ExponentTooLarge, 2},
        {"(n²)^7", ClaimProblem::ExponentTooLarge, 5},
        {"2^(2n)", ClaimProblem::PowerOfTwoOnly, 2},
        {"n + 99999999999999999999", ClaimProblem::NumberTooLarge, 5},
        {"4294967296·4294967296", ClaimProblem::NumberTooLarge, 11},
        {"n--1", ClaimProblem::MissingValue, 3},
        {"1 000", ClaimProblem::UnexpectedSign, 3},
        {std::string(45, '(') + "n", ClaimProblem::TooComplex, 40},
    };
    for (const auto& row : rows) {
        const ClaimParse parse = ParseExpression(row.text);
        EXPECT_EQ(parse.problem, row.problem) << row.text;
        EXPECT_EQ(parse.column, row.column) << row.text;
        EXPECT_FALSE(parse.value.has_value()) << row.text;
    }
}

TEST(Expression, AgreesWithItsValueForEveryN)
{
    // S(n + 1) − S(n), the step of an induction proof.
    const Expression n = Expression::Letter();
    const Expression sum = (n * (n + Expression::Constant(1))).DividedBy(2);
    EXPECT_EQ(sum.Shifted(1) - sum, n + Expression::Constant(1));
    const Expression doubling = Parsed("n*2^n");
    EXPECT_EQ(doubling.Shifted(2) - doubling, Parsed("(3n+8)*2^n"));
    EXPECT_EQ(Parsed("(n+1)^2 - n^2"), Parsed("2n + 1"));
    EXPECT_EQ(Expression::PowerOfTwo(1) - Expression::PowerOfTwo(0), Expression::PowerOfTwo(0));
    EXPECT_THROW(Expression::PowerOfTwo(0) * Expression::PowerOfTwo(0), std::domain_error);
    EXPECT_THROW(Expression::Letter().Power(7) * Expression::Letter().Power(6), std::length_error);
}

// Exact or an overflow error, never a wrapped value; large operands that
// cancel must still give their small exact result.
TEST(ExactArithmetic, GivesTheExactValueOrThrows)
{
    const long long big = 1LL << 62;
    const struct {
        const char* name;
        std::function<Fraction()> value;
        std::string written;
    } rows[] = {
        {"normalised", [] { return Fraction(-6, -4); }, "3/2"},
        {"negated least", [] { return -Fraction(LLONG_MIN); }, "overflow"},
        {"sum past the top", [] { return Fraction(LLONG_MAX) + 1; }, "overflow"},
        {"denominator 2^63", [] { return Fraction(1, LLONG_MIN); }, "overflow"},
        {"sum over the common denominator", [=] { return Fraction(1, big) + Fraction(1, big); },
         "1/2305843009213693952"},
        {"product cancelled crosswise", [=] { return Fraction(big, 3) * Fraction(3, big); }, "1"},
        {"quotient cancelled crosswise", [] { return Fraction(2) / Fraction(LLONG_MIN); }, "-1/4611686018427387904"},
        {"2^(n-30) at 92", [] { return Expression::PowerOfTwo(-30).At(92); }, "4611686018427387904"},
        {"2^n at 63", [] { return Expression::PowerOfTwo(0).At(63); }, "overflow"},
    };
    for (const auto& row : rows) {
        std::string written;
        try {
            written = row.value().Written();
        } catch (const std::overflow_error&) {
            written = "overflow";
        }
        EXPECT_EQ(written, row.written) << row.name;
    }
    EXPECT_THROW(Fraction(1) / Fraction(0), std::domain_error);
}

// Whatever is typed, a value or a problem at a column inside the text, at once.
TEST(ParseExpression, NeverThrowsOrStraysOutsideTheText)
{
    const std::vector<std::string> alphabet = {
        "n", "N", "k", "ж", "0", "1", "2", "9", ".", ",", " ", "\u00A0", "+", "-", "−", "–",
        "*", "·", "×", "⋅", "/", ":", "÷", "^", "²", "³", "⁰", "⁹", "ⁿ", "⁺", "⁻",
        "(", ")", "[", "]", "{", "}", "=", "\xFF", "\xE2",
    };
    std::mt19937 random(20260314);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> lengths(0, 60);
    std::vector<std::pair<std::string, int>> texts;  // with their length in characters
    for (int i = 0; i < 100000; ++i) {
        const int length = lengths(random);
        std::string text;
        for (int j = 0; j < length; ++j)
            text += alphabet[pick(random)];
        texts.emplace_back(std::move(text), length);
    }
    texts.emplace_back(std::string(199, '(') + "n", 200);
    texts.emplace_back(std::string(60, '7'), 60);
    for (const auto& [text, length] : texts) {
        ClaimParse parse;
        ASSERT_NO_THROW(parse = ParseExpression(text)) << text;
        ASSERT_EQ(parse.value.has_value(), parse.problem == ClaimProblem::None) << text;
        if (parse.problem != ClaimProblem::None) {
            ASSERT_GE(parse.column, 1) << text;
            ASSERT_LE(parse.column, length + 1) << text;
        }
    }
}
