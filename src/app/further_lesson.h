// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/lesson_step.h"
#include "identities/further_identity.h"

#include <string>

// What a lesson shows of an identity beside the form's six, the way LessonStep
// makes it for the form's: the form's list chooses n, its buttons and steps
// draw, but the picture, the argument and the sentences are the identity's.

// The view after `command` at the list's n (0: none), `drawnN` the n of the
// picture on the board after it (0: none), `nBefore` the n before it and
// `previous` the view before it; `brief`: a step of the picture already shown
// says only what changed, and Show of an identity chosen by its name what it drew.
LessonView FurtherStep(const FurtherIdentity& identity, int n, int drawnN, LessonCommand command, int nBefore,
                       const LessonView& previous, bool brief, Language language);

// Whether the identity has a picture for n.
bool DrawsFurther(const FurtherIdentity& identity, int n);

// The proof text for the picture at n, its lines ended by CR LF as the form's
// text box has them; "" where it has no picture.
std::string FurtherText(const FurtherIdentity& identity, int n, Language language);

// The rows of the picture for n as the class sees it while it guesses the step:
// without the step's cells.
PictureRows FurtherRowsBefore(const FurtherIdentity& identity, int n, Language language);

// Said as the identity is chosen: its name and what it states, in words.
std::string FurtherChosenWords(const FurtherIdentity& identity, Language language);
