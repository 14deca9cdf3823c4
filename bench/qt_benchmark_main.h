// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/window/style.h"

#include <QApplication>

#include <benchmark/benchmark.h>

// The main() of a benchmark of the window: an application in Tessalo's style,
// on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
inline int RunQtBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UseTessaloStyle();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
