// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct PictureSound;

// Starts `sound` on the system's sound output, or stops the sound playing;
// false when no sound device takes it, or the sound module is not installed.
bool ToggleSound(const PictureSound& sound);
