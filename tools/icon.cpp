// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window icon as a PNG of the given size, for the icon theme:
//   tessalo_icon OUT.png SIDE
#include "ui/widgets/hamburger_icon.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tessalo_icon OUT.png SIDE\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int side = std::atoi(argv[2]);
    return HamburgerImage(side).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
