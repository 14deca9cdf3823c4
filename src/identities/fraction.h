// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// An exact rational number, always in lowest terms with a positive denominator.
// Every operation whose exact result does not fit in long long throws
// std::overflow_error; none wraps.
class Fraction {
public:
    Fraction(long long whole = 0) : num_(whole) {}
    Fraction(long long num, long long den);  // den 0 throws std::domain_error

    long long Numerator() const { return num_; }
    long long Denominator() const { return den_; }  // always > 0
    bool IsZero() const { return num_ == 0; }
    bool IsWhole() const { return den_ == 1; }
    std::string Written() const;  // "3", "-1/2"

    Fraction operator-() const;
    Fraction operator+(const Fraction& other) const;
    Fraction operator-(const Fraction& other) const;
    Fraction operator*(const Fraction& other) const;
    Fraction operator/(const Fraction& other) const;  // by zero throws std::domain_error
    bool operator==(const Fraction& other) const = default;

private:
    long long num_ = 0;
    long long den_ = 1;
};
