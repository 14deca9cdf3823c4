// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/lesson.h"

#include "app/form_language.h"
#include "app/further_lesson.h"
#include "app/in_words.h"
#include "app/induction_step.h"
#include "app/prediction.h"
#include "app/visible_cells.h"
#include "identities/identity_picture.h"

#include <algorithm>
#include <utility>

namespace {

// The lines before the step's chain, which line by line shows at once.
std::size_t LinesBeforeTheChain(const InductionArgument& argument)
{
    const auto chain = std::find_if(argument.lines.begin(), argument.lines.end(),
                                    [](const ArgumentLine& line) { return line.role == ArgumentRole::Step; });
    return static_cast<std::size_t>(chain - argument.lines.begin());
}

}  // namespace

Lesson::Lesson(Language language) : form_(language) {}

int Lesson::N() const
{
    return ChosenN(form_);
}

template <class Handler>
void Lesson::Run(LessonCommand command, Handler handler, bool drawsForm)
{
    // held back before the form writes the sum for the new n, in case this step waits
    if (predicting_) {
        textBefore_ = further_ ? furtherText_ : form_.Text1(0).Text;
        furtherBeforeN_ = furtherDrawn_.n;
    }
    command_ = command;
    nBefore_ = N();
    kindBefore_ = DrawnPicture().kind;
    previous_ = std::move(view_);
    guess_ = -1;
    revealed_ = false;
    failed_ = false;
    try {
        handler(form_);
    } catch (const RuntimeError&) {
        // nothing framed, said or argued about a picture the handler left half drawn
        failed_ = true;
        drawn_ = {};
        furtherDrawn_ = {};
        furtherText_.clear();
        view_ = {};
        held_ = {};
        hidden_.clear();
        waiting_ = false;
        note_.clear();
        throw;
    }
    const bool draws =
        command_ == LessonCommand::Show || command_ == LessonCommand::StepUp || command_ == LessonCommand::StepDown;
    bool anyCell = false;
    ForEachVisibleCell(form_.Shape1, [&anyCell](int, const Cell&) { anyCell = true; });
    if (!anyCell)
        drawn_ = {};
    else if (draws && drawsForm)
        drawn_ = {form_.ProofKind, N()};
    if (further_) {
        if (draws && DrawsFurther(*further_, N()))
            furtherDrawn_ = {further_->kind, N()};
        else if (command_ == LessonCommand::Clear)
            furtherDrawn_ = {};
        furtherText_ = FurtherText(*further_, furtherDrawn_.n, form_.language);
    }
    view_ = StepView();
    waiting_ = predicting_ && WaitsForGuess(form_, command_, view_);
    Tell();
    shownLines_ = LinesBeforeTheChain(View().argument);
}

LessonView Lesson::StepView() const
{
    if (!further_)
        return LessonStep(form_, command_, nBefore_, previous_, kindBefore_);
    // a step of the picture shown, or a picture chosen by its name: the pupil has its name
    const bool named = command_ == LessonCommand::Show ? furtherNamed_ : kindBefore_ == further_->kind;
    return FurtherStep(*further_, N(), furtherDrawn_.n, command_, nBefore_, previous_, named, form_.language);
}

void Lesson::Tell()
{
    held_ = {};
    hidden_.clear();
    note_.clear();
    if (waiting_) {
        HeldBack held = HoldBack(form_, view_,
                                 further_ ? FurtherRowsBefore(*further_, furtherDrawn_.n, form_.language)
                                          : RowsBeforeStep(form_, view_));
        held_ = std::move(held.view);
        hidden_ = std::move(held.hidden);
    } else if (revealed_) {
        const ::Revealed revealed = ::Reveal(form_, view_, guess_);
        view_.spoken = revealed.spoken;
        note_ = revealed.shown;
    }
}

void Lesson::Load()
{
    Run(LessonCommand::Choice, [](Tessalo& form) { form.Form_Load(); });
}

void Lesson::ChooseIdentity(int index)
{
    further_.reset();
    Run(LessonCommand::IdentityChoice, [index](Tessalo& form) { form.ChooseOption(index); });
}

void Lesson::ChooseFurther(int kind, Progression progression)
{
    const auto leaveForm = [](Tessalo&) {};
    if (kind < kFirstFurtherKind || kind > kLastFurtherKind) {
        if (further_) {
            further_.reset();
            Run(LessonCommand::IdentityChoice, leaveForm, false);
        }
        return;
    }
    further_ = DescribeFurther(kind, progression);
    furtherDrawn_ = {};
    // drawn at once: a menu's choice is the teacher's "show me this one"
    furtherNamed_ = true;  // for this Show only, whatever it throws
    const struct Named {
        bool& named;
        ~Named() { named = false; }
    } named{furtherNamed_};
    Run(LessonCommand::Show, leaveForm, false);
}

void Lesson::ChooseN(int n)
{
    Run(LessonCommand::Choice, [n](Tessalo& form) {
        ListBox& list = form.List1(0);
        list.ListIndex = n >= 1 && n <= list.ListCount() ? n - 1 : -1;
    });
}

void Lesson::Press(int button)
{
    const LessonCommand command = button == 1   ? LessonCommand::Show
                                  : button == 0 ? LessonCommand::Clear
                                                : LessonCommand::Choice;
    Run(command, [button](Tessalo& form) { form.Command1_Click(button); });
}

void Lesson::Step(int delta)
{
    if (waiting_ && delta > 0) {
        Reveal(-1);  // the teacher's PageDown: first what this step added
        return;
    }
    Run(delta > 0 ? LessonCommand::StepUp : LessonCommand::StepDown,
        [delta](Tessalo& form) { StepN(form, delta); });
}

void Lesson::Reveal(long guess)
{
    if (!waiting_)
        return;
    waiting_ = false;
    revealed_ = true;
    guess_ = guess;
    Tell();
}

void Lesson::SetPredicting(bool on)
{
    predicting_ = on;
    if (!on)
        Reveal(-1);
}

void Lesson::SetLanguage(Language to)
{
    if (to == form_.language)
        return;
    if (waiting_) {
        textBefore_ = further_ ? FurtherText(*further_, furtherBeforeN_, to)
                               : TextInLanguage(std::move(textBefore_), 0, form_.language, to);
    }
    SwitchLanguage(form_, to);
    if (further_)
        furtherText_ = FurtherText(*further_, furtherDrawn_.n, to);
    if (failed_)
        return;
    // the last command told again: the same frames, what waits and the verdict, in
    // the new words; nothing is built again, except what waits, at its reveal
    view_ = StepView();
    if (!waiting_)
        view_.buildOrder.clear();
    Tell();
}

void Lesson::SetLineByLine(bool on)
{
    lineByLine_ = on;
    shownLines_ = LinesBeforeTheChain(View().argument);
}

bool Lesson::NextLine()
{
    if (!lineByLine_ || shownLines_ >= View().argument.lines.size())
        return false;
    ++shownLines_;
    return true;
}

std::size_t Lesson::ShownLines() const
{
    const std::size_t all = View().argument.lines.size();
    return lineByLine_ ? std::min(shownLines_, all) : all;
}

BoardPicture Lesson::Board(const PictureMarks& marks) const
{
    if (!further_)
        return DescribeBoard(form_, marks);
    return MarkedBoard(DescribeFurtherBoard(form_, *further_, furtherDrawn_.n), marks);
}

std::string Lesson::BoardWords() const
{
    std::string_view text = ProofText();
    if (text.ends_with("\r\n"))
        text.remove_suffix(2);
    const auto start = text.rfind("\r\n");
    const std::string_view last = start == std::string_view::npos ? text : text.substr(start + 2);
    std::string words = OverviewWords(View().rows);
    if (!words.empty() && !last.empty())
        words += ' ';
    return words + InWords(last, form_.language);
}
