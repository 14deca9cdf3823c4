#include "app/induction_argument.h"

#include "app/texts.h"
#include "runtime/numbers.h"

#include <string_view>
#include <utility>

namespace {

constexpr std::string_view kMinus = " − ";
constexpr std::string_view kTimes = "·";
constexpr std::string_view kSquared = "²";

// The kinds 4 and 5 sum to n², the others to n(n + 1)/2.
bool SumsToSquare(int kind)
{
    return kind == 4 || kind == 5;
}

void Append(std::string& text, long value)
{
    AppendNumber(text, static_cast<double>(value));
}

// The left-hand side for m written out: "1 + 2 + 3", "1 + 3 + 5", "1 + 2 + 1", "3² − 2² + 1²".
void AppendSum(std::string& text, int kind, int m)
{
    const auto plus = [&](int i) {
        if (i > 0)
            text += " + ";
    };
    switch (kind) {
    case 4:
        for (int i = 1; i <= m; ++i) {
            plus(i - 1);
            Append(text, 2 * i - 1);
        }
        break;
    case 5:
        for (int i = 1; i < 2 * m; ++i) {
            plus(i - 1);
            Append(text, i <= m ? i : 2 * m - i);
        }
        break;
    case 6:
        for (int k = m; k >= 1; --k) {
            if (k < m)
                text += (m - k) % 2 == 1 ? kMinus : std::string_view{" + "};
            Append(text, k);
            text += kSquared;
        }
        break;
    default:
        for (int i = 1; i <= m; ++i) {
            plus(i - 1);
            Append(text, i);
        }
    }
}

// The sum for m as a term of a longer expression: in parentheses unless it is one term.
void AppendGroupedSum(std::string& text, int kind, int m)
{
    if (m < 2) {
        AppendSum(text, kind, m);
        return;
    }
    text += '(';
    AppendSum(text, kind, m);
    text += ')';
}

// The right-hand side for m with its numbers: "4·5/2" or "4²".
void AppendClosedForm(std::string& text, int kind, int m)
{
    Append(text, m);
    if (SumsToSquare(kind)) {
        text += kSquared;
        return;
    }
    text += kTimes;
    Append(text, m + 1);
    text += "/2";
}

std::string Claim(int kind, Language language)
{
    std::string text(Tr(language, TextId::ArgumentClaim));
    switch (kind) {
    case 4: text += "1 + 3 + 5 + … + (2n − 1) = n²"; break;
    case 5: text += "1 + 2 + … + (n − 1) + n + (n − 1) + … + 2 + 1 = n²"; break;
    case 6: text += "n² − (n − 1)² + (n − 2)² − … ± 1² = n(n + 1)/2"; break;
    default: text += "1 + 2 + … + n = n(n + 1)/2";
    }
    text += Tr(language, TextId::ArgumentForEveryN);
    return text;
}

// "<sum for m> = <closed form for m> = <value>"
void AppendCheckedCase(std::string& text, int kind, int m)
{
    AppendSum(text, kind, m);
    text += " = ";
    AppendClosedForm(text, kind, m);
    text += " = ";
    Append(text, IdentityValue(kind, m));
}

std::string BaseCase(int kind, Language language)
{
    std::string text(Tr(language, TextId::ArgumentBase));
    AppendCheckedCase(text, kind, 1);
    text += Tr(language, TextId::ArgumentSidesEqual);
    return text;
}

std::string Hypothesis(int kind, int n, Language language)
{
    std::string text(Tr(language, TextId::ArgumentHypothesis));
    Append(text, n - 1);
    text += "): ";
    AppendCheckedCase(text, kind, n - 1);
    return text;
}

// The sum for n from the sum for n - 1, then its value and the closed form.
std::string StepWithNumbers(int kind, int n, Language language)
{
    const long before = IdentityValue(kind, n - 1);
    const long after = IdentityValue(kind, n);
    std::string text(Tr(language, TextId::ArgumentStep));
    Append(text, n);
    text += "): ";
    std::string grouped;   // the sum for n, its part for n - 1 in parentheses
    std::string valued;    // the same with the value of that part
    if (kind == 6) {
        // the sum for n is n² minus the sum for n - 1
        Append(grouped, n);
        grouped += kSquared;
        grouped += kMinus;
        AppendGroupedSum(grouped, kind, n - 1);
        Append(valued, static_cast<long>(n) * n);
        valued += kMinus;
        Append(valued, before);
    } else {
        AppendGroupedSum(grouped, kind, n - 1);
        Append(valued, before);
        const auto lastTerm = [&](std::string& into) {
            into += " + ";
            if (kind == 5) {
                // the rising and falling sum gains n - 1 and n
                into += '(';
                Append(into, n - 1);
                into += " + ";
                Append(into, n);
                into += ')';
            } else {
                Append(into, kind == 4 ? 2 * n - 1 : n);
            }
        };
        lastTerm(grouped);
        if (kind == 5) {
            valued += " + ";
            Append(valued, 2 * n - 1);
        } else {
            lastTerm(valued);
        }
    }
    text += grouped;
    if (valued != grouped) {
        text += " = ";
        text += valued;
    }
    text += " = ";
    Append(text, after);
    if (kind == 6) {
        // what the cells show: the picture for n - 1 and the n cells the step adds
        text += " = ";
        Append(text, before);
        text += " + ";
        Append(text, after - before);
    }
    text += " = ";
    AppendClosedForm(text, kind, n);
    return text;
}

std::string StepInLetters(int kind, Language language)
{
    std::string text(Tr(language, TextId::ArgumentStepForAnyN));
    switch (kind) {
    case 4: text += "(n − 1)² + (2n − 1) = n²"; break;
    case 5: text += "(n − 1)² + (n − 1) + n = n²"; break;
    case 6: text += "n² − (n − 1)n/2 = n(n + 1)/2"; break;
    default: text += "(n − 1)n/2 + n = n(n + 1)/2";
    }
    return text;
}

std::string Conclusion(Language language)
{
    return std::string(Tr(language, TextId::ArgumentConclusion));
}

}  // namespace

long IdentityValue(int kind, int n)
{
    const long m = n;
    return SumsToSquare(kind) ? m * m : m * (m + 1) / 2;
}

InductionArgument ArgumentLines(int kind, int n, Language language)
{
    InductionArgument argument;
    if (kind < 1 || kind > 6)
        return argument;
    argument.lines.reserve(6);
    argument.lines.push_back({ArgumentRole::Claim, Claim(kind, language), {}});
    if (n < 1 || n > 11)
        return argument;
    argument.lines.push_back({ArgumentRole::BaseCase, BaseCase(kind, language), {}});
    if (n < 2)
        return argument;
    argument.lines.push_back({ArgumentRole::Hypothesis, Hypothesis(kind, n, language), {}});
    argument.lines.push_back({ArgumentRole::StepWithNumbers, StepWithNumbers(kind, n, language), {}});
    argument.lines.push_back({ArgumentRole::StepInLetters, StepInLetters(kind, language), {}});
    argument.lines.push_back({ArgumentRole::Conclusion, Conclusion(language), {}});
    return argument;
}

InductionArgument ArgumentWithCells(int kind, int n, ArgumentCells cells, Language language)
{
    InductionArgument argument = ArgumentLines(kind, n, language);
    if (argument.lines.size() < 2)
        return argument;  // no n chosen: the claim alone, about no picture in particular
    for (ArgumentLine& line : argument.lines) {
        switch (line.role) {
        case ArgumentRole::BaseCase: line.cells = std::move(cells.base); break;
        case ArgumentRole::Hypothesis: line.cells = std::move(cells.previous); break;
        case ArgumentRole::StepWithNumbers: line.cells = std::move(cells.added); break;
        default: line.cells = cells.all;
        }
    }
    return argument;
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
