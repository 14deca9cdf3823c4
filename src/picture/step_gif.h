// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture/picture_export.h"

class QIODevice;

// How long the animated step shows each of its frames, in hundredths of a
// second (the unit of a GIF): the picture before the step, each cell it adds,
// and the whole step framed, before it starts again.
inline constexpr int kGifBeforeStep = 100;
inline constexpr int kGifStepCells = 150;  // all the added cells together, as a build-up
inline constexpr int kGifAfterStep = 200;

// Writes the step to the picture's n as an animated GIF `width` pixels wide
// that loops: first the picture with the step's cells not yet drawn, then one
// frame for each of them as it appears in its frame, the last held a while.
// Its letters have sharp edges, so that the board's few colours and the
// text's black and white are kept exactly, without dithering; only where the
// smooth edges of circles blend more colours than a GIF's 256 do the rarest go
// to the nearest colour kept. False when the device refused a write.
bool WriteStepGif(QIODevice& device, const Picture& picture, int width);
