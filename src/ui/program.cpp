#include "ui/program.h"

#include "ui/application.h"
#include "ui/batch_export.h"
#include "ui/command_line.h"
#include "ui/main_window.h"
#include "ui/style.h"
#include "ui/window_settings.h"

#include <QSettings>

#include <cstdio>

int RunProgram(int argc, char* argv[], const std::function<void(MainWindow&)>& beforeShow)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine command = ParseCommandLine(arguments);
    if (command.exitStatus) {
        std::fputs(command.output.toLocal8Bit().constData(), stdout);
        std::fputs(command.error.toLocal8Bit().constData(), stderr);
        return *command.exitStatus;
    }
    if (command.drawsWithoutWindow())
        RunBatchExport(argc, argv, command);

    const auto app = OpenApplication(argc, argv);
    UseTessaloStyle();
    MainWindow window;
    window.open(command.kind, command.n);
    if (beforeShow)
        beforeShow(window);
    QSettings settings;
    ShowWindow(window, settings, command);
    const int status = QApplication::exec();
    WriteWindowSettings(settings, CurrentSettings(window));
    return status;
}
