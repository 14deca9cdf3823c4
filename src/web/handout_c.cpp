// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's handouts and sound: what the page prints and plays, from the
// same core calls as the window's.
#include "web/tessalo_c.h"

#include "web/page_state.h"

#include "app/handout_sheet.h"
#include "app/induction_argument.h"
#include "app/picture_sound.h"
#include "app/worksheet.h"
#include "identities/claim_text.h"
#include "identities/further_argument.h"
#include "identities/identity_picture.h"

#include <string>
#include <utility>
#include <vector>

namespace {

const char* Kept(std::string text)
{
    ThePage().handoutText = std::move(text);
    return ThePage().handoutText.c_str();
}

int DrawnKind()
{
    return ThePage().lesson.DrawnPicture().kind;
}

// The identity beside the form's six the board shows, if any.
const FurtherIdentity* Further()
{
    return ThePage().lesson.Further();
}

// The argument of the picture on the board, from the identity's own lines.
InductionArgument Argument(Lesson::Drawn drawn)
{
    return Further() ? FurtherArgument(*Further(), drawn.n, PageLanguage())
                     : ArgumentLines(drawn.kind, drawn.n, PageLanguage());
}

}  // namespace

extern "C" {

const char* tessalo_handout_title(void)
{
    const auto drawn = ThePage().lesson.DrawnPicture();
    if (Further() && drawn.kind)
        return Kept(std::string(Tr(PageLanguage(), Further()->name)) + ", n = " + std::to_string(drawn.n));
    return Kept(drawn.kind ? HandoutTitle(drawn.kind, drawn.n, PageLanguage()) : std::string());
}

int tessalo_step_picture(int m, int blank)
{
    if (!DrawnKind() || m < 1 || m > 11)
        return ListItems({});
    if (const FurtherIdentity* further = Further()) {
        const int n = ThePage().lesson.DrawnPicture().n;
        if (m > n)
            return ListItems({});
        BoardPicture picture = FurtherStepPicture(*further, m, n);
        if (blank)
            BlankCells(picture, StepCellsOf(*further, m));
        return ListItems(picture);
    }
    return ListItems(StepPicture(DrawnKind(), m, PageLanguage(), blank ? StepCellFill::Blank : StepCellFill::Coloured));
}

const char* tessalo_step_sum(int m)
{
    if (Further() && DrawnKind() && m >= 1 && m <= Further()->maxN)
        return Kept(FurtherStepSum(*Further(), m));
    return Kept(DrawnKind() && m >= 1 && m <= 11 ? StepSum(DrawnKind(), m) : std::string());
}

int tessalo_strip_columns(int n, double areaWidth, double areaHeight, double boxWidth, double boxHeight, double below)
{
    return StripColumns(n, areaWidth, areaHeight, boxWidth, boxHeight, below);
}

const char* tessalo_statement(void)
{
    const auto drawn = ThePage().lesson.DrawnPicture();
    return Kept(!drawn.kind ? std::string() : Argument(drawn).lines.front().text);
}

int tessalo_worksheet_count(int answers)
{
    Page& page = ThePage();
    const auto drawn = page.lesson.DrawnPicture();
    page.worksheet = !drawn.kind ? std::vector<std::string>()
                     : Further() ? WorksheetLines(Argument(drawn), answers != 0)
                                 : WorksheetLines(drawn.kind, drawn.n, PageLanguage(), answers != 0);
    return static_cast<int>(page.worksheet.size());
}

int tessalo_sound(void)
{
    Page& page = ThePage();
    page.sound = PlayPicture(View().rows);
    return static_cast<int>(page.sound.samples.size());
}

const int16_t* tessalo_sound_samples(void)
{
    return ThePage().sound.samples.data();
}

int tessalo_sound_rate(void)
{
    return kSoundSampleRate;
}

const char* tessalo_worksheet_heading(int answers)
{
    const auto drawn = ThePage().lesson.DrawnPicture();
    return Kept(drawn.kind ? WorksheetHeading(drawn.n, PageLanguage(), answers != 0) : std::string());
}

const char* tessalo_worksheet_line(int line)
{
    const auto& lines = ThePage().worksheet;
    return line >= 0 && line < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(line)].c_str() : "";
}

}  // extern "C"
