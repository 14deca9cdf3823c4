// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Long use of the window: Show and Clear over every kind and n, painting after
// each, with the resident memory after a warm-up and at the end; then what 100
// opens of the save dialog add to it.
//   tessalo_soak [CYCLES]    (100000 by default; offscreen unless told otherwise)
#include "proc_status.h"
#include "ui/window/main_window.h"
#include "ui/window/style.h"
#include "ui/commands/window_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QListWidget>

#include <cstdio>

namespace {

// Opens the save dialog `times` times, each closed at once as Esc would.
void OpenTheSaveDialog(MainWindow& window, int times)
{
    for (int i = 0; i < times; ++i) {
        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                static_cast<QDialog*>(dialog)->reject();
        });
        window.commands()[Command::Save].trigger();
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseTessaloStyle();
    const long cycles = argc > 1 ? std::stol(argv[1]) : 100000;
    MainWindow window;
    window.show();
    auto* list = window.findChild<QListWidget*>(QStringLiteral("List1(0)"));
    auto* show = window.findChild<QAbstractButton*>(QStringLiteral("Command1(1)"));
    auto* clear = window.findChild<QAbstractButton*>(QStringLiteral("Command1(0)"));
    QAbstractButton* options[6];
    for (int i = 0; i < 6; ++i)
        options[i] = window.findChild<QAbstractButton*>(QStringLiteral("Option1(%1)").arg(i));

    const long warmUp = std::min(cycles / 10, 1000L);
    long warm = 0;
    for (long cycle = 0; cycle < cycles; ++cycle) {
        if (cycle == warmUp)
            warm = StatusKib("VmRSS");
        options[cycle % 6]->click();
        list->setCurrentRow(static_cast<int>(cycle / 6 % 11));
        show->click();
        QApplication::processEvents();
        clear->click();
        QApplication::processEvents();
    }
    const long end = StatusKib("VmRSS");
    // the save dialog, with a picture to save: 100 opens after a few to warm up
    options[3]->click();
    list->setCurrentRow(10);
    show->click();
    OpenTheSaveDialog(window, 10);
    const long beforeDialogs = StatusKib("VmRSS");
    OpenTheSaveDialog(window, 100);
    std::printf("cycles %ld\nwarm-rss-kib %ld\nend-rss-kib %ld\ndialog-growth-kib %ld\n", cycles, warm, end,
                StatusKib("VmRSS") - beforeDialogs);
    return 0;
}
