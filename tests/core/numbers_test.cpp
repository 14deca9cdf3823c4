#include "board/numbers.h"
#include "board/runtime_error.h"

#include <gtest/gtest.h>

#include <string>

TEST(Val, ReadsTheLeadingNumber)
{
    const struct {
        const char* text;
        double value;
    } rows[] = {
        {"1", 1},   {"11", 11},     {"  7", 7},   {"3 apples", 3}, {"+4", 4},   {"-2", -2},
        {"1.5", 1.5}, {"2e2", 200}, {"", 0},      {"   ", 0},      {"n", 0},    {"-", 0},
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
    };
    for (const auto& row : rows) {
        std::string text = "x=";
        AppendNumber(text, row.value);
        EXPECT_EQ(text, std::string("x=") + row.text);
    }
}

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
