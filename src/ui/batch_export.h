#pragma once

struct CommandLine;

// Draws what the command line asks for (a picture file, the proof text, a
// series) without a window or a display, on the offscreen platform, and
// returns the exit status: 0, or 1 when a file could not be written.
int RunBatchExport(int& argc, char** argv, const CommandLine& command);
