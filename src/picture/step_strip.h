// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/texts.h"
#include "picture/picture_export.h"

class QIODevice;

// A strip of the steps on one A4 page, for a handout: under the identity's
// statement, the pictures for 1, 2, …, n side by side in rows, all at one
// scale, each with the cells its step added framed and its sum written out
// beneath ("1 + 3 + 5 = 9"); the cells alone, on white. As PDF or SVG; false
// for another format or when the device refused a write.
bool WriteStepStrip(QIODevice& device, PictureFormat format, int kind, int n, Language language);
