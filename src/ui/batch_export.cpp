#include "ui/batch_export.h"

#include "app/shown_form.h"
#include "app/tessalo.h"
#include "ui/command_line.h"
#include "picture/picture_file.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <string>

namespace {

void PrintText(const std::string& text)
{
#ifdef Q_OS_WIN
    const std::string& lines = text;
#else
    std::string lines;
    for (char c : text) {
        if (c != '\r')
            lines += c;
    }
#endif
    std::fwrite(lines.data(), 1, lines.size(), stdout);
    std::fflush(stdout);
}

// The toolkit's notes (such as a missing runtime folder) would bury the one
// line that matters; its errors still come through.
void ErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

bool Report(const QString& path, const WriteFailure& failure)
{
    const QString shown = QDir::toNativeSeparators(path);
    std::fputs(QStringLiteral("tessalo: „%1“ не беше записан: %2. / cannot write '%1': %3.\n")
                   .arg(shown, failure.cause, failure.systemText)
                   .toLocal8Bit()
                   .constData(),
               stderr);
    return false;
}

bool Save(const QString& path, const Tessalo& form, int pngWidth)
{
    const auto failure = SavePicture(path, Picture{form}, pngWidth);
    return !failure || Report(path, *failure);
}

bool SaveSeries(const QString& folder, int kind)
{
    QDir().mkpath(folder);  // if it cannot be made, the first file says why
    for (int n = 1; n <= 11; ++n) {
        const QString name = QStringLiteral("kind-%1-n-%2.svg").arg(kind).arg(n, 2, 10, QLatin1Char('0'));
        if (!Save(QDir(folder).filePath(name), ShownForm(kind, n), DefaultPngWidth()))
            return false;
    }
    return true;
}

// Every file is complete and closed by now: tearing the toolkit down would
// only add to a run that takes a few milliseconds.
[[noreturn]] void End(int status)
{
    std::fflush(stdout);
    std::_Exit(status);
}

}  // namespace

void RunBatchExport(int& argc, char** argv, const CommandLine& command)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(ErrorsOnly);
    const QGuiApplication app(argc, argv);  // fonts, for the labels and the text
    if (command.printText || !command.exportPath.isEmpty()) {
        const Tessalo form = ShownForm(command.kind, command.n);
        if (command.printText)
            PrintText(form.Text1(0).Text);
        if (!command.exportPath.isEmpty() && !Save(command.exportPath, form, command.pngWidth.value_or(DefaultPngWidth())))
            End(1);
    }
    End(command.seriesFolder.isEmpty() || SaveSeries(command.seriesFolder, command.kind) ? 0 : 1);
}
