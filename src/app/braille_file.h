// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identities/further_identity.h"

#include "app/texts.h"

#include <string>
#include <vector>

// A braille file (BRF) as embossers and braille displays take it: ASCII
// braille, pages of 25 lines of at most 40 cells.
inline constexpr std::size_t kBrfCells = 40;
inline constexpr std::size_t kBrfLines = 25;

// What the proof of identity `kind` (1..6) at n says in braille: the proof
// text's lines, an empty line, the induction argument's lines.
std::vector<std::string> ProofForBraille(int kind, int n, Language language);
// The same for a proof text (lines in CR LF) and an argument's lines.
std::vector<std::string> ProofForBraille(const std::string& proof, const std::vector<std::string>& argument);
// The same for an identity beside the form's six at n.
std::vector<std::string> ProofForBraille(const FurtherIdentity& identity, int n, Language language);

// A braille cell as braille ASCII ('A' for dot 1), and back.
char BrailleAscii(char32_t cell);
char32_t BrailleCell(char ascii);

// Braille lines (Unicode braille patterns) laid out as a BRF file: a line too
// long goes on, indented by two cells, on the next; a form feed parts the pages,
// lines in CR LF.
std::string BrfPages(const std::vector<std::u32string>& lines);
