// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/fraction.h"

#include <climits>
#include <numeric>
#include <stdexcept>

namespace {

// Magnitudes are unsigned so that the one of LLONG_MIN, 2^63, is representable.
unsigned long long Magnitude(long long value)
{
    return value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
}

[[noreturn]] void Overflow()
{
    throw std::overflow_error("fraction out of range");
}

long long Times(long long a, long long b)
{
    long long result = 0;
    if (__builtin_mul_overflow(a, b, &result))
        Overflow();
    return result;
}

long long Plus(long long a, long long b)
{
    long long result = 0;
    if (__builtin_add_overflow(a, b, &result))
        Overflow();
    return result;
}

// Only the common factor of LLONG_MIN with itself or 0, 2^63, does not fit; it
// becomes LLONG_MIN, which still divides both exactly.
long long CommonFactor(long long num, long long den)
{
    return static_cast<long long>(std::gcd(Magnitude(num), Magnitude(den)));
}

}  // namespace

Fraction::Fraction(long long num, long long den)
{
    if (den == 0)
        throw std::domain_error("fraction with denominator 0");
    unsigned long long numMagnitude = Magnitude(num);
    unsigned long long denMagnitude = Magnitude(den);
    const unsigned long long common = std::gcd(numMagnitude, denMagnitude);
    numMagnitude /= common;
    denMagnitude /= common;
    const bool negative = (num < 0) != (den < 0);
    const auto largest = static_cast<unsigned long long>(LLONG_MAX);
    if (denMagnitude > largest || numMagnitude > largest + (negative ? 1 : 0))
        Overflow();
    // Conversion of an unsigned value is modular in C++20, so 2^63 becomes LLONG_MIN.
    num_ = static_cast<long long>(negative ? 0ULL - numMagnitude : numMagnitude);
    den_ = static_cast<long long>(denMagnitude);
}

std::string Fraction::Written() const
{
    std::string text = std::to_string(num_);
    if (den_ != 1)
        text += '/' + std::to_string(den_);
    return text;
}

Fraction Fraction::operator-() const
{
    return Fraction(Times(num_, -1), den_);
}

Fraction Fraction::operator+(const Fraction& other) const
{
    // Over the least common denominator, so that sums of small fractions stay small.
    const long long common = std::gcd(den_, other.den_);
    const long long mine = den_ / common;
    const long long theirs = other.den_ / common;
    return Fraction(Plus(Times(num_, theirs), Times(other.num_, mine)), Times(mine, other.den_));
}

Fraction Fraction::operator-(const Fraction& other) const
{
    return *this + -other;
}

Fraction Fraction::operator*(const Fraction& other) const
{
    // Cancelling crosswise first keeps every product as small as the result allows.
    const long long first = CommonFactor(num_, other.den_);
    const long long second = CommonFactor(other.num_, den_);
    return Fraction(Times(num_ / first, other.num_ / second), Times(den_ / second, other.den_ / first));
}

Fraction Fraction::operator/(const Fraction& other) const
{
    // Crosswise as for a product; the constructor moves the divisor's sign up and
    // refuses a divisor of 0 as a denominator of 0.
    const long long first = CommonFactor(num_, other.num_);
    const long long second = CommonFactor(other.den_, den_);
    return Fraction(Times(num_ / first, other.den_ / second), Times(den_ / second, other.num_ / first));
}
