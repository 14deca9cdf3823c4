#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

struct CommandLine;
class MainWindow;
class QSettings;

// What the window remembers between runs.
struct WindowSettings {
    double zoom = 1.0;  // of the window when neither full screen nor maximised
    bool fullScreen = false;
    std::optional<QPoint> position;  // of the client area's top left corner
};

// Reads what the last run left. Values that are missing, unreadable or out
// of range fall back to the defaults; a zoom or position that would not fit
// `screen` (a screen's free area) is pulled back onto it. `base` is the
// form's size at 100 %.
WindowSettings ReadWindowSettings(const QSettings& settings, const QRect& screen, QSize base);
void WriteWindowSettings(QSettings& settings, const WindowSettings& window);

// Shows the window as the settings and the command line say; the command
// line wins.
void ShowWindow(MainWindow& window, const QSettings& settings, const CommandLine& command);
// What the window shows now, to be written when the program ends.
WindowSettings CurrentSettings(const MainWindow& window);
