// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/further_lesson.h"

#include "app/in_words.h"
#include "identities/claim_parser.h"
#include "identities/claim_text.h"
#include "identities/formula_text.h"
#include "identities/further_argument.h"
#include "identities/identity_picture.h"
#include "runtime/numbers.h"

#include <numeric>

namespace {

// The identity's name as said, the progression's a and d after it.
std::string SpokenName(const FurtherIdentity& identity, Language language)
{
    std::string name(Tr(language, identity.name));
    if (identity.kind == kProgressionKind) {
        name += Tr(language, TextId::SpokenAIs);
        AppendNumber(name, identity.progression.a);
        name += Tr(language, TextId::SpokenDIs);
        AppendNumber(name, identity.progression.d);
    }
    return name;
}

// The sum for n, which its picture counts.
std::string ValueAt(const FurtherIdentity& identity, int n)
{
    const ClaimParse sum = ParseExpression(identity.sum);
    return sum.value ? sum.value->At(n).Written() : "?";
}

// "5 квадрата", "1 квадрат": the further pictures are all of squares.
void AppendSquares(std::string& text, std::size_t count, Language language)
{
    AppendNumber(text, static_cast<double>(count));
    text += ' ';
    text += Tr(language, count == 1 ? TextId::SpokenSquare : TextId::SpokenSquares);
}

// "n е 3, общо 36.", after `opening` (", " after a name, "" at a sentence's start).
std::string NAndSum(const FurtherIdentity& identity, int n, TextId opening, Language language)
{
    std::string text(Tr(language, opening));
    AppendNumber(text, n);
    text += ", ";
    text += Tr(language, TextId::SpokenInAll);
    text += ValueAt(identity, n);
    text += '.';
    return text;
}

// What Show says: "Сума на кубовете, n е 3, общо 36."
std::string ShownWords(const FurtherIdentity& identity, int n, Language language)
{
    return SpokenName(identity, language) + NAndSum(identity, n, TextId::SpokenNIs, language);
}

// Why nothing is drawn for n: none chosen, or beyond the identity's pictures.
std::string NotDrawnWords(const FurtherIdentity& identity, int n, Language language)
{
    if (n < 1)
        return std::string(Tr(language, TextId::SpokenChooseN));
    std::string text(Tr(language, TextId::FurtherDrawnUpTo));
    AppendNumber(text, identity.maxN);
    text += '.';
    return text;
}

// The step's news, `changed` cells added or removed, then n and the sum; not
// `brief`: the identity's name, as Show says it.
std::string StepWords(const FurtherIdentity& identity, int n, bool up, std::size_t changed, bool brief,
                      Language language)
{
    std::string text;
    if (changed == 0) {
        text += Tr(language, TextId::SpokenStepUnchanged);
    } else {
        text += Tr(language, up ? TextId::SpokenStepAdded : TextId::SpokenStepRemoved);
        AppendSquares(text, changed, language);
        text += ". ";
    }
    return text + (brief ? NAndSum(identity, n, TextId::SpokenBriefN, language) : ShownWords(identity, n, language));
}

std::vector<int> UpTo(std::size_t end)
{
    std::vector<int> cells(end);
    std::iota(cells.begin(), cells.end(), 0);
    return cells;
}

}  // namespace

bool DrawsFurther(const FurtherIdentity& identity, int n)
{
    return n >= 1 && n <= identity.maxN;
}

namespace {

LessonView ViewAfter(const FurtherIdentity& identity, int n, LessonCommand command, int nBefore,
                     const LessonView& previous, bool brief, Language language)
{
    LessonView view;
    const bool drawn = DrawsFurther(identity, n);
    switch (command) {
    case LessonCommand::Clear:
        view.spoken = Tr(language, TextId::SpokenCleared);
        return view;
    case LessonCommand::Show:
        view.spoken = drawn ? ShownWords(identity, n, language) : NotDrawnWords(identity, n, language);
        // chosen by its name, said as it was chosen: only what it drew, but a progression's terms
        if (drawn && brief && identity.kind != kProgressionKind) {
            view.whole = std::move(view.spoken);
            view.spoken = NAndSum(identity, n, TextId::SpokenBriefN, language);
        }
        if (drawn)
            view.buildOrder = UpTo(identity.cells(n).size());
        break;
    case LessonCommand::StepUp:
    case LessonCommand::StepDown: {
        const bool up = command == LessonCommand::StepUp;
        if (!drawn) {
            view.spoken = NotDrawnWords(identity, n, language);
            break;
        }
        if (!up && !DrawsFurther(identity, n + 1)) {
            // from beyond its pictures: no step of it, the picture for n as Show draws it
            view.spoken = ShownWords(identity, n, language);
            break;
        }
        std::size_t changed = 0;
        if (n == nBefore) {
            view.framed = previous.framed;  // at an end: the same picture, its frames kept
        } else if (up) {
            view.framed = StepCellsOf(identity, n);
            view.buildOrder = view.framed;
            changed = view.framed.size();
        } else if (DrawsFurther(identity, n + 1)) {
            changed = StepCellsOf(identity, n + 1).size();
        }
        view.spoken = StepWords(identity, n, up, changed, brief, language);
        if (brief)
            view.whole = StepWords(identity, n, up, changed, false, language);
        break;
    }
    case LessonCommand::Choice:
    case LessonCommand::IdentityChoice: break;
    }
    return view;
}

}  // namespace

LessonView FurtherStep(const FurtherIdentity& identity, int n, int drawnN, LessonCommand command, int nBefore,
                       const LessonView& previous, bool brief, Language language)
{
    LessonView view = ViewAfter(identity, n, command, nBefore, previous, brief, language);
    // the argument counts the cells of the picture on the board, and only of the n it is about
    view.argument = FurtherArgument(identity, drawnN == n ? n : 0, language);
    if (drawnN != 0)
        view.rows = ExploreRows(FurtherCells(identity, drawnN), view.framed, language);
    SayCountedCells(view);
    return view;
}

std::string FurtherText(const FurtherIdentity& identity, int n, Language language)
{
    return DrawsFurther(identity, n) ? FurtherProofText(identity, n, language) : std::string();
}

PictureRows FurtherRowsBefore(const FurtherIdentity& identity, int n, Language language)
{
    std::vector<Cell> cells = FurtherCells(identity, n);
    for (const int step : StepCellsOf(identity, n))
        cells[static_cast<std::size_t>(step)].Visible = false;
    return ExploreRows(cells, {}, language);
}

std::string FurtherChosenWords(const FurtherIdentity& identity, Language language)
{
    return SpokenName(identity, language) + ". " +
           InWords(WrittenLeft(identity.kind, identity.progression, 'n') + " = " + WrittenFormula(identity.sum),
                   language);
}
