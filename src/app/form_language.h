// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/tessalo.h"

// Puts the form's texts into `to` where they stand: the labels' captions, the
// method text and the quotation, and the words of a proof text. The cells, n and
// the chosen identity stay, so the board shows the same picture.
void SwitchLanguage(Tessalo& form, Language to);

// What text box Text1(`box`) shows, `text`, in `to` instead of `from`: its fixed
// text (the method text, the quotation) whole, a proof's words at its lines' starts.
std::string TextInLanguage(std::string text, int box, Language from, Language to);
