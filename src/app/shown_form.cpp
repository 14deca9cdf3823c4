// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/shown_form.h"

Tessalo ShownForm(int kind, int n, Language language)
{
    Tessalo form(language);
    form.Form_Load();
    form.ChooseOption(kind - 1);
    form.List1(0).ListIndex = n - 1;
    form.Command1_Click(1);
    return form;
}
