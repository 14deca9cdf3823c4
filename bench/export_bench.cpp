// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving the largest picture (the fourth identity at n = 11) from the window,
// as PDF, SVG and PNG, into a file, as a handout and as the window shows it;
// the handout PDF with the argument beneath; and the step to it as a GIF 1,280
// pixels wide, as for a slide; the tactile sheet as PDF and the proof as BRF,
// braille and all; offscreen.
#include "qt_benchmark_main.h"
#include "app/induction_argument.h"
#include "ui/window/main_window.h"
#include "picture/picture_file.h"
#include "picture/tactile_page.h"
#include "ui/window/style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QListWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void SaveFromWindow(benchmark::State& state, const char* name, PictureLook look = PictureLook::Handout,
                    bool withArgument = false)
{
    MainWindow window;
    window.findChild<QAbstractButton*>(QStringLiteral("Option1(3)"))->click();
    window.findChild<QListWidget*>(QStringLiteral("List1(0)"))->setCurrentRow(10);
    window.findChild<QAbstractButton*>(QStringLiteral("Command1(1)"))->click();
    const QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(name));
    const QString argument =
        withArgument ? QString::fromStdString(ArgumentText(ArgumentLines(4, 11, Language::bg))) : QString();
    for (auto _ : state) {
        const int width = FormatOfFile(path) == PictureFormat::Gif ? 1280 : DefaultPngWidth();
        if (SavePicture(path, Picture{window.form(), {}, {}, argument, 4, 11, look}, width)) {
            state.SkipWithError("the picture was not saved");
            return;
        }
    }
}

// The tactile sheet needs no window: the braille is most of its work.
void TactilePdf(benchmark::State& state)
{
    for (auto _ : state) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (!WriteTactileSheet(pdf, PictureFormat::Pdf, 4, 11, Language::bg, Paper::A4)) {
            state.SkipWithError("no braille");
            return;
        }
    }
}

void Brf(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ProofBrf(4, 11, Language::bg));
}

}  // namespace

BENCHMARK_CAPTURE(SaveFromWindow, pdf, "picture.pdf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveFromWindow, pdf_with_argument, "picture.pdf", PictureLook::Handout, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveFromWindow, pdf_as_in_window, "picture.pdf", PictureLook::Window)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveFromWindow, svg, "picture.svg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveFromWindow, png, "picture.png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveFromWindow, png_as_in_window, "picture.png", PictureLook::Window)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SaveFromWindow, gif, "picture.gif")->Unit(benchmark::kMillisecond);
BENCHMARK(TactilePdf)->Unit(benchmark::kMillisecond);
BENCHMARK(Brf)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
