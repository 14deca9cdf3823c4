// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/runtime_error.h"

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error("Run-time error '" + std::to_string(number) + "': " + description),
      number_(number)
{
}
