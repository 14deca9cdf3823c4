// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "web/tessalo_c.h"

#include "app/board_picture.h"
#include "app/claim_view.h"
#include "app/lesson.h"
#include "app/picture_sound.h"
#include "app/picture_walk.h"

#include <string>
#include <vector>

// The page's lesson and what the page reads of it between two events.
struct Page {
    explicit Page(Language language) : lesson(language) {}
    Lesson lesson;
    std::vector<TessaloCell> cells;
    std::vector<TessaloItem> items;
    std::string stem;
    std::string argumentText;
    std::string error;
    std::string said;  // the last row's or cell's words asked for
    std::string handoutText;  // the last handout's text asked for
    std::vector<std::string> worksheet;
    PictureSound sound;
    PictureWalk walk;
    ClaimView claim;        // the last claim checked
    std::string claimText;  // the last claim's text asked for
};

// The page's one lesson, made on first use; what it shows after the last event.
Page& ThePage();
const LessonView& View();
// The language every text the page is given is in.
Language PageLanguage();
// Keeps words for the page until it asks for other words; what it keeps.
const char* Said(std::string words);
// Lists `picture` for tessalo_picture_items; how many items it has.
int ListItems(const BoardPicture& picture);
