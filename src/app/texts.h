// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core_texts.h"  // generated from translations/core/*.txt

#include <optional>
#include <string_view>

// The text `id` in `language`, UTF-8; a table look-up, cheap enough for any loop.
constexpr std::string_view Tr(Language language, TextId id)
{
    return kTexts[static_cast<std::size_t>(language)][static_cast<std::size_t>(id)];
}

// The key `id` has in the catalogues: "CommandSave".
constexpr std::string_view KeyOf(TextId id)
{
    return kTextKeys[static_cast<std::size_t>(id)];
}

// The code of `language`'s catalogue: "bg", "en".
constexpr std::string_view CodeOf(Language language)
{
    return kLanguageCodes[static_cast<std::size_t>(language)];
}

// The language of a catalogue's code ("bg", "en"); none for a code without one.
constexpr std::optional<Language> LanguageOfCode(std::string_view code)
{
    for (std::size_t i = 0; i < kLanguageCount; ++i) {
        if (kLanguageCodes[i] == code)
            return static_cast<Language>(i);
    }
    return std::nullopt;
}
