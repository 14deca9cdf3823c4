// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/tessalo.h"

#include <string>
#include <string_view>

// The commands after which a screen reader is told what the board shows.
enum class Spoken { Show, StepUp, StepDown, Clear };

// Every sentence below is written to be spoken: operators in words, no character
// that a screen reader's punctuation level reads out or drops, n said as "n е 5".

// One sentence (UTF-8, in the form's language) about `form` right after `what`: after a step its
// news first ("Стъпката добави 5 кръга."), then the identity, n, the arrangement
// and meaningful colours, and the sum with the number of cells; after a step up
// to n >= 2 the step's arithmetic ("10 плюс 5 прави 15, ...") instead of the sum.
// `before` is the form as it was before a step.
std::string SpokenResult(Spoken what, const Tessalo& form, const Tessalo* before = nullptr);

// The same after a step, with `changed` the number of cells it added or removed
// already counted. `brief`: the board showed the same identity before, which
// the pupil has heard: only the news, n and the sum ("Стъпката добави 5 кръга.
// n е 5, общо 15."), about 4 s at a screen reader's usual rate.
std::string SpokenAfterStep(Spoken what, const Tessalo& form, std::size_t changed, bool brief = false);

// After choosing identity form.ProofKind, whose radio button has said its name:
// while the board shows another picture, what Show will draw ("Изведи ще
// начертае стълба от кръгове в 4 реда."); else nothing. `showsChosen`: the
// board already shows the chosen identity for the chosen n.
std::string SpokenChoice(const Tessalo& form, bool showsChosen);

// The one name of identity `kind` (1..6) its sentences and its radio button's
// accessible name use; empty outside 1..6.
std::string_view SpokenIdentityName(int kind, Language language = Language::bg);

// Identity `kind` (1..6) in words, as its radio button's caption reads aloud
// ("1 плюс 2 плюс и така нататък плюс n равно на n по n плюс 1 върху 2"); empty
// outside 1..6.
std::string_view SpokenFormula(int kind, Language language = Language::bg);
