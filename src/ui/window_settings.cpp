#include "ui/window_settings.h"

#include "ui/command_line.h"
#include "ui/main_window.h"
#include "ui/zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace {

const QString kZoom = QStringLiteral("window/zoom");  // percent
const QString kFullScreen = QStringLiteral("window/fullScreen");
const QString kPosition = QStringLiteral("window/position");

// The screen's free area where the window is, or the primary screen's.
QRect FreeArea(std::optional<QPoint> at)
{
    const QScreen* screen = at ? QGuiApplication::screenAt(*at) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

}  // namespace

WindowSettings ReadWindowSettings(const QSettings& settings, const QRect& screen, QSize base)
{
    WindowSettings window;
    bool isNumber = false;
    const int percent = settings.value(kZoom).toInt(&isNumber);
    if (isNumber && percent >= kMinZoomPercent && percent <= kMaxZoomPercent)
        window.zoom = ZoomThatFits(percent / 100.0, base, screen.size());
    window.fullScreen = settings.value(kFullScreen).toString() == QLatin1String("true");
    const QVariant position = settings.value(kPosition);
    if (position.canConvert<QPoint>() && position.typeId() == QMetaType::QPoint) {
        const QSize size = ZoomedSize(base, window.zoom);
        const QPoint corner = position.toPoint();
        const int right = std::max(screen.left(), screen.right() + 1 - size.width());
        const int bottom = std::max(screen.top(), screen.bottom() + 1 - size.height());
        window.position = QPoint(std::clamp(corner.x(), screen.left(), right),
                                 std::clamp(corner.y(), screen.top(), bottom));
    }
    return window;
}

void WriteWindowSettings(QSettings& settings, const WindowSettings& window)
{
    settings.setValue(kZoom, static_cast<int>(std::lround(window.zoom * 100)));
    settings.setValue(kFullScreen, window.fullScreen);
    if (window.position)
        settings.setValue(kPosition, *window.position);
}

void ShowWindow(MainWindow& window, const QSettings& settings, const CommandLine& command)
{
    const QVariant saved = settings.value(kPosition);
    const std::optional<QPoint> near = saved.typeId() == QMetaType::QPoint ? std::optional(saved.toPoint()) : std::nullopt;
    WindowSettings start = ReadWindowSettings(settings, FreeArea(near), window.baseSize());
    if (command.zoomPercent)
        start.zoom = ZoomThatFits(*command.zoomPercent / 100.0, window.baseSize(), FreeArea(near).size());
    if (!command.geometryGiven) {
        window.resizeToZoom(start.zoom);
        if (start.position)
            window.setGeometry(QRect(*start.position, window.size()));
    }
    if (command.fullScreen || start.fullScreen)
        window.showFullScreen();
    else
        window.show();
}

WindowSettings CurrentSettings(const MainWindow& window)
{
    // full screen and maximised windows remember the window they came from
    const bool normal = !window.isFullScreen() && !window.isMaximized();
    const QRect shown = normal || !window.normalGeometry().isValid() ? window.geometry() : window.normalGeometry();
    return {FittingZoom(window.baseSize(), shown.size()), window.isFullScreen(), shown.topLeft()};
}
