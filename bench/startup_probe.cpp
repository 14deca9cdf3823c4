// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as it starts for a user, reporting its first painted frame.
#include "first_frame.h"
#include "main/window_start.h"
#include "cli/command_line.h"
#include "ui/window/main_window.h"

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return RunWindow(argc, argv, ParseCommandLine(arguments), [](MainWindow& window) { ReportFirstFrame(window); });
}
