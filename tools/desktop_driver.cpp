// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_driver.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <qguiapplication_platform.h>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

#include <xcb/xcb.h>

namespace {

bool RunTool(const QStringList& command, QByteArray* out = nullptr, const QString& display = {})
{
    QProcess process;
    if (!display.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        process.setProcessEnvironment(environment);
    }
    process.start(command.first(), command.mid(1));
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void Stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished();
}

void Pause(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
    QCoreApplication::processEvents();
}

}  // namespace

XServer::XServer()
{
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
        error_ = QStringLiteral("Xvfb is not installed");
        return;
    }
    // Xvfb picks a free display itself and writes its number to standard output,
    // so that servers started side by side never meet.
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("%1x%2x24").arg(kScreen.width()).arg(kScreen.height()),
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QElapsedTimer waited;
    waited.start();
    while (!server_.canReadLine() && server_.state() != QProcess::NotRunning && waited.elapsed() < 10000)
        server_.waitForReadyRead(100);
    const QByteArray number = server_.readLine().trimmed();
    if (number.isEmpty()) {
        error_ = QStringLiteral("Xvfb did not start");
        Stop(server_);
        return;
    }
    display_ = QStringLiteral(":") + QString::fromLatin1(number);
    StartWindowManager();
}

void XServer::StartWindowManager()
{
    if (QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
        return;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    windowManager_.setProcessEnvironment(environment);
    windowManager_.setStandardOutputFile(QProcess::nullDevice());
    windowManager_.setStandardErrorFile(QProcess::nullDevice());
    windowManager_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    // ready once it has claimed the screen and loaded its theme, the last of
    // its start: a window mapped earlier may be left half managed
    const auto claimed = [this] {
        QByteArray out;
        RunTool({QStringLiteral("xprop"), QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK"),
                 QStringLiteral("_OB_THEME")},
                &out, display_);
        return out.contains("window id") && out.contains("_OB_THEME(UTF8_STRING)");
    };
    QElapsedTimer waited;
    waited.start();
    while (!claimed() && waited.elapsed() < 10000)
        Pause(50);
}

XServer::~XServer()
{
    Stop(windowManager_);
    Stop(server_);
}

RunningProgram::RunningProgram(const QString& binary, const QString& display, const QStringList& environment,
                               const QStringList& arguments)
    : display_(display)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), settings_.path());
    for (const QString& entry : environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    program_.setProcessEnvironment(env);
    program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program_.start(binary, arguments);
}

RunningProgram::~RunningProgram()
{
    Stop(program_);
}

bool RunningProgram::waitForWindow(int milliseconds)
{
    if (!program_.waitForStarted(milliseconds))
        return false;
    // Asked again and again rather than with --sync: a search dies of an X
    // error when a window it walks past goes away meanwhile, as the window
    // manager's and the toolkit's short-lived windows do.
    QElapsedTimer searched;
    searched.start();
    while (window_ == 0 && searched.elapsed() < milliseconds) {
        QByteArray found;
        RunTool({QStringLiteral("xdotool"), QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--pid"), QString::number(program_.processId())},
                &found, display_);
        window_ = found.split('\n').first().trimmed().toULongLong();
        if (window_ == 0)
            Pause(100);
    }
    if (window_ == 0)
        return false;
    // painted: the window's own lilac shows at its top right corner
    const QImage picture = grabWhen([](const QImage& image) {
        return !image.isNull() && image.pixel(image.width() - 2, 2) == qRgb(128, 128, 255);
    });
    if (picture.isNull())
        return false;
    // The window manager may still be taking the window in: ask for the
    // keyboard until the server says the window has it, and the window
    // manager (where there is one) that it is the active window, which is
    // when the toolkit takes keys for it.
    QElapsedTimer waited;
    waited.start();
    const QString id = QString::number(window_);
    const auto tool = [this](const QString& command, QByteArray* out = nullptr) {
        return RunTool({QStringLiteral("xdotool"), command}, out, display_);
    };
    while (waited.elapsed() < milliseconds) {
        RunTool({QStringLiteral("xdotool"), QStringLiteral("windowactivate"), id}, nullptr, display_);
        RunTool({QStringLiteral("xdotool"), QStringLiteral("windowfocus"), id}, nullptr, display_);
        QByteArray focused;
        QByteArray active;
        tool(QStringLiteral("getwindowfocus"), &focused);
        const bool managed = tool(QStringLiteral("getactivewindow"), &active);
        if (focused.trimmed() == id.toLatin1() && (!managed || active.trimmed() == id.toLatin1())) {
            Pause(200);  // the toolkit reads the same events
            return true;
        }
        Pause(100);
    }
    return false;
}

void RunningProgram::keys(const QStringList& names)
{
    QStringList command{QStringLiteral("xdotool"), QStringLiteral("key"), QStringLiteral("--delay"),
                        QStringLiteral("60")};
    RunTool(command + names, nullptr, display_);
    Pause(150);
}

void RunningProgram::click(QPoint at)
{
    RunTool({QStringLiteral("xdotool"), QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(window_),
             QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")},
            nullptr, display_);
    Pause(150);
}

QImage RunningProgram::grab() const
{
    return QGuiApplication::primaryScreen()->grabWindow(static_cast<WId>(window_)).toImage();
}

QImage RunningProgram::grabWhen(const std::function<bool(const QImage&)>& ready, int milliseconds) const
{
    QElapsedTimer waited;
    waited.start();
    QImage picture = grab();
    while (!ready(picture) && waited.elapsed() < milliseconds) {
        Pause(50);
        picture = grab();
    }
    return picture;
}

QSize RunningProgram::size() const
{
    QByteArray out;
    RunTool({QStringLiteral("xdotool"), QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
             QString::number(window_)},
            &out, display_);
    int width = 0;
    int height = 0;
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith("WIDTH="))
            width = line.mid(6).toInt();
        else if (line.startsWith("HEIGHT="))
            height = line.mid(7).toInt();
    }
    return {width, height};
}

QRect RunningProgram::frame() const
{
    QByteArray info;
    QByteArray extents;
    const QString id = QString::number(window_);
    RunTool({QStringLiteral("xwininfo"), QStringLiteral("-id"), id}, &info, display_);
    RunTool({QStringLiteral("xprop"), QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")}, &extents,
            display_);
    QRect client;
    for (const QByteArray& line : info.split('\n')) {
        const QByteArray value = line.mid(line.indexOf(':') + 1).trimmed();
        if (line.contains("Absolute upper-left X:"))
            client.moveLeft(value.toInt());
        else if (line.contains("Absolute upper-left Y:"))
            client.moveTop(value.toInt());
        else if (line.contains("Width:"))
            client.setWidth(value.toInt());
        else if (line.contains("Height:"))
            client.setHeight(value.toInt());
    }
    // "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"; none without a window manager
    const QList<QByteArray> sides = extents.mid(extents.indexOf('=') + 1).split(',');
    if (sides.size() != 4)
        return client;
    return client.adjusted(-sides[0].trimmed().toInt(), -sides[2].trimmed().toInt(), sides[1].trimmed().toInt(),
                           sides[3].trimmed().toInt());
}

int RunningProgram::destroyWindow(int milliseconds)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return -1;
    xcb_destroy_window(x11->connection(), static_cast<xcb_window_t>(window_));
    xcb_flush(x11->connection());
    return waitForExit(milliseconds);
}

int RunningProgram::waitForExit(int milliseconds)
{
    // it may have ended already, while keys were typed
    if (program_.state() != QProcess::NotRunning && !program_.waitForFinished(milliseconds))
        return -1;
    if (program_.exitStatus() != QProcess::NormalExit)
        return -1;
    return program_.exitCode();
}

bool RunningProgram::waitForSize(QSize wanted, int milliseconds) const
{
    QElapsedTimer waited;
    waited.start();
    while (size() != wanted && waited.elapsed() < milliseconds)
        Pause(50);
    return size() == wanted;
}

QStringList KeysToShow(int kind, int n)
{
    // The window opens on the proof text; two Tabs reach the list, where the
    // first Down selects "1". Two more reach the first radio button, which is
    // on; each Down turns on the next. Show comes next in the tab order after
    // the first four radio buttons and before the last two.
    QStringList keys{QStringLiteral("Tab"), QStringLiteral("Tab")};
    for (int i = 0; i < n; ++i)
        keys << QStringLiteral("Down");
    keys << QStringLiteral("Tab") << QStringLiteral("Tab");
    for (int i = 1; i < kind; ++i)
        keys << QStringLiteral("Down");
    keys << (kind <= 4 ? QStringLiteral("Tab") : QStringLiteral("shift+Tab")) << QStringLiteral("space");
    return keys;
}

QStringList KeysToClear(int kind)
{
    // back to Clear, past the chosen radio button when it comes before Show
    QStringList keys{QStringLiteral("shift+Tab")};
    if (kind <= 4)
        keys << QStringLiteral("shift+Tab");
    return keys << QStringLiteral("space");
}
