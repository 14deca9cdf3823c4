// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting the board with the largest picture (121 squares) into an image at
// device pixel ratios 1 and 2, and grabbing the whole window; offscreen.
#include "qt_benchmark_main.h"
#include "ui/window/main_window.h"
#include "ui/window/style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QListWidget>

#include <benchmark/benchmark.h>

namespace {

void ShowLargestPicture(MainWindow& window)
{
    window.findChild<QAbstractButton*>(QStringLiteral("Option1(3)"))->click();
    window.findChild<QListWidget*>(QStringLiteral("List1(0)"))->setCurrentRow(10);
    window.findChild<QAbstractButton*>(QStringLiteral("Command1(1)"))->click();
}

void PaintBoard(benchmark::State& state)
{
    const int ratio = static_cast<int>(state.range(0));
    MainWindow window;
    ShowLargestPicture(window);
    QWidget* board = window.findChild<QWidget*>(QStringLiteral("Board"));
    QImage image(board->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        board->render(&image);
        benchmark::ClobberMemory();
    }
}

void GrabWindow(benchmark::State& state)
{
    MainWindow window;
    window.show();
    ShowLargestPicture(window);
    for (auto _ : state)
        benchmark::DoNotOptimize(window.grab());
}

}  // namespace

BENCHMARK(PaintBoard)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(GrabWindow)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
