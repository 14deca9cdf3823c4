// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/board_picture.h"
#include "app/texts.h"
#include "picture/picture_export.h"

#include <functional>
#include <string>

class QIODevice;

// A strip of the steps on one A4 page, for a handout: under the identity's
// statement, the pictures for 1, 2, …, n side by side in rows, all at one
// scale, each with the cells its step added framed and its sum written out
// beneath ("1 + 3 + 5 = 9"); the cells alone, on white. As PDF or SVG; false
// for another format or when the device refused a write.
bool WriteStepStrip(QIODevice& device, PictureFormat format, int kind, int n, Language language);

// What a strip shows of any identity: its statement, and for each m its picture
// (the cells alone, the step's framed) and its sum written out.
struct StripContent {
    std::string statement;
    std::function<BoardPicture(int m)> picture;
    std::function<std::string(int m)> sum;
};
bool WriteStepStrip(QIODevice& device, PictureFormat format, int n, const StripContent& content);
