// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

// Twips are 1/1440 inch: 15 to a pixel at 96 logical dots per inch.
double TwipsPerPixel(double logicalDpi);

// The pixel rectangle of a twip rectangle. Edges are rounded, not sizes, so
// rectangles that touch in twips touch in pixels.
QRect TwipsToPixels(double left, double top, double width, double height, double twipsPerPixel);
