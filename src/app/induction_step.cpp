// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/induction_step.h"

#include "app/visible_cells.h"
#include "runtime/numbers.h"

#include <algorithm>
#include <utility>

std::vector<int> AddedCells(const Tessalo& previous, const Tessalo& current)
{
    // Both pictures are drawn by the same arithmetic from the same origin, so a
    // cell that stays where it was has exactly the same float position.
    using Position = std::pair<float, float>;
    std::vector<Position> held;
    held.reserve(static_cast<std::size_t>(previous.Shape1.Count()));
    ForEachVisibleCell(previous.Shape1, [&](int, const Cell& cell) { held.emplace_back(cell.Left, cell.Top); });
    std::sort(held.begin(), held.end());

    std::vector<int> added;
    ForEachVisibleCell(current.Shape1, [&](int index, const Cell& cell) {
        if (!std::binary_search(held.begin(), held.end(), Position{cell.Left, cell.Top}))
            added.push_back(index);
    });
    return added;
}

int ChosenN(const Tessalo& form)
{
    const ListBox& list = form.List1(0);
    return list.ListIndex < 0 ? 0 : static_cast<int>(Val(list.List(list.ListIndex)));
}

void StepN(Tessalo& form, int delta)
{
    ListBox& list = form.List1(0);
    if (list.ListIndex >= 0) {
        const long long target = static_cast<long long>(list.ListIndex) + delta;
        list.ListIndex = static_cast<int>(std::clamp<long long>(target, 0, list.ListCount() - 1));
    } else if (delta > 0) {
        // A presenter's first "next" starts the lesson at n = 1; "back" from
        // nothing has nowhere to go, and Show below then does nothing either.
        list.ListIndex = 0;
    }
    form.Command1_Click(1);
}

Tessalo PictureForN(const Tessalo& form, int n)
{
    Tessalo picture;
    picture.Form_Load();
    picture.ChooseOption(form.ProofKind - 1);
    if (n >= 1 && n <= picture.List1(0).ListCount()) {
        picture.List1(0).ListIndex = n - 1;
        picture.Command1_Click(1);
    }
    return picture;
}
