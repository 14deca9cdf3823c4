// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program: reads the command line; draws what it asks for without a
// window, which needs no widgets, or loads the window and runs it.
#include "main/window_start.h"
#include "cli/batch_export.h"
#include "cli/command_line.h"
#include "cli/program_texts.h"

#include <QStringList>

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The folder this program was started from.
std::string ProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/'));
}

void SayNoWindow(const char* why)
{
    std::fputs(Filled(Program::translate("CommandLine", "tessalo: прозорецът не може да бъде зареден / "
                                                        "cannot load the window: %1\n"),
                      {QString::fromLocal8Bit(why)})
                   .toLocal8Bit()
                   .constData(),
               stderr);
}

// The window, from beside the program (in the build) or where it is
// installed; null after saying why on standard error.
decltype(&tessalo_run_window) LoadWindow()
{
    const std::string folder = ProgramFolder();
    void* module = nullptr;
    for (const std::string& where : {folder + "/" TESSALO_WINDOW_MODULE, folder + "/" TESSALO_INSTALLED_MODULE}) {
        module = dlopen(where.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module)
            break;
    }
    if (!module) {
        SayNoWindow(dlerror());
        return nullptr;
    }
    const auto run = reinterpret_cast<decltype(&tessalo_run_window)>(dlsym(module, "tessalo_run_window"));
    if (!run)
        SayNoWindow(dlerror());
    return run;
}

// Drawing without a window reads only the design's fonts where they are
// installed (fonts.conf says why), unless the user chose a configuration.
void UseTheDesignsFonts()
{
    if (std::getenv("FONTCONFIG_FILE") || access("/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf", R_OK) != 0)
        return;
    const std::string folder = ProgramFolder();
    for (const std::string& file : {folder + "/fonts.conf", folder + "/" TESSALO_INSTALLED_FONTS}) {
        if (access(file.c_str(), R_OK) == 0) {
            setenv("FONTCONFIG_FILE", file.c_str(), 1);
            return;
        }
    }
}

}  // namespace

int main(int argc, char* argv[])
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
    if (command.drawsWithoutWindow()) {
        UseTheDesignsFonts();
        RunBatchExport(argc, argv, command);
    }
    const auto runWindow = LoadWindow();
    return runWindow ? runWindow(&argc, argv, &command) : 1;
}
