// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include "cli/zoom.h"

class QAction;
class QWidget;

// Zoom and full screen of a window: zoom in steps, never larger than the
// screen, also by Ctrl+wheel anywhere over the window; full screen on and off,
// and back to the window it came from.
class FullScreenZoom : public QObject {
public:
    // `fullScreen` is checked while the window is full screen, and
    // `leaveFullScreen` enabled.
    FullScreenZoom(ZoomableWindow window, QAction& fullScreen, QAction& leaveFullScreen);

    // One zoom step up (direction > 0) or down, or back to 100 % (0).
    void zoom(int direction);
    void setFullScreen(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the window manager's frame adds to the window's size.
    QSize frameExtra() const;
    // Moves the window back onto its screen if growing pushed it past an edge.
    void keepOnScreen(QSize frameExtra);
    void showState();

    ZoomableWindow window_;
    QAction& fullScreen_;
    QAction& leaveFullScreen_;
    bool wasMaximized_ = false;
    int wheelAngle_ = 0;  // wheel turns below one notch, kept for the next
};
