// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window/application.h"

#include "cli/program_texts.h"

#include <QAbstractNativeEventFilter>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// What the toolkit says while it connects, held back: if it fails, its
// warnings and its fatal message give way to our one line.
std::vector<std::pair<QtMsgType, QString>> g_heldBack;
QtMessageHandler g_previousHandler = nullptr;

void HoldBack(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs(Program::translate("CommandLine",
                                      "tessalo: няма връзка с графичен дисплей (задайте DISPLAY или WAYLAND_DISPLAY). / "
                                      "tessalo: cannot connect to a display (set DISPLAY or WAYLAND_DISPLAY).\n")
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        std::fflush(stderr);
        std::_Exit(1);  // nothing half-built is worth tearing down
    }
    g_heldBack.emplace_back(type, message);
}

// The toolkit takes no notice when another X client destroys a window: the
// program would go on with nothing on the screen.
class DestroyedFromOutside : public QObject, public QAbstractNativeEventFilter {
public:
    explicit DestroyedFromOutside(QWidget& window) : QObject(&window), window_(window)
    {
        qApp->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY &&
            static_cast<const xcb_destroy_notify_event_t*>(message)->window == window_.internalWinId()) {
            std::fputs(Program::translate("CommandLine", "tessalo: окното беше унищожено от друга програма. / "
                                                         "the window was destroyed by another program.\n")
                           .toLocal8Bit()
                           .constData(),
                       stderr);
            QCoreApplication::exit(1);
        }
        return false;
    }

private:
    const QWidget& window_;
};

}  // namespace

void EndWhenDestroyedFromOutside(QWidget& window)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        new DestroyedFromOutside(window);  // the window's, and gone with it
}

void LoadToolkitTranslations(QApplication&)
{
    UseLanguage(UsedLanguage());  // now that there is an application to install them in
}

std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv)
{
    QApplication::setApplicationName(QStringLiteral("tessalo"));
    QApplication::setOrganizationName(QStringLiteral("tessalo"));
    QApplication::setApplicationVersion(QStringLiteral(TESSALO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("bg.tessalo.Tessalo"));

    g_previousHandler = qInstallMessageHandler(HoldBack);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(g_previousHandler);
    const QMessageLogContext context;
    for (const auto& [type, message] : std::exchange(g_heldBack, {})) {
        if (g_previousHandler)
            g_previousHandler(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    LoadToolkitTranslations(*app);
    return app;
}
