// What a front end shows beyond the form after a command: the frames, the
// sentence, the induction argument with the cells each line counts, the build-up.
#include "app/induction_step.h"
#include "app/lesson.h"
#include "app/lesson_step.h"
#include "app/prediction.h"
#include "app/spoken_result.h"
#include "formula.h"
#include "proof_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string_view>
#include <utility>

namespace {

std::set<std::pair<float, float>> Positions(const Tessalo& form)
{
    std::set<std::pair<float, float>> positions;
    for (const Cell& cell : Cells(form))
        positions.insert({cell.Left, cell.Top});
    return positions;
}

// The cells of `form` at places `picture` holds, ascending.
std::vector<int> CellsAtPlacesOf(const Tessalo& form, const Tessalo& picture)
{
    const auto places = Positions(picture);
    std::vector<int> cells;
    for (int i = 0; i < form.Shape1.Count(); ++i) {
        if (places.contains({form.Shape1(i).Left, form.Shape1(i).Top}))
            cells.push_back(i);
    }
    return cells;
}

// The form just stepped up to n, from n - 1 or, for n = 1, from a cleared board.
Tessalo SteppedTo(int kind, int n, Language language = Language::bg)
{
    Tessalo form = Shown(kind, std::max(n - 1, 1), language);
    if (n == 1)
        form.Command1_Click(0);
    StepN(form, +1);
    return form;
}

class EveryLesson : public testing::TestWithParam<Picture> {};

}  // namespace

// The mathematics is the oracle: each equation of the argument evaluates, the
// hypothesis counts the picture for n - 1, the step's last term the added cells.
TEST_P(EveryLesson, ArgumentHoldsAndEachLineCountsItsCells)
{
    const int kind = GetParam().kind;  // plain names: the lambda below captures them
    const int n = GetParam().n;
    const Tessalo form = SteppedTo(kind, n);
    const LessonView view = LessonStep(form, LessonCommand::StepUp, n - 1, {});

    std::vector<ArgumentRole> roles;
    for (const ArgumentLine& line : view.argument.lines) {
        roles.push_back(line.role);
        EXPECT_EQ(line.text.find_first_of("*^"), std::string::npos) << line.text;
    }
    using enum ArgumentRole;
    const std::vector<ArgumentRole> expected =
        n == 1 ? std::vector{Claim, BaseCase}
               : std::vector{Claim, BaseCase, Hypothesis, StepWithNumbers, StepInLetters, Conclusion};
    ASSERT_EQ(roles, expected);

    const Tessalo previous = n > 1 ? Shown(kind, n - 1) : LoadedForm();
    const std::vector<int> added = AddedCells(previous, form);
    EXPECT_EQ(view.framed, added);

    // the rows hold every cell once, the added ones new, each row on one Top from left to right
    std::vector<int> explored;
    std::vector<int> fresh;
    float top = -1e9f;
    for (const ExploreRow& row : view.rows) {
        ASSERT_FALSE(row.cells.empty());
        const std::string rowWords = RowWords(row);
        EXPECT_EQ(rowWords.find_first_of(":;-*^="), std::string::npos) << rowWords;
        const Cell& first = form.Shape1(row.cells.front().index);
        EXPECT_GT(first.Top, top);
        top = first.Top;
        float left = -1e9f;
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            const ExploreCell& cell = row.cells[i];
            explored.push_back(cell.index);
            if (cell.added)
                fresh.push_back(cell.index);
            EXPECT_EQ(form.Shape1(cell.index).Top, first.Top);
            EXPECT_GT(cell.left, left);
            left = cell.left;
            const std::string cellWords = EnteringWords(row, i);
            EXPECT_EQ(cellWords.find_first_of(":;-*^="), std::string::npos) << cellWords;
        }
    }
    std::sort(explored.begin(), explored.end());
    std::sort(fresh.begin(), fresh.end());
    std::vector<int> all(static_cast<std::size_t>(form.Shape1.Count()));
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(explored, all);
    EXPECT_EQ(fresh, added);
    EXPECT_EQ(view.buildOrder, added);
    EXPECT_EQ(static_cast<int>(added.size()), Value(kind, n) - (n > 1 ? Value(kind, n - 1) : 0));

    for (const ArgumentLine& line : view.argument.lines) {
        SCOPED_TRACE(line.text);
        const auto checked = [&](int m) {
            const std::vector<long> sides = ChainValues(line.text);
            ASSERT_GE(sides.size(), 2u);
            for (long side : sides)
                EXPECT_EQ(side, Value(kind, m));
        };
        switch (line.role) {
        case BaseCase:
            checked(1);
            EXPECT_EQ(line.cells, CellsAtPlacesOf(form, Shown(kind, 1)));
            EXPECT_EQ(line.cells.size(), 1u);
            break;
        case Hypothesis:
            checked(n - 1);
            EXPECT_EQ(line.cells, CellsAtPlacesOf(form, previous));
            EXPECT_EQ(static_cast<int>(line.cells.size()), Value(kind, n - 1));
            break;
        case StepWithNumbers:
            checked(n);
            EXPECT_EQ(line.cells, added);
            break;
        default: EXPECT_EQ(static_cast<int>(line.cells.size()), Value(kind, n));
        }
    }

    // predicting, the class sees the picture for n - 1 and no line that holds the answer;
    // the step to 1 is the base case, with nothing to guess
    ASSERT_EQ(WaitsForGuess(form, LessonCommand::StepUp, view), n > 1);
    if (n == 1)
        return;
    const HeldBack held = HoldBack(form, view);
    EXPECT_EQ(held.hidden, added);
    EXPECT_TRUE(held.view.framed.empty());
    EXPECT_TRUE(held.view.buildOrder.empty());
    ASSERT_EQ(held.view.argument.lines.size(), 4u);
    EXPECT_EQ(held.view.argument.lines[2].text, view.argument.lines[2].text);
    EXPECT_EQ(held.view.argument.lines[3].role, StepWithNumbers);
    EXPECT_TRUE(held.view.argument.lines[3].cells.empty());
    std::vector<int> standing;
    for (const ExploreRow& row : held.view.rows) {
        for (const ExploreCell& cell : row.cells) {
            standing.push_back(cell.index);
            EXPECT_FALSE(cell.added);
        }
    }
    std::sort(standing.begin(), standing.end());
    EXPECT_EQ(standing, CellsAtPlacesOf(form, previous));
}

// After Show the build-up paints the picture for 1, then what each step adds:
// its first cells for every m are exactly the picture for m.
TEST_P(EveryLesson, ShowBuildsInTheInductionsOrder)
{
    const auto [kind, n] = GetParam();
    const Tessalo form = Shown(kind, n);
    const LessonView view = LessonStep(form, LessonCommand::Show, n, {});
    EXPECT_TRUE(view.framed.empty());
    ASSERT_EQ(static_cast<int>(view.buildOrder.size()), form.Shape1.Count());
    for (int m = 1; m <= n; ++m) {
        std::vector<int> first(view.buildOrder.begin(), view.buildOrder.begin() + Value(kind, m));
        std::sort(first.begin(), first.end());
        EXPECT_EQ(first, CellsAtPlacesOf(form, Shown(kind, m))) << "m = " << m;
    }
}

// Switched to English after a step up, the view is the one an English form's
// step gives: the same frames and cells, the argument and the rows in English.
TEST_P(EveryLesson, SwitchedToEnglishIsTheEnglishStep)
{
    const auto [kind, n] = GetParam();
    Lesson lesson;
    lesson.Load();
    lesson.ChooseIdentity(kind - 1);
    lesson.ChooseN(n - 1);
    if (n > 1)
        lesson.Press(1);
    lesson.Step(+1);
    lesson.SetLanguage(Language::en);
    const LessonView& switched = lesson.View();
    const LessonView english = LessonStep(SteppedTo(kind, n, Language::en), LessonCommand::StepUp, n - 1, {});
    EXPECT_EQ(switched.framed, english.framed);
    EXPECT_TRUE(switched.buildOrder.empty()) << "nothing is built again";
    EXPECT_EQ(switched.spoken, english.spoken);
    EXPECT_EQ(ArgumentText(switched.argument), ArgumentText(english.argument));
    ASSERT_EQ(switched.argument.lines.size(), english.argument.lines.size());
    for (std::size_t i = 0; i < english.argument.lines.size(); ++i)
        EXPECT_EQ(switched.argument.lines[i].cells, english.argument.lines[i].cells) << "line " << i;
    ASSERT_EQ(switched.rows.size(), english.rows.size());
    for (std::size_t i = 0; i < english.rows.size(); ++i)
        EXPECT_EQ(RowWords(switched.rows[i]), RowWords(english.rows[i]));
}

INSTANTIATE_TEST_SUITE_P(AllKindsAndNumbers, EveryLesson, testing::ValuesIn(AllPictures()),
                         [](const auto& info) {
                             return "Kind" + std::to_string(info.param.kind) + "N" + std::to_string(info.param.n);
                         });

struct WrittenArgument {
    std::string name;
    int kind;
    int n;
    std::string text;
};

void PrintTo(const WrittenArgument& argument, std::ostream* out)
{
    *out << argument.name;
}

class ArgumentAsWritten : public testing::TestWithParam<WrittenArgument> {};

TEST_P(ArgumentAsWritten, MatchesTheExample)
{
    const WrittenArgument& example = GetParam();
    const Tessalo form = Shown(example.kind, example.n);
    EXPECT_EQ(ArgumentText(LessonStep(form, LessonCommand::Show, example.n, {}).argument), example.text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ArgumentAsWritten,
    testing::Values(
        WrittenArgument{"NaturalNumbersToFive", 1, 5,
                        "Твърдение P(n): 1 + 2 + … + n = n(n + 1)/2 за всяко естествено n.\n"
                        "База, n = 1: 1 = 1·2/2 = 1, лявата и дясната страна са равни.\n"
                        "Индукционно предположение, P(4): 1 + 2 + 3 + 4 = 4·5/2 = 10\n"
                        "Индукционна стъпка, P(5): (1 + 2 + 3 + 4) + 5 = 10 + 5 = 15 = 5·6/2\n"
                        "Стъпката за всяко n: (n − 1)n/2 + n = n(n + 1)/2\n"
                        "Заключение: P(1) е вярно и от P(n − 1) следва P(n), следователно P(n) е вярно за "
                        "всяко естествено n.\n"},
        WrittenArgument{"AlternatingSquaresToThree", 6, 3,
                        "Твърдение P(n): n² − (n − 1)² + (n − 2)² − … ± 1² = n(n + 1)/2 за всяко естествено n.\n"
                        "База, n = 1: 1² = 1·2/2 = 1, лявата и дясната страна са равни.\n"
                        "Индукционно предположение, P(2): 2² − 1² = 2·3/2 = 3\n"
                        "Индукционна стъпка, P(3): 3² − (2² − 1²) = 9 − 3 = 6 = 3 + 3 = 3·4/2\n"
                        "Стъпката за всяко n: n² − (n − 1)n/2 = n(n + 1)/2\n"
                        "Заключение: P(1) е вярно и от P(n − 1) следва P(n), следователно P(n) е вярно за "
                        "всяко естествено n.\n"},
        WrittenArgument{"RisingAndFallingToTwo", 5, 2,
                        "Твърдение P(n): 1 + 2 + … + (n − 1) + n + (n − 1) + … + 2 + 1 = n² за всяко "
                        "естествено n.\n"
                        "База, n = 1: 1 = 1² = 1, лявата и дясната страна са равни.\n"
                        "Индукционно предположение, P(1): 1 = 1² = 1\n"
                        "Индукционна стъпка, P(2): 1 + (1 + 2) = 1 + 3 = 4 = 2²\n"
                        "Стъпката за всяко n: (n − 1)² + (n − 1) + n = n²\n"
                        "Заключение: P(1) е вярно и от P(n − 1) следва P(n), следователно P(n) е вярно за "
                        "всяко естествено n.\n"},
        WrittenArgument{"OddNumbersToTwo", 4, 2,
                        "Твърдение P(n): 1 + 3 + 5 + … + (2n − 1) = n² за всяко естествено n.\n"
                        "База, n = 1: 1 = 1² = 1, лявата и дясната страна са равни.\n"
                        "Индукционно предположение, P(1): 1 = 1² = 1\n"
                        "Индукционна стъпка, P(2): 1 + 3 = 4 = 2²\n"
                        "Стъпката за всяко n: (n − 1)² + (2n − 1) = n²\n"
                        "Заключение: P(1) е вярно и от P(n − 1) следва P(n), следователно P(n) е вярно за "
                        "всяко естествено n.\n"}),
    [](const auto& info) { return info.param.name; });

// The commands other than a step up to a new n: what is framed, said, built and counted.
TEST(LessonStep, FramesOnlyAStepUpAndCountsCellsOnlyOnThePictureShown)
{
    const Tessalo eleven = SteppedTo(3, 11);
    const LessonView stepped = LessonStep(eleven, LessonCommand::StepUp, 10, {});
    struct Row {
        std::string name;
        Tessalo form;
        LessonCommand command;
        int nBefore;
        bool framedKept;        // the frames of the step to 11, else none
        std::string spoken;     // the sentence, or how it begins; empty: silence
        std::size_t lines;
        bool cells;             // the lines count cells of the board
        bool built;
    };
    Tessalo atEnd = eleven;
    StepN(atEnd, +1);
    Tessalo down = eleven;
    StepN(down, -1);
    Tessalo cleared = eleven;
    cleared.Command1_Click(0);
    Tessalo otherKind = eleven;
    otherKind.ChooseOption(0);
    Tessalo backToTheShownKind = otherKind;
    backToTheShownKind.ChooseOption(2);
    Tessalo samePlacesOtherColours = SteppedTo(1, 11);
    samePlacesOtherColours.ChooseOption(1);
    Tessalo sameN = eleven;  // the list chosen again, the board unchanged
    Tessalo otherN = eleven;
    otherN.List1(0).ListIndex = 4;
    const Row rows[] = {
        {"StepUpAtTheEnd", atEnd, LessonCommand::StepUp, 11, true, "Стъпката не промени картината. ", 6, true,
         false},
        {"StepDown", down, LessonCommand::StepDown, 11, false, "Стъпката премахна 11 кръга. Триъгълни", 6, true,
         false},
        {"Clear", cleared, LessonCommand::Clear, 11, false, "Дъската е изчистена.", 1, false, false},
        {"IdentityChoiceOfAnotherKind", otherKind, LessonCommand::IdentityChoice, 11, false,
         "Избрахте Сума на първите естествени числа. Изведи ще начертае стълба от кръгове в 11 реда.", 6, false,
         false},
        {"IdentityChoiceOfOtherColoursInTheSamePlaces", samePlacesOtherColours, LessonCommand::IdentityChoice, 11,
         false, "Избрахте Аритметична прогресия. Изведи ще начертае ", 6, false, false},
        {"IdentityChoiceOfTheShownPicture", backToTheShownKind, LessonCommand::IdentityChoice, 11, false,
         "Избрахте Триъгълни числа.", 6, true, false},
        {"ChoiceOfTheShownN", sameN, LessonCommand::Choice, 11, false, "", 6, true, false},
        {"ChoiceOfAnotherN", otherN, LessonCommand::Choice, 11, false, "", 6, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const LessonView view = LessonStep(row.form, row.command, row.nBefore, stepped);
        EXPECT_EQ(view.framed, row.framedKept ? stepped.framed : std::vector<int>{});
        EXPECT_EQ(view.spoken.substr(0, row.spoken.size()), row.spoken);
        EXPECT_EQ(view.spoken.empty(), row.spoken.empty());
        if (row.spoken.ends_with('.')) {
            EXPECT_EQ(view.spoken, row.spoken);
        }
        ASSERT_EQ(view.argument.lines.size(), row.lines);
        EXPECT_EQ(view.argument.lines.back().cells.empty(), !row.cells);
        EXPECT_EQ(view.buildOrder.empty(), !row.built);
        EXPECT_FALSE(WaitsForGuess(row.form, row.command, view)) << "only a step up to a new n is guessed";
    }
}

// The reveal tells the class whether it guessed right, in the panel and aloud.
TEST(Reveal, SaysWhetherTheGuessWasRight)
{
    struct Row {
        int kind;
        int n;
        long guess;  // negative: the teacher revealed without one
        std::string shown;
        std::string spokenStart;
    };
    const Row rows[] = {
        {1, 5, 5, "Вярно: стъпката добави 5 кръга.", "Вярно, стъпката добави 5 кръга. Сума на първите"},
        {4, 5, 4, "Не: стъпката добави 9 квадрата, а не 4.", "Не, стъпката добави 9 квадрата, а не 4. Сума"},
        {6, 2, 1, "Не: стъпката добави 2 квадрата, а не 1.", "Не, стъпката добави 2 квадрата, а не 1. Разлика"},
        {3, 3, -1, "Стъпката добави 3 кръга.", "Стъпката добави 3 кръга. Триъгълни"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.shown);
        const Tessalo form = SteppedTo(row.kind, row.n);
        const LessonView view = LessonStep(form, LessonCommand::StepUp, row.n - 1, {});
        const Revealed revealed = Reveal(form, view, row.guess);
        EXPECT_EQ(revealed.shown, row.shown);
        EXPECT_EQ(revealed.spoken.substr(0, row.spokenStart.size()), row.spokenStart);
        EXPECT_TRUE(revealed.spoken.ends_with(view.spoken.substr(view.spoken.find(". ") + 2))) << revealed.spoken;
    }
}

// What a blind pupil hears on entering a row and on reaching a cell, after the step up to n.
TEST(ExploreRows, SayEachRowAndCellWithItsCountsColoursAndWhatTheStepAdded)
{
    struct Row {
        int kind;
        int n;
        std::size_t row;
        std::size_t cell;
        std::string rowWords;
        std::string cellWords;  // reached within the row
    };
    const Row rows[] = {
        {1, 3, 2, 1, "ред 3, 3 кръга, 3 нови", "ред 3, кръг 2 от 3, нов"},
        {1, 3, 0, 0, "ред 1, 1 кръг", "ред 1, кръг 1 от 1"},
        {2, 3, 2, 2, "ред 3, 3 квадрата, 3 нови", "ред 3, квадрат 3 от 3, кафяв, нов"},
        {2, 3, 1, 0, "ред 2, 2 квадрата", "ред 2, квадрат 1 от 2, син"},
        {4, 3, 0, 2, "ред 1, 3 квадрата, 1 нов", "ред 1, квадрат 3 от 3, бял, нов"},
        {4, 3, 1, 0, "ред 2, 3 квадрата, 1 нов", "ред 2, квадрат 1 от 3, син"},
        {6, 2, 1, 0, "ред 2, 1 квадрат, 1 нов", "ред 2, квадрат 1 от 1, нов"},
        {3, 11, 10, 10, "ред 11, 11 кръга, 11 нови", "ред 11, кръг 11 от 11, нов"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.cellWords);
        const LessonView view = LessonStep(SteppedTo(row.kind, row.n), LessonCommand::StepUp, row.n - 1, {});
        ASSERT_GT(view.rows.size(), row.row);
        const ExploreRow& explored = view.rows[row.row];
        EXPECT_EQ(RowWords(explored), row.rowWords);
        ASSERT_GT(explored.cells.size(), row.cell);
        EXPECT_EQ(CellWords(explored, row.cell), row.cellWords);
    }
    // entering a row says its number once
    const LessonView step = LessonStep(SteppedTo(2, 3), LessonCommand::StepUp, 2, {});
    EXPECT_EQ(EnteringWords(step.rows[2], 2), "ред 3, 3 квадрата, 3 нови. Квадрат 3 от 3, кафяв, нов");
    // up from the staircase's last cell of row 3: the last of row 2, not its first
    const LessonView staircase = LessonStep(SteppedTo(1, 3), LessonCommand::StepUp, 2, {});
    EXPECT_EQ(NearestCell(staircase.rows[1], staircase.rows[2].cells[2].left), 1u);
}
