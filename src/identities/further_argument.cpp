// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/further_argument.h"

#include "app/in_words.h"
#include "identities/claim_parser.h"
#include "identities/claim_text.h"
#include "identities/formula_text.h"
#include "identities/identity_picture.h"

#include <numeric>

namespace {

constexpr std::string_view kEquals = " =\u00A0";

std::string Text(Language language, TextId id)
{
    return std::string(Tr(language, id));
}

std::string ValueAt(std::string_view formula, char letter, long at)
{
    const ClaimParse parsed = ParseExpression(formula, letter);
    return parsed.value ? parsed.value->At(at).Written() : "?";
}

// `formula` with its value at `at`, and that value where it reads otherwise: "3·4/2 = 6".
std::string WorkedOut(std::string_view formula, char letter, long at)
{
    const std::string written = FormulaWithNumber(formula, letter, at);
    const std::string value = ValueAt(formula, letter, at);
    return written == value ? written : written + std::string(kEquals) + value;
}

// The cells of the picture for n: those of the picture for 1, those of the
// picture for n - 1, and the step's, its term.
struct PictureParts {
    std::vector<int> all, base, previous, added;
};

PictureParts Parts(const FurtherIdentity& identity, int n)
{
    PictureParts parts;
    if (n < 1 || n > identity.maxN)
        return parts;
    const auto upTo = [](std::size_t end) {
        std::vector<int> cells(end);
        std::iota(cells.begin(), cells.end(), 0);
        return cells;
    };
    parts.all = upTo(identity.cells(n).size());
    parts.base = upTo(identity.cells(1).size());
    parts.previous = upTo(n > 1 ? identity.cells(n - 1).size() : 0);
    parts.added = StepCellsOf(identity, n);
    return parts;
}

void AddChain(std::vector<ArgumentLine>& lines, ArgumentRole role, const std::string& left,
              const std::vector<std::string>& sides, Language language, const std::vector<int>& previous)
{
    for (std::size_t i = 0; i < sides.size(); ++i) {
        ArgumentLine line{role, (i == 0 ? left + std::string(kEquals) : "=\u00A0") + sides[i], {}, {}};
        if (i == 0) {
            line.text += Text(language, TextId::ArgumentByHypothesis);
            line.cells = previous;
        }
        lines.push_back(std::move(line));
    }
}

}  // namespace

InductionArgument FurtherArgument(const FurtherIdentity& identity, int n, Language language)
{
    InductionArgument argument;
    std::vector<ArgumentLine>& lines = argument.lines;
    const PictureParts parts = Parts(identity, n);
    const int kind = identity.kind;
    const Progression& p = identity.progression;
    lines.push_back({ArgumentRole::Claim, Text(language, TextId::ArgumentClaim) + WrittenLeft(kind, p, 'n') +
                                              std::string(kEquals) + WrittenFormula(identity.sum), {}, parts.all});
    lines.push_back({ArgumentRole::Goal, Text(language, TextId::ArgumentGoal), {}, {}});
    lines.push_back({ArgumentRole::BaseCase, Text(language, TextId::ArgumentBase) + ValueAt(identity.term, 'k', 1) +
                                                 std::string(kEquals) + WorkedOut(identity.sum, 'n', 1) +
                                                 Text(language, TextId::ArgumentBaseTrue), {}, parts.base});
    lines.push_back({ArgumentRole::Hypothesis, Text(language, TextId::ArgumentHypothesis) + WrittenLeft(kind, p, 'k') +
                                                   std::string(kEquals) +
                                                   WrittenFormula(Relettered(identity.sum, 'n', 'k')) + ".", {}, parts.previous});
    const std::string nextLeft = WrittenLeft(kind, p, 'k', true);
    lines.push_back({ArgumentRole::StepGoal, Text(language, TextId::ArgumentStepGoal) + nextLeft +
                                                 std::string(kEquals) + WrittenFormula(identity.nextSum) + ".", {}, {}});
    std::vector<std::string> sides;
    for (const std::string& side : identity.chain)
        sides.push_back(WrittenFormula(side));
    AddChain(lines, ArgumentRole::Step, nextLeft, sides, language, parts.previous);
    lines.push_back({ArgumentRole::Conclusion, Text(language, TextId::ArgumentConclusion), {}, {}});
    if (n >= 2 && n <= identity.maxN) {
        const long k = n - 1;
        lines.push_back({ArgumentRole::Example, Text(language, TextId::ArgumentExample) + std::to_string(k) +
                                                    Text(language, TextId::ArgumentExampleNext) + std::to_string(n) + ".",
                         {}, {}});
        lines.push_back({ArgumentRole::NewTerm, Text(language, TextId::ArgumentNewTerm) +
                                                    WrittenFormula(identity.nextTerm) + std::string(kEquals) +
                                                    WorkedOut(identity.nextTerm, 'k', k) +
                                                    Text(language, TextId::ArgumentNewCells), {}, parts.added});
        std::vector<std::string> numbers;
        for (const std::string& side : identity.chain)
            numbers.push_back(FormulaWithNumber(side, 'k', k));
        numbers.back() = WorkedOut(identity.chain.back(), 'k', k);
        AddChain(lines, ArgumentRole::Example, WrittenTerms(identity, n), numbers, language, parts.previous);
    }
    for (ArgumentLine& line : lines)
        line.spoken = InWords(line.text, language);
    return argument;
}
