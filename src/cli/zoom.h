// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

class QWidget;

#include <array>
#include <functional>

// Zoom is the form's size against its size at 100 %: 1.0, 1.25, ... Steps and
// the limits are in percent.
inline constexpr std::array<int, 7> kZoomSteps{100, 125, 150, 200, 250, 300, 400};
inline constexpr int kMinZoomPercent = 100;
inline constexpr int kMaxZoomPercent = 400;

// The largest zoom at which a form of `base` pixels at 100 % fits `room`,
// keeping its proportions; never below 1. The steps stop at 400 %, but a full
// screen or a maximised window is filled whatever its size.
double FittingZoom(QSize base, QSize room);

// The form's pixel size at `zoom`, rounded as the layout rounds its edges.
QSize ZoomedSize(QSize base, double zoom);

// The next step above `zoom` (direction > 0) or below it (direction < 0) whose
// form still fits `room`; `zoom` itself when there is none.
double NextZoomStep(double zoom, int direction, QSize base, QSize room);

// `zoom` if the form fits `room` at it; else the largest step that fits, so
// that a window made on a larger screen keeps its title bar on this one.
double ZoomThatFits(double zoom, QSize base, QSize room);

// A window whose content zooms: what the parts that size and place it need of it.
struct ZoomableWindow {
    QWidget& widget;
    std::function<QSize()> base;               // what the window shows at 100 %
    std::function<double()> zoom;              // its zoom now
    std::function<void(double)> resizeToZoom;  // shows it at that zoom
};
