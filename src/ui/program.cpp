#include "ui/program.h"

#include "ui/application.h"
#include "ui/batch_export.h"
#include "ui/command_line.h"
#include "ui/main_window.h"
#include "ui/settings_file.h"
#include "ui/style.h"
#include "ui/window_settings.h"

#include <csignal>
#include <cstdio>

int RunProgram(int argc, char* argv[], const std::function<void(MainWindow&)>& beforeShow)
{
    // A file that would grow past the size limit is a write that fails, and
    // is reported as one, instead of the end of the program.
    std::signal(SIGXFSZ, SIG_IGN);

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = ParseCommandLine(arguments);
    if (command.exitStatus) {
        const bool written = WriteStandardOutput(command.output.toLocal8Bit());
        std::fputs(command.error.toLocal8Bit().constData(), stderr);
        return written ? *command.exitStatus : 1;
    }
    if (command.drawsWithoutWindow())
        RunBatchExport(argc, argv, command);

    const auto app = OpenApplication(argc, argv);
    SayIfNoFontHasCyrillic();
    UseTessaloStyle();
    SettingsFile settings;
    MainWindow window(&settings);
    window.open(command.kind, command.n);
    if (beforeShow)
        beforeShow(window);
    ShowWindow(window, settings, command);
    EndWhenDestroyedFromOutside(window);
    const int status = QApplication::exec();
    RememberWindow(window, settings);
    return status;
}
