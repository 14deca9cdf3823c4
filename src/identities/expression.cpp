// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/expression.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

using Polynomial = std::vector<Fraction>;

// Trailing zeros are dropped so that equal values have equal vectors; the
// helpers below leave that to the constructor.
Polynomial Trimmed(Polynomial p)
{
    while (!p.empty() && p.back().IsZero())
        p.pop_back();
    return p;
}

Polynomial Sum(const Polynomial& a, const Polynomial& b)
{
    Polynomial sum(std::max(a.size(), b.size()));
    for (std::size_t j = 0; j < sum.size(); ++j)
        sum[j] = (j < a.size() ? a[j] : Fraction()) + (j < b.size() ? b[j] : Fraction());
    return sum;
}

Polynomial Scaled(Polynomial p, const Fraction& factor)
{
    for (Fraction& coefficient : p)
        coefficient = coefficient * factor;
    return p;
}

Polynomial Product(const Polynomial& a, const Polynomial& b)
{
    if (a.empty() || b.empty())
        return {};
    // Rational leading coefficients never multiply to 0, so the degree is exact.
    if (a.size() + b.size() - 2 > static_cast<std::size_t>(Expression::kMaxDegree))
        throw std::length_error("degree above the limit");
    Polynomial product(a.size() + b.size() - 1);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j)
            product[i + j] = product[i + j] + a[i] * b[j];
    }
    return product;
}

Fraction Value(const Polynomial& p, long n)
{
    Fraction value;
    for (auto coefficient = p.rbegin(); coefficient != p.rend(); ++coefficient)
        value = value * n + *coefficient;
    return value;
}

// p(n + by), by Horner's rule in polynomials, so that each step stays within the degree.
Polynomial Shift(const Polynomial& p, long by)
{
    const Polynomial letterPlusBy = {Fraction(by), Fraction(1)};
    Polynomial shifted;
    for (auto coefficient = p.rbegin(); coefficient != p.rend(); ++coefficient)
        shifted = Sum(Product(shifted, letterPlusBy), {*coefficient});
    return shifted;
}

Fraction TwoToThe(long exponent)
{
    if (exponent > 62 || exponent < -62)
        throw std::overflow_error("power of two out of range");
    return exponent >= 0 ? Fraction(1LL << exponent) : Fraction(1, 1LL << -exponent);
}

}  // namespace

Expression::Expression(Polynomial plain, Polynomial timesPowerOfTwo)
    : plain_(Trimmed(std::move(plain))), timesPowerOfTwo_(Trimmed(std::move(timesPowerOfTwo)))
{
}

Expression Expression::Constant(Fraction value)
{
    return Expression({value}, {});
}

Expression Expression::Letter()
{
    return Expression({Fraction(0), Fraction(1)}, {});
}

Expression Expression::PowerOfTwo(long shift)
{
    if (shift > 30 || shift < -30)
        throw std::overflow_error("power of two out of range");
    return Expression({}, {TwoToThe(shift)});
}

Expression Expression::operator-() const
{
    return Expression(Scaled(plain_, -1), Scaled(timesPowerOfTwo_, -1));
}

Expression Expression::operator+(const Expression& other) const
{
    return Expression(Sum(plain_, other.plain_), Sum(timesPowerOfTwo_, other.timesPowerOfTwo_));
}

Expression Expression::operator-(const Expression& other) const
{
    return *this + -other;
}

Expression Expression::operator*(const Expression& other) const
{
    if (HasPowerOfTwo() && other.HasPowerOfTwo())
        throw std::domain_error("2^n times 2^n");
    return Expression(Product(plain_, other.plain_),
                      Sum(Product(plain_, other.timesPowerOfTwo_), Product(timesPowerOfTwo_, other.plain_)));
}

Expression Expression::DividedBy(Fraction divisor) const
{
    if (divisor.IsZero())
        throw std::domain_error("division by 0");
    const Fraction reciprocal = Fraction(1) / divisor;
    return Expression(Scaled(plain_, reciprocal), Scaled(timesPowerOfTwo_, reciprocal));
}

Expression Expression::Power(int exponent) const
{
    if (exponent < 0)
        throw std::domain_error("negative exponent");
    if (exponent > kMaxDegree)
        throw std::length_error("exponent above the limit");
    Expression power = Constant(1);
    for (int i = 0; i < exponent; ++i)
        power = power * *this;
    return power;
}

Expression Expression::Shifted(long by) const
{
    // q(n + by)·2^(n + by) = 2^by·q(n + by)·2ⁿ.
    Polynomial timesPowerOfTwo = Shift(timesPowerOfTwo_, by);
    if (!timesPowerOfTwo.empty())
        timesPowerOfTwo = Scaled(std::move(timesPowerOfTwo), TwoToThe(by));
    return Expression(Shift(plain_, by), std::move(timesPowerOfTwo));
}

Fraction Expression::At(long n) const
{
    // Doubling one step at a time cancels the denominator's twos first, so that
    // q(n)·2ⁿ is found whenever it fits; a non-zero value overflows within about
    // 126 steps, so the loop is short for any n.
    Fraction timesPowerOfTwo = Value(timesPowerOfTwo_, n);
    for (long i = 0; i < n && !timesPowerOfTwo.IsZero(); ++i)
        timesPowerOfTwo = timesPowerOfTwo * 2;
    for (long i = 0; i > n && !timesPowerOfTwo.IsZero(); --i)
        timesPowerOfTwo = timesPowerOfTwo / 2;
    return Value(plain_, n) + timesPowerOfTwo;
}

int Expression::Degree() const
{
    return static_cast<int>(std::max(plain_.size(), timesPowerOfTwo_.size())) - 1;
}
