// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/numbers.h"

#include "runtime/runtime_error.h"

#include <fast_float/fast_float.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

// Numbers are read with fast_float, which parses exactly as the floating-point
// std::from_chars does; that overload, and its std::to_chars twin, are missing
// from the WebAssembly build's standard library. Writing keeps the shortest
// form those give, whatever the C locale.

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number at the start of text, in from_chars' general format; none if
// there is none or it lies outside a double's range (fast_float gives an
// infinity there without saying so).
std::optional<double> ParseNumber(std::string_view text)
{
    double value = 0;
    const auto result = fast_float::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc())
        return std::nullopt;
    const std::size_t sign = text.starts_with('-') ? 1 : 0;
    const char first = text.size() > sign ? text[sign] : '\0';
    if (std::isinf(value) && first != 'i' && first != 'I')
        return std::nullopt;
    return value;
}

// A finite, non-zero magnitude as significant digits d1 d2 ... dk (no trailing
// zero) and the power of ten of d1.
struct Decimal {
    char digits[24];
    int count = 0;
    int exponent = 0;
};

void StripTrailingZeros(Decimal& decimal)
{
    while (decimal.count > 1 && decimal.digits[decimal.count - 1] == '0')
        --decimal.count;
}

double Parse(const Decimal& decimal)
{
    char text[48];
    int at = 0;
    text[at++] = decimal.digits[0];
    text[at++] = '.';
    for (int i = 1; i < decimal.count; ++i)
        text[at++] = decimal.digits[i];
    at += std::snprintf(text + at, sizeof text - at, "e%d", decimal.exponent);
    return ParseNumber(std::string_view(text, static_cast<std::size_t>(at))).value_or(0);
}

// The correctly rounded `precision` significant digits of magnitude.
Decimal Rounded(double magnitude, int precision)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.*e", precision - 1, magnitude);
    Decimal decimal;
    const char* at = text;
    for (; *at != 'e' && *at != 'E'; ++at)  // skips the locale's point, whatever it is
        if (IsDigit(*at))
            decimal.digits[decimal.count++] = *at;
    decimal.exponent = std::atoi(at + 1);
    return decimal;
}

// The next decimal up at the same number of digits.
Decimal NextUp(Decimal decimal)
{
    int i = decimal.count - 1;
    while (i >= 0 && decimal.digits[i] == '9')
        decimal.digits[i--] = '0';
    if (i >= 0) {
        ++decimal.digits[i];
    } else {
        decimal.digits[0] = '1';
        ++decimal.exponent;
    }
    return decimal;
}

// The fewest significant digits that read back as magnitude; of several, the nearest.
Decimal Shortest(double magnitude)
{
    Decimal decimal;
    if (magnitude < 9007199254740992.0 && magnitude == std::floor(magnitude)) {
        // A whole number below 2^53: its own digits, since no shorter decimal lies within half a unit.
        const auto result = std::to_chars(decimal.digits, decimal.digits + sizeof decimal.digits,
                                          static_cast<unsigned long long>(magnitude));
        decimal.count = static_cast<int>(result.ptr - decimal.digits);
        decimal.exponent = decimal.count - 1;
        StripTrailingZeros(decimal);
        return decimal;
    }
    int mantissaExponent = 0;
    // At a power of two the values below lie closer than those above, so the nearest
    // decimal may miss while the next one up still reads back.
    const bool powerOfTwo = std::frexp(magnitude, &mantissaExponent) == 0.5;
    for (int precision = 1;; ++precision) {
        decimal = Rounded(magnitude, precision);
        if (precision == std::numeric_limits<double>::max_digits10 || Parse(decimal) == magnitude)
            break;
        if (powerOfTwo) {
            const Decimal up = NextUp(decimal);
            if (Parse(up) == magnitude) {
                decimal = up;
                break;
            }
        }
    }
    StripTrailingZeros(decimal);
    return decimal;
}

void AppendDecimal(std::string& text, const Decimal& decimal, double magnitude)
{
    const int k = decimal.count;
    const int e = decimal.exponent;
    const int exponentDigits = std::abs(e) >= 100 ? 3 : 2;
    const int scientificLength = k + (k > 1 ? 1 : 0) + 2 + exponentDigits;
    const int fixedLength = e >= 0 ? std::max(k, e + 1) + (k > e + 1 ? 1 : 0) : 1 + 1 - e - 1 + k;
    if (fixedLength <= scientificLength) {
        if (e + 1 > k && magnitude >= 9007199254740992.0) {
            // a whole number in fixed form is written exactly, not padded with zeros
            char whole[320];
            const int length = std::snprintf(whole, sizeof whole, "%.0f", magnitude);
            text.append(whole, static_cast<std::size_t>(length));
        } else if (e >= 0) {
            const int whole = std::min(k, e + 1);
            text.append(decimal.digits, static_cast<std::size_t>(whole));
            text.append(static_cast<std::size_t>(e + 1 - whole), '0');
            if (k > whole) {
                text += '.';
                text.append(decimal.digits + whole, static_cast<std::size_t>(k - whole));
            }
        } else {
            text += "0.";
            text.append(static_cast<std::size_t>(-e - 1), '0');
            text.append(decimal.digits, static_cast<std::size_t>(k));
        }
        return;
    }
    text += decimal.digits[0];
    if (k > 1) {
        text += '.';
        text.append(decimal.digits + 1, static_cast<std::size_t>(k - 1));
    }
    char exponent[8];
    const int length = std::snprintf(exponent, sizeof exponent, "e%c%0*d", e < 0 ? '-' : '+', exponentDigits,
                                     std::abs(e));
    text.append(exponent, static_cast<std::size_t>(length));
}

}  // namespace

std::int16_t CheckedInt16(long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(RuntimeError::kOverflow, "Overflow");
    return static_cast<std::int16_t>(value);
}

double Val(std::string_view text)
{
    const auto start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return 0;
    text.remove_prefix(start);
    // a minus sign belongs to the number, a plus sign does not
    if (text.front() == '+')
        text.remove_prefix(1);
    return ParseNumber(text).value_or(0);
}

void AppendNumber(std::string& text, double value)
{
    if (std::signbit(value))
        text += '-';
    if (std::isnan(value)) {
        text += "nan";
        return;
    }
    const double magnitude = std::fabs(value);
    if (std::isinf(magnitude)) {
        text += "inf";
        return;
    }
    if (magnitude == 0) {
        text += '0';
        return;
    }
    AppendDecimal(text, Shortest(magnitude), magnitude);
}
