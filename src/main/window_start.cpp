#include "main/window_start.h"

#include "ui/application.h"
#include "ui/batch_export.h"
#include "ui/command_line.h"
#include "ui/main_window.h"
#include "ui/program_texts.h"
#include "ui/settings_file.h"
#include "ui/style.h"
#include "ui/window_settings.h"

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
    window.open(command.kind, command.n);
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
