#include "app/lesson_step.h"

#include "app/induction_step.h"
#include "app/layout.h"
#include "app/spoken_result.h"
#include "app/visible_cells.h"
#include "runtime/numbers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

// The chosen n, 0 for none.
int ChosenN(const Tessalo& form)
{
    const ListBox& list = form.List1(0);
    return list.ListIndex < 0 ? 0 : static_cast<int>(Val(list.List(list.ListIndex)));
}

// The bits of a float; by memcpy, as the page's compiler has no std::bit_cast.
std::uint32_t Bits(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// A cell's place as one number, equal for equal positions: the bits of Left and
// Top. (Both are finite, and never the zero of either sign in one picture and
// the other in the next.)
std::uint64_t Place(const Cell& cell)
{
    return static_cast<std::uint64_t>(Bits(cell.Left)) << 32 | Bits(cell.Top);
}

constexpr int kKinds = 6;

// The places of the visible cells of the picture for m (1..11) of identity kind
// (1..6), drawn the first time they are asked for. A loaded form draws the same
// picture for the same kind and m every time, and every step needs two of them:
// drawing them again cost more than the rest of the lesson step.
const std::vector<std::uint64_t>& PlacesOf(int kind, int m)
{
    thread_local std::array<std::vector<std::uint64_t>, kKinds * kListCount> drawn;
    std::vector<std::uint64_t>& places = drawn[static_cast<std::size_t>((kind - 1) * kListCount + m - 1)];
    if (places.empty()) {
        Tessalo picture;
        picture.Form_Load();
        picture.ChooseOption(kind - 1);
        picture.List1(0).ListIndex = m - 1;
        picture.Command1_Click(1);
        ForEachVisibleCell(picture.Shape1, [&](int, const Cell& cell) { places.push_back(Place(cell)); });
    }
    return places;
}

// The step from which each visible cell of a board showing the picture for n
// stands: the smallest m whose picture holds its place. The pictures are drawn by
// the same arithmetic from the same origin, so a place that stays has exactly the
// same float position, and each picture holds the one before it.
class Steps {
public:
    Steps(const Tessalo& form, int n) : form_(form), n_(n), step_(static_cast<std::size_t>(form.Shape1.End()), 0)
    {
        places_.reserve(static_cast<std::size_t>(form.Shape1.Count()));
        ForEachVisibleCell(form.Shape1, [&](int index, const Cell& cell) {
            places_.emplace_back(Place(cell), index);
            step_[static_cast<std::size_t>(index)] = n;
        });
        std::sort(places_.begin(), places_.end());
    }

    // Marks the cells at the places of the picture for m (1 <= m < n), called with m descending.
    void Mark(int m)
    {
        for (const std::uint64_t place : PlacesOf(form_.ProofKind, m)) {
            const auto at = std::lower_bound(places_.begin(), places_.end(), std::pair(place, -1));
            if (at != places_.end() && at->first == place)
                step_[static_cast<std::size_t>(at->second)] = m;
        }
    }

    // The visible cells whose step lies in first..last, ascending.
    std::vector<int> Between(int first, int last) const
    {
        std::vector<int> cells;
        cells.reserve(places_.size());
        for (std::size_t i = 0; i < step_.size(); ++i) {
            if (step_[i] >= first && step_[i] <= last)
                cells.push_back(static_cast<int>(i));
        }
        return cells;
    }

    // Every visible cell in the order the induction makes them: the picture for 1,
    // then what each step to 2, 3, .., n adds, each part in index order. The odd
    // numbers' square grows band by band, the inverted staircase diagonal by diagonal.
    // Needs every m marked.
    std::vector<int> InOrder() const
    {
        std::vector<int> order = Between(1, n_);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return step_[static_cast<std::size_t>(a)] < step_[static_cast<std::size_t>(b)];
        });
        return order;
    }

    // The argument with its cells; needs m = n - 1 and m = 1 marked.
    InductionArgument Argument() const
    {
        return ArgumentWithCells(form_.ProofKind, n_,
                                 {Between(1, n_), Between(1, 1), Between(1, n_ - 1), Between(n_, n_)});
    }

private:
    const Tessalo& form_;
    int n_;
    std::vector<int> step_;  // by Shape1 index; 0: not visible
    std::vector<std::pair<std::uint64_t, int>> places_;  // (place, index), sorted
};

// Marks the pictures for n - 1 and 1, which the argument counts.
Steps StepsForArgument(const Tessalo& form, int n)
{
    Steps steps(form, n);
    if (n > 1)
        steps.Mark(n - 1);
    if (n > 2)
        steps.Mark(1);
    return steps;
}

// Whether the board shows the picture for n: the same visible cells at the same places.
bool ShowsPicture(const Tessalo& form, int n)
{
    const Tessalo picture = PictureForN(form, n);
    int shown = 0;
    ForEachVisibleCell(form.Shape1, [&](int, const Cell&) { ++shown; });
    int drawn = 0;
    ForEachVisibleCell(picture.Shape1, [&](int, const Cell&) { ++drawn; });
    return shown == drawn && AddedCells(picture, form).empty();
}

// The view without its rows.
LessonView ViewAfter(const Tessalo& form, LessonCommand command, int nBefore, const LessonView& previous)
{
    LessonView view;
    const int n = ChosenN(form);
    const bool drawn = n >= 1 && form.ProofKind >= 1 && form.ProofKind <= 6;

    switch (command) {
    case LessonCommand::Show:
        view.spoken = SpokenResult(Spoken::Show, form);
        if (drawn) {
            Steps steps(form, n);
            for (int m = n - 1; m >= 1; --m)
                steps.Mark(m);
            view.argument = steps.Argument();
            view.buildOrder = steps.InOrder();
            return view;
        }
        break;
    case LessonCommand::Clear: view.spoken = SpokenResult(Spoken::Clear, form); break;
    case LessonCommand::StepUp:
    case LessonCommand::StepDown: {
        const Spoken what = command == LessonCommand::StepUp ? Spoken::StepUp : Spoken::StepDown;
        if (!drawn) {
            view.spoken = SpokenResult(what, form, &form);
            break;
        }
        const Steps steps = StepsForArgument(form, n);
        view.argument = steps.Argument();
        if (n == nBefore) {
            // at an end: the same picture again, its frames kept
            view.spoken = SpokenAfterStep(what, form, 0);
            view.framed = previous.framed;
        } else if (what == Spoken::StepUp) {
            // measured against the picture for n - 1, whatever the board showed before
            view.framed = steps.Between(n, n);
            view.spoken = SpokenAfterStep(what, form, view.framed.size());
            view.buildOrder = view.framed;
        } else {
            const Tessalo next = PictureForN(form, n + 1);
            view.spoken = SpokenResult(what, form, &next);
        }
        return view;
    }
    case LessonCommand::Choice:
    case LessonCommand::IdentityChoice: {
        // the board may still show another picture: its cells then count for nothing here
        const bool shows = drawn && ShowsPicture(form, n);
        if (command == LessonCommand::IdentityChoice)
            view.spoken = SpokenChoice(form, shows);
        if (shows) {
            view.argument = StepsForArgument(form, n).Argument();
            return view;
        }
        break;
    }
    }
    view.argument = ArgumentLines(form.ProofKind, n);
    return view;
}

}  // namespace

LessonView LessonStep(const Tessalo& form, LessonCommand command, int nBefore, const LessonView& previous)
{
    LessonView view = ViewAfter(form, command, nBefore, previous);
    view.rows = ExploreRows(form, view.framed);
    return view;
}
