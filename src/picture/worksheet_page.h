// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"

class QIODevice;

// A pupil's worksheet for the step to n as a PDF on an A4 page: its heading
// with n, the picture for n - 1 with the cells the step adds as empty framed
// cells to colour in, and the proof with blanks (WorksheetLines). With `answers`, the
// answer sheet: the same page filled in, the step's cells coloured and framed.
// False when the device refused a write.
bool WriteWorksheet(QIODevice& device, int kind, int n, Language language, bool answers);
