// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/induction_argument.h"
#include "app/texts.h"

#include <string>
#include <vector>

// The proof by induction of identity `kind` (1..6) for n as a pupil's
// worksheet: every line as the argument writes it, but where the pupil writes
// (the hypothesis's right-hand side, the term the step adds, the step's algebra
// in letters and with the picture's numbers) that part is a blank of
// underscores as long as what it hides; a hint after it ("(по допускането)")
// stays. With `answers`, the lines whole: the answer sheet.
std::vector<std::string> WorksheetLines(int kind, int n, Language language, bool answers);
// The same for the lines of any identity's argument.
std::vector<std::string> WorksheetLines(const InductionArgument& argument, bool answers);
// The sheet's heading: "Работен лист, n = 4", or "Отговори, n = 4" over the answers.
std::string WorksheetHeading(int n, Language language, bool answers);
