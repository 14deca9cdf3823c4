// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"

class QPlainTextEdit;

// Lets screen readers read a read-only text box in words ("n по скоба, n плюс 1,
// затваряме скобата върху 2") while it shows its formulas ("n*(n+1)/2"): its
// accessible text is the shown text said line for line, and the caret is on the
// same line of both, so that a reader moving line by line hears the line it
// sees. Call before a screen reader first asks for the box, and again when the
// language changes.
void ReadInWords(QPlainTextEdit& box, Language language);
