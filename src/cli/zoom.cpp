// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/zoom.h"

#include <algorithm>
#include <cmath>

namespace {

// Zooms closer than this are the same step: a fitted zoom is a quotient of pixels.
constexpr double kSameZoom = 1e-6;

}  // namespace

double FittingZoom(QSize base, QSize room)
{
    const double zoom = std::min(double(room.width()) / base.width(), double(room.height()) / base.height());
    return std::max(zoom, 1.0);
}

QSize ZoomedSize(QSize base, double zoom)
{
    return {static_cast<int>(std::lround(base.width() * zoom)), static_cast<int>(std::lround(base.height() * zoom))};
}

namespace {

bool Fits(QSize base, double zoom, QSize room)
{
    const QSize size = ZoomedSize(base, zoom);
    return size.width() <= room.width() && size.height() <= room.height();
}

}  // namespace

double ZoomThatFits(double zoom, QSize base, QSize room)
{
    if (Fits(base, zoom, room))
        return zoom;
    for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it) {
        if (*it / 100.0 < zoom && Fits(base, *it / 100.0, room))
            return *it / 100.0;
    }
    return 1.0;
}

double NextZoomStep(double zoom, int direction, QSize base, QSize room)
{
    if (direction > 0) {
        for (int percent : kZoomSteps) {
            const double step = percent / 100.0;
            if (step > zoom + kSameZoom)
                return Fits(base, step, room) ? step : zoom;
        }
    } else {
        for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it) {
            const double step = *it / 100.0;
            if (step < zoom - kSameZoom)
                return step;
        }
    }
    return zoom;
}
