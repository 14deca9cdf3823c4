#include "ui/command_line.h"

#include "ui/zoom.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

// The toolkit's own options, which QApplication takes from the same arguments.
const QStringList kToolkitOptionsWithValue{
    QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),   QStringLiteral("qwindowgeometry"),    QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("session"),        QStringLiteral("display"),
    QStringLiteral("geometry"), QStringLiteral("style"),              QStringLiteral("stylesheet"),
    QStringLiteral("name"),     QStringLiteral("title")};
const QStringList kToolkitFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                QStringLiteral("dograb"), QStringLiteral("sync")};

struct Option {
    QCommandLineOption option;
    QString shown;  // as the help lists it
};

const QString kHelpHint = QStringLiteral("Вижте „tessalo --help“. / See 'tessalo --help'.\n");

QString HelpText(const std::vector<Option>& options)
{
    QString text = QStringLiteral("Употреба: tessalo [опции]\n"
                                  "Математическа индукция, показана с цветни квадрати и кръгове.\n\n"
                                  "Опции:\n");
    for (const auto& [option, shown] : options)
        text += QStringLiteral("  %1%2\n").arg(shown, -22).arg(option.description());
    text += QStringLiteral("\nКлавиши: F11 цял екран, Ctrl+плюс/минус/0 мащаб, Esc излиза от цял екран.\n");
    return text;
}

// The parser's own messages, which have no translation before the application exists.
QString InBulgarian(const QString& parserError)
{
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpected(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    if (const auto match = missing.match(parserError); match.hasMatch())
        return QStringLiteral("след „%1“ липсва стойност.").arg(match.captured(1));
    if (const auto match = unexpected.match(parserError); match.hasMatch())
        return QStringLiteral("„%1“ не приема стойност.").arg(match.captured(1));
    return QStringLiteral("грешка в аргументите.");
}

CommandLine Stop(int status, const QString& message)
{
    CommandLine line;
    line.exitStatus = status;
    (status == 0 ? line.output : line.error) = message;
    return line;
}

// "--zoom 150" -> 150; nothing when the value is not a whole number in range.
std::optional<int> ZoomPercent(const QString& value)
{
    bool isNumber = false;
    const int percent = value.trimmed().toInt(&isNumber);
    if (!isNumber || percent < kMinZoomPercent || percent > kMaxZoomPercent)
        return std::nullopt;
    return percent;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    const std::vector<Option> options{
        {{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Показва тази помощ и излиза.")},
         QStringLiteral("-h, --help")},
        {{{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Показва версията и излиза.")},
         QStringLiteral("-v, --version")},
        {{QStringLiteral("fullscreen"), QStringLiteral("Отваря прозореца на цял екран.")},
         QStringLiteral("--fullscreen")},
        {{QStringLiteral("zoom"), QStringLiteral("Мащаб в проценти, от 100 до 400 (напр. 150)."),
          QStringLiteral("проценти")},
         QStringLiteral("--zoom ПРОЦЕНТИ")},
    };
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);  // -geometry, as X programs take it
    for (const auto& [option, shown] : options)
        parser.addOption(option);
    for (const QString& name : kToolkitOptionsWithValue) {
        QCommandLineOption option(name, {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : kToolkitFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString name = (unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + unknown.first();
            return Stop(2, QStringLiteral("tessalo: непозната опция „%1“. / unknown option '%1'.\n").arg(name) + kHelpHint);
        }
        return Stop(2, QStringLiteral("tessalo: %1 / %2\n").arg(InBulgarian(parser.errorText()), parser.errorText()) +
                           kHelpHint);
    }
    if (parser.isSet(QStringLiteral("help")))
        return Stop(0, HelpText(options));
    if (parser.isSet(QStringLiteral("version")))
        return Stop(0, QStringLiteral("tessalo %1\n").arg(QStringLiteral(TESSALO_VERSION)));
    if (!parser.positionalArguments().isEmpty())
        return Stop(2, QStringLiteral("tessalo: неочакван аргумент „%1“. / unexpected argument '%1'.\n")
                               .arg(parser.positionalArguments().first()) +
                           kHelpHint);

    CommandLine line;
    line.fullScreen = parser.isSet(QStringLiteral("fullscreen"));
    if (parser.isSet(QStringLiteral("zoom"))) {
        const QString value = parser.value(QStringLiteral("zoom"));
        line.zoomPercent = ZoomPercent(value);
        if (!line.zoomPercent)
            return Stop(2, QStringLiteral("tessalo: мащабът е цяло число от %1 до %2, не „%3“. / "
                                          "--zoom takes a whole number from %1 to %2, not '%3'.\n")
                                   .arg(kMinZoomPercent)
                                   .arg(kMaxZoomPercent)
                                   .arg(value));
    }
    line.geometryGiven = parser.isSet(QStringLiteral("geometry")) || parser.isSet(QStringLiteral("qwindowgeometry"));
    return line;
}
