// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's tactile sheet and proof in braille, laid out by the core as the
// window's are. The page has no liblouis: its braille comes from the table the
// build made with the window's (braille.json), which the page's script fetches
// and hands to the module before it asks.
#include "web/tessalo_c.h"

#include "web/page_state.h"

#include "app/braille_file.h"
#include "app/layout.h"
#include "app/tactile_sheet.h"

#include <emscripten.h>

#include <cstdlib>
#include <string>
#include <vector>

// The braille ASCII of `text` in the table for `code`, in memory the caller frees; null when
// the table lacks it.
EM_JS(char*, tessalo_braille_ascii, (const char* text, const char* code), {
  const table = Module.brailleTable && Module.brailleTable[UTF8ToString(code)];
  const braille = table ? table[UTF8ToString(text)] : undefined;
  return braille === undefined ? 0 : allocateUTF8(braille);
});

namespace {

int misses = 0;

std::u32string TableBraille(std::string_view text, Language language)
{
    char* ascii = tessalo_braille_ascii(std::string(text).c_str(), std::string(CodeOf(language)).c_str());
    if (ascii == nullptr) {
        ++misses;
        return {};
    }
    std::u32string cells;
    for (const char* c = ascii; *c != '\0'; ++c)
        cells += BrailleCell(*c);
    std::free(ascii);
    return cells;
}

const char* Kept(std::string text)
{
    ThePage().handoutText = std::move(text);
    return ThePage().handoutText.c_str();
}

}  // namespace

extern "C" {

const char* tessalo_tactile_svg(int letter)
{
    const auto drawn = ThePage().lesson.DrawnPicture();
    if (!drawn.kind)
        return "";
    misses = 0;
    const Paper paper = letter ? Paper::Letter : Paper::A4;
    if (const FurtherIdentity* further = ThePage().lesson.Further()) {
        const auto sheet = LayOutTactileSheet(*further, drawn.n, PageLanguage(), paper, TableBraille);
        return sheet ? Kept(TactileSvg(*sheet)) : "";
    }
    return Kept(TactileSvg(
        LayOutTactileSheet(drawn.kind, drawn.n, PageLanguage(), letter ? Paper::Letter : Paper::A4, TableBraille)));
}

const char* tessalo_proof_brf(void)
{
    const auto drawn = ThePage().lesson.DrawnPicture();
    if (!drawn.kind)
        return "";
    misses = 0;
    std::vector<std::u32string> lines;
    const FurtherIdentity* further = ThePage().lesson.Further();
    for (const std::string& line : further ? ProofForBraille(*further, drawn.n, PageLanguage())
                                           : ProofForBraille(drawn.kind, drawn.n, PageLanguage()))
        lines.push_back(TableBraille(line, PageLanguage()));
    return Kept(BrfPages(lines));
}

int tessalo_tactile_largest_n(int letter)
{
    const FurtherIdentity* further = ThePage().lesson.Further();
    return further ? LargestTactileN(*further, PageLanguage(), letter ? Paper::Letter : Paper::A4, TableBraille)
                   : kListCount;
}

int tessalo_braille_misses(void)
{
    return misses;
}

}  // extern "C"
