// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main/window_start.h"

#include "ui/window/application.h"
#include "cli/batch_export.h"
#include "cli/command_line.h"
#include "ui/window/main_window.h"
#include "cli/program_texts.h"
#include "ui/settings/settings_file.h"
#include "ui/window/style.h"
#include "ui/settings/window_settings.h"

#include <QApplication>

int RunWindow(int& argc, char** argv, const CommandLine& command, const std::function<void(MainWindow&)>& beforeShow)
{
    UseLanguage(command.language);  // for what is said before the window's settings are read
    const auto app = OpenApplication(argc, argv);
    SayIfNoFontHasCyrillic();
    UseTessaloStyle();
    SettingsFile settings;
    UseLanguage(StartLanguage(settings, command));
    MainWindow window(&settings);
    window.open(command.kind, command.n, command.progression);
    if (beforeShow)
        beforeShow(window);
    ShowWindow(window.zoomable(), settings, command);
    EndWhenDestroyedFromOutside(window);
    const int status = QApplication::exec();
    RememberWindow(window.zoomable(), settings);
    return status;
}

int tessalo_run_window(int* argc, char** argv, const CommandLine* command)
{
    return RunWindow(*argc, argv, *command);
}
