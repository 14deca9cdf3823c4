// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// The identities' formulas as a teacher writes them on the board, either in a
// letter (n, k) or with the letter's value: "1 + 3 + … + (2k − 1)" or
// "1 + 3 + 5 + 7". Spaces inside a term or a closed form are no-break spaces, so
// that a formula breaks only before the sign between two terms of a sum or
// before an equals sign ("1 + 2 + 3" / "+ 4", "k² + 2k + 1" / "= (k + 1)²"); a
// short expression never breaks (kTightPlus).

inline constexpr std::string_view kNoBreak = "\u00A0";
// Between two factors written against each other, "(k + 1)(k + 2)", where a
// line could otherwise break.
inline constexpr std::string_view kJoined = "\u2060";
inline constexpr std::string_view kPlus = " +\u00A0";    // between the terms of a sum
inline constexpr std::string_view kMinus = " −\u00A0";
inline constexpr std::string_view kEquals = " =\u00A0";  // between the sides of an equality
// Between the terms of a short expression, which never breaks: "k² + 2k + 1".
inline constexpr std::string_view kTightPlus = "\u00A0+\u00A0";
inline constexpr std::string_view kTightMinus = "\u00A0−\u00A0";

// A value linear in the letter: a·k + b.
struct Linear {
    long a = 0;
    long b = 0;
    constexpr Linear operator+(long c) const { return {a, b + c}; }
    constexpr Linear operator-(long c) const { return {a, b - c}; }
    friend bool operator==(const Linear&, const Linear&) = default;
};

inline constexpr Linear kLetter{1, 0};

// Writes linear values and their products in letters or in numbers.
class FormulaWriter {
public:
    static FormulaWriter Letters(char letter) { return FormulaWriter(letter, 0); }
    static FormulaWriter Numbers(long value) { return FormulaWriter('\0', value); }

    bool InLetters() const { return letter_ != '\0'; }
    long ValueOf(Linear v) const { return v.a * value_ + v.b; }

    // "2k − 1", "k", "7"
    std::string Plain(Linear v) const;
    // As a term of a sum, a factor or a base: "(2k − 1)", "2k", "7".
    std::string Term(Linear v) const;
    // "(k + 1)²", "k²", "4²"
    std::string Squared(Linear v) const;
    // "k(k + 1)", "(k + 1)(k + 2)", "3·4"; with `c` a number, "2(k + 1)", "2·4"
    std::string Product(Linear x, Linear y) const;
    std::string Scaled(long c, Linear v) const;

private:
    FormulaWriter(char letter, long value) : letter_(letter), value_(value) {}
    bool Compound(Linear v) const { return InLetters() && v.a != 0 && v.b != 0; }

    char letter_;
    long value_;
};

// The right-hand side of identity `kind` (1..6) for n: n² for kinds 4 and 5, n(n + 1)/2 otherwise.
long IdentityValue(int kind, long n);

// The left-hand side of identity `kind` up to `last` (the letter, or the letter + 1),
// written out: in letters its first terms, "…", its last; in numbers every term.
std::string WrittenSum(int kind, Linear last, const FormulaWriter& writer);

// The right-hand side for m: "k(k + 1)/2", "(k + 1)²", "4·5/2", "4²".
std::string ClosedForm(int kind, Linear m, const FormulaWriter& writer);
