// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/picture_rows.h"

#include <cstdint>
#include <string>
#include <vector>

// The picture played as sound, so that its shape is taken in by ear in seconds:
// row by row from the top, one short tick per cell from left to right, each row
// a whole tone higher than the one before it, the step's added cells in a
// brighter timbre, a pause between rows. Ticks and pauses shrink together so
// that any picture plays within kMaxSoundSeconds.
struct PictureSound {
    int sampleRate = 0;
    std::vector<std::int16_t> samples;  // mono
};

inline constexpr int kSoundSampleRate = 22050;
inline constexpr double kMaxSoundSeconds = 7.5;
// The first row's pitch (C4); every row a whole tone above the one before, so that
// the 21 rows of the tallest picture end below 3 kHz.
inline constexpr double kFirstRowHertz = 261.63;

PictureSound PlayPicture(const PictureRows& rows);

// The sound as a WAV file's bytes: 16-bit PCM, mono.
std::string WavBytes(const PictureSound& sound);
