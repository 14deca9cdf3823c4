#include "ui/board_surface.h"

#include "app/layout.h"
#include "app/tessalo.h"
#include "ui/qt_colour.h"
#include "ui/twips.h"

#include <QPainter>

BoardSurface::BoardSurface(const Tessalo& form, double twipsPerPixel, QWidget* parent)
    : QWidget(parent), form_(form), twipsPerPixel_(twipsPerPixel), outlineTwips_(twipsPerPixel)
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

void BoardSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(kWindowLayout.background));
    // Labels and the template in the layout's stacking order; a loaded cell
    // goes on top of all that was there before it.
    for (const auto& control : kControls) {
        if (control.kind == ControlKind::Label)
            paintLabel(painter, control.index);
        else if (control.kind == ControlKind::Shape)
            paintCell(painter, 0);
    }
    for (int i = 1, found = 1; found < form_.Shape1.Count(); ++i) {
        if (form_.Shape1.Exists(i)) {
            paintCell(painter, i);
            ++found;
        }
    }
}

void BoardSurface::paintLabel(QPainter& painter, int index) const
{
    const Label& label = form_.Label1(index);
    const QRect box = TwipsToPixels(label.Left, label.Top, label.Width, label.Height, twipsPerPixel_);
    painter.fillRect(box, ToQColor(label.BackColor));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromUtf8(label.Caption.data(), static_cast<qsizetype>(label.Caption.size())));
}

void BoardSurface::paintCell(QPainter& painter, int index) const
{
    const Cell& cell = form_.Shape1(index);
    if (!cell.Visible)
        return;
    painter.save();
    painter.scale(1 / twipsPerPixel_, 1 / twipsPerPixel_);
    // One pixel at 100 %; above, a pen as wide in twips, so that it grows with
    // the cells and neighbours stay distinct from the back of the room.
    const bool zoomed = twipsPerPixel_ < outlineTwips_;
    painter.setPen(QPen(Qt::black, zoomed ? outlineTwips_ : 0));
    painter.setBrush(ToQColor(cell.BackColor));
    const QRectF box(cell.Left, cell.Top, cell.Width, cell.Height);
    if (cell.Shape == kCircle) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(box);
    } else {
        painter.drawRect(box);
    }
    painter.restore();
}
