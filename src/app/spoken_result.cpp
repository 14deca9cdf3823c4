#include "app/spoken_result.h"

#include "app/induction_argument.h"
#include "app/induction_step.h"
#include "app/visible_cells.h"
#include "runtime/numbers.h"

#include <array>
#include <string_view>

namespace {

// How each picture is told: the identity, then the arrangement around its size,
// "<opening> в n реда<closing>" or, for the full squares, "квадрат n по n<closing>".
struct KindWords {
    std::string_view identity;
    std::string_view opening;  // empty: a full n by n square
    std::string_view closing;
};

constexpr std::array<KindWords, 6> kKinds{{
    {"Сума на първите естествени числа", "стълба от кръгове", ""},
    {"Сума на аритметична прогресия", "стълба от сини квадрати", " с кафяво-оранжев диагонал"},
    {"Сума на първите естествени числа", "триъгълник от кръгове", ""},
    {"Сума на първите нечетни числа", "",
     " от Г-образни ивици, последователно бели и сини от горния ляв ъгъл"},
    {"Сума от 1 до n и обратно до 1", "", " от сини квадрати, броени по диагоналите"},
    {"Сума на квадратите с редуващи се знаци", "обърната стълба от квадрати", ", най-дългият ред отгоре"},
}};

// A count and its noun: 1 ред, 4 реда, 21 реда (only the count 1 takes the singular).
void AppendCounted(std::string& text, long count, std::string_view one, std::string_view many)
{
    AppendNumber(text, static_cast<double>(count));
    text += ' ';
    text += count == 1 ? one : many;
}

// The left-hand side of the identity for n, in words a speech engine reads as such.
void AppendSum(std::string& text, int kind, int n)
{
    int terms = 0;
    const auto term = [&](int value, bool minus) {
        if (terms++ > 0)
            text += minus ? " минус " : " + ";
        AppendNumber(text, value);
    };
    switch (kind) {
    case 4:
        for (int i = 1; i <= n; ++i)
            term(2 * i - 1, false);
        break;
    case 5:
        for (int i = 1; i <= n; ++i)
            term(i, false);
        for (int i = n - 1; i >= 1; --i)
            term(i, false);
        break;
    case 6:
        for (int k = n; k >= 1; --k)
            term(k * k, (n - k) % 2 == 1);
        break;
    default:
        for (int i = 1; i <= n; ++i)
            term(i, false);
    }
    if (kind == 4 || kind == 5) {
        text += " = ";
        AppendNumber(text, n);
        text += " по ";
        AppendNumber(text, n);
    }
}

// The step from n - 1 to n in words: "10 плюс 5 прави 15, колкото е 5 по 6 върху 2";
// the alternating squares: "25 минус 10 прави 15, ...".
void AppendStepArithmetic(std::string& text, int kind, int n)
{
    const long before = IdentityValue(kind, n - 1);
    const long after = IdentityValue(kind, n);
    text += ": ";
    if (kind == 6) {
        AppendNumber(text, static_cast<double>(n) * n);
        text += " минус ";
    } else {
        AppendNumber(text, static_cast<double>(before));
        text += " плюс ";
    }
    AppendNumber(text, static_cast<double>(kind == 6 ? before : after - before));
    text += " прави ";
    AppendNumber(text, static_cast<double>(after));
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

long VisibleCount(const Tessalo& form)
{
    long count = 0;
    ForEachVisibleCell(form.Shape1, [&](int, const Cell&) { ++count; });
    return count;
}

// The sentence; `changed` < 0: no step, or nothing to measure it against.
std::string Sentence(Spoken what, const Tessalo& form, long changed)
{
    if (what == Spoken::Clear)
        return "Дъската е изчистена.";
    const ListBox& list = form.List1(0);
    if (list.ListIndex < 0)
        return "Първо изберете n от списъка „Брой“.";
    if (form.ProofKind < 1 || form.ProofKind > static_cast<int>(kKinds.size()))
        return "Първо изберете равенство.";

    const KindWords& words = kKinds[form.ProofKind - 1];
    const double n = Val(list.List(list.ListIndex));
    const bool circles = form.Shape1(0).Shape == kCircle;

    std::string text;
    text.reserve(256);
    text += words.identity;
    text += ", n = ";
    AppendNumber(text, n);
    text += ": ";
    if (words.opening.empty()) {
        text += "квадрат ";
        AppendNumber(text, n);
        text += " по ";
        AppendNumber(text, n);
    } else {
        text += words.opening;
        text += " в ";
        AppendCounted(text, static_cast<long>(n), "ред", "реда");
    }
    text += words.closing;
    text += ", ";
    AppendSum(text, form.ProofKind, static_cast<int>(n));
    text += " = ";
    AppendNumber(text, static_cast<double>(VisibleCount(form)));

    if (changed >= 0 && what != Spoken::Show) {
        const bool up = what == Spoken::StepUp;
        if (changed == 0) {
            text += "; стъпката не промени картината";
        } else {
            text += up ? "; стъпката добави " : "; стъпката премахна ";
            AppendCounted(text, changed, circles ? "кръг" : "квадрат", circles ? "кръга" : "квадрата");
            if (up && n >= 2)
                AppendStepArithmetic(text, form.ProofKind, static_cast<int>(n));
        }
    }
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
