// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/board/build_up.h"

#include "app/board_picture.h"
#include "ui/board/board_surface.h"
#include "ui/settings/settings_file.h"

#include <QApplication>

#include <algorithm>

namespace {

constexpr int kWholePictureMs = kBuildUpMilliseconds;

}  // namespace

BuildUp::BuildUp(QWidget& window, BoardSurface& board, SettingsFile* settings)
    : QObject(&window),
      window_(window),
      board_(board),
      settings_(settings),
      enabled_(settings && settings->buildUp())
{
    connect(&timer_, &QTimer::timeout, this, &BuildUp::next);
    timer_.setTimerType(Qt::PreciseTimer);
}

void BuildUp::setEnabled(bool on)
{
    enabled_ = on;
    if (settings_)
        settings_->setBuildUp(on);
    if (!on)
        finish();
}

void BuildUp::start(std::vector<int> order, bool always)
{
    if (!(enabled_ || always) || order.empty()) {
        finish();
        return;
    }
    order_ = std::move(order);
    shown_ = 0;
    next();
    timer_.start(kWholePictureMs / static_cast<int>(order_.size()));
    qApp->installEventFilter(this);
}

void BuildUp::next()
{
    if (++shown_ >= order_.size()) {
        finish();
        return;
    }
    std::vector<int> hidden(order_.begin() + static_cast<std::ptrdiff_t>(shown_), order_.end());
    std::sort(hidden.begin(), hidden.end());
    board_.setHidden(std::move(hidden));
}

void BuildUp::finish()
{
    timer_.stop();
    qApp->removeEventFilter(this);
    board_.setHidden({});
}

bool BuildUp::eventFilter(QObject* watched, QEvent* event)
{
    // the key or click still does what it does; it only ends the waiting first
    const auto type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == &window_)
            finish();
    }
    return false;
}
