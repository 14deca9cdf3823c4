// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/twips.h"

#include <cmath>

double TwipsPerPixel(double logicalDpi)
{
    return 1440.0 / logicalDpi;
}

QRect TwipsToPixels(double left, double top, double width, double height, double twipsPerPixel)
{
    const auto pixel = [twipsPerPixel](double twips) {
        return static_cast<int>(std::lround(twips / twipsPerPixel));
    };
    const QPoint topLeft(pixel(left), pixel(top));
    const QPoint bottomRight(pixel(left + width), pixel(top + height));
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}
