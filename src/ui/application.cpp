#include "ui/application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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
        std::fputs("tessalo: няма връзка с графичен дисплей (задайте DISPLAY или WAYLAND_DISPLAY). / "
                   "tessalo: cannot connect to a display (set DISPLAY or WAYLAND_DISPLAY).\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1);  // nothing half-built is worth tearing down
    }
    g_heldBack.emplace_back(type, message);
}

}  // namespace

void LoadToolkitTranslations(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Bulgarian), QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
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
