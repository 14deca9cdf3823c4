// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/induction_argument.h"
#include "identities/further_identity.h"

// The proof by induction of a further identity as a teacher writes it, made
// from its description: the statement and the goal, the base with numbers, the
// hypothesis, the step's chain from P(k + 1)'s left side to its right side, the
// conclusion; for a picture of n >= 2 the same chain with its numbers (k = n - 1)
// and what the step adds. The cells are the picture's, in its order.
InductionArgument FurtherArgument(const FurtherIdentity& identity, int n, Language language = Language::bg);
