// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/settings/window_settings.h"

#include "cli/command_line.h"
#include "cli/program_texts.h"
#include "ui/settings/settings_file.h"
#include "cli/zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// The screen's free area where the window is, or the primary screen's.
QRect FreeArea(std::optional<QPoint> at)
{
    const QScreen* screen = at ? QGuiApplication::screenAt(*at) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The window manager frames the window only once it is shown: then its frame
// is known, and brought onto the screen if a place from another screen, or
// one the toolkit could not check, left part of it off.
class FrameKeeper : public QObject {
public:
    explicit FrameKeeper(QWidget& window) : QObject(&window), window_(window)
    {
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && window_.windowHandle()->isExposed()) {
            if (!window_.isFullScreen() && !window_.isMaximized() && window_.screen()) {
                const QRect frame = window_.frameGeometry();
                const QRect kept = FrameOnScreen(frame, window_.screen()->availableGeometry());
                if (kept != frame)
                    window_.move(kept.topLeft());
            }
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
};

// Room for full screen on the largest screen, 8K included, and no more: a
// window dragged larger by hand would take gigabytes for its pixels.
QSize LargestUsefulSize()
{
    QSize largest(7680, 4320);
    for (const QScreen* screen : QGuiApplication::screens())
        largest = largest.expandedTo(screen->geometry().size());
    return largest;
}

}  // namespace

QRect FrameOnScreen(QRect frame, const QRect& screen)
{
    frame.moveLeft(std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - frame.width())));
    frame.moveTop(std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - frame.height())));
    return frame;
}

WindowSettings ReadWindowSettings(const SettingsFile& settings, const QRect& screen, QSize base)
{
    WindowSettings window;
    window.geometry = settings.windowGeometry();
    const std::optional<int> percent = settings.zoomPercent();
    if (percent && *percent >= kMinZoomPercent && *percent <= kMaxZoomPercent)
        window.zoom = ZoomThatFits(*percent / 100.0, base, screen.size());
    window.fullScreen = settings.oldFullScreen();
    if (auto corner = settings.oldPosition()) {
        // Far off any screen is as good as beyond it, and keeps the frame's edges
        // clear of the integers' ends, where working them out would overflow.
        constexpr int kFar = 1 << 20;
        corner->setX(std::clamp(corner->x(), screen.left() - kFar, screen.right() + kFar));
        corner->setY(std::clamp(corner->y(), screen.top() - kFar, screen.bottom() + kFar));
        window.position = FrameOnScreen(QRect(*corner, ZoomedSize(base, window.zoom)), screen).topLeft();
    }
    return window;
}

void ShowWindow(const ZoomableWindow& zoomable, const SettingsFile& settings, const CommandLine& command)
{
    QWidget& window = zoomable.widget;
    const QRect free = FreeArea(settings.oldPosition());
    const WindowSettings start = ReadWindowSettings(settings, free, zoomable.base());
    bool fullScreen = command.fullScreen;
    window.setMaximumSize(LargestUsefulSize());
    if (!command.geometryGiven) {
        if (window.restoreGeometry(start.geometry)) {
            // a size made for a zoom step keeps that step exactly
            if (window.size() == ZoomedSize(zoomable.base(), start.zoom))
                zoomable.resizeToZoom(start.zoom);
        } else {
            zoomable.resizeToZoom(start.zoom);
            if (start.position)
                window.move(*start.position);  // the frame's corner: the title bar is on the screen
            fullScreen = fullScreen || start.fullScreen;
        }
        if (command.zoomPercent && !window.isFullScreen() && !window.isMaximized())
            zoomable.resizeToZoom(ZoomThatFits(*command.zoomPercent / 100.0, zoomable.base(), free.size()));
    }
    window.winId();  // the native window, to watch for its first showing
    new FrameKeeper(window);
    if (fullScreen)
        window.showFullScreen();
    else
        window.show();
}

void RememberWindow(const ZoomableWindow& zoomable, SettingsFile& settings)
{
    const QWidget& window = zoomable.widget;
    // full screen and maximised windows remember the window they came from
    const bool normal = !window.isFullScreen() && !window.isMaximized();
    const QRect shown = normal || !window.normalGeometry().isValid() ? window.geometry() : window.normalGeometry();
    const int percent = static_cast<int>(std::lround(FittingZoom(zoomable.base(), shown.size()) * 100));
    settings.setWindow(window.saveGeometry(), percent);
}

Language StartLanguage(const SettingsFile& settings, const CommandLine& command)
{
    if (command.languageGiven)
        return command.language;
    return settings.language().value_or(Language::bg);
}
