// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Drives the real program on a real X server, as a person at the keyboard
// would: an Xvfb of its own, the program started on it, keys typed with
// xdotool, and the window's pixels read back through Qt.

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// The test screen: a projector's 4K, where a full screen form is larger than
// the largest zoom step.
inline constexpr QSize kScreen(3840, 2160);

// An Xvfb on a free display with a kScreen screen, and a window manager
// (Openbox) on it when one is installed, as a desktop has: full screen needs
// one. Stopped with the object. Create it before the QGuiApplication that is to
// read its screen, and point DISPLAY at it.
class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // Empty when no server could be started; error() says why.
    QString display() const { return display_; }
    QString error() const { return error_; }

private:
    void StartWindowManager();

    QProcess server_;
    QProcess windowManager_;
    QString display_;
    QString error_;
};

class RunningProgram {
public:
    // Starts `binary` on `display` with the extra NAME=VALUE environment entries
    // and `arguments`. Its settings live in a folder of its own, new each time.
    RunningProgram(const QString& binary, const QString& display, const QStringList& environment = {},
                   const QStringList& arguments = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Waits until the main window is mapped and painted, and gives it the keyboard.
    bool waitForWindow(int milliseconds = 20000);
    // Types xdotool key names, such as "Tab", "Down", "space", "shift+Tab".
    void keys(const QStringList& names);
    // Clicks the left button at `at` in the window.
    void click(QPoint at);
    QImage grab() const;
    // Grabs until `ready` holds or the time is up; returns the last picture.
    QImage grabWhen(const std::function<bool(const QImage&)>& ready, int milliseconds = 5000) const;
    // The window's size on the screen, as the X server has it.
    QSize size() const;
    // The window's frame on the screen, title bar included, as the window
    // manager has it.
    QRect frame() const;
    // Destroys the window as another X client would, and waits for the
    // program to end: its exit status, or -1 when it did not end by itself.
    int destroyWindow(int milliseconds = 5000);
    // Waits for the program to end: its exit status, or -1.
    int waitForExit(int milliseconds = 5000);
    // Waits until the window has `size`; false when the time is up.
    bool waitForSize(QSize size, int milliseconds = 5000) const;

private:
    QTemporaryDir settings_;
    QString display_;
    QProcess program_;
    qulonglong window_ = 0;
};

// The keys that choose identity `kind` (1..6) and n (1..11) on a freshly opened
// window and press Show, keyboard only, in the window's tab order.
QStringList KeysToShow(int kind, int n);
// From Show, the keys that press Clear when identity `kind` is chosen.
QStringList KeysToClear(int kind);
