// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/numbers.h"
#include "runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

TEST(Val, ReadsTheLeadingNumber)
{
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"1", 1},   {"11", 11},     {"  7", 7},   {"3 apples", 3}, {"+4", 4},   {"-2", -2},
        {"1.5", 1.5}, {"2e2", 200}, {"", 0},      {"   ", 0},      {"n", 0},    {"-", 0},
        // where a general-purpose reader of numbers would read more or less
        {"0x10", 0},  {"1e", 1},    {"2e+", 2},   {"3E-1", 0.3},   {".5", 0.5}, {"5.", 5},
        {"+ 4", 0},   {"1e999", 0}, {"-inf", -HUGE_VAL}, {"Infinity", HUGE_VAL},
        {"0.30000000000000004", 0.30000000000000004},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Val(row.text), row.value) << '"' << row.text << '"';
}

TEST(AppendNumber, WritesTheShortestDecimalForm)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {3, "3"}, {10, "10"}, {121, "121"}, {-4, "-4"}, {0, "0"}, {2092.5, "2092.5"}, {32767, "32767"},
        // the shorter of the fixed and the scientific form, fixed on a tie
        {1200, "1200"}, {100000, "1e+05"}, {1e20, "1e+20"}, {123456789012, "123456789012"},
        {0.1, "0.1"}, {0.001, "0.001"}, {1e-5, "1e-05"}, {0.3, "0.3"}, {1.0 / 3, "0.3333333333333333"},
        {1e23, "1e+23"}, {5e-324, "5e-324"}, {1.7976931348623157e308, "1.7976931348623157e+308"},
        {-0.0, "-0"}, {HUGE_VAL, "inf"}, {-HUGE_VAL, "-inf"}, {9007199254740993.0, "9007199254740992"},
        {0x1p-44, "5.684341886080802e-14"}, {2053842343162516865024.0, "2053842343162516865024"},
    };
    for (const auto& row : rows) {
        std::string text = "x=";
        AppendNumber(text, row.value);
        EXPECT_EQ(text, std::string("x=") + row.text);
    }
}

#if defined(__cpp_lib_to_chars)
// Where the standard library converts floating point itself, the two must agree
// on every kind of double: random bit patterns and every power of two.
TEST(AppendNumber, AgreesWithTheStandardLibrary)
{
    std::mt19937_64 random(20261208);
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i)
        values.push_back(std::bit_cast<double>(random()));
    for (int exponent = -1074; exponent <= 1023; ++exponent)
        values.push_back(std::ldexp(1.0, exponent));
    for (double value : values) {
        char expected[64];
        const auto end = std::to_chars(expected, expected + sizeof expected, value).ptr;
        std::string text;
        AppendNumber(text, value);
        ASSERT_EQ(text, std::string(expected, end)) << std::bit_cast<std::uint64_t>(value);
        if (std::isfinite(value)) {
            ASSERT_EQ(Val(text), value) << text;
        }
    }
}
#endif

TEST(CheckedInt16, RaisesOverflowOutsideSixteenBits)
{
    EXPECT_EQ(CheckedInt16(32767), 32767);
    EXPECT_EQ(CheckedInt16(-32768), -32768);
    for (long value : {32768L, -32769L, 70000L}) {
        try {
            CheckedInt16(value);
            ADD_FAILURE() << value << " did not overflow";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), RuntimeError::kOverflow);
        }
    }
}
