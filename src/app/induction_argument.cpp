// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/induction_argument.h"

#include "app/identity_formulas.h"
#include "app/in_words.h"
#include "app/texts.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Which of the board's cells a line speaks of.
enum class Ring { All, Base, Previous, Added, Parts };

struct Draft {
    ArgumentRole role;
    std::string text;
    Ring ring = Ring::All;
    std::vector<int> parts = {};  // with Ring::Parts: indices into ArgumentCells::parts
    std::string spoken = {};
};

// The step from P(k) to P(k + 1) as the sides of a chain of equalities, from
// P(k + 1)'s left-hand side to its right-hand side, and the side the hypothesis gives.
struct Chain {
    std::vector<std::string> sides;
    std::size_t byHypothesis = 1;
};

constexpr Linear kNext = kLetter + 1;

std::string Joined(std::string_view a, std::string_view sign, std::string_view b)
{
    std::string text(a);
    text += sign;
    text += b;
    return text;
}

// Written as a teacher expands it: what the hypothesis replaces, then the algebra.
Chain StepChain(int kind, const FormulaWriter& w)
{
    const std::string next = w.Term(kNext);
    switch (kind) {
    case 4:
        return {{WrittenSum(kind, kNext, w), Joined(w.Squared(kLetter), kTightPlus, w.Term({2, 1})),
                 Joined(Joined(w.Squared(kLetter), kTightPlus, w.Scaled(2, kLetter)), kTightPlus, "1"), w.Squared(kNext)}};
    case 5:
        // the sum for k + 1 is the sum for k with two more terms, k and k + 1
        return {{WrittenSum(kind, kNext, w),
                 Joined(Joined("[" + WrittenSum(kind, kLetter, w) + "]", kTightPlus, w.Term(kLetter)), kTightPlus, next),
                 Joined(Joined(w.Squared(kLetter), kTightPlus, w.Term(kLetter)), kTightPlus, next),
                 Joined(Joined(w.Squared(kLetter), kTightPlus, w.Scaled(2, kLetter)), kTightPlus, "1"), w.Squared(kNext)},
                2};
    case 6:
        // the sum for k + 1 is (k + 1)² less the sum for k
        return {{WrittenSum(kind, kNext, w), Joined(w.Squared(kNext), kTightMinus, "[" + WrittenSum(kind, kLetter, w) + "]"),
                 Joined(w.Squared(kNext), kTightMinus, ClosedForm(kind, kLetter, w)),
                 w.Term(kNext) + std::string(w.InLetters() ? kJoined : "·") + "[" +
                     Joined(w.Scaled(2, kNext), kTightMinus, w.Term(kLetter)) + "]/2",
                 ClosedForm(kind, kNext, w)},
                2};
    default:
        return {{WrittenSum(kind, kNext, w), Joined(ClosedForm(kind, kLetter, w), kTightPlus, next),
                 "[" + Joined(w.Product(kLetter, kNext), kTightPlus, w.Scaled(2, kNext)) + "]/2",
                 ClosedForm(kind, kNext, w)}};
    }
}

// The chain one equality a line, the hypothesis's line marked and ringing the
// picture for k; with numbers, the last line ends with the value.
void AddChain(std::vector<Draft>& lines, ArgumentRole role, const Chain& chain, Language language,
              const std::string& value = {})
{
    for (std::size_t i = 1; i < chain.sides.size(); ++i) {
        Draft line{role, i == 1 ? chain.sides[0] + std::string(kEquals) : "=" + std::string(kNoBreak)};
        line.text += chain.sides[i];
        if (i + 1 == chain.sides.size() && !value.empty())
            line.text += std::string(kEquals) + value;
        if (i == chain.byHypothesis) {
            line.text += Tr(language, TextId::ArgumentByHypothesis);
            line.ring = Ring::Previous;
        }
        lines.push_back(std::move(line));
    }
}

// What the step adds, in letters: "2k + 1", "k + (k + 1)".
std::string Added(int kind, const FormulaWriter& w)
{
    switch (kind) {
    case 4: return w.Plain({2, 1});
    case 5: return Joined(w.Plain(kLetter), kTightPlus, w.Term(kNext));
    default: return w.Plain(kNext);
    }
}

std::string Number(long value)
{
    return std::to_string(value);
}

// The terms the picture for n shows, each with its cells.
void AddPictureTerms(std::vector<Draft>& lines, int kind, long n, Language language)
{
    if (kind == 5) {
        lines.push_back({ArgumentRole::Example, std::string(Tr(language, TextId::ArgumentDiagonals))});
        for (long d = 1; d < 2 * n; ++d) {
            const long count = d <= n ? d : 2 * n - d;
            std::string text(Tr(language, TextId::ArgumentDiagonal));
            text += Number(d) + ": " + Number(count) + ' ';
            text += Tr(language, count == 1 ? TextId::SpokenSquare : TextId::SpokenSquares);
            lines.push_back({ArgumentRole::PictureTerm, std::move(text), Ring::Parts, {static_cast<int>(d - 1)}});
        }
    } else if (kind == 6) {
        const FormulaWriter m = FormulaWriter::Letters('m');
        std::string heading(Tr(language, TextId::ArgumentRowPairs));
        heading += Joined(Joined(m.Squared(kLetter), kTightMinus, m.Squared(kLetter - 1)), kEquals,
                          Joined(m.Plain(kLetter), kTightPlus, m.Term(kLetter - 1)));
        heading += Tr(language, TextId::ArgumentRowPairsEnd);
        lines.push_back({ArgumentRole::Example, std::move(heading)});
        for (long row = n; row >= 1; row -= 2) {
            const FormulaWriter w = FormulaWriter::Numbers(row);
            std::string text = row == 1 ? "1²" + std::string(kEquals) + "1"
                                        : Joined(Joined(w.Squared(kLetter), kTightMinus, w.Squared(kLetter - 1)), kEquals,
                                                 Joined(Number(row), kTightPlus, Number(row - 1))) +
                                              std::string(kEquals) + Number(2 * row - 1);
            std::vector<int> parts{static_cast<int>(row - 1)};
            if (row > 1)
                parts.push_back(static_cast<int>(row - 2));
            lines.push_back({ArgumentRole::PictureTerm, std::move(text), Ring::Parts, std::move(parts)});
        }
    }
}

// The proof in letters, the same for every n.
std::vector<Draft> LetterDrafts(int kind, Language language)
{
    const auto tr = [language](TextId id) { return std::string(Tr(language, id)); };
    const FormulaWriter letterN = FormulaWriter::Letters('n');
    const FormulaWriter letters = FormulaWriter::Letters('k');
    const FormulaWriter one = FormulaWriter::Numbers(1);
    const Linear constantOne{0, 1};
    const auto statement = [&](const FormulaWriter& w, Linear m) {
        return WrittenSum(kind, m, w) + std::string(kEquals) + ClosedForm(kind, m, w);
    };
    std::vector<Draft> lines;
    lines.push_back({ArgumentRole::Claim, tr(TextId::ArgumentClaim) + statement(letterN, kLetter)});
    lines.push_back({ArgumentRole::Goal, tr(TextId::ArgumentGoal)});
    lines.push_back({ArgumentRole::BaseCase,
                     tr(TextId::ArgumentBase) + statement(one, constantOne) + std::string(kEquals) + "1" +
                         tr(TextId::ArgumentBaseTrue),
                     Ring::Base});
    lines.push_back({ArgumentRole::Hypothesis, tr(TextId::ArgumentHypothesis) + statement(letters, kLetter) + ".",
                     Ring::Previous});
    lines.push_back({ArgumentRole::StepGoal, tr(TextId::ArgumentStepGoal) + statement(letters, kNext) + "."});
    AddChain(lines, ArgumentRole::Step, StepChain(kind, letters), language);
    lines.push_back({ArgumentRole::Conclusion, tr(TextId::ArgumentConclusion)});
    return lines;
}

// The same chain with the numbers of the picture for n (2..11), and the terms it shows.
std::vector<Draft> ExampleDrafts(int kind, int n, Language language)
{
    const auto tr = [language](TextId id) { return std::string(Tr(language, id)); };
    const long k = n - 1;
    const FormulaWriter letters = FormulaWriter::Letters('k');
    const FormulaWriter numbers = FormulaWriter::Numbers(k);
    std::vector<Draft> lines;
    lines.push_back({ArgumentRole::Example,
                     tr(TextId::ArgumentExample) + Number(k) + tr(TextId::ArgumentExampleNext) + Number(n) + "."});
    std::string added = tr(TextId::ArgumentNewTerm) + Added(kind, letters);
    const std::string addedNumbers = Added(kind, numbers);
    const std::string addedValue = Number(IdentityValue(kind, n) - IdentityValue(kind, k));
    added += std::string(kEquals) + addedNumbers;
    if (addedNumbers != addedValue)
        added += std::string(kEquals) + addedValue;
    lines.push_back({ArgumentRole::NewTerm, added + tr(TextId::ArgumentNewCells), Ring::Added});
    AddChain(lines, ArgumentRole::Example, StepChain(kind, numbers), language, Number(IdentityValue(kind, n)));
    AddPictureTerms(lines, kind, n, language);
    return lines;
}

void Say(std::vector<Draft>& lines, Language language)
{
    for (Draft& line : lines)
        line.spoken = InWords(line.text, language);
}

// The lines for identity `kind` (1..6) and n (0 for the proof in letters, 2..11
// for the picture's numbers), worked out once for each language: a lesson step
// reads them again and again, and they are the same every time.
const std::vector<Draft>& Made(int kind, int n, Language language)
{
    thread_local std::array<std::vector<Draft>, 6 * 12 * kLanguageCount> made;
    std::vector<Draft>& lines =
        made[(static_cast<std::size_t>(kind - 1) * 12 + static_cast<std::size_t>(n)) * kLanguageCount +
             static_cast<std::size_t>(language)];
    if (lines.empty()) {
        lines = n == 0 ? LetterDrafts(kind, language) : ExampleDrafts(kind, n, language);
        Say(lines, language);
    }
    return lines;
}

std::vector<int> CellsOf(const Draft& draft, const ArgumentCells& cells)
{
    switch (draft.ring) {
    case Ring::Base: return cells.base;
    case Ring::Previous: return cells.previous;
    case Ring::Added: return cells.added;
    case Ring::Parts: {
        std::vector<int> ringed;
        for (const int part : draft.parts) {
            if (part >= 0 && static_cast<std::size_t>(part) < cells.parts.size())
                ringed.insert(ringed.end(), cells.parts[static_cast<std::size_t>(part)].begin(),
                              cells.parts[static_cast<std::size_t>(part)].end());
        }
        std::sort(ringed.begin(), ringed.end());
        return ringed;
    }
    case Ring::All: break;
    }
    return cells.all;
}

InductionArgument Argument(int kind, int n, Language language, const ArgumentCells* cells)
{
    InductionArgument argument;
    if (kind < 1 || kind > 6)
        return argument;
    const std::vector<Draft>& letters = Made(kind, 0, language);
    static const std::vector<Draft> kNone;
    const std::vector<Draft>& example = n >= 2 && n <= 11 ? Made(kind, n, language) : kNone;
    argument.lines.reserve(letters.size() + example.size());
    for (const std::vector<Draft>* part : {&letters, &example}) {
        for (const Draft& draft : *part)
            argument.lines.push_back(
                {draft.role, draft.text, draft.spoken, cells ? CellsOf(draft, *cells) : std::vector<int>{}});
    }
    return argument;
}

}  // namespace

InductionArgument ArgumentLines(int kind, int n, Language language)
{
    return Argument(kind, n, language, nullptr);
}

InductionArgument ArgumentWithCells(int kind, int n, ArgumentCells cells, Language language)
{
    return Argument(kind, n, language, &cells);
}

std::string ArgumentText(const InductionArgument& argument)
{
    std::string text;
    for (const ArgumentLine& line : argument.lines) {
        text += line.text;
        text += '\n';
    }
    return text;
}
