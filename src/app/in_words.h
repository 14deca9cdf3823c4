// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"

#include <string>
#include <string_view>

// A line of the argument as a screen reader should say it: every sign in words,
// and what a teacher groups grouped aloud. A square of a parenthesis is "the
// square of" what it holds, so that "n² − (n − 1)²" is heard as n squared minus
// the square of n minus 1, never n² − n − 1²; a parenthesis or bracket closes
// with a pause.
std::string InWords(std::string_view text, Language language);

// A text of several lines in words, line for line (each line ends in a line
// feed but the last), so that a reader's place in the shown text is the same
// line here: the proof's text box, the quotation, the window's captions.
std::string InWordsByLine(std::string_view text, Language language);
