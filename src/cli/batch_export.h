// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QByteArray;
struct CommandLine;

// Writes `bytes` to standard output, flushed; when that fails (a closed pipe,
// a full disk) it says so in one line on standard error and returns false.
bool WriteStandardOutput(const QByteArray& bytes);

// Draws what the command line asks for (a picture file, the proof text, a
// series) without a window or a display, on the offscreen platform, then ends
// the process at once with status 0, or 1 when a file could not be written.
[[noreturn]] void RunBatchExport(int& argc, char** argv, const CommandLine& command);

// Says once, on standard error, when no installed font has the Cyrillic
// letters every text is written in (each would show as a box).
void SayIfNoFontHasCyrillic();
