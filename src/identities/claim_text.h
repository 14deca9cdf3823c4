// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identities/claim_check.h"
#include "identities/claim_parser.h"

#include <string>
#include <string_view>
#include <vector>

// The left-hand side of identity `kind` (1..11) in `letter`, as a teacher writes
// it: "2 + 4 + … + 2k"; with `next`, up to the term for letter + 1.
std::string WrittenLeft(int kind, Progression progression, char letter, bool next = false);

// The sum for n written out with numbers, as the identity writes its terms: "2 + 4 + 6", "1³ + 2³".
std::string WrittenTerms(const FurtherIdentity& identity, int n);

// The sum for m written out with its value, beneath a picture of the strip: "2 + 4 + 6 = 12".
std::string FurtherStepSum(const FurtherIdentity& identity, int m);

// The proof of a claimed right-hand side `typed` (in n) for identity `kind`,
// as the proof would go: the claim, its base with numbers, the hypothesis, the
// step's chain from P(k + 1)'s left side to where the hypothesis leads, equal
// or not to the claim for k + 1, and the verdict: which part breaks, and the
// first n at which the picture's count and the claim differ.
std::vector<std::string> ClaimLines(int kind, Progression progression, std::string_view typed, const ClaimCheck& check,
                                    Language language);

// One line saying what is wrong with a typed claim and where: "Колона 4: …".
std::string ClaimProblemText(const ClaimParse& parse, Language language);

// The proof text of further identity `identity` at n: its statement, and the
// sum for n written out with its value: "2 + 4 + 6 = 3·4 = 12".
std::string FurtherProofText(const FurtherIdentity& identity, int n, Language language);
