// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/board_picture.h"
#include "app/lesson_step.h"
#include "app/tessalo.h"
#include "identities/further_identity.h"

#include <optional>
#include <string>
#include <vector>

// One lesson: a form and everything a lesson adds to it, the view after each
// command, predict-then-reveal and the language. A front end holds one, passes
// it the pupil's commands and shows what it says; it keeps no lesson state of
// its own.
//
// Every command runs the form's handler as the form's own controls would, then
// works out the view. A run-time error inside a handler leaves an empty view and
// is thrown on: the front end reports it.
class Lesson {
public:
    explicit Lesson(Language language = Language::bg);

    // The commands.
    void Load();                          // the window opens: Form_Load
    void ChooseIdentity(int index);       // radio button `index` (0..5)
    void ChooseN(int n);                  // the list; 1..11, anything else chooses none
    void Press(int button);               // Command1(button): 0 Clear, 1 Show
    // n by `delta` (PageDown +1, PageUp -1) with its picture; a step up while
    // another waits for its guess reveals that one instead.
    void Step(int delta);
    // Shows what the waiting step added, with whether `guess` was right; a
    // negative guess: none (the teacher revealed at once). Nothing waits: nothing.
    void Reveal(long guess);
    // Predicting on: a step up to a new n >= 2 waits for the class's guess.
    // Turned off, what waits is revealed.
    void SetPredicting(bool on);
    // Line by line: after each command the lines of the step, from the first
    // equality of its chain on, wait to be shown one at a time, so that the
    // class says what comes next before it sees it. Off, every line shows.
    void SetLineByLine(bool on);
    bool LineByLine() const { return lineByLine_; }
    // Shows the next waiting line; false when none waits.
    bool NextLine();
    // How many of the argument's first lines the class sees.
    std::size_t ShownLines() const;
    // Every text in `to`, in place: the picture, n, what waits and the verdict stay.
    void SetLanguage(Language to);
    // An identity beside the form's six (7..11; `progression` for the progression)
    // on the board from now on, drawn at once for the chosen n; 0, or a radio
    // button, the form's own pictures again. The form runs every command as it
    // always does: only the board, the text, the argument and the sentences change.
    void ChooseFurther(int kind, Progression progression = {});
    // The identity beside the form's six on the board, if any.
    const FurtherIdentity* Further() const { return further_ ? &*further_ : nullptr; }
    // The identity a claim is checked against ("where does the proof break?"): the
    // one beside the form's six on the board, else the radio button's (0: none).
    struct Claimed {
        int kind = 0;
        Progression progression;
    };
    Claimed ClaimedIdentity() const
    {
        return further_ ? Claimed{further_->kind, further_->progression} : Claimed{form_.ProofKind, {}};
    }
    // The board every front end draws, with `marks` over it: the form's, or the
    // identity's beside it (its cells numbered in the picture's order).
    BoardPicture Board(const PictureMarks& marks = {}) const;

    const Tessalo& Form() const { return form_; }
    // The form itself, for a test that sets a state no command makes; the view
    // is not told again.
    Tessalo& EditForm() { return form_; }
    Language language() const { return form_.language; }
    int N() const;  // the chosen n, 0 for none
    // The picture on the board: what the last Show or step drew, which a later
    // choice in the form does not change; {0, 0} while the board shows no cell.
    struct Drawn {
        int kind = 0;  // 1..11
        int n = 0;
    };
    Drawn DrawnPicture() const { return further_ ? furtherDrawn_ : drawn_; }
    bool Predicting() const { return predicting_; }
    bool Waiting() const { return waiting_; }
    // Whether the last command revealed a step: it builds as the class watches.
    bool Revealed() const { return revealed_; }

    // What the class sees: while a step waits, nothing framed or built, the
    // argument asking, the question spoken; after a reveal, the sentence opens
    // with the verdict.
    const LessonView& View() const { return waiting_ ? held_ : view_; }
    // The cells the board leaves out while a step waits, ascending.
    const std::vector<int>& Hidden() const { return hidden_; }
    // The proof text the text box shows: while a step waits the one before it,
    // since the form already wrote out the sum for the new n, which is the answer.
    const std::string& ProofText() const
    {
        return waiting_ ? textBefore_ : further_ ? furtherText_ : form_.Text1(0).Text;
    }
    // The board as a screen reader describes it: the picture's shape, then the
    // proof's last line in words ("Стълба от 4 реда, … 4 кръга. Общ брой, 10").
    std::string BoardWords() const;
    // The verdict below the argument after a reveal; "" otherwise.
    const std::string& Note() const { return note_; }
    // Whether the argument stands beside the form: while the class has it on (`chosen`),
    // and while a step waits for the guess and then gives its verdict, which stand in it,
    // so that the guess is typed there and never into the list of n.
    bool ShowsArgument(bool chosen) const { return chosen || waiting_ || !note_.empty(); }

private:
    // Runs `handler` on the form as `command`, then works out the view. `drawsForm`:
    // a Show or step that draws the form's picture (a handler that leaves the
    // form alone draws none).
    template <class Handler>
    void Run(LessonCommand command, Handler handler, bool drawsForm = true);
    // The view of the last command, with what waits and the verdict.
    void Tell();
    // The view after the last command: the form's, or the identity's beside it.
    LessonView StepView() const;

    Tessalo form_;
    bool predicting_ = false;
    bool lineByLine_ = false;
    std::size_t shownLines_ = 0;  // while line by line
    // the last command as the lesson step saw it, to tell it again in another language
    LessonCommand command_ = LessonCommand::Choice;
    int nBefore_ = 0;
    int kindBefore_ = 0;  // the identity the board showed before it
    LessonView previous_;
    bool failed_ = false;
    LessonView view_;  // what the last command did (the step, also while it waits)
    LessonView held_;  // what the class sees while it waits
    std::vector<int> hidden_;
    bool waiting_ = false;
    bool revealed_ = false;
    long guess_ = -1;
    std::string textBefore_;
    Drawn drawn_;  // the form's own picture
    std::string note_;
    std::optional<FurtherIdentity> further_;
    Drawn furtherDrawn_;       // its picture, while it is on the board
    std::string furtherText_;  // its proof text for that picture
    int furtherBeforeN_ = 0;   // the n of its picture before a step that waits
    bool furtherNamed_ = false;  // drawn as chosen by its name, which a reader has just said
};
