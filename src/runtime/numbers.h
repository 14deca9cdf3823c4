// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// 16-bit signed arithmetic of the form's counters: a result outside
// -32768..32767 raises the overflow error instead of wrapping.
std::int16_t CheckedInt16(long value);

// The leading decimal number of a text (spaces before it skipped), 0 if none.
double Val(std::string_view text);

// Appends a number in its shortest decimal form: "3", "121", "2092.5".
void AppendNumber(std::string& text, double value);
