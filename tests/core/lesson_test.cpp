// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One lesson as a front end drives it: the commands in turn, and after each what
// the class sees (n, what waits, the proof text, the verdict, what is said).
#include "app/lesson.h"
#include "app/spoken_result.h"
#include "form_state.h"
#include "proof_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

// Predict, then reveal, through a whole sequence: a step up waits for the guess,
// a guess or the teacher's PageDown reveals it, and a switch of language while a
// step waits or after its verdict tells the same in other words.
TEST(Lesson, PredictsRevealsAndSwitchesLanguageOnTheWay)
{
    struct Row {
        std::string name;
        std::function<void(Lesson&)> command;
        int n;
        bool waiting;
        std::size_t hidden;        // cells the board leaves out
        int textOfN;               // the proof text is the one Show writes for that n
        Language language;
        std::string note;          // the verdict below the argument
        std::string spokenStart;   // how the sentence begins
        std::size_t framed;
        std::size_t built;
        int shown = -1;            // the argument's lines the class sees; -1: all
    };
    using L = Lesson;
    const auto bg = Language::bg;
    const auto en = Language::en;
    const Row rows[] = {
        {"Show3", [](L& l) { l.ChooseN(3); l.Press(1); }, 3, false, 0, 3, bg, "", "Сума на първите", 0, 6},
        {"PredictOn", [](L& l) { l.SetPredicting(true); }, 3, false, 0, 3, bg, "", "Сума на първите", 0, 6},
        {"StepWaits", [](L& l) { l.Step(+1); }, 4, true, 4, 3, bg, "", "n е 4. Колко кръга", 0, 0},
        {"EnglishWhileWaiting", [](L& l) { l.SetLanguage(en); }, 4, true, 4, 3, en, "", "n is 4. How many circles", 0,
         0},
        {"BackWhileWaiting", [](L& l) { l.SetLanguage(bg); }, 4, true, 4, 3, bg, "", "n е 4. Колко кръга", 0, 0},
        {"WrongGuess", [](L& l) { l.Reveal(3); }, 4, false, 0, 4, bg, "Не: стъпката добави 4 кръга, а не 3.",
         "Не, стъпката добави 4 кръга, а не 3. n е 4, ", 4, 4},
        {"VerdictInEnglish", [](L& l) { l.SetLanguage(en); }, 4, false, 0, 4, en,
         "No: the step added 4 circles, not 3.", "No, the step added 4 circles, not 3. n is 4, ", 4, 0},
        {"VerdictBack", [](L& l) { l.SetLanguage(bg); }, 4, false, 0, 4, bg, "Не: стъпката добави 4 кръга, а не 3.",
         "Не, стъпката добави 4 кръга, а не 3. n е 4, ", 4, 0},
        {"NextStepWaits", [](L& l) { l.Step(+1); }, 5, true, 5, 4, bg, "", "n е 5. Колко кръга", 0, 0},
        {"TeachersPageDownReveals", [](L& l) { l.Step(+1); }, 5, false, 0, 5, bg, "Стъпката добави 5 кръга.",
         "Стъпката добави 5 кръга. n е 5, общо 15.", 5, 5},
        {"StepDownNeverWaits", [](L& l) { l.Step(-1); }, 4, false, 0, 4, bg, "", "Стъпката премахна 5 кръга.", 0, 0},
        {"RightGuess", [](L& l) { l.Step(+1); l.Reveal(5); }, 5, false, 0, 5, bg, "Вярно: стъпката добави 5 кръга.",
         "Вярно, стъпката добави 5 кръга. n е 5, ", 5, 5},
        {"PredictOffReveals", [](L& l) { l.Step(+1); l.SetPredicting(false); }, 6, false, 0, 6, bg,
         "Стъпката добави 6 кръга.", "Стъпката добави 6 кръга. n е 6, ", 6, 6},
        {"StepWithoutPredicting", [](L& l) { l.Step(+1); }, 7, false, 0, 7, bg, "", "Стъпката добави 7 кръга.", 7, 7},
        // line by line: the proof up to P(k + 1) stands, the chain comes a line at a time
        {"LineByLine", [](L& l) { l.SetLineByLine(true); }, 7, false, 0, 7, bg, "", "Стъпката добави 7 кръга.", 7, 7,
         5},
        {"NextLine", [](L& l) { l.NextLine(); }, 7, false, 0, 7, bg, "", "Стъпката добави 7 кръга.", 7, 7, 6},
        {"NextLineInEnglish", [](L& l) { l.SetLanguage(en); }, 7, false, 0, 7, en, "", "The step added 7 circles.", 7,
         0, 6},
        {"NextStepHidesTheChain", [](L& l) { l.SetLanguage(bg); l.Step(+1); }, 8, false, 0, 8, bg, "",
         "Стъпката добави 8 кръга.", 8, 8, 5},
        {"EveryLineShownStaysShown", [](L& l) { while (l.NextLine()) {} l.NextLine(); }, 8, false, 0, 8, bg, "",
         "Стъпката добави 8 кръга.", 8, 8, 14},
        {"AllAtOnce", [](L& l) { l.Step(+1); l.SetLineByLine(false); }, 9, false, 0, 9, bg, "",
         "Стъпката добави 9 кръга.", 9, 9},
        {"ClearForgetsN", [](L& l) { l.Press(0); }, 0, false, 0, 0, bg, "", "Дъската е изчистена.", 0, 0},
    };
    Lesson lesson;
    lesson.Load();
    lesson.ChooseIdentity(0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.command(lesson);
        EXPECT_EQ(lesson.N(), row.n);
        EXPECT_EQ(lesson.Waiting(), row.waiting);
        EXPECT_EQ(lesson.Hidden().size(), row.hidden);
        EXPECT_EQ(lesson.language(), row.language);
        const std::string text = row.textOfN ? Shown(1, row.textOfN, row.language).Text1(0).Text : "";
        EXPECT_EQ(lesson.ProofText(), text);
        EXPECT_EQ(lesson.Note(), row.note);
        EXPECT_EQ(lesson.View().spoken.substr(0, row.spokenStart.size()), row.spokenStart);
        // a step of the picture shown says only its news; F9 says the identity's name too
        const std::string& whole = lesson.View().whole;
        if (!whole.empty()) {
            EXPECT_NE(whole.find(SpokenIdentityName(1, row.language)), std::string::npos) << whole;
        }
        EXPECT_EQ(lesson.View().framed.size(), row.framed);
        EXPECT_EQ(lesson.View().buildOrder.size(), row.built);
        EXPECT_EQ(lesson.Hidden().empty(), !lesson.Waiting());
        const std::size_t all = lesson.View().argument.lines.size();
        EXPECT_EQ(lesson.ShownLines(), row.shown < 0 ? all : static_cast<std::size_t>(row.shown));
    }
}

// An identity beside the form's six through a lesson: the form's commands draw it
// at the list's n, steps frame its term, predicting holds it back, and the form
// itself does exactly what a lesson without it makes it do.
TEST(Lesson, DrawsAnIdentityBesideTheFormWhileTheFormRunsAsAlways)
{
    struct Row {
        std::string name;
        std::function<void(Lesson&, bool beside)> command;  // beside: the lesson that has it
        int drawnKind;  // the picture on the board
        int drawnN;
        std::size_t cells;  // on the board and in its rows
        std::size_t framed;
        std::size_t hidden;
        std::string spokenStart;
        std::string textEnd;  // how the proof text ends
    };
    using L = Lesson;
    const Row rows[] = {
        {"ChosenDrawsAtOnce", [](L& l, bool b) { if (b) l.ChooseFurther(7); }, 7, 3, 12, 0, 0,
         "n е 3, общо 12.", "2 +\u00A04 +\u00A06 =\u00A012"},
        {"StepFramesTheL", [](L& l, bool) { l.Step(+1); }, 7, 4, 20, 8, 0,
         "Стъпката добави 8 квадрата. n е 4, общо 20.", "=\u00A020"},
        {"PredictedStepWaits", [](L& l, bool) { l.SetPredicting(true); l.Step(+1); }, 7, 5, 20, 0, 10,
         "n е 5. Колко квадрата", "=\u00A020"},
        {"WaitingInEnglish", [](L& l, bool) { l.SetLanguage(Language::en); }, 7, 5, 20, 0, 10,
         "n is 5. How many squares", "=\u00A020"},
        {"Revealed", [](L& l, bool) { l.SetLanguage(Language::bg); l.Reveal(10); }, 7, 5, 30, 10, 0,
         "Вярно, стъпката добави 10 квадрата.", "=\u00A030"},
        {"Cleared", [](L& l, bool) { l.SetPredicting(false); l.Press(0); }, 0, 0, 0, 0, 0, "Дъската е изчистена.", ""},
        {"CubesBeyondTheirPictures", [](L& l, bool b) { if (b) l.ChooseFurther(10); l.ChooseN(9); l.Press(1); }, 0, 0,
         0, 0, 0, "Тази сума се рисува за n от 1 до 7.", ""},
        {"StepDownIntoThem", [](L& l, bool) { l.ChooseN(8); l.Step(-1); }, 10, 7, 784, 0, 0,
         "Сума на кубовете, n е 7, общо 784.", "=\u00A0784"},
        {"StepDownWithin", [](L& l, bool) { l.Step(-1); }, 10, 6, 441, 0, 0,
         "Стъпката премахна 343 квадрата. n е 6, общо 441.", "=\u00A0441"},
        {"ProgressionByItsTerms", [](L& l, bool b) { if (b) l.ChooseFurther(8, {2, 3}); }, 8, 6, 57, 0, 0,
         "Аритметична прогресия с първи член a и разлика d, a е 2, d е 3, n е 6, общо 57.", "=\u00A057"},
        {"ARadioButtonGivesTheFormsBoardBack", [](L& l, bool) { l.ChooseIdentity(1); }, 4, 6, 36, 0, 0, "", ""},
    };
    Lesson lesson;
    Lesson twin;
    for (Lesson* each : {&lesson, &twin}) {
        each->Load();
        each->ChooseIdentity(3);
        each->ChooseN(3);
        each->Press(1);
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.command(lesson, true);
        row.command(twin, false);
        EXPECT_EQ(Capture(lesson.Form()), Capture(twin.Form()));
        EXPECT_EQ(lesson.DrawnPicture().kind, row.drawnKind);
        EXPECT_EQ(lesson.DrawnPicture().n, row.drawnN);
        EXPECT_EQ(lesson.View().spoken.substr(0, row.spokenStart.size()), row.spokenStart) << lesson.View().spoken;
        EXPECT_TRUE(lesson.ProofText().ends_with(row.textEnd)) << lesson.ProofText();
        EXPECT_EQ(lesson.View().framed.size(), row.framed);
        EXPECT_EQ(lesson.Hidden().size(), row.hidden);
        std::size_t explored = 0;
        for (const ExploreRow& each : lesson.View().rows)
            explored += each.cells.size();
        EXPECT_EQ(explored, row.cells);
        const BoardPicture board = lesson.Board({lesson.View().framed, lesson.Hidden(), {}, false, -1});
        const auto items = [&board](PictureItemKind kind) {
            return std::count_if(board.items.begin(), board.items.end(), [&](const PictureItem& item) {
                return item.kind == kind && item.fill != board.background;
            });
        };
        EXPECT_EQ(items(PictureItemKind::Cell), static_cast<long>(row.cells));
        EXPECT_EQ(items(PictureItemKind::StepFrame), static_cast<long>(row.framed));
    }
}
