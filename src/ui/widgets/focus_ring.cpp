// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/focus_ring.h"

#include <QApplication>
#include <QPainter>

#include <cmath>

FocusRing::FocusRing(QWidget* form) : QWidget(form)
{
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        target_ = now && now != parentWidget() && now != skipped_ && parentWidget()->isAncestorOf(now) ? now : nullptr;
        follow();
    });
}

void FocusRing::follow(double zoom)
{
    thickness_ = std::max(2, static_cast<int>(std::lround(2 * zoom)));
    follow();
}

void FocusRing::follow()
{
    if (!target_) {
        hide();
        return;
    }
    const QRect control(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size());
    const int outer = thickness_ + halo();
    setGeometry(control.adjusted(-outer, -outer, outer, outer));
    // only the ring itself, so that the control shows through and takes no paint from it
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(outer, outer, -outer, -outer))));
    raise();
    show();
}

int FocusRing::halo() const
{
    return std::max(1, thickness_ / 2);
}

void FocusRing::paintEvent(QPaintEvent*)
{
    // black, with a white rim outside it, so that it stands out on the form's
    // colours and on the dark text it may cross alike
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(rect().adjusted(halo(), halo(), -halo(), -halo()), Qt::black);
}
