#include "ui/hamburger_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Draws the hamburger in a 32 × 32 space.
void PaintHamburger(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 50, 20), 0.8));

    // the top bun, a dome
    QPainterPath dome;
    dome.moveTo(3, 14);
    dome.cubicTo(3, 2, 29, 2, 29, 14);
    dome.closeSubpath();
    painter.setBrush(QColor(222, 150, 60));
    painter.drawPath(dome);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 246, 214));
    for (const QPointF seed : {QPointF(10, 8), QPointF(15, 6.5), QPointF(20, 8), QPointF(13, 11),
                               QPointF(18, 10.5), QPointF(24, 11), QPointF(7.5, 11.5)})
        painter.drawEllipse(seed, 1.1, 0.7);

    // lettuce, a wavy band wider than the bun
    QPainterPath lettuce;
    lettuce.moveTo(2, 14);
    for (int x = 2; x < 30; x += 4)
        lettuce.quadTo(x + 2, 18, x + 4, 15);
    lettuce.lineTo(30, 14);
    lettuce.closeSubpath();
    painter.setBrush(QColor(80, 180, 50));
    painter.drawPath(lettuce);

    // cheese, with a corner hanging down
    painter.setBrush(QColor(250, 205, 40));
    painter.drawPolygon(QPolygonF{QPointF(3, 16), QPointF(29, 16), QPointF(29, 18), QPointF(22, 18),
                                  QPointF(19, 21.5), QPointF(16, 18), QPointF(3, 18)});

    // tomato
    painter.setBrush(QColor(220, 40, 30));
    painter.drawRoundedRect(QRectF(4, 18, 24, 2.5), 1.2, 1.2);

    // patty
    painter.setBrush(QColor(105, 55, 30));
    painter.drawRoundedRect(QRectF(3, 20.5, 26, 4.5), 2, 2);

    // the bottom bun
    painter.setPen(QPen(QColor(90, 50, 20), 0.8));
    painter.setBrush(QColor(222, 150, 60));
    painter.drawRoundedRect(QRectF(4, 25, 24, 4.5), 2, 2);
}

QPixmap HamburgerPixmap(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(side / 32.0, side / 32.0);
    PaintHamburger(painter);
    return pixmap;
}

}  // namespace

QIcon HamburgerIcon()
{
    QIcon icon;
    for (int side : {32, 64})
        icon.addPixmap(HamburgerPixmap(side));
    return icon;
}
