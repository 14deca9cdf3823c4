// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "identities/further_identity.h"

#include <optional>

class QWidget;

// Asks for the progression's first term a and difference d, 1 to 5 each,
// starting at `current`; none when the teacher cancels.
std::optional<Progression> AskProgression(QWidget& parent, Progression current);
