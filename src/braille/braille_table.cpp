// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes every text the page puts into braille, with its braille, as JSON:
// {"bg": {"text": "braille ASCII", ...}, "en": {...}}. The page has no liblouis
// of its own: this table, made with the window's, gives it the same braille.
#include "app/braille_file.h"
#include "app/tactile_sheet.h"
#include "braille/braille_text.h"

#include <cstdio>
#include <map>
#include <string>

namespace {

std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

}  // namespace

int main()
{
    std::map<std::string, std::string> table[kLanguageCount];
    bool failed = false;
    const auto keep = [&](std::string_view text, Language language) {
        const auto cells = ToBraille(text, language);
        failed = failed || !cells;
        std::string ascii;
        for (const char32_t cell : cells.value_or(std::u32string()))
            ascii += BrailleAscii(cell);
        table[static_cast<std::size_t>(language)][std::string(text)] = ascii;
        return cells.value_or(std::u32string());
    };
    for (std::size_t l = 0; l < kLanguageCount; ++l) {
        const auto language = static_cast<Language>(l);
        for (int kind = 1; kind <= 6; ++kind) {
            for (int n = 1; n <= 11; ++n) {
                for (const Paper paper : {Paper::A4, Paper::Letter})
                    LayOutTactileSheet(kind, n, language, paper, keep);
                for (const std::string& line : ProofForBraille(kind, n, language))
                    keep(line, language);
            }
        }
        // the identities beside the form's six; a sheet's texts are the same for every
        // progression, and its proof, which names a and d, is here for a = d = 1 alone:
        // its 24 other pairs would make the table three times as large
        for (int kind = kFirstFurtherKind; kind <= kLastFurtherKind; ++kind) {
            const FurtherIdentity identity = DescribeFurther(kind);
            for (int n = 1; n <= identity.maxN; ++n) {
                for (const Paper paper : {Paper::A4, Paper::Letter})
                    LayOutTactileSheet(identity, n, language, paper, keep);
                for (const std::string& line : ProofForBraille(identity, n, language))
                    keep(line, language);
            }
        }
    }
    if (failed) {
        std::fputs("liblouis could not make braille: are its tables (liblouis-data) installed?\n", stderr);
        return 1;
    }
    std::string json = "{";
    for (std::size_t l = 0; l < kLanguageCount; ++l) {
        json += (l ? ",\n" : "") + Quoted(std::string(CodeOf(static_cast<Language>(l)))) + ": {";
        const char* comma = "\n";
        for (const auto& [text, braille] : table[l]) {
            json += comma + Quoted(text) + ": " + Quoted(braille);
            comma = ",\n";
        }
        json += "}";
    }
    std::fputs((json + "}\n").c_str(), stdout);
    return 0;
}
