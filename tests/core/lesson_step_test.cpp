// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a front end shows beyond the form after a command: the frames, the
// sentence, the induction argument with the cells each line counts, the build-up.
#include "app/induction_step.h"
#include "app/lesson.h"
#include "app/lesson_step.h"
#include "app/picture_walk.h"
#include "app/prediction.h"
#include "app/spoken_result.h"
#include "formula.h"
#include "proof_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
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

// The sides of the lines of one role, joined into one chain: "a = b", "= c" -> {a, b, c}.
std::vector<std::string> JoinedChain(const InductionArgument& argument, ArgumentRole role)
{
    std::vector<std::string> chain;
    for (const ArgumentLine& line : argument.lines) {
        if (line.role != role || line.text.find(": ") != std::string::npos || line.text.ends_with(":"))
            continue;  // a heading
        std::vector<std::string> sides = ChainSides(line.text);
        chain.insert(chain.end(), sides.begin() + (sides.front().empty() ? 1 : 0), sides.end());
    }
    return chain;
}

const ArgumentLine& LineOf(const InductionArgument& argument, ArgumentRole role)
{
    const auto line = std::find_if(argument.lines.begin(), argument.lines.end(),
                                   [role](const ArgumentLine& l) { return l.role == role; });
    if (line == argument.lines.end())
        throw std::invalid_argument("no such line");
    return *line;
}

// The grid place (row, column) of a cell, counted from the top-left cell.
std::pair<long, long> GridPlace(const Tessalo& form, int index)
{
    const Cell& corner = form.Shape1(0);
    const Cell& cell = form.Shape1(index);
    return {std::lround((cell.Top - corner.Top) / corner.Height), std::lround((cell.Left - corner.Left) / corner.Width)};
}

}  // namespace

// The mathematics is the oracle: every equality of the proof holds, in letters for
// every k (or n) from 1 to 12 and with the picture's numbers; the step goes from
// P(k + 1)'s left-hand side to its right-hand side and uses the hypothesis where
// it says so; each line rings the cells it speaks of.
TEST_P(EveryLesson, ArgumentHoldsAndEachLineCountsItsCells)
{
    const int kind = GetParam().kind;  // plain names: the lambda below captures them
    const int n = GetParam().n;
    const Tessalo form = SteppedTo(kind, n);
    const LessonView view = LessonStep(form, LessonCommand::StepUp, n - 1, {});
    const InductionArgument& argument = view.argument;
    const Tessalo previous = n > 1 ? Shown(kind, n - 1) : LoadedForm();
    const std::vector<int> added = AddedCells(previous, form);
    const std::vector<int> before = n > 1 ? CellsAtPlacesOf(form, previous) : std::vector<int>{};
    EXPECT_EQ(view.framed, added);

    using enum ArgumentRole;
    for (const ArgumentLine& line : argument.lines) {
        SCOPED_TRACE(line.text);
        EXPECT_EQ(line.text.find_first_of("*^"), std::string::npos);
        EXPECT_EQ(line.spoken.find_first_of("()[]:;*^/=+"), std::string::npos) << line.spoken;
        for (const std::string_view sign : {"−", "²", "·", "…", "±", "∓", "≥"})
            EXPECT_EQ(line.spoken.find(sign), std::string::npos) << line.spoken;
    }

    // in letters: the statement, the hypothesis and the step's goal hold for every value
    const std::string hypothesis = LineOf(argument, Hypothesis).text;
    EXPECT_EQ(hypothesis, LineOf(ArgumentLines(kind, 0), Hypothesis).text) << "no number of the chosen n";
    const std::vector<std::string> goal = ChainSides(LineOf(argument, StepGoal).text);
    const std::vector<std::string> chain = JoinedChain(argument, Step);
    ASSERT_EQ(goal.size(), 2u);
    ASSERT_GE(chain.size(), 3u);
    EXPECT_EQ(chain.front(), goal.front()) << "the step starts from P(k + 1)'s left-hand side";
    EXPECT_EQ(chain.back(), goal.back()) << "and ends at its right-hand side";
    for (long k = 1; k <= 12; ++k) {
        SCOPED_TRACE(k);
        for (const ArgumentRole role : {Claim, Hypothesis, StepGoal}) {
            const std::vector<long> sides = ChainValues(LineOf(argument, role).text, k);
            EXPECT_EQ(sides, std::vector<long>(2, Value(kind, static_cast<int>(role == StepGoal ? k + 1 : k))));
        }
        for (const std::string& side : chain)
            EXPECT_EQ(Formula(side, k).Value(), Value(kind, static_cast<int>(k + 1))) << side;
    }
    // the hypothesis's right-hand side is used on the line that says so, and only there
    const std::string assumed = ChainSides(hypothesis).back();
    const std::string marked(Tr(Language::bg, TextId::ArgumentByHypothesis));
    int marks = 0;
    for (const ArgumentLine& line : argument.lines) {
        if (line.text.ends_with(marked)) {
            ++marks;
            if (line.role == Step) {
                EXPECT_NE(line.text.find(assumed), std::string::npos) << line.text;
            }
            EXPECT_EQ(line.cells, before) << line.text;
        }
    }
    EXPECT_EQ(marks, n > 1 ? 2 : 1);

    // with the picture's numbers, k = n - 1: every side is the count on the board
    const std::vector<std::string> example = JoinedChain(argument, Example);
    EXPECT_EQ(example.empty(), n == 1);
    for (const std::string& side : example)
        EXPECT_EQ(Formula(side, 0).Value(), Value(kind, n)) << side;

    std::vector<int> terms;  // the cells of the picture's terms, each once
    for (const ArgumentLine& line : argument.lines) {
        SCOPED_TRACE(line.text);
        switch (line.role) {
        case BaseCase:
            EXPECT_EQ(ChainValues(line.text), std::vector<long>(3, 1));
            EXPECT_EQ(line.cells, CellsAtPlacesOf(form, Shown(kind, 1)));
            EXPECT_EQ(line.cells.size(), 1u);
            break;
        case Hypothesis:
            EXPECT_EQ(line.cells, before);
            EXPECT_EQ(static_cast<int>(line.cells.size()), Value(kind, n - 1));
            break;
        case NewTerm:
            EXPECT_EQ(line.cells, added);
            EXPECT_NE(line.text.find(" " + std::to_string(added.size()) + " "), std::string::npos);
            break;
        case PictureTerm: {
            // a diagonal of the square, or two neighbouring rows of the staircase
            std::set<long> diagonals;
            std::map<long, int> rows;
            for (const int cell : line.cells) {
                const auto [row, column] = GridPlace(form, cell);
                diagonals.insert(row + column);
                ++rows[row];
                terms.push_back(cell);
            }
            if (kind == 5) {
                // "Diagonal 3: 3 squares"
                EXPECT_EQ(static_cast<int>(line.cells.size()), LastNumber(line.text.substr(0, line.text.rfind(' '))));
                EXPECT_EQ(diagonals.size(), 1u);
            } else {
                // "4² − 3² = 4 + 3 = 7": the rows of 4 and of 3
                const long sum = ChainValues(line.text).back();
                EXPECT_EQ(static_cast<long>(line.cells.size()), sum);
                std::set<long> lengths;
                for (const auto& [row, cells] : rows) {
                    EXPECT_EQ(cells, n - row) << "a whole row";
                    lengths.insert(cells);
                }
                const std::set<long> neighbours = sum == 1 ? std::set<long>{1} : std::set<long>{sum / 2, sum / 2 + 1};
                EXPECT_EQ(lengths, neighbours);
            }
            break;
        }
        default:
            if (!line.text.ends_with(marked)) {
                EXPECT_EQ(static_cast<int>(line.cells.size()), Value(kind, n));
            }
        }
    }
    std::sort(terms.begin(), terms.end());
    EXPECT_EQ(terms.size(), (kind == 5 || kind == 6) && n > 1 ? static_cast<std::size_t>(Value(kind, n)) : 0u);
    EXPECT_EQ(std::adjacent_find(terms.begin(), terms.end()), terms.end()) << "each cell in one term";

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

    // predicting, the class sees the picture for n - 1 and no line that holds the answer;
    // the step to 1 is the base case, with nothing to guess
    ASSERT_EQ(WaitsForGuess(form, LessonCommand::StepUp, view), n > 1);
    if (n == 1)
        return;
    const HeldBack held = HoldBack(form, view, RowsBeforeStep(form, view));
    EXPECT_EQ(held.hidden, added);
    EXPECT_TRUE(held.view.framed.empty());
    EXPECT_TRUE(held.view.buildOrder.empty());
    const std::vector<ArgumentLine>& asked = held.view.argument.lines;
    ASSERT_EQ(asked.size(), ArgumentLines(kind, 0).lines.size() + 1) << "the proof in letters, then the question";
    EXPECT_EQ(asked[3].text, hypothesis);
    EXPECT_EQ(asked.back().role, NewTerm);
    EXPECT_TRUE(asked.back().cells.empty());
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
    EXPECT_EQ(switched.whole.empty() ? switched.spoken : switched.whole, english.spoken);
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
    Language language;
    std::string text;  // ~ for a no-break space, ` for a word joiner
};

void PrintTo(const WrittenArgument& argument, std::ostream* out)
{
    *out << argument.name;
}

class ArgumentAsWritten : public testing::TestWithParam<WrittenArgument> {};

TEST_P(ArgumentAsWritten, MatchesTheExample)
{
    const WrittenArgument& example = GetParam();
    const Tessalo form = Shown(example.kind, example.n, example.language);
    std::string text = ArgumentText(LessonStep(form, LessonCommand::Show, example.n, {}).argument);
    for (const auto& [mark, shown] : {std::pair<std::string, std::string>{"\u00A0", "~"}, {"\u2060", "`"}}) {
        for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at))
            text.replace(at, mark.size(), shown);
    }
    EXPECT_EQ(text, example.text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ArgumentAsWritten,
    testing::Values(
        WrittenArgument{"AlternatingSquaresToThree", 6, 3, Language::bg,
                        "P(n): n² −~(n~−~1)² +~(n~−~2)² −~… ±~1² =~n(n~+~1)/2\n"
                        "Да се докаже, че P(n) е вярно за всяко естествено n~≥~1.\n"
                        "База, n~=~1: 1² =~1·2/2 =~1, вярно.\n"
                        "Допускаме, че P(k) е вярно за някое естествено k: k² −~(k~−~1)² +~(k~−~2)² −~… ±~1² =~k(k~+~1)/2.\n"
                        "Ще докажем, че тогава е вярно и P(k~+~1): (k~+~1)² −~k² +~(k~−~1)² −~… ∓~1² =~(k~+~1)`(k~+~2)/2.\n"
                        "(k~+~1)² −~k² +~(k~−~1)² −~… ∓~1² =~(k~+~1)²~−~[k² −~(k~−~1)² +~(k~−~2)² −~… ±~1²]\n"
                        "=~(k~+~1)²~−~k(k~+~1)/2   (по допускането)\n"
                        "=~(k~+~1)`[2(k~+~1)~−~k]/2\n"
                        "=~(k~+~1)`(k~+~2)/2\n"
                        "P(1) е вярно и от P(k) следва P(k~+~1), следователно по принципа на математическата индукция P(n) е вярно за всяко естествено n~≥~1.\n"
                        "С числата на картината: k~=~2, k~+~1~=~3.\n"
                        "Стъпката добавя k~+~1 =~3 клетки, в рамка.\n"
                        "3² −~2² +~1² =~3²~−~[2² −~1²]\n"
                        "=~3²~−~2·3/2   (по допускането)\n"
                        "=~3·[2·3~−~2]/2\n"
                        "=~3·4/2 =~6\n"
                        "Всяка разлика m²~−~(m~−~1)² =~m~+~(m~−~1) е два съседни реда на стълбата:\n"
                        "3²~−~2² =~3~+~2 =~5\n"
                        "1² =~1\n"},
        WrittenArgument{"RisingAndFallingToTwo", 5, 2, Language::en,
                        "P(n): 1 +~2 +~… +~(n~−~1) +~n +~(n~−~1) +~… +~2 +~1 =~n²\n"
                        "To prove: P(n) is true for every natural number n~≥~1.\n"
                        "Base case, n~=~1: 1 =~1² =~1, true.\n"
                        "Assume that P(k) is true for some natural number k: 1 +~2 +~… +~(k~−~1) +~k +~(k~−~1) +~… +~2 +~1 =~k².\n"
                        "We prove that then P(k~+~1) is true as well: 1 +~2 +~… +~k +~(k~+~1) +~k +~… +~2 +~1 =~(k~+~1)².\n"
                        "1 +~2 +~… +~k +~(k~+~1) +~k +~… +~2 +~1 =~[1 +~2 +~… +~(k~−~1) +~k +~(k~−~1) +~… +~2 +~1]~+~k~+~(k~+~1)\n"
                        "=~k²~+~k~+~(k~+~1)   (by the hypothesis)\n"
                        "=~k²~+~2k~+~1\n"
                        "=~(k~+~1)²\n"
                        "P(1) is true and P(k) implies P(k~+~1), so by the principle of mathematical induction P(n) is true for every natural number n~≥~1.\n"
                        "With the picture's numbers: k~=~1, k~+~1~=~2.\n"
                        "The step adds k~+~(k~+~1) =~1~+~2 =~3 cells, framed.\n"
                        "1 +~2 +~1 =~[1]~+~1~+~2\n"
                        "=~1²~+~1~+~2   (by the hypothesis)\n"
                        "=~1²~+~2·1~+~1\n"
                        "=~2² =~4\n"
                        "The square's diagonals, from lower left to upper right, are the terms of the sum:\n"
                        "Diagonal 1: 1 square\n"
                        "Diagonal 2: 2 squares\n"
                        "Diagonal 3: 1 square\n"}),
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
        {"StepUpAtTheEnd", atEnd, LessonCommand::StepUp, 11, true, "Стъпката не промени картината. ", 14, true,
         false},
        {"StepDown", down, LessonCommand::StepDown, 11, false, "Стъпката премахна 11 кръга. Триъгълни", 14, true,
         false},
        {"Clear", cleared, LessonCommand::Clear, 11, false, "Дъската е изчистена.", 9, false, false},
        {"IdentityChoiceOfAnotherKind", otherKind, LessonCommand::IdentityChoice, 11, false,
         "Изведи ще начертае стълба от кръгове в 11 реда.", 14, false,
         false},
        {"IdentityChoiceOfOtherColoursInTheSamePlaces", samePlacesOtherColours, LessonCommand::IdentityChoice, 11,
         false, "Изведи ще начертае стълба от сини квадрати", 14, false, false},
        {"IdentityChoiceOfTheShownPicture", backToTheShownKind, LessonCommand::IdentityChoice, 11, false,
         "", 14, true, false},
        {"ChoiceOfTheShownN", sameN, LessonCommand::Choice, 11, false, "", 14, true, false},
        {"ChoiceOfAnotherN", otherN, LessonCommand::Choice, 11, false, "", 14, false, false},
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
        {1, 3, 2, 1, "ред 3, 3 кръга, колони 1 до 3, 3 нови", "ред 3, кръг 2 от 3, колона 2, нов"},
        {1, 3, 0, 0, "ред 1, 1 кръг, колона 1", "ред 1, кръг 1 от 1, колона 1"},
        {2, 3, 2, 2, "ред 3, 3 квадрата, колони 1 до 3, 3 нови", "ред 3, квадрат 3 от 3, колона 3, кафяв, нов"},
        {2, 3, 1, 0, "ред 2, 2 квадрата, колони 1 и 2", "ред 2, квадрат 1 от 2, колона 1, син"},
        {4, 3, 0, 2, "ред 1, 3 квадрата, колони 1 до 3, 1 нов", "ред 1, квадрат 3 от 3, колона 3, бял, нов"},
        {4, 3, 1, 0, "ред 2, 3 квадрата, колони 1 до 3, 1 нов", "ред 2, квадрат 1 от 3, колона 1, син"},
        {6, 2, 1, 0, "ред 2, 1 квадрат, колона 1, 1 нов", "ред 2, квадрат 1 от 1, колона 1, нов"},
        {3, 11, 10, 10, "ред 11, 11 кръга, колони 1 до 11, 11 нови", "ред 11, кръг 11 от 11, колона 11, нов"},
        // the centred triangle is heard half a cell in, where the staircase of the same n starts at column 1
        {3, 3, 0, 0, "ред 1, 1 кръг, колона 2", "ред 1, кръг 1 от 1, колона 2"},
        {3, 3, 1, 1, "ред 2, 2 кръга, колони 1 и половина до 2 и половина", "ред 2, кръг 2 от 2, колона 2 и половина"},
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
    EXPECT_EQ(EnteringWords(step.rows[2], 2),
              "ред 3, 3 квадрата, колони 1 до 3, 3 нови. Квадрат 3 от 3, колона 3, кафяв, нов");
    // up from the staircase's last cell of row 3: the last of row 2, not its first
    const LessonView staircase = LessonStep(SteppedTo(1, 3), LessonCommand::StepUp, 2, {});
    EXPECT_EQ(NearestCell(staircase.rows[1], staircase.rows[2].cells[2].left), 1u);
}

// The whole picture in one sentence, and the board's words with it.
TEST(ExploreRows, OverviewSaysTheShape)
{
    const struct {
        int kind;
        int n;
        Language language;
        std::string_view overview;
    } rows[] = {
        {1, 4, Language::bg, "Стълба от 4 реда, подравнена вляво, с 1, 2, 3, 4 кръга."},
        {3, 4, Language::bg, "Триъгълник от 4 реда, центриран, с 1, 2, 3, 4 кръга."},
        {6, 4, Language::bg, "Обърната стълба от 4 реда, подравнена вляво, с 4, 3, 2, 1 квадрата."},
        {5, 4, Language::bg, "Квадрат 4 по 4, 16 квадрата."},
        {2, 11, Language::bg, "Стълба от 11 реда, подравнена вляво, с 1, 2, и така нататък, 11 квадрата."},
        {1, 1, Language::bg, "1 кръг."},
        {3, 4, Language::en, "A triangle of 4 rows, centred, with 1, 2, 3, 4 circles."},
    };
    for (const auto& row : rows) {
        const LessonView view = LessonStep(SteppedTo(row.kind, row.n, row.language), LessonCommand::Show, row.n, {});
        EXPECT_EQ(OverviewWords(view.rows), row.overview);
    }
    Lesson lesson;
    lesson.Load();
    lesson.ChooseIdentity(3);
    lesson.ChooseN(3);
    lesson.Press(1);
    EXPECT_EQ(lesson.BoardWords(), "Квадрат 3 по 3, 9 квадрата. 1 плюс 3 плюс 5 равно на 3 по 3 равно на 9");
}

// The cursor along the rows and a square's diagonals: < > ^ v the arrows, H Home,
// E End, / the switch to the diagonals and back; each row the words after its last key.
TEST(PictureWalk, KeysMoveAlongRowsAndDiagonalsAndSayTheEdges)
{
    const struct {
        int kind;
        std::string_view keys;
        std::string_view said;
    } rows[] = {
        {1, "<", "Начало на реда. ред 1, кръг 1 от 1, колона 1"},
        {1, "^", "Горният край на картината. ред 1, кръг 1 от 1, колона 1"},
        {1, "vvv", "Долният край на картината. ред 3, кръг 1 от 3, колона 1"},
        {1, "vvE>", "Край на реда. ред 3, кръг 3 от 3, колона 3"},
        {1, "vvEE", "Край на реда. ред 3, кръг 3 от 3, колона 3"},
        {5, "/vvvvH", "Долният край на диагонала. диагонал 5, квадрат 1 от 1, ред 3, колона 3"},
        {1, "vvE^", "ред 2, 2 кръга, колони 1 и 2. Кръг 2 от 2, колона 2"},
        {3, "vv>>^", "ред 2, 2 кръга, колони 1 и половина до 2 и половина. Кръг 2 от 2, колона 2 и половина"},
        {1, "/", "Картината няма диагонали. ред 1, 1 кръг, колона 1. Кръг 1 от 1, колона 1"},
        {5, "/", "По диагоналите. диагонал 1, 1 квадрат. Квадрат 1 от 1, ред 1, колона 1"},
        {5, "/v", "диагонал 2, 2 квадрата. Квадрат 1 от 2, ред 2, колона 1"},
        {5, "/v>", "диагонал 2, квадрат 2 от 2, ред 1, колона 2"},
        {5, "/v>>", "Горният край на диагонала. диагонал 2, квадрат 2 от 2, ред 1, колона 2"},
        {5, "/vvvvv", "Последният диагонал. диагонал 5, квадрат 1 от 1, ред 3, колона 3"},
        {5, "/v>/", "По редовете. ред 1, 3 квадрата, колони 1 до 3. Квадрат 2 от 3, колона 2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.keys));
        PictureWalk walk;
        walk.SetRows(LessonStep(SteppedTo(row.kind, 3), LessonCommand::Show, 3, {}).rows);
        std::string said;
        for (const char key : row.keys) {
            const std::map<char, WalkKey> keys{{'<', WalkKey::Left}, {'>', WalkKey::Right}, {'^', WalkKey::Up},
                                               {'v', WalkKey::Down}, {'H', WalkKey::Home},  {'E', WalkKey::End},
                                               {'/', WalkKey::Diagonals}};
            said = walk.Press(keys.at(key));
        }
        EXPECT_EQ(said, row.said);
    }
}

// A line that counts some of the cells says which, the way its rings show them.
TEST(ExploreRows, ArgumentLinesSayTheCellsTheyCount)
{
    const struct {
        int kind;
        int n;
        ArgumentRole role;
        std::string_view ending;
    } rows[] = {
        {1, 4, ArgumentRole::NewTerm, ". Отговаря на ред 4, 4 кръга"},
        {5, 4, ArgumentRole::Hypothesis, ". Отговаря на 9 квадрата в редове 1 до 3, колони 1 до 3"},
        {5, 3, ArgumentRole::PictureTerm, ". Отговаря на диагонал 2, 2 квадрата"},
        {6, 4, ArgumentRole::PictureTerm, ". Отговаря на редове 1 и 2, 7 квадрата"},
        // the odd numbers' bands are no diagonals, though the square has them
        {4, 2, ArgumentRole::BaseCase, ". Отговаря на 1 квадрат в ред 1, колона 1"},
        {4, 2, ArgumentRole::NewTerm, ". Отговаря на 3 квадрата в редове 1 и 2"},
        {4, 3, ArgumentRole::Hypothesis, ". Отговаря на 4 квадрата в редове 1 и 2, колони 1 и 2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.ending);
        const LessonView view = LessonStep(SteppedTo(row.kind, row.n), LessonCommand::StepUp, row.n - 1, {});
        EXPECT_TRUE(std::any_of(view.argument.lines.begin(), view.argument.lines.end(), [&row](const ArgumentLine& line) {
            return line.role == row.role && line.spoken.ends_with(row.ending);
        }));
    }
}
