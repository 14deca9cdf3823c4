// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's texts in words for a screen reader, as the window gives them:
// the captions, the proof's text box, the board's description and any text
// the page shows with signs (a claim as typed, a row of the key list).
#include "web/tessalo_c.h"

#include "web/page_state.h"

#include "app/in_words.h"
#include "app/lesson.h"
#include "app/spoken_result.h"

#include <string>

extern "C" {

const char* tessalo_caption_words(int caption, int language)
{
    if (caption < 0 || caption > 14 || language < 0 || language >= static_cast<int>(kLanguageCount))
        return Said({});
    const auto in = static_cast<Language>(language);
    if (caption >= 3)
        return Said(std::string(caption >= 9 ? SpokenIdentityName(caption - 8, in) : SpokenFormula(caption - 2, in)));
    if (caption == 2)
        return Said(InWordsByLine(Tr(in, TextId::Quotation), in));
    return Said(InWords(Tr(in, caption == 0 ? TextId::WindowCaption : TextId::FrameCaption), in));
}

const char* tessalo_in_words(const char* text)
{
    return Said(InWords(text ? text : "", PageLanguage()));
}

const char* tessalo_proof_words(void)
{
    return Said(InWordsByLine(ThePage().lesson.ProofText(), PageLanguage()));
}

const char* tessalo_board_words(void)
{
    return Said(ThePage().lesson.BoardWords());
}

}  // extern "C"
