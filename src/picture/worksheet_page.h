// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/board_picture.h"
#include "app/texts.h"

#include <string>
#include <vector>

class QIODevice;

// A pupil's worksheet for the step to n as a PDF on an A4 page: its heading
// with n, the picture for n - 1 with the cells the step adds as empty framed
// cells to colour in, and the proof with blanks (WorksheetLines). With `answers`, the
// answer sheet: the same page filled in, the step's cells coloured and framed.
// False when the device refused a write.
bool WriteWorksheet(QIODevice& device, int kind, int n, Language language, bool answers);
// The same for any identity: its picture's cells (the step's blank on the
// worksheet, coloured on the answers) and its lines.
bool WriteWorksheet(QIODevice& device, int n, Language language, bool answers, const BoardPicture& cells,
                    const std::vector<std::string>& lines);
