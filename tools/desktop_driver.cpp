#include "desktop_driver.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

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
                                           QStringLiteral("0"), QStringLiteral("1280x1024x24"),
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
}

XServer::~XServer()
{
    Stop(server_);
}

RunningProgram::RunningProgram(const QString& binary, const QString& display, const QStringList& environment)
    : display_(display)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const QString& entry : environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    program_.setProcessEnvironment(env);
    program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program_.start(binary, {});
}

RunningProgram::~RunningProgram()
{
    Stop(program_);
}

bool RunningProgram::waitForWindow(int milliseconds)
{
    if (!program_.waitForStarted(milliseconds))
        return false;
    QByteArray found;
    const QString timeout = QString::number(milliseconds / 1000);
    if (!RunTool({QStringLiteral("timeout"), timeout, QStringLiteral("xdotool"), QStringLiteral("search"),
                  QStringLiteral("--sync"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                  QString::number(program_.processId())},
                 &found, display_))
        return false;
    window_ = found.split('\n').first().trimmed().toULongLong();
    if (window_ == 0)
        return false;
    // painted: the window's own lilac shows at its top right corner
    const QImage picture = grabWhen([](const QImage& image) {
        return !image.isNull() && image.pixel(image.width() - 2, 2) == qRgb(128, 128, 255);
    });
    return RunTool({QStringLiteral("xdotool"), QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                    QString::number(window_)},
                   nullptr, display_) &&
           !picture.isNull();
}

void RunningProgram::keys(const QStringList& names)
{
    QStringList command{QStringLiteral("xdotool"), QStringLiteral("key"), QStringLiteral("--delay"),
                        QStringLiteral("60")};
    RunTool(command + names, nullptr, display_);
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

QStringList KeysToShow(int kind, int n)
{
    // The window opens on the proof text; two Tabs reach the list, where the
    // first Down selects "1". Two more reach the first radio button, which is
    // on; each Down turns on the next. One Tab then reaches Show.
    QStringList keys{QStringLiteral("Tab"), QStringLiteral("Tab")};
    for (int i = 0; i < n; ++i)
        keys << QStringLiteral("Down");
    keys << QStringLiteral("Tab") << QStringLiteral("Tab");
    for (int i = 1; i < kind; ++i)
        keys << QStringLiteral("Down");
    keys << QStringLiteral("Tab") << QStringLiteral("space");
    return keys;
}

QStringList KeysToClear()
{
    // back past the chosen radio button to Clear
    return {QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab"), QStringLiteral("space")};
}
