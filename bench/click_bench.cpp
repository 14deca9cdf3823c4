// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A click on Show until the new picture is painted and on the X server, for the
// largest picture of each kind, in a 100 % window and in full screen, and
// with the induction argument beside it; the further identities' in full screen. Run it on
// an X server with a window manager (full screen needs one); bench/run.py
// starts Xvfb at 3840 × 2160 with Openbox.
#include "qt_benchmark_main.h"
#include "ui/window/main_window.h"
#include "ui/window/style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

void ClickShowToPainted(benchmark::State& state)
{
    const bool fullScreen = state.range(0) != 0;
    const int kind = static_cast<int>(state.range(1));
    MainWindow window;
    window.setArgumentShown(state.range(2) != 0);  // the argument beside the form, following each Show
    fullScreen ? window.showFullScreen() : window.show();
    if (!QTest::qWaitForWindowExposed(&window) ||
        (fullScreen && !QTest::qWaitFor([&] { return window.size() == window.screen()->size(); }))) {
        state.SkipWithError("the window did not open at its size");
        return;
    }
    // an identity beside the form's six at its largest n, chosen from its menu; Show draws it again
    const int largest = kind >= kFirstFurtherKind ? DescribeFurther(kind).maxN : 11;
    window.findChild<QListWidget*>(QStringLiteral("List1(0)"))->setCurrentRow(largest - 1);
    if (kind >= kFirstFurtherKind)
        window.chooseFurther(kind, Progression{});
    else
        window.findChild<QAbstractButton*>(QStringLiteral("Option1(%1)").arg(kind - 1))->click();
    auto* show = window.findChild<QAbstractButton*>(QStringLiteral("Command1(1)"));
    QApplication::processEvents();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        show->click();
        QApplication::processEvents();  // the update: paint, then the flush to the server
        QGuiApplication::sync();        // the server has it all
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    state.counters["width"] = window.width();
}

}  // namespace

BENCHMARK(ClickShowToPainted)
    ->ArgNames({"fullscreen", "kind", "argument"})
    ->ArgsProduct({{0, 1}, {1, 2, 3, 4, 5, 6}, {0}})
    ->Args({1, 4, 1})
    ->Args({1, 5, 1})
    ->ArgsProduct({{1}, {7, 8, 9, 10, 11}, {0}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
