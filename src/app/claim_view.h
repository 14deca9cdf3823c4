// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/board_picture.h"
#include "app/texts.h"
#include "identities/further_identity.h"

#include <string>
#include <string_view>
#include <vector>

// "Where does the proof break?": a claimed right-hand side for an identity's
// sum, checked as its proof goes, as every front end shows it.
struct ClaimView {
    // One line saying what is wrong with what was typed, and where; the rest is
    // then empty.
    std::string problem;
    // The claim's proof: the claim, the base with numbers, the hypothesis, the
    // step's chain, which part breaks, and from which n the claim is false.
    std::vector<std::string> lines;
    int n = 0;           // the picture's n: the first false one, or the one asked for
    BoardPicture board;  // the picture for n, what the claim leaves out or adds marked
    std::string spoken;  // which part breaks, in words, for a screen reader
};

// The claim `typed` (in n) about the sum of identity `kind` (1..11, the
// progression for 8); its picture at `n`, or where 0 at the first n at which
// it is false (1 for a true claim).
ClaimView ViewClaim(int kind, Progression progression, std::string_view typed, int n, Language language);
