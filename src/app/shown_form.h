// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/tessalo.h"

// The form as a user leaves it who opened the window, chose identity `kind`
// (1..6, in the radio buttons' order) and n (1..11), and pressed Show; its texts
// in `language`.
Tessalo ShownForm(int kind, int n, Language language = Language::bg);
