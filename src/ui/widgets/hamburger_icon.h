// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>

// The window icon: the project's SVG icon (a hamburger on a transparent
// background), compiled into the program, rendered at 16 to 128 pixels.
QIcon HamburgerIcon();

// The same icon as a `side` × `side` image, for the icon theme.
QImage HamburgerImage(int side);
