// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/spoken_result.h"

#include "app/identity_formulas.h"
#include "app/induction_argument.h"
#include "app/induction_step.h"
#include "app/visible_cells.h"
#include "runtime/numbers.h"

#include <array>
#include <vector>

namespace {

// How each identity is named and told: its name, then the arrangement around its
// size, "<opening> в n реда<closing>" or, for the full squares, "квадрат n по n<closing>".
// No hyphens: a punctuation level says "тире" or runs the words together.
struct KindWords {
    TextId name;
    TextId formula;
    TextId opening;  // an empty text: a full n by n square
    TextId closing;
};

constexpr std::array<KindWords, 6> kKinds{{
    {TextId::SpokenName1, TextId::SpokenFormulaNatural, TextId::SpokenOpening1, TextId::SpokenClosing1},
    {TextId::SpokenName2, TextId::SpokenFormulaNatural, TextId::SpokenOpening2, TextId::SpokenClosing2},
    {TextId::SpokenName3, TextId::SpokenFormulaNatural, TextId::SpokenOpening3, TextId::SpokenClosing3},
    {TextId::SpokenName4, TextId::SpokenFormulaOdd, TextId::SpokenOpening4, TextId::SpokenClosing4},
    {TextId::SpokenName5, TextId::SpokenFormulaPyramid, TextId::SpokenOpening5, TextId::SpokenClosing5},
    {TextId::SpokenName6, TextId::SpokenFormulaDifference, TextId::SpokenOpening6, TextId::SpokenClosing6},
}};

const KindWords* Words(int kind)
{
    return kind >= 1 && kind <= static_cast<int>(kKinds.size()) ? &kKinds[static_cast<std::size_t>(kind - 1)]
                                                                 : nullptr;
}

// A count and its noun: 1 ред, 4 реда, 21 реда (only the count 1 takes the singular).
void AppendCounted(std::string& text, long count, std::string_view one, std::string_view many)
{
    AppendNumber(text, static_cast<double>(count));
    text += ' ';
    text += count == 1 ? one : many;
}

// A sum longer than this is read as a teacher reads it, "1 плюс 2 плюс и така
// нататък плюс 11": five numbers a listener still adds up in her head; beyond
// that she hears only the pattern, and the step's news would wait behind it.
constexpr std::size_t kSpokenTerms = 5;

struct Term {
    long value;
    bool minus;
};

// The terms of a run kept when the whole sum is shortened: the first two and the last.
void AppendRun(std::string& text, const std::vector<Term>& run, bool shorten, Language language)
{
    for (std::size_t i = 0; i < run.size(); ++i) {
        if (shorten && run.size() > 3 && i == 2) {
            text += Tr(language, run[i].minus ? TextId::SpokenMinusAndSoOn : TextId::SpokenPlusAndSoOn);
            i = run.size() - 2;
            continue;
        }
        if (!text.empty())
            text += Tr(language, run[i].minus ? TextId::SpokenMinus : TextId::SpokenPlus);
        AppendNumber(text, static_cast<double>(run[i].value));
    }
}

// The left-hand side of identity `kind` for n in words; kind 5 as two runs, up to
// n and back down, each shortened on its own.
std::string SpokenSum(int kind, int n, Language language)
{
    std::vector<Term> up;
    std::vector<Term> down;
    switch (kind) {
    case 4:
        for (int i = 1; i <= n; ++i)
            up.push_back({2L * i - 1, false});
        break;
    case 5:
        for (int i = 1; i <= n; ++i)
            up.push_back({i, false});
        for (int i = n - 1; i >= 1; --i)
            down.push_back({i, false});
        break;
    case 6:
        for (int k = n; k >= 1; --k)
            up.push_back({static_cast<long>(k) * k, (n - k) % 2 == 1});
        break;
    default:
        for (int i = 1; i <= n; ++i)
            up.push_back({i, false});
    }
    const bool shorten = up.size() + down.size() > kSpokenTerms;
    std::string sum;
    AppendRun(sum, up, shorten, language);
    AppendRun(sum, down, shorten, language);
    return sum;
}

// The right-hand side for n: "5 по 5", "5 по 6 върху 2".
void AppendRightSide(std::string& text, int kind, int n, Language language)
{
    text += Tr(language, TextId::SpokenWhichIs);
    AppendNumber(text, n);
    text += Tr(language, TextId::SpokenTimes);
    if (kind == 4 || kind == 5) {
        AppendNumber(text, n);
        return;
    }
    AppendNumber(text, n + 1);
    text += Tr(language, TextId::SpokenOverTwo);
}

// The step from n - 1 to n: "10 плюс 5 прави 15"; the alternating squares "25 минус 10 прави 15".
void AppendStepArithmetic(std::string& text, int kind, int n, Language language)
{
    const long before = IdentityValue(kind, n - 1);
    const long after = IdentityValue(kind, n);
    if (kind == 6) {
        AppendNumber(text, static_cast<double>(n) * n);
        text += Tr(language, TextId::SpokenMinus);
        AppendNumber(text, static_cast<double>(before));
    } else {
        AppendNumber(text, static_cast<double>(before));
        text += Tr(language, TextId::SpokenPlus);
        AppendNumber(text, static_cast<double>(after - before));
    }
    text += Tr(language, TextId::SpokenMakes);
    AppendNumber(text, static_cast<double>(after));
}

long VisibleCount(const Tessalo& form)
{
    long count = 0;
    ForEachVisibleCell(form.Shape1, [&](int, const Cell&) { ++count; });
    return count;
}

// What Show draws of identity `words` for n: "стълба от кръгове в 5 реда".
void AppendArrangement(std::string& text, const KindWords& words, int n, Language language)
{
    const std::string_view opening = Tr(language, words.opening);
    if (opening.empty()) {
        text += Tr(language, TextId::SpokenSquareOf);
        AppendNumber(text, n);
        text += Tr(language, TextId::SpokenBy);
        AppendNumber(text, n);
    } else {
        text += opening;
        text += Tr(language, TextId::SpokenIn);
        AppendCounted(text, n, Tr(language, TextId::SpokenRow), Tr(language, TextId::SpokenRows));
    }
    text += Tr(language, words.closing);
}

// The sentence; `changed` < 0: no step, or nothing to measure it against.
std::string Sentence(Spoken what, const Tessalo& form, long changed, bool brief = false)
{
    const Language language = form.language;
    if (what == Spoken::Clear)
        return std::string(Tr(language, TextId::SpokenCleared));
    if (form.List1(0).ListIndex < 0)
        return std::string(Tr(language, TextId::SpokenChooseN));
    const KindWords* words = Words(form.ProofKind);
    if (!words)
        return std::string(Tr(language, TextId::SpokenChooseIdentity));

    const int n = ChosenN(form);
    const bool circles = form.Shape1(0).Shape == kCircle;
    const bool step = changed >= 0 && what != Spoken::Show;
    const bool up = what == Spoken::StepUp;

    std::string text;
    text.reserve(256);
    if (step) {
        if (changed == 0) {
            text += Tr(language, TextId::SpokenStepUnchanged);
        } else {
            text += Tr(language, up ? TextId::SpokenStepAdded : TextId::SpokenStepRemoved);
            AppendCounted(text, changed, Tr(language, circles ? TextId::SpokenCircle : TextId::SpokenSquare),
                          Tr(language, circles ? TextId::SpokenCircles : TextId::SpokenSquares));
            text += ". ";
        }
    }
    if (step && brief) {
        // at the pace of the lesson: n and the sum, the arithmetic left to F9
        text += Tr(language, TextId::SpokenBriefN);
        AppendNumber(text, n);
        text += ", ";
        text += Tr(language, TextId::SpokenInAll);
        AppendNumber(text, static_cast<double>(VisibleCount(form)));
        text += '.';
        return text;
    }
    text += Tr(language, words->name);
    text += Tr(language, TextId::SpokenNIs);
    AppendNumber(text, n);
    text += ", ";
    AppendArrangement(text, *words, n, language);
    text += ", ";
    if (step && up && changed > 0 && n >= 2) {
        AppendStepArithmetic(text, form.ProofKind, n, language);
    } else if (n == 1) {
        text += Tr(language, TextId::SpokenSumIs);
        AppendNumber(text, static_cast<double>(VisibleCount(form)));
    } else {
        text += SpokenSum(form.ProofKind, n, language);
        text += Tr(language, TextId::SpokenMakes);
        AppendNumber(text, static_cast<double>(VisibleCount(form)));
    }
    AppendRightSide(text, form.ProofKind, n, language);
    text += '.';
    return text;
}

}  // namespace

std::string SpokenResult(Spoken what, const Tessalo& form, const Tessalo* before)
{
    long changed = -1;
    if (before && what != Spoken::Show && what != Spoken::Clear && form.List1(0).ListIndex >= 0) {
        const bool up = what == Spoken::StepUp;
        changed = static_cast<long>((up ? AddedCells(*before, form) : AddedCells(form, *before)).size());
    }
    return Sentence(what, form, changed);
}

std::string SpokenAfterStep(Spoken what, const Tessalo& form, std::size_t changed, bool brief)
{
    return Sentence(what, form, static_cast<long>(changed), brief);
}

std::string SpokenChoice(const Tessalo& form, bool showsChosen)
{
    const Language language = form.language;
    const KindWords* words = Words(form.ProofKind);
    if (!words)
        return std::string(Tr(language, TextId::SpokenChooseIdentity));
    // the radio button says its name as it takes the focus: only what it changes is news
    const int n = ChosenN(form);
    if (showsChosen || n < 1 || VisibleCount(form) == 0)
        return {};
    // the board keeps the last picture until Show
    std::string text(Tr(language, TextId::SpokenShowWillDraw));
    AppendArrangement(text, *words, n, language);
    text += '.';
    return text;
}

std::string_view SpokenIdentityName(int kind, Language language)
{
    const KindWords* words = Words(kind);
    return words ? Tr(language, words->name) : std::string_view();
}

std::string_view SpokenFormula(int kind, Language language)
{
    const KindWords* words = Words(kind);
    return words ? Tr(language, words->formula) : std::string_view();
}
