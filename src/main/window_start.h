// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

struct CommandLine;
class MainWindow;

// The window's part of the program: connects to the display, shows the window
// as the settings and `command` say, and remembers it when it closes.
// `beforeShow`, when given, sees the window first. Returns the exit status.
int RunWindow(int& argc, char** argv, const CommandLine& command,
              const std::function<void(MainWindow&)>& beforeShow = {});

// The same for a program that loads the window as a module: its one entry.
extern "C" int tessalo_run_window(int* argc, char** argv, const CommandLine* command);
