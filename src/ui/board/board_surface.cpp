// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/board/board_surface.h"

#include "app/lesson.h"
#include "picture/board_painter.h"
#include "picture/twips.h"
#include "cli/program_texts.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <iterator>

BoardSurface::BoardSurface(const Lesson& lesson, double twipsPerPixel, QWidget* parent)
    : QWidget(parent), lesson_(lesson), twipsPerPixel_(twipsPerPixel), baseTwipsPerPixel_(twipsPerPixel)
{
    setObjectName("Board");
    setAccessibleName(Program::translate("BoardSurface", "Нагледно доказателство"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks on labels and cells do nothing
}

void BoardSurface::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        setAccessibleName(Program::translate("BoardSurface", "Нагледно доказателство"));
    QWidget::changeEvent(event);
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

void BoardSurface::setHidden(std::vector<int> cells)
{
    building_ = std::move(cells);
    mergeHidden();
}

void BoardSurface::setHeld(std::vector<int> cells)
{
    held_ = std::move(cells);
    mergeHidden();
}

void BoardSurface::mergeHidden()
{
    std::vector<int> hidden;
    if (held_.empty()) {
        hidden = building_;  // the build-up's every tick: no merge
    } else {
        hidden.reserve(building_.size() + held_.size());
        std::set_union(building_.begin(), building_.end(), held_.begin(), held_.end(), std::back_inserter(hidden));
    }
    if (hidden != hidden_) {
        hidden_ = std::move(hidden);
        update();
    }
}

void BoardSurface::setRinged(std::vector<int> cells, bool added)
{
    if (cells != ringed_ || added != ringedAdded_) {
        ringed_ = std::move(cells);
        ringedAdded_ = added;
        update();
    }
}

void BoardSurface::setCursorCell(int cell)
{
    if (cell != cursor_) {
        cursor_ = cell;
        update();
    }
}

void BoardSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // One pixel at 100 %; above, a pen as wide in twips as that pixel, so that
    // it grows with the cells and neighbours stay distinct from the back of the room.
    const double outline = twipsPerPixel_ < baseTwipsPerPixel_ ? baseTwipsPerPixel_ : 0;
    PaintPicture(painter, lesson_.Board({marked_, hidden_, ringed_, ringedAdded_, cursor_}), twipsPerPixel_, outline);
}

QRect BoardSurface::cellRect(int index) const
{
    for (const PictureItem& item : lesson_.Board().items) {
        if (item.kind == PictureItemKind::Cell && item.cell == index)
            return TwipsToPixels(item.left, item.top, item.width, item.height, twipsPerPixel_);
    }
    return {};
}
