// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "first_frame.h"
#include "proc_status.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

// The window paints all its widgets in one go, then shows the frame; a zero
// timer set at the first paint of any of them runs once that is done. (The
// window itself may get no paint event: its children cover it.)
class FirstFrame : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-frame-ns %lld\npeak-rss-kib %ld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, StatusKib("VmHWM"));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

void ReportFirstFrame(QWidget& window)
{
    QCoreApplication::instance()->installEventFilter(new FirstFrame(&window));
}
