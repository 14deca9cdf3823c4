// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// Initial texts of the two text boxes, UTF-8, every line ended by CR LF.
extern const std::string_view kMethodText;
extern const std::string_view kQuotation;
