// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lesson_step.h"

#include "app/induction_step.h"
#include "app/layout.h"
#include "app/spoken_result.h"
#include "app/visible_cells.h"
#include "runtime/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

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
// the rising and falling sum, whose terms are the square's diagonals
constexpr int kDiagonalKind = 5;

// A place of identity kind's pictures and the first m (1..11) whose picture draws it.
using FirstStep = std::pair<std::uint64_t, int>;

// The places of all pictures of identity kind (1..6), each with the first m that
// draws it, sorted by place; drawn the first time they are asked for. A loaded
// form draws the same picture for the same kind and m every time, and drawing
// them again cost more than the rest of the lesson step.
const std::vector<FirstStep>& FirstSteps(int kind)
{
    thread_local std::array<std::vector<FirstStep>, kKinds> drawn;
    std::vector<FirstStep>& steps = drawn[static_cast<std::size_t>(kind - 1)];
    if (steps.empty()) {
        for (int m = 1; m <= kListCount; ++m) {
            Tessalo picture;
            picture.Form_Load();
            picture.ChooseOption(kind - 1);
            picture.List1(0).ListIndex = m - 1;
            picture.Command1_Click(1);
            ForEachVisibleCell(picture.Shape1, [&](int, const Cell& cell) { steps.emplace_back(Place(cell), m); });
        }
        std::sort(steps.begin(), steps.end());
        steps.erase(std::unique(steps.begin(), steps.end(),
                                [](const FirstStep& a, const FirstStep& b) { return a.first == b.first; }),
                    steps.end());
    }
    return steps;
}

// The step from which each visible cell of a board showing the picture for n
// stands: the smallest m whose picture holds its place, n for a place no
// picture before n holds. The pictures are drawn by the same arithmetic from the
// same origin, so a place that stays has exactly the same float position, and
// each picture holds the one before it.
class Steps {
public:
    Steps(const Tessalo& form, int n) : form_(form), n_(n), step_(static_cast<std::size_t>(form.Shape1.End()), 0)
    {
        const std::vector<FirstStep>& first = FirstSteps(form.ProofKind);
        ForEachVisibleCell(form.Shape1, [&](int index, const Cell& cell) {
            const std::uint64_t place = Place(cell);
            const auto at = std::lower_bound(first.begin(), first.end(), FirstStep(place, 0));
            const bool before = at != first.end() && at->first == place && at->second < n;
            step_[static_cast<std::size_t>(index)] = before ? at->second : n;
            ++visible_;
        });
    }

    // The visible cells whose step lies in first..last, ascending.
    std::vector<int> Between(int first, int last) const
    {
        std::vector<int> cells;
        cells.reserve(visible_);
        for (std::size_t i = 0; i < step_.size(); ++i) {
            if (step_[i] >= first && step_[i] <= last)
                cells.push_back(static_cast<int>(i));
        }
        return cells;
    }

    // Every visible cell in the order the induction makes them: the picture for 1,
    // then what each step to 2, 3, .., n adds, each part in index order. The odd
    // numbers' square grows band by band, the inverted staircase diagonal by diagonal.
    std::vector<int> InOrder() const
    {
        std::vector<int> order = Between(1, n_);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return step_[static_cast<std::size_t>(a)] < step_[static_cast<std::size_t>(b)];
        });
        return order;
    }

    // The argument with its cells.
    InductionArgument Argument() const
    {
        return ArgumentWithCells(form_.ProofKind, n_,
                                 {Between(1, n_), Between(1, 1), Between(1, n_ - 1), Between(n_, n_), Parts()},
                                 form_.language);
    }

private:
    // The terms the picture shows, by the cells' grid places counted from the
    // top-left cell: the square's diagonals r + c (the rising and falling sum),
    // the staircase's rows by length, the row of one first (the alternating squares).
    std::vector<std::vector<int>> Parts() const
    {
        const int kind = form_.ProofKind;
        if (kind != 5 && kind != 6)
            return {};
        std::vector<std::vector<int>> parts(static_cast<std::size_t>(kind == kDiagonalKind ? 2 * n_ - 1 : n_));
        const Cell& corner = form_.Shape1(0);
        if (!(corner.Width > 0 && corner.Height > 0))
            return {};
        ForEachVisibleCell(form_.Shape1, [&](int index, const Cell& cell) {
            const long row = std::lround((cell.Top - corner.Top) / corner.Height);
            const long column = std::lround((cell.Left - corner.Left) / corner.Width);
            const long part = kind == kDiagonalKind ? row + column : n_ - 1 - row;
            if (part >= 0 && part < static_cast<long>(parts.size()))
                parts[static_cast<std::size_t>(part)].push_back(index);
        });
        return parts;
    }


    const Tessalo& form_;
    int n_;
    std::vector<int> step_;  // by Shape1 index; 0: not visible
    std::size_t visible_ = 0;
};

// The visible cells of a board, in index order.
std::vector<Cell> VisibleCells(const ShapeArray& shapes)
{
    std::vector<Cell> cells;
    cells.reserve(static_cast<std::size_t>(shapes.Count()));
    ForEachVisibleCell(shapes, [&](int, const Cell& cell) { cells.push_back(cell); });
    return cells;
}

// Whether the board shows the picture for n: the same visible cells, in the same
// places and colours. The first three identities draw some of the same places in
// other colours.
bool ShowsPicture(const Tessalo& form, int n)
{
    const std::vector<Cell> shown = VisibleCells(form.Shape1);
    const std::vector<Cell> drawn = VisibleCells(PictureForN(form, n).Shape1);
    return std::is_permutation(shown.begin(), shown.end(), drawn.begin(), drawn.end());
}

// The view without its rows.
LessonView ViewAfter(const Tessalo& form, LessonCommand command, int nBefore, const LessonView& previous,
                     bool brief)
{
    LessonView view;
    const int n = ChosenN(form);
    const bool drawn = n >= 1 && form.ProofKind >= 1 && form.ProofKind <= 6;

    switch (command) {
    case LessonCommand::Show:
        view.spoken = SpokenResult(Spoken::Show, form);
        if (drawn) {
            const Steps steps(form, n);
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
        const Steps steps(form, n);
        view.argument = steps.Argument();
        std::size_t changed = 0;
        if (n == nBefore) {
            // at an end: the same picture again, its frames kept
            view.framed = previous.framed;
        } else if (what == Spoken::StepUp) {
            // measured against the picture for n - 1, whatever the board showed before
            view.framed = steps.Between(n, n);
            changed = view.framed.size();
            view.buildOrder = view.framed;
        } else {
            changed = AddedCells(form, PictureForN(form, n + 1)).size();
        }
        view.spoken = SpokenAfterStep(what, form, changed, brief);
        if (brief)
            view.whole = SpokenAfterStep(what, form, changed);
        return view;
    }
    case LessonCommand::Choice:
    case LessonCommand::IdentityChoice: {
        // the board may still show another picture: its cells then count for nothing here
        const bool shows = drawn && ShowsPicture(form, n);
        if (command == LessonCommand::IdentityChoice)
            view.spoken = SpokenChoice(form, shows);
        if (shows) {
            view.argument = Steps(form, n).Argument();
            return view;
        }
        break;
    }
    }
    view.argument = ArgumentLines(form.ProofKind, n, form.language);
    return view;
}

}  // namespace

LessonView LessonStep(const Tessalo& form, LessonCommand command, int nBefore, const LessonView& previous,
                      int kindBefore)
{
    LessonView view = ViewAfter(form, command, nBefore, previous, kindBefore != 0 && kindBefore == form.ProofKind);
    view.rows = ExploreRows(form, view.framed);
    // the odd numbers' square is as square, but its bands are no diagonals: the corner
    // of 1 is "ред 1, колона 1" there
    SayCountedCells(view, form.ProofKind == kDiagonalKind);
    return view;
}

void SayCountedCells(LessonView& view, bool byDiagonals)
{
    // a line that counts some of the cells says which, for a pupil who cannot see its rings
    const PictureRows diagonals = byDiagonals ? Diagonals(view.rows) : PictureRows{};
    for (ArgumentLine& line : view.argument.lines) {
        const std::string counted = CountedWords(view.rows, diagonals, line.cells);
        if (!counted.empty())
            line.spoken += (line.spoken.ends_with('.') ? " " : ". ") + counted;
    }
}
