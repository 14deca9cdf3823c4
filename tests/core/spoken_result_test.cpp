// The sentence a screen reader speaks after Show, a step and Clear.
#include "app/induction_step.h"
#include "app/spoken_result.h"
#include "proof_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct SpokenExample {
    std::string name;
    int kind;
    int from;  // n shown before the command; 0: none chosen, after Clear
    Spoken what;
    std::string sentence;
};

void PrintTo(const SpokenExample& example, std::ostream* out)
{
    *out << example.name;
}

const SpokenExample kExamples[] = {
    {"StepUpToFour", 1, 3, Spoken::StepUp,
     "Сума на първите естествени числа, n = 4: стълба от кръгове в 4 реда, 1 + 2 + 3 + 4 = 10; "
     "стъпката добави 4 кръга: 6 плюс 4 прави 10, колкото е 4 по 5 върху 2."},
    {"OddNumbersStepUpToThree", 4, 2, Spoken::StepUp,
     "Сума на първите нечетни числа, n = 3: квадрат 3 по 3 от Г-образни ивици, последователно бели и сини "
     "от горния ляв ъгъл, 1 + 3 + 5 = 3 по 3 = 9; стъпката добави 5 квадрата: 4 плюс 5 прави 9, колкото е "
     "3 по 3."},
    {"AlternatingSquaresStepUpToThree", 6, 2, Spoken::StepUp,
     "Сума на квадратите с редуващи се знаци, n = 3: обърната стълба от квадрати в 3 реда, най-дългият ред "
     "отгоре, 9 минус 4 + 1 = 6; стъпката добави 3 квадрата: 9 минус 3 прави 6, колкото е 3 по 4 върху 2."},
    {"FirstStepAfterClear", 6, 0, Spoken::StepUp,
     "Сума на квадратите с редуващи се знаци, n = 1: обърната стълба от квадрати в 1 ред, най-дългият "
     "ред отгоре, 1 = 1; стъпката добави 1 квадрат."},
    {"StepDownFromEleven", 5, 11, Spoken::StepDown,
     "Сума от 1 до n и обратно до 1, n = 10: квадрат 10 по 10 от сини квадрати, броени по диагоналите, "
     "1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10 + 9 + 8 + 7 + 6 + 5 + 4 + 3 + 2 + 1 = 10 по 10 = 100; "
     "стъпката премахна 21 квадрата."},
    {"StepUpAtEleven", 2, 11, Spoken::StepUp,
     "Сума на аритметична прогресия, n = 11: стълба от сини квадрати в 11 реда с кафяво-оранжев диагонал, "
     "1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10 + 11 = 66; стъпката не промени картината."},
    {"ShowWithoutN", 4, 0, Spoken::Show, "Първо изберете n от списъка „Брой“."},
    {"Clear", 4, 4, Spoken::Clear, "Дъската е изчистена."},
};

// The command `what` on the form, as the window raises it.
void Raise(Spoken what, Tessalo& form)
{
    switch (what) {
    case Spoken::Show: form.Command1_Click(1); break;
    case Spoken::StepUp: StepN(form, +1); break;
    case Spoken::StepDown: StepN(form, -1); break;
    case Spoken::Clear: form.Command1_Click(0); break;
    }
}

// The value of a spoken sum such as "16 минус 9 + 4 минус 1"; a word that is
// neither a number nor an operator in words throws.
int SpokenSumValue(const std::string& sum)
{
    std::istringstream words(sum);
    int total = 0;
    int sign = 1;
    for (std::string word; words >> word;) {
        if (word == "+" || word == "минус")
            sign = word == "+" ? 1 : -1;
        else
            total += sign * std::stoi(word);
    }
    return total;
}

struct Picture {
    int kind;
    int n;
};

void PrintTo(const Picture& picture, std::ostream* out)
{
    *out << "kind " << picture.kind << ", n " << picture.n;
}

std::vector<Picture> AllPictures()
{
    std::vector<Picture> pictures;
    for (int kind = 1; kind <= 6; ++kind) {
        for (int n = 1; n <= 11; ++n)
            pictures.push_back({kind, n});
    }
    return pictures;
}

std::string SpokenAfterShow(int kind, int n)
{
    return SpokenResult(Spoken::Show, Shown(kind, n));
}

class SpokenSentence : public testing::TestWithParam<SpokenExample> {};
class EverySpokenPicture : public testing::TestWithParam<Picture> {};

}  // namespace

TEST_P(SpokenSentence, MatchesTheExample)
{
    const SpokenExample& example = GetParam();
    Tessalo form = Shown(example.kind, example.from == 0 ? 3 : example.from);
    if (example.from == 0)
        form.Command1_Click(0);
    const Tessalo before = form;
    Raise(example.what, form);
    EXPECT_EQ(SpokenResult(example.what, form, &before), example.sentence);
}

INSTANTIATE_TEST_SUITE_P(Examples, SpokenSentence, testing::ValuesIn(kExamples),
                         [](const auto& info) { return info.param.name; });

// "<identity>, n = <n>: <arrangement>, <sum> [= n по n] = <cells>."
TEST_P(EverySpokenPicture, SaysNAndASumInWordsThatCountsTheCellsAndDiffersFromTheOtherKinds)
{
    const auto [kind, n] = GetParam();
    const std::string sentence = SpokenAfterShow(kind, n);
    EXPECT_NE(sentence.find(", n = " + std::to_string(n) + ": "), std::string::npos) << sentence;
    EXPECT_EQ(sentence.find('*'), std::string::npos) << sentence;
    EXPECT_EQ(sentence.find(" - "), std::string::npos) << sentence;
    ASSERT_TRUE(sentence.ends_with(".")) << sentence;

    const auto sumStart = sentence.rfind(", ") + 2;
    const auto parts = Split(sentence.substr(sumStart, sentence.size() - 1 - sumStart), " = ");
    const bool square = kind == 4 || kind == 5;
    ASSERT_EQ(parts.size(), square ? 3u : 2u) << sentence;
    EXPECT_EQ(SpokenSumValue(parts.front()), Value(kind, n)) << sentence;
    if (square) {
        EXPECT_EQ(parts[1], std::to_string(n) + " по " + std::to_string(n));
    }
    EXPECT_EQ(parts.back(), std::to_string(Value(kind, n)));

    for (int other = 1; other <= 6; ++other) {
        if (other != kind) {
            EXPECT_NE(sentence, SpokenAfterShow(other, n)) << "kind " << other;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllKindsAndNumbers, EverySpokenPicture, testing::ValuesIn(AllPictures()),
                         [](const auto& info) {
                             return "Kind" + std::to_string(info.param.kind) + "N" + std::to_string(info.param.n);
                         });
