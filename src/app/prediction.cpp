// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/prediction.h"

#include "app/in_words.h"
#include "app/induction_step.h"

#include "runtime/numbers.h"

#include <string_view>

namespace {

// Whether the picture in `view` is of circles: its rows say, as they say of a
// picture beside the form's; the form's template cell while there are none.
bool Circles(const Tessalo& form, const LessonView& view)
{
    return view.rows.empty() ? form.Shape1(0).Shape == kCircle : view.rows.front().circles;
}

// "5 кръга", "1 квадрат": only the count 1 takes the singular.
std::string Counted(const Tessalo& form, const LessonView& view, long count)
{
    std::string text;
    AppendNumber(text, static_cast<double>(count));
    text += ' ';
    if (Circles(form, view))
        text += form.Text(count == 1 ? TextId::SpokenCircle : TextId::SpokenCircles);
    else
        text += form.Text(count == 1 ? TextId::SpokenSquare : TextId::SpokenSquares);
    return text;
}

}  // namespace

bool WaitsForGuess(const Tessalo& form, LessonCommand command, const LessonView& view)
{
    // a step up to a new n builds exactly what it framed; at the end it builds nothing
    return command == LessonCommand::StepUp && ChosenN(form) >= 2 && !view.framed.empty() &&
           view.buildOrder == view.framed;
}

PictureRows RowsBeforeStep(const Tessalo& form, const LessonView& view)
{
    Tessalo before = form;  // the board as the class sees it: the added cells not yet there
    for (const int cell : view.framed)
        before.Shape1(cell).Visible = false;
    return ExploreRows(before, {});
}

HeldBack HoldBack(const Tessalo& form, const LessonView& view, PictureRows rowsBefore)
{
    HeldBack held;
    held.hidden = view.framed;
    const int n = ChosenN(form);
    const std::string_view many = form.Text(Circles(form, view) ? TextId::SpokenCircles : TextId::SpokenSquares);

    // the proof in letters, which the pupils see standing; the numbers of the step are theirs to find
    for (const ArgumentLine& line : view.argument.lines) {
        if (line.role == ArgumentRole::Example || line.role == ArgumentRole::NewTerm)
            break;
        held.view.argument.lines.push_back(line);
    }
    std::string question(form.Text(TextId::ArgumentStep));
    AppendNumber(question, n);
    question += form.Text(TextId::GuessHowMany);
    question += many;
    question += form.Text(TextId::GuessStepFrom);
    AppendNumber(question, n - 1);
    question += form.Text(TextId::GuessTo);
    AppendNumber(question, n);
    question += form.Text(TextId::GuessEnd);
    held.view.argument.lines.push_back({ArgumentRole::NewTerm, question, InWords(question, form.language), {}});

    held.view.spoken = form.Text(TextId::GuessSpokenNIs);
    AppendNumber(held.view.spoken, n);
    held.view.spoken += form.Text(TextId::GuessSpokenHowMany);
    held.view.spoken += many;
    held.view.spoken += form.Text(TextId::GuessSpokenEnd);

    held.view.rows = std::move(rowsBefore);
    return held;
}

Revealed Reveal(const Tessalo& form, const LessonView& view, long guess)
{
    const long added = static_cast<long>(view.framed.size());
    const std::string counted = Counted(form, view, added);
    // the step's sentence opens with its news, which the verdict replaces
    const std::string news = std::string(form.Text(TextId::SpokenStepAdded)) + counted + ". ";
    const std::string_view rest =
        std::string_view(view.spoken).starts_with(news) ? std::string_view(view.spoken).substr(news.size())
                                                        : std::string_view(view.spoken);
    Revealed revealed;
    if (guess < 0) {
        revealed.shown = std::string(form.Text(TextId::SpokenStepAdded)) + counted + ".";
        revealed.spoken = view.spoken;
        return revealed;
    }
    std::string verdict = std::string(form.Text(TextId::RevealStepAdded)) + counted;
    if (guess != added) {
        verdict += form.Text(TextId::RevealNot);
        AppendNumber(verdict, static_cast<double>(guess));
    }
    verdict += '.';
    const std::string_view yes = form.Text(guess == added ? TextId::RevealRight : TextId::RevealWrong);
    revealed.shown = std::string(yes) + ": " + verdict;
    revealed.spoken = std::string(yes) + ", " + verdict;
    if (!rest.empty()) {
        revealed.spoken += ' ';
        revealed.spoken += rest;
    }
    return revealed;
}
