// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "app/texts.h"

#include <optional>

struct CommandLine;
struct ZoomableWindow;
class QWidget;
class SettingsFile;

// What the window remembers between runs: its place, size and state as the
// toolkit keeps them, and the zoom.
struct WindowSettings {
    QByteArray geometry;  // saveGeometry(): place, size, maximised, full screen
    double zoom = 1.0;    // of the window when neither full screen nor maximised
    // Files of earlier versions kept these instead of the geometry.
    bool fullScreen = false;
    std::optional<QPoint> position;  // the window's top left corner
};

// Reads what the last run left. Values that are missing, unreadable or out
// of range fall back to the defaults; a zoom or position that would not fit
// `screen` (a screen's free area) is pulled back onto it. `base` is the
// form's size at 100 %.
WindowSettings ReadWindowSettings(const SettingsFile& settings, const QRect& screen, QSize base);

// Shows the window as the settings and the command line say; the command
// line wins. The window's whole frame, title bar included, opens on a screen.
void ShowWindow(const ZoomableWindow& window, const SettingsFile& settings, const CommandLine& command);
// Writes what the window shows now, for the next run.
void RememberWindow(const ZoomableWindow& window, SettingsFile& settings);

// The language the window was last switched to; --lang wins over it.
Language StartLanguage(const SettingsFile& settings, const CommandLine& command);

// `frame` moved the least way that puts it inside `screen`; its top left
// corner when it is larger.
QRect FrameOnScreen(QRect frame, const QRect& screen);
