// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/fixed_texts.h"

#include "app/texts.h"

const std::string_view kMethodText = Tr(Language::bg, TextId::MethodText);
const std::string_view kQuotation = Tr(Language::bg, TextId::Quotation);
