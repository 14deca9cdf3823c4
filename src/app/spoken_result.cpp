#include "app/spoken_result.h"

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
    std::string_view name;
    std::string_view formula;
    std::string_view opening;  // empty: a full n by n square
    std::string_view closing;
};

constexpr std::string_view kNaturalFormula = "1 плюс 2 плюс и така нататък плюс n равно на n по n плюс 1 върху 2";

constexpr std::array<KindWords, 6> kKinds{{
    {"Сума на първите естествени числа", kNaturalFormula, "стълба от кръгове", ""},
    {"Аритметична прогресия", kNaturalFormula, "стълба от сини квадрати", " с кафяв диагонал"},
    {"Триъгълни числа", kNaturalFormula, "триъгълник от кръгове", ""},
    {"Сума на първите нечетни числа",
     "1 плюс 3 плюс 5 плюс и така нататък плюс 2 по n минус 1 равно на n по n", "",
     " от ъглови ивици, редуващи се бели и сини от горния ляв ъгъл"},
    {"Сума от 1 до n и обратно до 1",
     "1 плюс 2 плюс и така нататък плюс n минус 1 плюс n плюс n минус 1 плюс и така нататък плюс 1 "
     "равно на n по n",
     "", " от сини квадрати, броени по диагоналите"},
    {"Разлика на квадрати",
     "n на квадрат минус n минус 1 на квадрат плюс n минус 2 на квадрат минус и така нататък "
     "равно на n по n плюс 1 върху 2",
     "обърната стълба от квадрати", ", с дългия ред отгоре"},
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
void AppendRun(std::string& text, const std::vector<Term>& run, bool shorten)
{
    for (std::size_t i = 0; i < run.size(); ++i) {
        if (shorten && run.size() > 3 && i == 2) {
            text += run[i].minus ? " минус и така нататък" : " плюс и така нататък";
            i = run.size() - 2;
            continue;
        }
        if (!text.empty())
            text += run[i].minus ? " минус " : " плюс ";
        AppendNumber(text, static_cast<double>(run[i].value));
    }
}

// The left-hand side of identity `kind` for n in words; kind 5 as two runs, up to
// n and back down, each shortened on its own.
std::string SpokenSum(int kind, int n)
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
    AppendRun(sum, up, shorten);
    AppendRun(sum, down, shorten);
    return sum;
}

// The right-hand side for n: "5 по 5", "5 по 6 върху 2".
void AppendRightSide(std::string& text, int kind, int n)
{
    text += ", колкото е ";
    AppendNumber(text, n);
    text += " по ";
    if (kind == 4 || kind == 5) {
        AppendNumber(text, n);
        return;
    }
    AppendNumber(text, n + 1);
    text += " върху 2";
}

// The step from n - 1 to n: "10 плюс 5 прави 15"; the alternating squares "25 минус 10 прави 15".
void AppendStepArithmetic(std::string& text, int kind, int n)
{
    const long before = IdentityValue(kind, n - 1);
    const long after = IdentityValue(kind, n);
    if (kind == 6) {
        AppendNumber(text, static_cast<double>(n) * n);
        text += " минус ";
        AppendNumber(text, static_cast<double>(before));
    } else {
        AppendNumber(text, static_cast<double>(before));
        text += " плюс ";
        AppendNumber(text, static_cast<double>(after - before));
    }
    text += " прави ";
    AppendNumber(text, static_cast<double>(after));
}

long VisibleCount(const Tessalo& form)
{
    long count = 0;
    ForEachVisibleCell(form.Shape1, [&](int, const Cell&) { ++count; });
    return count;
}

// What Show draws of identity `words` for n: "стълба от кръгове в 5 реда".
void AppendArrangement(std::string& text, const KindWords& words, int n)
{
    if (words.opening.empty()) {
        text += "квадрат ";
        AppendNumber(text, n);
        text += " по ";
        AppendNumber(text, n);
    } else {
        text += words.opening;
        text += " в ";
        AppendCounted(text, n, "ред", "реда");
    }
    text += words.closing;
}

constexpr std::string_view kChooseN = "Първо изберете n от списъка Брой.";

int ChosenN(const Tessalo& form)
{
    const ListBox& list = form.List1(0);
    return list.ListIndex < 0 ? 0 : static_cast<int>(Val(list.List(list.ListIndex)));
}

// The sentence; `changed` < 0: no step, or nothing to measure it against.
std::string Sentence(Spoken what, const Tessalo& form, long changed)
{
    if (what == Spoken::Clear)
        return "Дъската е изчистена.";
    if (form.List1(0).ListIndex < 0)
        return std::string(kChooseN);
    const KindWords* words = Words(form.ProofKind);
    if (!words)
        return "Първо изберете равенство.";

    const int n = ChosenN(form);
    const bool circles = form.Shape1(0).Shape == kCircle;
    const bool step = changed >= 0 && what != Spoken::Show;
    const bool up = what == Spoken::StepUp;

    std::string text;
    text.reserve(256);
    if (step) {
        if (changed == 0) {
            text += "Стъпката не промени картината. ";
        } else {
            text += up ? "Стъпката добави " : "Стъпката премахна ";
            AppendCounted(text, changed, circles ? "кръг" : "квадрат", circles ? "кръга" : "квадрата");
            text += ". ";
        }
    }
    text += words->name;
    text += ", n е ";
    AppendNumber(text, n);
    text += ", ";
    AppendArrangement(text, *words, n);
    text += ", ";
    if (step && up && changed > 0 && n >= 2) {
        AppendStepArithmetic(text, form.ProofKind, n);
    } else if (n == 1) {
        text += "сумата е ";
        AppendNumber(text, static_cast<double>(VisibleCount(form)));
    } else {
        text += SpokenSum(form.ProofKind, n);
        text += " прави ";
        AppendNumber(text, static_cast<double>(VisibleCount(form)));
    }
    AppendRightSide(text, form.ProofKind, n);
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

std::string SpokenAfterStep(Spoken what, const Tessalo& form, std::size_t changed)
{
    return Sentence(what, form, static_cast<long>(changed));
}

std::string SpokenChoice(const Tessalo& form, bool showsChosen)
{
    const KindWords* words = Words(form.ProofKind);
    if (!words)
        return "Първо изберете равенство.";
    std::string text = "Избрахте ";
    text += words->name;
    text += '.';
    const int n = ChosenN(form);
    if (!showsChosen && n >= 1 && VisibleCount(form) > 0) {
        // the board keeps the last picture until Show
        text += " Изведи ще начертае ";
        AppendArrangement(text, *words, n);
        text += '.';
    }
    return text;
}

std::string_view SpokenIdentityName(int kind)
{
    const KindWords* words = Words(kind);
    return words ? words->name : std::string_view();
}

std::string_view SpokenFormula(int kind)
{
    const KindWords* words = Words(kind);
    return words ? words->formula : std::string_view();
}
