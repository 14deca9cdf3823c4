// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sentence a screen reader speaks after Show, a step and Clear.
#include "app/command_table.h"
#include "app/in_words.h"
#include "app/induction_step.h"
#include "app/lesson.h"
#include "app/spoken_result.h"
#include "proof_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <sstream>

namespace {

struct SpokenExample {
    std::string name;
    int kind;
    int from;  // n shown before the command; 0: none chosen, after Clear
    Spoken what;
    std::string sentence;
    Language language = Language::bg;
};

void PrintTo(const SpokenExample& example, std::ostream* out)
{
    *out << example.name;
}

const SpokenExample kExamples[] = {
    {"StepUpToFour", 1, 3, Spoken::StepUp,
     "Стъпката добави 4 кръга. Сума на първите естествени числа, n е 4, стълба от кръгове в 4 реда, "
     "6 плюс 4 прави 10, колкото е 4 по 5 върху 2."},
    {"OddNumbersStepUpToThree", 4, 2, Spoken::StepUp,
     "Стъпката добави 5 квадрата. Сума на първите нечетни числа, n е 3, квадрат 3 по 3 от ъглови ивици, "
     "редуващи се бели и сини от горния ляв ъгъл, 4 плюс 5 прави 9, колкото е 3 по 3."},
    {"AlternatingSquaresStepUpToThree", 6, 2, Spoken::StepUp,
     "Стъпката добави 3 квадрата. Разлика на квадрати, n е 3, обърната стълба от квадрати в 3 реда, "
     "с дългия ред отгоре, 9 минус 3 прави 6, колкото е 3 по 4 върху 2."},
    {"AlternatingSquaresShownAtSixShortened", 6, 6, Spoken::Show,
     "Разлика на квадрати, n е 6, обърната стълба от квадрати в 6 реда, с дългия ред отгоре, "
     "36 минус 25 плюс и така нататък минус 1 прави 21, колкото е 6 по 7 върху 2."},
    {"FirstStepAfterClear", 6, 0, Spoken::StepUp,
     "Стъпката добави 1 квадрат. Разлика на квадрати, n е 1, обърната стълба от квадрати в 1 ред, "
     "с дългия ред отгоре, сумата е 1, колкото е 1 по 2 върху 2."},
    {"StepDownFromElevenShortensBothRuns", 5, 11, Spoken::StepDown,
     "Стъпката премахна 21 квадрата. Сума от 1 до n и обратно до 1, n е 10, квадрат 10 по 10 от сини "
     "квадрати, броени по диагоналите, 1 плюс 2 плюс и така нататък плюс 10 плюс 9 плюс 8 плюс и така "
     "нататък плюс 1 прави 100, колкото е 10 по 10."},
    {"StepUpAtEleven", 2, 11, Spoken::StepUp,
     "Стъпката не промени картината. Аритметична прогресия, n е 11, стълба от сини квадрати в 11 реда "
     "с кафяв диагонал, 1 плюс 2 плюс и така нататък плюс 11 прави 66, колкото е 11 по 12 върху 2."},
    {"ShowWithoutN", 4, 0, Spoken::Show, "Първо изберете n от списъка Брой."},
    {"Clear", 4, 4, Spoken::Clear, "Дъската е изчистена."},
    {"EnglishStepUpToFour", 1, 3, Spoken::StepUp,
     "The step added 4 circles. Sum of the first natural numbers, n is 4, a staircase of circles in 4 rows, "
     "6 plus 4 makes 10, which is 4 times 5 over 2.", Language::en},
    {"EnglishOddNumbersShownAtSixShortened", 4, 6, Spoken::Show,
     "Sum of the first odd numbers, n is 6, a 6 by 6 square in corner bands, white and blue in turn from "
     "the top left corner, 1 plus 3 plus and so on plus 11 makes 36, which is 6 times 6.", Language::en},
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

// The value of a spoken sum such as "16 минус 9 плюс 4 минус 1", none for a
// shortened one ("1 плюс 2 плюс и така нататък плюс 11"); a word that is neither
// a number nor an operator in words throws.
std::optional<int> SpokenSumValue(const std::string& sum)
{
    if (sum.find("и така нататък") != std::string::npos)
        return std::nullopt;
    std::istringstream words(sum);
    int total = 0;
    int sign = 1;
    for (std::string word; words >> word;) {
        if (word == "плюс" || word == "минус")
            sign = word == "плюс" ? 1 : -1;
        else
            total += sign * std::stoi(word);
    }
    return total;
}

// The value of a product in words: "5 по 6 върху 2", "5 по 5".
int SpokenProductValue(const std::string& product)
{
    int a = 0;
    int b = 0;
    int c = 1;
    std::string by;
    std::string over;
    std::istringstream(product) >> a >> by >> b >> over >> c;
    EXPECT_EQ(by, "по") << product;
    return a * b / c;
}

bool HasWord(const std::string& text, const std::string& word)
{
    return (" " + text + " ").find(" " + word + " ") != std::string::npos;
}

// None of the characters a punctuation level reads out or drops.
void ExpectSpeakable(const std::string& text)
{
    EXPECT_EQ(text.find_first_of(":;-*^=()[]/<>%"), std::string::npos) << text;
    for (const std::string_view sign : {"²", "·", "−", "…", "±", "≥", "—", "–"})
        EXPECT_EQ(text.find(sign), std::string::npos) << text;
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
    Tessalo form = Shown(example.kind, example.from == 0 ? 3 : example.from, example.language);
    if (example.from == 0)
        form.Command1_Click(0);
    const Tessalo before = form;
    Raise(example.what, form);
    EXPECT_EQ(SpokenResult(example.what, form, &before), example.sentence);
}

INSTANTIATE_TEST_SUITE_P(Examples, SpokenSentence, testing::ValuesIn(kExamples),
                         [](const auto& info) { return info.param.name; });

// "<name>, n е <n>, <arrangement>, <sum> прави <cells>, колкото е <right side>.";
// after a step up the news first and the step's arithmetic instead of the sum.
TEST_P(EverySpokenPicture, SaysNAndASumInWordsThatCountsTheCellsAndDiffersFromTheOtherKinds)
{
    const auto [kind, n] = GetParam();
    const std::string sentence = SpokenAfterShow(kind, n);
    ExpectSpeakable(sentence);
    ExpectSpeakable(SpokenResult(Spoken::Show, Shown(kind, n, Language::en)));
    EXPECT_TRUE(sentence.starts_with(std::string(SpokenIdentityName(kind)) + ", n е " + std::to_string(n) + ", "))
        << sentence;
    ASSERT_TRUE(sentence.ends_with(".")) << sentence;

    const std::string asMuchAs = ", колкото е ";
    const auto rightSide = sentence.rfind(asMuchAs);
    ASSERT_NE(rightSide, std::string::npos) << sentence;
    const auto product = rightSide + asMuchAs.size();
    EXPECT_EQ(SpokenProductValue(sentence.substr(product, sentence.size() - 1 - product)), Value(kind, n))
        << sentence;
    EXPECT_EQ(HasWord(sentence, "върху"), kind != 4 && kind != 5) << sentence;

    const std::string head = sentence.substr(0, rightSide);
    const std::string sum = head.substr(head.rfind(", ") + 2);
    if (n == 1) {
        EXPECT_EQ(sum, "сумата е 1");
    } else {
        const auto parts = Split(sum, " прави ");
        ASSERT_EQ(parts.size(), 2u) << sentence;
        EXPECT_EQ(parts.back(), std::to_string(Value(kind, n)));
        const int terms = kind == 5 ? 2 * n - 1 : n;
        const std::optional<int> value = SpokenSumValue(parts.front());
        EXPECT_EQ(value.has_value(), terms <= 5) << sentence;
        if (value) {
            EXPECT_EQ(*value, Value(kind, n)) << sentence;
        }
        EXPECT_EQ(HasWord(parts.front(), "плюс"), kind != 6 || n >= 3) << sentence;
        EXPECT_EQ(HasWord(parts.front(), "минус"), kind == 6) << sentence;
    }

    Tessalo stepped = Shown(kind, n);
    const Tessalo before = stepped;
    StepN(stepped, -1);
    StepN(stepped, +1);
    const std::string step = SpokenResult(Spoken::StepUp, stepped, &before);
    ExpectSpeakable(step);
    EXPECT_TRUE(step.starts_with("Стъпката ")) << step;

    Tessalo other = Shown(kind % 6 + 1, n);
    other.ChooseOption(kind - 1);
    const std::string choice = SpokenChoice(other, false);
    ExpectSpeakable(choice);
    EXPECT_TRUE(choice.starts_with("Изведи ще начертае ")) << choice;

    for (int other = 1; other <= 6; ++other) {
        if (other != kind) {
            EXPECT_NE(sentence, SpokenAfterShow(other, n)) << "kind " << other;
        }
    }

    // everything else a screen reader reads of this picture, in both languages
    for (const Language language : {Language::bg, Language::en}) {
        Lesson lesson(language);
        lesson.Load();
        lesson.ChooseIdentity(kind - 1);
        lesson.ChooseN(n);
        lesson.Press(1);
        for (const ArgumentLine& line : lesson.View().argument.lines)
            ExpectSpeakable(line.spoken);
        ExpectSpeakable(lesson.BoardWords());
        for (int box = 0; box < 2; ++box)
            ExpectSpeakable(InWordsByLine(lesson.Form().Text1(box).Text, language));
        for (const TextId caption : {TextId::WindowCaption, TextId::FrameCaption})
            ExpectSpeakable(InWords(Tr(language, caption), language));
        ExpectSpeakable(std::string(SpokenFormula(kind, language)));
    }
}

INSTANTIATE_TEST_SUITE_P(AllKindsAndNumbers, EverySpokenPicture, testing::ValuesIn(AllPictures()),
                         [](const auto& info) {
                             return "Kind" + std::to_string(info.param.kind) + "N" + std::to_string(info.param.n);
                         });

// One name for each identity, none shared; each formula in words.
TEST(SpokenIdentity, NamesAreDistinctAndFormulasSaidInWords)
{
    std::set<std::string_view> names;
    for (int kind = 1; kind <= 6; ++kind) {
        SCOPED_TRACE(kind);
        names.insert(SpokenIdentityName(kind));
        const std::string formula(SpokenFormula(kind));
        ExpectSpeakable(formula);
        EXPECT_TRUE(HasWord(formula, "равно на")) << formula;
        EXPECT_EQ(HasWord(formula, "на квадрат"), kind == 6) << formula;
    }
    EXPECT_EQ(names.size(), 6u);
    EXPECT_EQ(SpokenIdentityName(7), "");
    // grouped as the radio button writes it: "(2n-1)", not 2(n - 1)
    for (const Language language : {Language::bg, Language::en})
        EXPECT_EQ(SpokenFormula(4, language), InWords(Tr(language, TextId::OptionOdd), language));
}

// A line of the proof is heard as a teacher reads it: a squared parenthesis as
// "the square of", a factor or a bracket closed by a pause, P(k) as "P of k".
TEST(SpokenIdentity, FormulasAreHeardGroupedAsWritten)
{
    const struct {
        std::string_view text;
        Language language;
        std::string_view said;
    } rows[] = {
        {"n² −\u00A0(n\u00A0−\u00A01)²", Language::bg, "n на квадрат минус квадрата на n минус 1"},
        {"n² −\u00A0(n\u00A0−\u00A01)² =\u00A02n\u00A0−\u00A01", Language::en,
         "n squared minus the square of n minus 1, equals 2 n minus 1"},
        {"k(k\u00A0+\u00A01)/2 +\u00A0(k\u00A0+\u00A01)", Language::bg, "k по скоба, k плюс 1, затваряме скобата върху 2 плюс скоба, k плюс 1, затваряме скобата"},
        {"=\u00A04·[2·4 −\u00A03]/2", Language::en, "equals 4 times open bracket, 2 times 4 minus 3, close bracket over 2"},
        {"P(k\u00A0+\u00A01): 1 ∓\u00A01² =\u00A016   (by the hypothesis).", Language::en,
         "P of k plus 1, 1 minus or plus 1 squared equals 16, by the hypothesis."},
        {"n\u00A0≥\u00A01, … ±", Language::bg, "n по голямо или равно на 1, и така нататък плюс или минус"},
        // the form's own texts write their formulas in ASCII
        {"1+2+...+n=n*(n+1)/2", Language::bg,
         "1 плюс 2 плюс и така нататък плюс n равно на n по скоба, n плюс 1, затваряме скобата върху 2"},
        {"n^2 - (n-1)^2 +...+(-1)^(n-1)", Language::en,
         "n squared minus the square of n minus 1, plus and so on plus open bracket, minus 1, close bracket, to the "
         "power open bracket, n minus 1, close bracket"},
        {"Математика - индукция, най- малкото (k>p)", Language::bg, "Математика, индукция, най малкото k по голямо от p"},
        {"Mathematics - induction, n - 1", Language::en, "Mathematics, induction, n minus 1"},
        // the further identities' powers, raised
        {"1³ +\u00A0… +\u00A0k³ +\u00A0(k\u00A0+\u00A01)³", Language::bg,
         "1 на куб плюс и така нататък плюс k на куб плюс куба на k плюс 1"},
        {"2ᵏ\u00A0−\u00A01 +\u00A02ᵏ =\u00A02ᵏ⁺¹\u00A0−\u00A01", Language::en,
         "2 to the power k, minus 1 plus 2 to the power k, equals 2 to the power k plus 1, minus 1"},
        {"5k\u00A0−\u00A01 ≠\u00A03k +\u00A01", Language::bg, "5 k минус 1 не е равно на 3 k плюс 1"},
        // the menu's and the key list's words
        {"по-едро; също Ctrl+колелце", Language::bg, "по едро, също Ctrl и колелце"},
        {"Мащаб 100 %", Language::bg, "Мащаб 100 процента"},
        {"копира картината; в текстово поле — избрания текст", Language::bg,
         "копира картината, в текстово поле, избрания текст"},
        {"Ctrl+-", Language::en, "Ctrl and minus"},
        {"Ctrl++, Ctrl+=, Ctrl+Num++, Shift+F10", Language::bg, "Ctrl и плюс, Ctrl и равно, Ctrl и Num плюс, Shift и F10"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(InWords(row.text, row.language), row.said) << row.text;
    // every command, and every key of the key list, as the menu and the key list say them
    for (const Language language : {Language::bg, Language::en}) {
        for (const CommandRow& row : kCommands) {
            for (const TextId text : {row.text, row.meaning})
                ExpectSpeakable(InWords(Tr(language, text), language));
            for (const std::string_view key : row.keys)
                ExpectSpeakable(InWords(key, language));
        }
        for (const FormKeysRow& row : kFormKeys) {
            for (const TextId text : {row.keys, row.meaning})
                ExpectSpeakable(InWords(Tr(language, text), language));
        }
    }
}
