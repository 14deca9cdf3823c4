// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/hamburger_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QImage HamburgerImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/bg.tessalo.Tessalo.svg"));
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QIcon HamburgerIcon()
{
    // Rendered here rather than by the toolkit's SVG icon plugin, which a
    // system may lack.
    QIcon icon;
    for (int side : {16, 32, 64, 128})
        icon.addPixmap(QPixmap::fromImage(HamburgerImage(side)));
    return icon;
}
