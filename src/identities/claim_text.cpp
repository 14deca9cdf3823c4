// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "identities/claim_text.h"

#include "app/identity_formulas.h"
#include "identities/formula_text.h"

namespace {

constexpr std::string_view kAndSoOn = " +\u00A0… +\u00A0";

std::string Number(long long value)
{
    return std::to_string(value);
}

std::string Text(Language language, TextId id)
{
    return std::string(Tr(language, id));
}

// A formula written as a term of a sum: in brackets where it is a sum itself.
std::string AsTerm(std::string_view typed)
{
    int depth = 0;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char c = typed[i];
        depth += c == '(' || c == '[' ? 1 : c == ')' || c == ']' ? -1 : 0;
        if (depth == 0 && i > 0 && (c == '+' || c == '-'))
            return "(" + WrittenFormula(typed) + ")";
    }
    return WrittenFormula(typed);
}

// The i-th term written with numbers, as the identity writes it: "6", "3²".
std::string TermWritten(const FurtherIdentity& identity, long i)
{
    if (identity.writtenPower == 0) {
        const ClaimParse term = ParseExpression(identity.term, 'k');
        return term.value ? term.value->At(i).Written() : "?";
    }
    return WrittenFormula(Number(i) + "^" + Number(identity.writtenPower));
}

}  // namespace

std::string WrittenTerms(const FurtherIdentity& identity, int n)
{
    std::string sum;
    for (long i = 1; i <= n; ++i)
        sum += (i > 1 ? std::string(kPlus) : "") + TermWritten(identity, i);
    return sum;
}

namespace {

std::string FurtherLeft(const FurtherIdentity& identity, char letter, bool next)
{
    std::string sum = TermWritten(identity, 1) + std::string(kPlus) + TermWritten(identity, 2) + std::string(kAndSoOn) +
                      AsTerm(Relettered(identity.term, 'k', letter));
    if (next)
        sum += " +\u00A0" + AsTerm(Relettered(identity.nextTerm, 'k', letter));
    return sum;
}

}  // namespace

std::string WrittenLeft(int kind, Progression progression, char letter, bool next)
{
    if (kind >= 1 && kind <= 6)
        return WrittenSum(kind, next ? kLetter + 1 : kLetter, FormulaWriter::Letters(letter));
    return FurtherLeft(DescribeFurther(kind, progression), letter, next);
}

namespace {

// The base: "База, n = 1: 1 ≠ 3·1 + 1 = 4, не е вярно."
std::string BaseLine(const SumRule& rule, std::string_view typed, const ClaimCheck& check, Language language)
{
    std::string line = Text(language, TextId::ArgumentBase) + Number(rule.base);
    line += check.baseHolds ? " =\u00A0" : " ≠\u00A0";
    const std::string withOne = FormulaWithNumber(typed, 'n', 1);
    line += withOne;
    if (withOne != check.claimedBase.Written())
        line += " =\u00A0" + check.claimedBase.Written();
    return line + Text(language, check.baseHolds ? TextId::ArgumentBaseTrue : TextId::ClaimBaseFalse);
}

// From P(k + 1)'s left side, by the hypothesis, to the claim for k + 1 or to a side that differs from it.
std::vector<std::string> StepLines(int kind, Progression progression, const SumRule& rule, std::string_view typed,
                                   const ClaimCheck& check, Language language)
{
    const std::string inK = Relettered(std::string(typed), 'n', 'k');
    std::string hypothesis = rule.sign > 0 ? WrittenFormula(inK) + " +\u00A0" + AsTerm(rule.added)
                                           : AsTerm(rule.added) + " −\u00A0(" + WrittenFormula(inK) + ")";
    std::vector<std::string> lines{WrittenLeft(kind, progression, 'k', true) + " =\u00A0" + hypothesis +
                                   Text(language, TextId::ArgumentByHypothesis)};
    lines.push_back("=\u00A0" + WrittenExpression(check.fromHypothesis, 'k'));
    std::string claimNext;
    for (const char c : typed)
        claimNext += c == 'n' ? std::string("(k+1)") : std::string(1, c);
    lines.push_back(check.stepHolds ? "=\u00A0" + WrittenFormula(claimNext)
                                    : "≠\u00A0" + WrittenExpression(check.claimedNext, 'k') + " =\u00A0" +
                                          WrittenFormula(claimNext));
    return lines;
}

}  // namespace

std::vector<std::string> ClaimLines(int kind, Progression progression, std::string_view typedText,
                                    const ClaimCheck& check, Language language)
{
    const std::string typed = PlainFormula(typedText);
    const SumRule rule = RuleOf(kind, progression);
    const std::string claimN = WrittenFormula(typed);
    const std::string claimK = WrittenFormula(Relettered(std::string(typed), 'n', 'k'));
    std::vector<std::string> lines{
        Text(language, TextId::ArgumentClaim) + WrittenLeft(kind, progression, 'n') + " =\u00A0" + claimN,
        BaseLine(rule, typed, check, language),
        Text(language, TextId::ArgumentHypothesis) + WrittenLeft(kind, progression, 'k') + " =\u00A0" + claimK + "."};
    for (std::string& line : StepLines(kind, progression, rule, typed, check, language))
        lines.push_back(std::move(line));
    lines.push_back(Text(language, check.stepHolds ? TextId::ClaimStepTrue : TextId::ClaimStepFalse));
    const TextId verdict = check.baseHolds ? (check.stepHolds ? TextId::ClaimProved : TextId::ClaimBreaksInStep)
                                           : (check.stepHolds ? TextId::ClaimBreaksInBase : TextId::ClaimBreaksInBoth);
    lines.push_back(Text(language, verdict));
    if (check.firstFalse > 0) {
        const int n = check.firstFalse;
        std::string count;
        if (n > 1)
            count = Text(language, TextId::ClaimTrueUpTo) + Number(n - 1) + Text(language, TextId::ClaimFalseFrom) +
                    Number(n) + Text(language, TextId::ClaimFalseFromEnd) + " ";
        count += Text(language, TextId::ClaimCountAt) + Number(n) + Text(language, TextId::ClaimCountHas) +
                 SumAt(rule, n).Written() + Text(language, TextId::ClaimCountSays) + ParseExpression(typed)
                     .value->At(n).Written() + ".";
        lines.push_back(std::move(count));
    }
    return lines;
}

std::string ClaimProblemText(const ClaimParse& parse, Language language)
{
    static constexpr TextId kProblems[] = {
        TextId::None,
        TextId::ClaimProblemEmpty,
        TextId::ClaimProblemTooLong,
        TextId::ClaimProblemUnexpectedSign,
        TextId::ClaimProblemUnknownLetter,
        TextId::ClaimProblemMissingValue,
        TextId::ClaimProblemUnclosedBracket,
        TextId::ClaimProblemUnopenedBracket,
        TextId::ClaimProblemDivisionByLetter,
        TextId::ClaimProblemDivisionByZero,
        TextId::ClaimProblemBadExponent,
        TextId::ClaimProblemExponentTooLarge,
        TextId::ClaimProblemPowerOfTwoOnly,
        TextId::ClaimProblemNumberTooLarge,
        TextId::ClaimProblemTooComplex,
    };
    const auto problem = static_cast<std::size_t>(parse.problem);
    return Text(language, TextId::ClaimColumn) + Number(parse.column) +
           Text(language, problem < std::size(kProblems) ? kProblems[problem] : TextId::ClaimProblemUnexpectedSign);
}

std::string FurtherStepSum(const FurtherIdentity& identity, int m)
{
    const ClaimParse sum = ParseExpression(identity.sum);
    return WrittenTerms(identity, m) + " =\u00A0" + (sum.value ? sum.value->At(m).Written() : "?");
}

std::string FurtherProofText(const FurtherIdentity& identity, int n, Language language)
{
    const std::string closed = FormulaWithNumber(identity.sum, 'n', n);
    const ClaimParse sum = ParseExpression(identity.sum);
    const std::string value = sum.value ? sum.value->At(n).Written() : "?";
    std::string name = Text(language, identity.name);
    if (identity.kind == 8)
        name += ": a =\u00A0" + Number(identity.progression.a) + ", d =\u00A0" + Number(identity.progression.d);
    std::string text = name + "\r\n" + Text(language, TextId::ArgumentClaim) + FurtherLeft(identity, 'n', false) + " =\u00A0" + WrittenFormula(identity.sum) + "\r\n";
    text += Text(language, TextId::FurtherTotal) + closed + (closed == value ? "" : " =\u00A0" + value) + "\r\n";
    return text + WrittenTerms(identity, n) + " =\u00A0" + value;
}
