// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/commands/full_screen_zoom.h"

#include "cli/zoom.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

FullScreenZoom::FullScreenZoom(ZoomableWindow window, QAction& fullScreen, QAction& leaveFullScreen)
    : QObject(&window.widget), window_(std::move(window)), fullScreen_(fullScreen), leaveFullScreen_(leaveFullScreen)
{
    connect(&fullScreen_, &QAction::triggered, this, &FullScreenZoom::setFullScreen);
    connect(&leaveFullScreen_, &QAction::triggered, this, [this] { setFullScreen(false); });
    // Ctrl+wheel anywhere in the window, even over the text boxes, which would
    // otherwise zoom their own text; and the window's state, however it changed.
    qApp->installEventFilter(this);
    showState();
}

void FullScreenZoom::zoom(int direction)
{
    QWidget& window = window_.widget;
    if (window.isFullScreen())
        return;  // the screen sets the size
    if (window.isMaximized())
        window.showNormal();
    // the window manager's frame stays the same size while the window grows
    const QSize extra = frameExtra();
    const QSize room = window.screen()->availableGeometry().size() - extra;
    const double zoom = direction == 0 ? 1.0 : NextZoomStep(window_.zoom(), direction, window_.base(), room);
    window_.resizeToZoom(zoom);
    keepOnScreen(extra);
}

void FullScreenZoom::setFullScreen(bool on)
{
    QWidget& window = window_.widget;
    if (on == window.isFullScreen()) {
        showState();
        return;
    }
    if (on) {
        wasMaximized_ = window.isMaximized();
        window.showFullScreen();
    } else if (wasMaximized_) {
        window.showMaximized();
    } else {
        window.showNormal();
    }
}

void FullScreenZoom::showState()
{
    const bool full = window_.widget.isFullScreen();
    fullScreen_.setChecked(full);
    leaveFullScreen_.setEnabled(full);
}

bool FullScreenZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_.widget && event->type() == QEvent::WindowStateChange)
        showState();
    if (event->type() != QEvent::Wheel)
        return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!(wheel->modifiers() & Qt::ControlModifier) || !widget || widget->window() != &window_.widget)
        return false;
    wheelAngle_ += wheel->angleDelta().y();
    while (wheelAngle_ >= QWheelEvent::DefaultDeltasPerStep) {
        zoom(+1);
        wheelAngle_ -= QWheelEvent::DefaultDeltasPerStep;
    }
    while (wheelAngle_ <= -QWheelEvent::DefaultDeltasPerStep) {
        zoom(-1);
        wheelAngle_ += QWheelEvent::DefaultDeltasPerStep;
    }
    return true;
}

QSize FullScreenZoom::frameExtra() const
{
    return window_.widget.frameGeometry().size() - window_.widget.geometry().size();
}

void FullScreenZoom::keepOnScreen(QSize frameExtra)
{
    QWidget& window = window_.widget;
    const QRect free = window.screen()->availableGeometry();
    QRect frame(window.pos(), window.size() + frameExtra);
    if (frame.right() > free.right())
        frame.moveRight(free.right());
    if (frame.bottom() > free.bottom())
        frame.moveBottom(free.bottom());
    frame.moveTopLeft(QPoint(std::max(frame.left(), free.left()), std::max(frame.top(), free.top())));
    if (frame.topLeft() != window.pos())
        window.move(frame.topLeft());
}
