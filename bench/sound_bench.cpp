// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// F8 in the window until the sound system has taken the first samples of the
// picture (the fourth identity at n = 11): the first F8 of a window, which
// loads the sound module and connects to the sound server, and every later one.
// Needs a sound server: PulseAudio's null sink will do (see the README).
#include "qt_benchmark_main.h"
#include "ui/window/main_window.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTest>

#include <dlfcn.h>

#include <optional>

namespace {

using Taken = long long (*)();

// Milliseconds from F8 to the first bytes taken, the sound stopped again; none
// when nothing is taken in two seconds.
std::optional<double> KeyToSound(MainWindow& window)
{
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(&window, Qt::Key_F8);
    static const auto taken = [] {
        void* module = dlopen(TESSALO_SOUND_MODULE, RTLD_NOW | RTLD_NOLOAD);
        return module ? reinterpret_cast<Taken>(dlsym(module, "tessalo_sound_taken")) : nullptr;
    }();
    while (!taken || taken() == 0) {
        if (timer.elapsed() > 2000)
            return std::nullopt;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    const double milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    QTest::keyClick(&window, Qt::Key_F8);
    return milliseconds;
}

// One window for every benchmark of the process, left to the process's end: the
// application is gone before a static's destructor would run.
MainWindow& ShownWindow()
{
    static MainWindow& window = *new MainWindow;
    if (!window.isVisible()) {
        window.show();
        window.activateWindow();
        window.findChild<QAbstractButton*>(QStringLiteral("Option1(3)"))->click();
        window.findChild<QListWidget*>(QStringLiteral("List1(0)"))->setCurrentRow(10);
        window.findChild<QAbstractButton*>(QStringLiteral("Command1(1)"))->click();
        (void)QTest::qWaitForWindowExposed(&window);
    }
    return window;
}

void Listen(benchmark::State& state)
{
    MainWindow& window = ShownWindow();
    for (auto _ : state) {
        const auto milliseconds = KeyToSound(window);
        if (!milliseconds) {
            state.SkipWithError("no sound server took the sound");
            return;
        }
        state.SetIterationTime(*milliseconds / 1000);
    }
}

}  // namespace

// the first F8 of the process alone, then many
BENCHMARK(Listen)->Name("FirstF8")->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Listen)->Name("LaterF8")->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
