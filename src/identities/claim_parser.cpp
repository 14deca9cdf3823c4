// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/claim_parser.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

// Deeper than anyone writes by hand, shallow enough for any thread's stack.
constexpr int kMaxNesting = 40;

constexpr char32_t kIllFormed = 0xFFFFFFFF;

// The code points of `utf8`, each ill-formed byte as kIllFormed, at most `limit`.
std::vector<char32_t> CodePoints(std::string_view utf8, std::size_t limit)
{
    std::vector<char32_t> points;
    std::size_t at = 0;
    while (at < utf8.size() && points.size() < limit) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const int length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
        char32_t point = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool wellFormed = length > 0 && at + length <= utf8.size();
        for (int i = 1; wellFormed && i < length; ++i) {
            const auto next = static_cast<unsigned char>(utf8[at + i]);
            wellFormed = (next & 0xC0) == 0x80;
            point = (point << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and points past U+10FFFF are ill-formed too.
        const char32_t least = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
        if (!wellFormed || point < least || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF) {
            points.push_back(kIllFormed);
            ++at;
        } else {
            points.push_back(point);
            at += length;
        }
    }
    return points;
}

bool IsSpace(char32_t c)
{
    return c == ' ' || c == '\t' || c == 0xA0;
}

// The digit a superscript stands for, or -1.
int SuperscriptDigit(char32_t c)
{
    switch (c) {
    case 0x2070: return 0;
    case 0xB9: return 1;
    case 0xB2: return 2;
    case 0xB3: return 3;
    default: return c >= 0x2074 && c <= 0x2079 ? static_cast<int>(c - 0x2070) : -1;
    }
}

int Digit(char32_t c, bool superscript)
{
    if (superscript)
        return SuperscriptDigit(c);
    return c >= '0' && c <= '9' ? static_cast<int>(c - '0') : -1;
}

bool IsAsciiLetter(char32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char32_t Lower(char32_t c)
{
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

// Latin with its accented letters (the two signs among them excepted), and Cyrillic.
bool IsOtherLetter(char32_t c)
{
    return IsAsciiLetter(c) || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x400 && c <= 0x4FF);
}

enum class Kind { End, Number, Letter, Plus, Minus, Times, Divide, Caret, Open, Close, Junk, OtherLetter, BigNumber };

struct Token {
    Kind kind = Kind::End;
    int column = 0;
    bool superscript = false;
    Fraction number;
    char32_t bracket = 0;  // an Open's own sign; a Close's opening sign
};

Kind SignKind(char32_t c)
{
    switch (c) {
    case '+': return Kind::Plus;
    case '-': case 0x2212: case 0x2013: return Kind::Minus;
    case '*': case 0xB7: case 0xD7: case 0x22C5: return Kind::Times;
    case '/': case ':': case 0xF7: return Kind::Divide;
    case '^': return Kind::Caret;
    case '(': case '[': case '{': return Kind::Open;
    case ')': case ']': case '}': return Kind::Close;
    default: return Kind::Junk;
    }
}

char32_t Opening(char32_t close)
{
    return close == ')' ? '(' : close == ']' ? '[' : '{';
}

// A number from `at` on, digits of one kind with at most one decimal part, exact.
// Trailing zeros of the decimal part are left out so that "1.50" is no harder than "1.5".
Token ReadNumber(const std::vector<char32_t>& points, std::size_t& at, bool superscript)
{
    Token token;
    token.kind = Kind::Number;
    token.column = static_cast<int>(at) + 1;
    token.superscript = superscript;
    long long mantissa = 0;
    long long scale = 1;
    bool fits = true;
    for (; at < points.size() && Digit(points[at], superscript) >= 0; ++at)
        fits = fits && !__builtin_mul_overflow(mantissa, 10, &mantissa)
               && !__builtin_add_overflow(mantissa, Digit(points[at], superscript), &mantissa);
    const bool decimal = !superscript && at + 1 < points.size() && (points[at] == '.' || points[at] == ',')
                         && Digit(points[at + 1], false) >= 0;
    if (decimal) {
        std::size_t last = ++at;
        while (last < points.size() && Digit(points[last], false) >= 0)
            ++last;
        std::size_t significant = last;
        while (points[significant - 1] == '0')
            --significant;
        for (; at < significant; ++at)
            fits = fits && !__builtin_mul_overflow(mantissa, 10, &mantissa)
                   && !__builtin_add_overflow(mantissa, Digit(points[at], false), &mantissa)
                   && !__builtin_mul_overflow(scale, 10, &scale);
        at = last;
    }
    if (fits)
        token.number = Fraction(mantissa, scale);
    else
        token.kind = Kind::BigNumber;
    return token;
}

std::vector<Token> Tokens(const std::vector<char32_t>& points, char letter)
{
    const char32_t lowerLetter = Lower(static_cast<unsigned char>(letter));
    std::vector<Token> tokens;
    std::size_t at = 0;
    while (at < points.size()) {
        const char32_t c = points[at];
        const int column = static_cast<int>(at) + 1;
        if (IsSpace(c)) {
            ++at;
        } else if (Digit(c, false) >= 0 || SuperscriptDigit(c) >= 0) {
            tokens.push_back(ReadNumber(points, at, SuperscriptDigit(c) >= 0));
        } else {
            Token token;
            token.column = column;
            token.superscript = c == 0x207F || c == 0x207A || c == 0x207B;
            if (IsAsciiLetter(c) && Lower(c) == lowerLetter)
                token.kind = Kind::Letter;
            else if (c == 0x207F)
                token.kind = lowerLetter == 'n' ? Kind::Letter : Kind::OtherLetter;
            else if (c == 0x207A || c == 0x207B)
                token.kind = c == 0x207A ? Kind::Plus : Kind::Minus;
            else
                token.kind = IsOtherLetter(c) ? Kind::OtherLetter : SignKind(c);
            token.bracket = token.kind == Kind::Close ? Opening(c) : c;
            tokens.push_back(token);
            ++at;
        }
    }
    return tokens;
}

struct Failure {
    ClaimProblem problem;
    int column;
};

[[noreturn]] void Fail(ClaimProblem problem, int column)
{
    throw Failure{problem, column};
}

// Arithmetic whose errors are the pupil's: a coefficient too large, a degree
// above the limit, or 2ⁿ·2ⁿ, told at `column`.
template <class Operation>
Expression Guarded(int column, Operation operation)
{
    try {
        return operation();
    } catch (const std::overflow_error&) {
        Fail(ClaimProblem::NumberTooLarge, column);
    } catch (const std::length_error&) {
        Fail(ClaimProblem::ExponentTooLarge, column);
    } catch (const std::domain_error&) {
        Fail(ClaimProblem::PowerOfTwoOnly, column);
    }
}

// Recursive descent. Inside a superscript only superscript tokens are seen, so
// the same rules read "2ⁿ⁺¹" and "2^(n+1)".
class Parser {
public:
    Parser(std::vector<Token> tokens, int endColumn) : tokens_(std::move(tokens)), endColumn_(endColumn) {}

    Expression Whole()
    {
        const Expression value = Sum(1);
        const Token& next = Peek();
        if (next.kind == Kind::Close)
            Fail(ClaimProblem::UnopenedBracket, next.column);
        if (next.kind != Kind::End)
            Fail(ClaimProblem::UnexpectedSign, next.column);
        return value;
    }

private:
    // The next token of the current level; a token of the other level ends this one.
    const Token& Peek() const
    {
        if (at_ >= tokens_.size()) {
            end_.column = endColumn_;
            return end_;
        }
        const Token& token = tokens_[at_];
        if (token.superscript != superscript_) {
            end_.column = token.column;
            return end_;
        }
        if (token.kind == Kind::Junk)
            Fail(ClaimProblem::UnexpectedSign, token.column);
        if (token.kind == Kind::OtherLetter)
            Fail(ClaimProblem::UnknownLetter, token.column);
        if (token.kind == Kind::BigNumber)
            Fail(ClaimProblem::NumberTooLarge, token.column);
        return token;
    }

    Token Take()
    {
        previous_ = Peek();
        ++at_;
        return previous_;
    }

    bool Next(Kind kind) const { return Peek().kind == kind; }

    void Enter(int column)
    {
        if (++depth_ > kMaxNesting)
            Fail(ClaimProblem::TooComplex, column);
    }

    // One sign may open a sum; a second ("n--1", "+-n") is more likely a slip
    // than a double negation, so a value is asked for instead.
    Expression Sum(int column)
    {
        Enter(column);
        Expression sum;
        if (Next(Kind::Plus) || Next(Kind::Minus)) {
            const Token sign = Take();
            const Expression term = Term();
            sum = sign.kind == Kind::Minus ? Guarded(sign.column, [&] { return -term; }) : term;
        } else {
            sum = Term();
        }
        while (Next(Kind::Plus) || Next(Kind::Minus)) {
            const Token sign = Take();
            const Expression term = Term();
            sum = Guarded(sign.column, [&] { return sign.kind == Kind::Plus ? sum + term : sum - term; });
        }
        --depth_;
        return sum;
    }

    // Products, quotients and factors written against each other, left to right,
    // so that "1/2 n(n+1)" is half of n(n+1).
    Expression Term()
    {
        Expression term = Factor();
        for (;;) {
            const Token next = Peek();
            if (next.kind == Kind::Times || next.kind == Kind::Divide) {
                Take();
                // After × or ÷ a sign can only be the factor's own: "n·(−1)" written "n·−1".
                const bool negative = Next(Kind::Minus);
                if (negative || Next(Kind::Plus))
                    Take();
                const Expression factor = negative ? Guarded(next.column, [&] { return -Factor(); }) : Factor();
                term = next.kind == Kind::Times ? Guarded(next.column, [&] { return term * factor; })
                                                : Quotient(term, factor, next.column);
            } else if (Juxtaposed(next)) {
                const Expression factor = Factor();
                term = Guarded(next.column, [&] { return term * factor; });
            } else {
                return term;
            }
        }
    }

    // A number against a digit or the letter ("1 000", "n2") is a slip, not a product;
    // against a bracket or an exponent ("(n-1)2ⁿ", "n² 3") it multiplies.
    bool Juxtaposed(const Token& next) const
    {
        if (next.kind == Kind::Letter || next.kind == Kind::Open)
            return true;
        return next.kind == Kind::Number && (previous_.kind == Kind::Close || previous_.superscript != superscript_);
    }

    Expression Quotient(const Expression& dividend, const Expression& divisor, int column)
    {
        if (divisor.Degree() > 0 || divisor.HasPowerOfTwo())
            Fail(ClaimProblem::DivisionByLetter, column);
        const Fraction by = divisor.At(0);
        if (by.IsZero())
            Fail(ClaimProblem::DivisionByZero, column);
        return Guarded(column, [&] { return dividend.DividedBy(by); });
    }

    Expression Factor()
    {
        Expression base = Primary();
        for (;;) {
            if (Next(Kind::Caret)) {
                const int column = Take().column;
                Enter(column);
                const bool negative = Next(Kind::Minus);
                if (negative || Next(Kind::Plus))
                    Take();
                Expression exponent = Factor();
                if (negative)
                    exponent = Guarded(column, [&] { return -exponent; });
                --depth_;
                base = Raised(base, exponent, column);
            } else if (!superscript_ && at_ < tokens_.size() && tokens_[at_].superscript) {
                const int column = tokens_[at_].column;
                superscript_ = true;
                const Expression exponent = Sum(column);
                superscript_ = false;
                base = Raised(base, exponent, column);
            } else {
                return base;
            }
        }
    }

    // With the letter in the exponent only 2^(n + whole number) has a value here;
    // without it, a whole power up to the degree limit.
    Expression Raised(const Expression& base, const Expression& exponent, int column)
    {
        if (exponent.Degree() > 0 || exponent.HasPowerOfTwo()) {
            const Expression shift = Guarded(column, [&] { return exponent - Expression::Letter(); });
            if (!(base == Expression::Constant(2)) || shift.Degree() > 0 || shift.HasPowerOfTwo()
                || !shift.At(0).IsWhole())
                Fail(ClaimProblem::PowerOfTwoOnly, column);
            return Guarded(column, [&] { return Expression::PowerOfTwo(shift.At(0).Numerator()); });
        }
        const Fraction power = exponent.At(0);
        if (!power.IsWhole() || power.Numerator() < 0)
            Fail(ClaimProblem::BadExponent, column);
        if (power.Numerator() > Expression::kMaxDegree)
            Fail(ClaimProblem::ExponentTooLarge, column);
        return Guarded(column, [&] { return base.Power(static_cast<int>(power.Numerator())); });
    }

    Expression Primary()
    {
        const Token token = Peek();
        if (token.kind == Kind::Number) {
            Take();
            return Expression::Constant(token.number);
        }
        if (token.kind == Kind::Letter) {
            Take();
            return Expression::Letter();
        }
        // a closing bracket where a value should start closes nothing, unless one is open: "()" lacks its value
        if (token.kind == Kind::Close && open_.empty())
            Fail(ClaimProblem::UnopenedBracket, token.column);
        if (token.kind != Kind::Open)
            Fail(ClaimProblem::MissingValue, token.column);
        Take();
        open_.push_back(token.bracket);
        const Expression inner = Sum(token.column);
        const Token close = Peek();
        if (close.kind == Kind::Close && close.bracket == token.bracket) {
            Take();
            open_.pop_back();
            return inner;
        }
        // A closing bracket of another kind closes an outer one, leaving this one
        // open, or else closes none.
        const bool closesOuter = std::find(open_.begin(), open_.end(), close.bracket) != open_.end();
        if (close.kind == Kind::End || (close.kind == Kind::Close && closesOuter))
            Fail(ClaimProblem::UnclosedBracket, token.column);
        Fail(close.kind == Kind::Close ? ClaimProblem::UnopenedBracket : ClaimProblem::UnexpectedSign, close.column);
    }

    std::vector<Token> tokens_;
    int endColumn_;
    std::size_t at_ = 0;
    bool superscript_ = false;
    int depth_ = 0;
    std::vector<char32_t> open_;
    Token previous_;
    mutable Token end_;
};

}  // namespace

ClaimParse ParseExpression(std::string_view utf8, char letter)
{
    const std::vector<char32_t> points = CodePoints(utf8, kMaxClaimLength + 1);
    if (points.size() > static_cast<std::size_t>(kMaxClaimLength))
        return {std::nullopt, ClaimProblem::TooLong, kMaxClaimLength + 1};
    if (std::all_of(points.begin(), points.end(), IsSpace))
        return {std::nullopt, ClaimProblem::Empty, 1};
    Parser parser(Tokens(points, letter), static_cast<int>(points.size()) + 1);
    try {
        return {parser.Whole()};
    } catch (const Failure& failure) {
        return {std::nullopt, failure.problem, failure.column};
    }
}
