// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"

#include <optional>
#include <string>
#include <string_view>

// Texts in braille, uncontracted, as Unicode braille patterns: liblouis's
// Bulgarian table for Bulgarian and its uncontracted UEB table for English,
// with the mathematics its Bulgarian table lacks (², ·, −, ≥, ...) written in
// the signs of its Serbian, Russian and German tables, neighbours in the same
// tradition. None when liblouis or its tables are missing.
std::optional<std::u32string> ToBraille(std::string_view text, Language language);

// Print text again from braille, as liblouis reads it back; none on failure.
std::optional<std::string> FromBraille(std::u32string_view cells, Language language);
