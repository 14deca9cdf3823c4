// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a picture of the running program on a real X server of its own, after
// choosing an identity and n with the keyboard and pressing Show:
//   tessalo_screenshot OUT.png [KIND N [KEY...]]     (4 5 by default)
// The keys (xdotool names) are typed after Show, before the picture is taken.
// Needs Xvfb and xdotool.
#include "desktop_driver.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc == 3) {
        std::fprintf(stderr, "usage: tessalo_screenshot OUT.png [KIND N [KEY...]]\n");
        return 2;
    }
    const int kind = argc >= 4 ? std::atoi(argv[2]) : 4;
    const int n = argc >= 4 ? std::atoi(argv[3]) : 5;
    if (kind < 1 || kind > 6 || n < 1 || n > 11) {
        std::fprintf(stderr, "KIND is 1 to 6, N is 1 to 11\n");
        return 2;
    }
    XServer server;
    if (server.display().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.error()));
        return 1;
    }
    qputenv("DISPLAY", server.display().toUtf8());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    RunningProgram program(QStringLiteral(TESSALO_BINARY), server.display());
    if (!program.waitForWindow()) {
        std::fprintf(stderr, "the window did not open\n");
        return 1;
    }
    QStringList keys = KeysToShow(kind, n);
    for (int i = 4; i < argc; ++i)
        keys << QString::fromLocal8Bit(argv[i]);
    program.keys(keys);
    // the first cell stands at the board origin, (120, 480) twips
    const QImage picture =
        program.grabWhen([](const QImage& image) { return image.pixel(12, 36) != qRgb(128, 128, 255); });
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
