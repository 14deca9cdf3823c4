// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identities/expression.h"
#include "identities/further_identity.h"

#include <string>
#include <vector>

// How an identity's left-hand side S goes from k to k + 1 as its proof's step
// takes it, S(k + 1) = added(k) + sign·S(k), and S(1): what a claim about S is
// checked against.
struct SumRule {
    long long base = 1;
    std::string added;  // in k
    int sign = 1;       // -1: the alternating squares, (k + 1)² less the sum for k
    int maxN = 11;
};

// The rule of identity `kind` (1..11); any other kind: none (maxN 0).
SumRule RuleOf(int kind, Progression progression = {});

// S(n) by the rule, exactly.
Fraction SumAt(const SumRule& rule, int n);

// A claimed right-hand side f checked as the proof checks it: the base f(1) = S(1);
// the step, f(k + 1) = added(k) + sign·f(k) for every k, an identity in k.
struct ClaimCheck {
    bool baseHolds = false;
    bool stepHolds = false;
    Fraction claimedBase;       // f(1)
    Expression fromHypothesis;  // added(k) + sign·f(k): where the hypothesis leads, in k
    Expression claimedNext;     // f(k + 1): where the step must lead
    int firstFalse = 0;         // the least n (1..maxN) with f(n) != S(n); 0: none
};
// Throws std::overflow_error where the claim's numbers outgrow exact fractions.
ClaimCheck CheckClaim(const SumRule& rule, const Expression& claimed);

// The false claims the lesson offers for identity `kind` (1..11), typed as a pupil
// would, in n; each has only its base or only its step.
std::vector<std::string> BrokenClaims(int kind, Progression progression = {});

// An expression written out in `letter`, its terms from the highest power down:
// "5k − 1", "k²/2 + k/2", "2·2ᵏ − 1".
std::string WrittenExpression(const Expression& value, char letter);
