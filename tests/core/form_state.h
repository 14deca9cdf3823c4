// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/tessalo.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Everything a user can see of the form, plus its fields, to compare two moments.
struct FormState {
    std::int16_t LeftMargin, TopMargin, ProofKind, CellTotal, CellIndex;
    std::string text;
    int listIndex;
    std::vector<bool> options;
    std::vector<std::optional<Cell>> cells;  // none where no element is loaded

    friend bool operator==(const FormState&, const FormState&) = default;
};

inline FormState Capture(const Tessalo& form)
{
    FormState state{form.LeftMargin, form.TopMargin, form.ProofKind, form.CellTotal,
                    form.CellIndex,  form.Text1(0).Text, form.List1(0).ListIndex, {}, {}};
    for (int i = 0; i < form.Option1.Count(); ++i)
        state.options.push_back(form.Option1(i).Value);
    int found = 0;
    for (int i = 0; i < form.Shape1.End(); ++i) {
        state.cells.push_back(form.Shape1.Exists(i) ? std::optional(form.Shape1(i)) : std::nullopt);
        found += form.Shape1.Exists(i);
    }
    EXPECT_EQ(found, form.Shape1.Count()) << "the board counts cells it does not hold";
    return state;
}

inline std::ostream& operator<<(std::ostream& out, const FormState& state)
{
    return out << "{kind " << state.ProofKind << ", CellTotal " << state.CellTotal << ", CellIndex "
               << state.CellIndex << ", list " << state.listIndex << ", " << state.cells.size()
               << " cell slots, text of " << state.text.size() << " bytes}";
}

// A form as the window has it after it opened.
inline Tessalo LoadedForm(Language language = Language::bg)
{
    Tessalo form(language);
    form.Form_Load();
    return form;
}
