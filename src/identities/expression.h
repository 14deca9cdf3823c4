// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identities/fraction.h"

#include <vector>

// An exact value in the letter n: p(n) + q(n)·2ⁿ for polynomials p and q of
// degree at most kMaxDegree with rational coefficients. Two expressions are ==
// exactly when they agree for every n. Coefficients that do not fit throw
// std::overflow_error.
class Expression {
public:
    static constexpr int kMaxDegree = 12;

    Expression() = default;  // 0
    static Expression Constant(Fraction value);
    static Expression Letter();                  // n
    static Expression PowerOfTwo(long shift);    // 2^(n + shift); |shift| > 30 throws std::overflow_error

    Expression operator-() const;
    Expression operator+(const Expression& other) const;
    Expression operator-(const Expression& other) const;
    // A degree above kMaxDegree throws std::length_error; 2ⁿ·2ⁿ throws std::domain_error.
    Expression operator*(const Expression& other) const;
    Expression DividedBy(Fraction divisor) const;  // by 0 throws std::domain_error
    // exponent 0..kMaxDegree, else std::length_error (above) or std::domain_error (below);
    // the product's own errors as for *.
    Expression Power(int exponent) const;
    Expression Shifted(long by) const;  // n replaced by n + by
    Fraction At(long n) const;          // the exact value at n (any n, 2ⁿ too)
    bool operator==(const Expression& other) const = default;

    bool IsZero() const { return plain_.empty() && timesPowerOfTwo_.empty(); }
    int Degree() const;  // the highest power of n in either part; -1 for 0
    bool HasPowerOfTwo() const { return !timesPowerOfTwo_.empty(); }

    // The coefficient of nʲ at j, without trailing zeros: of p, and of q, which multiplies 2ⁿ.
    using Polynomial = std::vector<Fraction>;
    const Polynomial& Plain() const { return plain_; }
    const Polynomial& TimesPowerOfTwo() const { return timesPowerOfTwo_; }

private:
    Expression(Polynomial plain, Polynomial timesPowerOfTwo);

    Polynomial plain_;
    Polynomial timesPowerOfTwo_;
};
