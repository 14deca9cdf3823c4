#pragma once

struct CommandLine;

// Draws what the command line asks for (a picture file, the proof text, a
// series) without a window or a display, on the offscreen platform, then ends
// the process at once with status 0, or 1 when a file could not be written.
[[noreturn]] void RunBatchExport(int& argc, char** argv, const CommandLine& command);
