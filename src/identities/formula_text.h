// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// A formula as typed ("n(n+1)/2", "2^(k-1)", "k*2") written as a teacher writes
// it: "n(n + 1)/2", "2ᵏ⁻¹", "k·2", the minus sign "−", no-break spaces about
// + and −, so that a formula never breaks inside.
std::string WrittenFormula(std::string_view typed);

// The same with `value` in place of `letter`, each bracket of numbers alone
// worked out: "n(n+1)/2" for 3 is "3·4/2", "(n(n+1)/2)^2" is "6²".
std::string FormulaWithNumber(std::string_view typed, char letter, long value);

// A typed formula in plain signs, as WrittenFormula reads it: "2ⁿ⁺¹ − 1" is
// "2^(n+1) - 1", "3·n²" is "3*n^2", ',' the decimal point '.', N is n.
std::string PlainFormula(std::string_view typed);

// `typed` with each letter `from` turned into `to`: a formula in n as one in k.
std::string Relettered(std::string typed, char from, char to);
