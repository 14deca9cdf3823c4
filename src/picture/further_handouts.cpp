// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/further_handouts.h"

#include "app/braille_file.h"
#include "app/handout_sheet.h"
#include "app/worksheet.h"
#include "identities/claim_text.h"
#include "identities/further_argument.h"
#include "identities/identity_picture.h"
#include "picture/step_strip.h"
#include "picture/tactile_page.h"
#include "picture/worksheet_page.h"

bool WriteFurtherStrip(QIODevice& device, PictureFormat format, const FurtherIdentity& identity, int n,
                       Language language)
{
    const StripContent content{FurtherArgument(identity, n, language).lines.front().text,
                               [&](int m) { return FurtherStepPicture(identity, m, n); },
                               [&](int m) { return FurtherStepSum(identity, m); }};
    return WriteStepStrip(device, format, n, content);
}

bool WriteFurtherWorksheet(QIODevice& device, const FurtherIdentity& identity, int n, Language language, bool answers)
{
    BoardPicture cells = FurtherStepPicture(identity, n, n);
    if (!answers)
        BlankCells(cells, StepCellsOf(identity, n));
    return WriteWorksheet(device, n, language, answers, cells,
                          WorksheetLines(FurtherArgument(identity, n, language), answers));
}

QByteArray FurtherProofBrf(const FurtherIdentity& identity, int n, Language language)
{
    return LinesBrf(ProofForBraille(identity, n, language), language);
}
