// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/in_words.h"

#include <array>
#include <cctype>
#include <string>
#include <utility>

namespace {

// The length of a square sign at `at`, "²" or "^2"; 0 for none.
std::size_t SquareSign(std::string_view text, std::size_t at)
{
    const std::string_view rest = text.substr(at);
    if (rest.starts_with("²"))
        return 2;
    const bool power2 = rest.starts_with("^2") && (rest.size() == 2 || rest[2] < '0' || rest[2] > '9');
    return power2 ? 2 : 0;
}

// A run of raised signs ("³", "ⁿ⁻¹", "ᵏ") at `at`: its length in bytes and the
// exponent it raises to, on the line ("n−1"); none: length 0.
struct Raised {
    std::size_t length = 0;
    std::string exponent;
};

Raised RaisedAt(std::string_view text, std::size_t at)
{
    static constexpr std::pair<std::string_view, std::string_view> kRaised[] = {
        {"⁰", "0"}, {"¹", "1"}, {"²", "2"}, {"³", "3"}, {"⁴", "4"}, {"⁵", "5"}, {"⁶", "6"}, {"⁷", "7"},
        {"⁸", "8"}, {"⁹", "9"}, {"ⁿ", "n"}, {"ᵏ", "k"}, {"⁺", "+"}, {"⁻", "−"},
    };
    Raised raised;
    for (bool found = true; found;) {
        found = false;
        for (const auto& [sign, lowered] : kRaised) {
            if (text.substr(at + raised.length).starts_with(sign)) {
                raised.length += sign.size();
                raised.exponent += lowered;
                found = true;
                break;
            }
        }
    }
    return raised;
}

// Whether a Cyrillic letter ends just before `at`, or starts at it.
bool CyrillicBefore(std::string_view text, std::size_t at)
{
    return at >= 2 && (text[at - 2] == '\xD0' || text[at - 2] == '\xD1');
}

bool CyrillicAt(std::string_view text, std::size_t at)
{
    return at < text.size() && (text[at] == '\xD0' || text[at] == '\xD1');
}

bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

bool Letter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Whether a word, not a formula's letter, ends just before `at` or starts at it:
// a Cyrillic letter, or two Latin ones.
bool WordBefore(std::string_view text, std::size_t at)
{
    return CyrillicBefore(text, at) || (at >= 2 && Letter(text[at - 1]) && Letter(text[at - 2]));
}

bool WordAt(std::string_view text, std::size_t at)
{
    return CyrillicAt(text, at) || (at + 1 < text.size() && Letter(text[at]) && Letter(text[at + 1]));
}

// The index of the parenthesis or bracket that closes the one at `open`, or npos.
std::size_t Closing(std::string_view text, std::size_t open)
{
    const char opening = text[open];
    const char closing = opening == '(' ? ')' : ']';
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == opening)
            ++depth;
        else if (text[i] == closing && --depth == 0)
            return i;
    }
    return std::string_view::npos;
}

class Reader {
public:
    Reader(Language language, std::size_t size) : language_(language) { out_.reserve(2 * size); }

    void Read(std::string_view text)
    {
        for (std::size_t i = 0; i < text.size();) {
            i = ReadAt(text, i);
        }
    }

    std::string Said() const
    {
        // one space between words, none before a comma, no comma twice or at the end
        std::string said;
        said.reserve(out_.size());
        for (const char c : out_) {
            if ((c == ' ' && (said.empty() || said.back() == ' ')) || (c == ',' && said.empty()))
                continue;
            if (c == ',' || c == '.') {
                while (!said.empty() && (said.back() == ' ' || (c == '.' && said.back() == ',')))
                    said.pop_back();
                if (c == ',' && !said.empty() && said.back() == ',')
                    continue;
            }
            said += c;
        }
        while (!said.empty() && (said.back() == ' ' || said.back() == ','))
            said.pop_back();
        return said;
    }

private:
    void Say(TextId id) { out_ += Tr(language_, id); }

    static bool Special(char c)
    {
        return c == '(' || c == '[' || c == '/' || c == '=' || c == '+' || c == ':' || c == ';' || c == '*' ||
               c == '^' || c == '-' || c == '.' || c == '>' || c == '<' || c == '%' || c == '\xC2' || c == '\xE2' ||
               c == '\xE1';
    }

    // Whether a text holds a word rather than a formula, whose letters stand alone.
    static bool Words(std::string_view text)
    {
        for (std::size_t i = 0; i + 1 < text.size(); ++i) {
            if ((Letter(text[i]) && Letter(text[i + 1])) || text[i] == '\xD0' || text[i] == '\xD1')
                return true;  // two Latin letters running, or a Cyrillic one
        }
        return false;
    }

    // A number written against a letter, "2k", said as two words.
    static bool TwoWords(std::string_view text, std::size_t at)
    {
        return Digit(text[at]) && at + 1 < text.size() && Letter(text[at + 1]);
    }

    std::size_t ReadAt(std::string_view text, std::size_t i)
    {
        static constexpr std::array<std::pair<std::string_view, TextId>, 17> kSigns{{
            {"·", TextId::SpokenTimes},
            {"*", TextId::SpokenTimes},
            {"^2", TextId::SaySquared},
            {"^", TextId::SayToThePower},
            {">", TextId::SayGreater},
            {"<", TextId::SayLess},
            {"/", TextId::SayOver},
            {"=", TextId::SayEquals},
            {"≠", TextId::SayNotEqual},
            {"+", TextId::SpokenPlus},
            {"−", TextId::SpokenMinus},
            {"±", TextId::SayPlusOrMinus},
            {"∓", TextId::SayMinusOrPlus},
            {"…", TextId::SayAndSoOn},
            {"≥", TextId::SayAtLeast},
            {"²", TextId::SaySquared},
            {"%", TextId::SayPercent},
        }};
        const char c = text[i];
        if (c == '(' || c == '[')
            return Group(text, i);
        // every sign is one of Special's ASCII characters or begins with one of two lead bytes: all else is copied
        if (!Special(c)) {
            std::size_t end = i;
            while (end < text.size() && !Special(text[end]) && !TwoWords(text, end))
                ++end;
            if (end == i) {
                out_ += c;
                out_ += ' ';  // "2k" as two words
                return i + 1;
            }
            out_.append(text.substr(i, end - i));
            return end;
        }
        if (text.substr(i).starts_with("\u00A0")) {
            out_ += ' ';
            return i + 2;
        }
        if (text.substr(i).starts_with("\u2060"))
            return i + 3;  // joins two factors, unheard
        if (c == '-')
            return Hyphen(text, i);
        if (c == '+') {
            if (const std::size_t after = KeyJoin(text, i); after != 0)
                return after;
        }
        if (const Raised raised = RaisedAt(text, i); raised.length > 0) {
            SayPower(raised.exponent);
            return i + raised.length;
        }
        if (text.substr(i).starts_with("...")) {
            Say(TextId::SayAndSoOn);  // "+...+" and "+....+" alike
            out_ += ' ';
            return text.find_first_not_of('.', i);
        }
        for (const auto& [sign, words] : kSigns) {
            if (text.substr(i).starts_with(sign)) {
                out_ += ' ';
                Say(words);
                out_ += ' ';
                return i + sign.size();
            }
        }
        if (c == ':' || c == ';') {
            out_ += ',';  // a pause, where a reader would name the sign
            return i + 1;
        }
        for (const std::string_view dash : {"— ", "– "}) {
            if (text.substr(i).starts_with(dash)) {
                out_ += ", ";  // between words, as the colon
                return i + dash.size();
            }
        }
        out_ += c;
        if (Digit(c) && i + 1 < text.size() && Letter(text[i + 1]))
            out_ += ' ';  // "2k" as two words
        return i + 1;
    }

    // Keys as the key list writes them: the "+" after Ctrl, Shift or Alt joins a key to
    // them, "и", and after Num it marks the keypad's key, unheard; a key that is a sign
    // is named. "Ctrl++, Ctrl+Num+-" is "Ctrl и плюс, Ctrl и Num минус": "Ctrl плюс плюс"
    // and "плюс минус" are heard two ways. 0: no key's "+".
    std::size_t KeyJoin(std::string_view text, std::size_t i)
    {
        std::size_t start = i;
        while (start > 0 && Letter(text[start - 1]))
            --start;
        const std::string_view before = text.substr(start, i - start);
        if (before == "Num")
            out_ += ' ';
        else if (before == "Ctrl" || before == "Shift" || before == "Alt")
            Say(TextId::AndWord);
        else
            return 0;
        static constexpr std::array<std::pair<char, TextId>, 3> kKeys{
            {{'+', TextId::SpokenPlus}, {'-', TextId::SpokenMinus}, {'=', TextId::SayEqualsKey}}};
        for (const auto& [key, name] : kKeys) {
            if (i + 1 < text.size() && text[i + 1] == key) {
                Say(name);
                return i + 2;
            }
        }
        return i + 1;
    }

    // A power as a teacher says it: "на квадрат", "на куб", "на степен n минус 1".
    void SayPower(std::string_view exponent)
    {
        out_ += ' ';
        if (exponent == "2" || exponent == "3") {
            Say(exponent == "2" ? TextId::SaySquared : TextId::SayCubed);
            out_ += ' ';
            return;
        }
        Say(TextId::SayToThePower);
        out_ += ' ';
        Read(exponent);
        out_ += ", ";
    }

    // A hyphen that breaks a word at a line's end ("най- малкото") or joins one
    // ("по-едро") is a space; a dash between words ("Математика - индукция") is
    // a pause; any other is a minus.
    std::size_t Hyphen(std::string_view text, std::size_t i)
    {
        const bool spaceBefore = i > 0 && text[i - 1] == ' ';
        const bool spaceAfter = i + 1 < text.size() && text[i + 1] == ' ';
        if (!spaceBefore && CyrillicBefore(text, i) && (spaceAfter || CyrillicAt(text, i + 1))) {
            out_ += ' ';
        } else if (spaceBefore && spaceAfter && (WordBefore(text, i - 1) || WordAt(text, i + 2))) {
            out_ += ',';
        } else {
            out_ += ' ';
            Say(TextId::SpokenMinus);
            out_ += ' ';
        }
        return i + 1;
    }

    // A parenthesis or bracket and what follows it: P(k) is "P of k", (k + 1)²
    // "the square of k plus 1", a factor written against another is multiplied.
    std::size_t Group(std::string_view text, std::size_t open)
    {
        const std::size_t close = Closing(text, open);
        if (close == std::string_view::npos) {
            out_ += text[open];
            return open + 1;
        }
        const std::string_view inner = text.substr(open + 1, close - open - 1);
        const std::size_t joined = text.substr(0, open).ends_with("\u2060") ? 3 : 0;
        const char before = open > joined ? text[open - 1 - joined] : ' ';
        if (before == 'P') {
            out_ += ' ';
            Say(TextId::SayOf);
            Read(inner);
            return close + 1;
        }
        std::size_t square = SquareSign(text, close + 1);
        const Raised raised = square > 0 ? Raised{} : RaisedAt(text, close + 1);
        const bool cubed = raised.exponent == "3";
        if (cubed)
            square = raised.length;
        const bool squared = square > 0;
        // words in parentheses are words; a formula's parenthesis is heard, so
        // that k² + (2k + 1) and k² + 2k + 1 sound as they differ on the board
        const bool words = Words(inner);
        if (before == ' ' && words) {
            // words in parentheses after a formula, "= 16   (by the hypothesis)": a pause before them
            const std::size_t last = text.find_last_not_of(' ', open - 1);
            if (last != std::string_view::npos && text[last] != '=' && !text.substr(0, last + 1).ends_with("\u00A0"))
                out_ += ',';
        }
        if (Digit(before) || Letter(before) || before == ')' || before == ']') {
            out_ += ' ';
            Say(TextId::SpokenTimes);
        }
        out_ += ' ';
        // a sign leading the group is the number's own, "(-1)", unless a power follows:
        // (-1)^(n-1) is not -(1^(n-1))
        const bool power = raised.length > 0 || text.substr(close + 1).starts_with("^");
        const bool signedPower = power && (inner.starts_with('-') || inner.starts_with("\u2212"));
        const bool bracketed = !squared && !words &&
                               (signedPower || inner.find_first_of(" +-*/\xC2\xE2", 1) != std::string_view::npos);
        if (squared)
            Say(cubed ? TextId::SayCubeOf : TextId::SaySquareOf);
        if (bracketed)
            Say(TextId::SayOpenBracket);
        Read(inner);
        if (bracketed)
            Say(TextId::SayCloseBracket);
        // a pause after it, except before a division, which is of the product just said
        out_ += text.substr(close + 1 + square).starts_with("/") ? " " : ", ";
        return close + 1 + square;
    }

    Language language_;
    std::string out_;
};

}  // namespace

std::string InWords(std::string_view text, Language language)
{
    Reader reader(language, text.size());
    reader.Read(text);
    return reader.Said();
}

std::string InWordsByLine(std::string_view text, Language language)
{
    std::string said;
    said.reserve(2 * text.size());
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (start > 0)
            said += '\n';
        said += InWords(line, language);
        start = end + 1;
    }
    return said;
}
