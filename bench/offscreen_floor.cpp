// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for drawing from the command line: a bare Qt program that starts
// on the offscreen platform, as `tessalo --export` does, and exits.
#include <QGuiApplication>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    return 0;
}
