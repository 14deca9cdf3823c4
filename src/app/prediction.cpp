#include "app/prediction.h"

#include "runtime/numbers.h"

#include <string_view>

namespace {

bool Circles(const Tessalo& form)
{
    return form.Shape1(0).Shape == kCircle;
}

// "5 кръга", "1 квадрат": only the count 1 takes the singular.
std::string Counted(const Tessalo& form, long count)
{
    std::string text;
    AppendNumber(text, static_cast<double>(count));
    text += ' ';
    if (Circles(form))
        text += count == 1 ? "кръг" : "кръга";
    else
        text += count == 1 ? "квадрат" : "квадрата";
    return text;
}

int ChosenN(const Tessalo& form)
{
    const ListBox& list = form.List1(0);
    return list.ListIndex < 0 ? 0 : static_cast<int>(Val(list.List(list.ListIndex)));
}

}  // namespace

bool WaitsForGuess(const Tessalo& form, LessonCommand command, const LessonView& view)
{
    // a step up to a new n builds exactly what it framed; at the end it builds nothing
    return command == LessonCommand::StepUp && ChosenN(form) >= 2 && !view.framed.empty() &&
           view.buildOrder == view.framed;
}

HeldBack HoldBack(const Tessalo& form, const LessonView& view)
{
    HeldBack held;
    held.hidden = view.framed;
    const int n = ChosenN(form);
    const std::string_view many = Circles(form) ? "кръга" : "квадрата";

    // the lines up to the hypothesis, which the pupils see standing; the step is theirs to find
    for (const ArgumentLine& line : view.argument.lines) {
        if (line.role == ArgumentRole::StepWithNumbers)
            break;
        held.view.argument.lines.push_back(line);
    }
    std::string question = "Индукционна стъпка, P(";
    AppendNumber(question, n);
    question += "): колко ";
    question += many;
    question += " добавя стъпката от ";
    AppendNumber(question, n - 1);
    question += " към ";
    AppendNumber(question, n);
    question += "?";
    held.view.argument.lines.push_back({ArgumentRole::StepWithNumbers, question, {}});

    held.view.spoken = "n е ";
    AppendNumber(held.view.spoken, n);
    held.view.spoken += ". Колко ";
    held.view.spoken += many;
    held.view.spoken += " ще добави стъпката? Напишете броя и натиснете Enter.";

    Tessalo before = form;  // the board as the class sees it: the added cells not yet there
    for (const int cell : view.framed)
        before.Shape1(cell).Visible = false;
    held.view.rows = ExploreRows(before, {});
    return held;
}

Revealed Reveal(const Tessalo& form, const LessonView& view, long guess)
{
    const long added = static_cast<long>(view.framed.size());
    const std::string counted = Counted(form, added);
    // the step's sentence opens with its news, which the verdict replaces
    const std::string news = "Стъпката добави " + counted + ". ";
    const std::string_view rest =
        std::string_view(view.spoken).starts_with(news) ? std::string_view(view.spoken).substr(news.size())
                                                        : std::string_view(view.spoken);
    Revealed revealed;
    if (guess < 0) {
        revealed.shown = "Стъпката добави " + counted + ".";
        revealed.spoken = view.spoken;
        return revealed;
    }
    std::string verdict = "стъпката добави " + counted;
    if (guess != added) {
        verdict += ", а не ";
        AppendNumber(verdict, static_cast<double>(guess));
    }
    verdict += '.';
    const std::string_view yes = guess == added ? "Вярно" : "Не";
    revealed.shown = std::string(yes) + ": " + verdict;
    revealed.spoken = std::string(yes) + ", " + verdict;
    if (!rest.empty()) {
        revealed.spoken += ' ';
        revealed.spoken += rest;
    }
    return revealed;
}
