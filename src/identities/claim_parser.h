// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identities/expression.h"

#include <optional>
#include <string_view>

inline constexpr int kMaxClaimLength = 200;  // characters (Unicode code points)

enum class ClaimProblem {
    None,
    Empty,
    TooLong,
    UnexpectedSign,
    UnknownLetter,
    MissingValue,
    UnclosedBracket,
    UnopenedBracket,
    DivisionByLetter,
    DivisionByZero,
    BadExponent,
    ExponentTooLarge,
    PowerOfTwoOnly,
    NumberTooLarge,
    TooComplex,  // brackets or exponents nested deeper than a person writes them
};

struct ClaimParse {
    std::optional<Expression> value;  // set when problem == None
    ClaimProblem problem = ClaimProblem::None;
    int column = 0;  // 1-based, in characters (code points, not bytes), where the problem is
};

// The right-hand side of an identity in `letter` (or its capital), as typed:
// "n(n+1)/2", "2ⁿ⁺¹ − 1", "n²(n+1)²/4". The first problem in reading order, if
// any; never throws.
ClaimParse ParseExpression(std::string_view utf8, char letter = 'n');
