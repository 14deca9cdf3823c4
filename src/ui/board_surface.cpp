#include "ui/board_surface.h"

#include "picture/board_painter.h"

#include <QPainter>

BoardSurface::BoardSurface(const Tessalo& form, double twipsPerPixel, QWidget* parent)
    : QWidget(parent), form_(form), twipsPerPixel_(twipsPerPixel), baseTwipsPerPixel_(twipsPerPixel)
{
    setObjectName("Board");
    setAccessibleName(QStringLiteral("Нагледно доказателство"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks on labels and cells do nothing
}

void BoardSurface::setTwipsPerPixel(double twipsPerPixel)
{
    twipsPerPixel_ = twipsPerPixel;
    update();
}

void BoardSurface::setMarked(std::vector<int> cells)
{
    if (cells != marked_) {
        marked_ = std::move(cells);
        update();
    }
}

void BoardSurface::setLastCell(int index)
{
    if (index != lastCell_) {
        lastCell_ = index;
        update();
    }
}

void BoardSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // One pixel at 100 %; above, a pen as wide in twips as that pixel, so that
    // it grows with the cells and neighbours stay distinct from the back of the room.
    const double outline = twipsPerPixel_ < baseTwipsPerPixel_ ? baseTwipsPerPixel_ : 0;
    PaintBoard(painter, form_, {twipsPerPixel_, outline, marked_, lastCell_});
}
