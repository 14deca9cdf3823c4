#include "app/lesson_step.h"

#include "app/induction_step.h"
#include "app/spoken_result.h"
#include "app/visible_cells.h"
#include "board/numbers.h"

#include <algorithm>
#include <utility>

namespace {

// The chosen n, 0 for none.
int ChosenN(const Tessalo& form)
{
    const ListBox& list = form.List1(0);
    return list.ListIndex < 0 ? 0 : static_cast<int>(Val(list.List(list.ListIndex)));
}

bool KnownKind(const Tessalo& form)
{
    return form.ProofKind >= 1 && form.ProofKind <= 6;
}

// Whether the board shows `picture`: the same visible cells at the same places.
bool Shows(const Tessalo& form, const Tessalo& picture)
{
    int count = 0;
    ForEachVisibleCell(form.Shape1, [&](int, const Cell&) { ++count; });
    int expected = 0;
    ForEachVisibleCell(picture.Shape1, [&](int, const Cell&) { ++expected; });
    return count == expected && AddedCells(picture, form).empty();
}

// Every visible cell in the order the induction makes them: the picture for 1,
// then what each step to 2, 3, .., n adds, each part in index order. The odd
// numbers' square grows band by band, the inverted staircase diagonal by diagonal.
std::vector<int> InductionOrder(const Tessalo& form, int n)
{
    std::vector<std::pair<int, int>> staged;  // (step that adds the cell, index)
    staged.reserve(static_cast<std::size_t>(form.Shape1.Count()));
    ForEachVisibleCell(form.Shape1, [&](int index, const Cell&) { staged.emplace_back(n, index); });
    // the pictures are nested, so each cell belongs to every picture from its step on
    for (int m = n - 1; m >= 1; --m) {
        const std::vector<int> added = AddedCells(PictureForN(form, m), form);
        for (auto& [step, index] : staged) {
            if (step == m + 1 && !std::binary_search(added.begin(), added.end(), index))
                step = m;
        }
    }
    std::sort(staged.begin(), staged.end());
    std::vector<int> order;
    order.reserve(staged.size());
    for (const auto& [step, index] : staged)
        order.push_back(index);
    return order;
}

}  // namespace

LessonView LessonStep(const Tessalo& form, LessonCommand command, int nBefore, const LessonView& previous)
{
    LessonView view;
    const int n = ChosenN(form);
    const bool drawn = n >= 1 && KnownKind(form);
    // what the step to n added: the picture for n - 1 by position, the rest
    const auto addedToN = [&] { return AddedCells(PictureForN(form, n - 1), form); };

    switch (command) {
    case LessonCommand::Show:
        view.spoken = SpokenResult(Spoken::Show, form);
        if (drawn) {
            view.argument = ArgumentWithCells(form, addedToN());
            view.buildOrder = InductionOrder(form, n);
            return view;
        }
        break;
    case LessonCommand::Clear: view.spoken = SpokenResult(Spoken::Clear, form); break;
    case LessonCommand::StepUp:
    case LessonCommand::StepDown: {
        const bool up = command == LessonCommand::StepUp;
        const Spoken what = up ? Spoken::StepUp : Spoken::StepDown;
        if (n == nBefore) {
            // at an end: the same picture again, its frames kept
            view.spoken = SpokenResult(what, form, &form);
            view.framed = previous.framed;
            if (!drawn)
                break;
            view.argument = ArgumentWithCells(form, addedToN());
            return view;
        }
        // measured against the picture for the n next to this one, whatever the board showed
        const Tessalo neighbour = PictureForN(form, up ? n - 1 : n + 1);
        view.spoken = SpokenResult(what, form, &neighbour);
        if (up) {
            view.framed = AddedCells(neighbour, form);
            view.argument = ArgumentWithCells(form, view.framed);
            view.buildOrder = view.framed;
        } else {
            view.argument = ArgumentWithCells(form, addedToN());
        }
        return view;
    }
    case LessonCommand::Choice:
        // the board may still show another picture: its cells then count for nothing here
        if (drawn) {
            if (Shows(form, PictureForN(form, n))) {
                view.argument = ArgumentWithCells(form, addedToN());
                return view;
            }
        }
        break;
    }
    view.argument = ArgumentLines(form.ProofKind, n);
    return view;
}
