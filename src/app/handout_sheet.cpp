// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/handout_sheet.h"

#include "app/identity_formulas.h"
#include "app/induction_step.h"
#include "app/shown_form.h"
#include "app/spoken_result.h"

#include <algorithm>

BoardPicture CellsAlone(const Tessalo& form, const PictureMarks& marks)
{
    BoardPicture picture = DescribeBoard(form, marks);
    // the labels' captions would outlive the form: none is kept
    std::erase_if(picture.items, [](const PictureItem& item) { return item.kind == PictureItemKind::Label; });
    picture.width = picture.height = 0;
    return picture;
}

std::vector<int> StepCells(const Tessalo& form)
{
    return AddedCells(PictureForN(form, ChosenN(form) - 1), form);
}

BoardPicture StepPicture(int kind, int m, Language language, StepCellFill fill)
{
    const Tessalo form = ShownForm(kind, m, language);
    const std::vector<int> added = StepCells(form);
    PictureMarks marks;
    marks.framed = added;
    BoardPicture picture = CellsAlone(form, marks);
    if (fill == StepCellFill::Blank)
        BlankCells(picture, added);
    return picture;
}

void BlankCells(BoardPicture& picture, std::span<const int> added)
{
    for (PictureItem& item : picture.items) {
        if (item.kind == PictureItemKind::Cell && std::find(added.begin(), added.end(), item.cell) != added.end())
            item.fill = Colour{255, 255, 255};
        if (item.kind == PictureItemKind::StepFrame) {
            const double inset = (item.lineWidth - item.lineWidth / 4) / 2;
            item.left -= inset;
            item.top -= inset;
            item.width += 2 * inset;
            item.height += 2 * inset;
            item.lineWidth /= 4;
        }
    }
}

int StripColumns(int n, double areaWidth, double areaHeight, double boxWidth, double boxHeight, double below)
{
    int best = 1;
    double bestScale = 0;
    for (int columns = 1; columns <= n; ++columns) {
        const int rows = (n + columns - 1) / columns;
        const double scale = std::min(areaWidth / columns / boxWidth, (areaHeight / rows - below) / boxHeight);
        if (scale > bestScale) {
            best = columns;
            bestScale = scale;
        }
    }
    return best;
}

std::string HandoutTitle(int kind, int n, Language language)
{
    return std::string(SpokenIdentityName(kind, language)) + ", n = " + std::to_string(n);
}

std::string StepSum(int kind, int m)
{
    return WrittenSum(kind, kLetter, FormulaWriter::Numbers(m)) + std::string(kEquals) +
           std::to_string(IdentityValue(kind, m));
}
