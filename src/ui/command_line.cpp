#include "ui/command_line.h"

#include "app/layout.h"
#include "picture/picture_file.h"
#include "ui/command_table.h"
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
    text += QStringLiteral("\nБез прозорец: tessalo --kind 4 --n 11 --export картина.svg\n\nКлавиши в прозореца:\n");
    for (const CommandRow& row : kCommands)
        text += QStringLiteral("  %1%2\n").arg(OwnKeysText(row), -22).arg(QString::fromUtf8(row.meaning));
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

// Reads --`name` into `field` when it is given: a whole number from `low` to
// `high`. Otherwise the stop that says so, naming the option as `what`.
std::optional<CommandLine> ReadNumber(const QCommandLineParser& parser, const char* name, const char* what, int low,
                                      int high, std::optional<int>& field)
{
    const QString option = QString::fromLatin1(name);
    if (!parser.isSet(option))
        return std::nullopt;
    const QString value = parser.value(option);
    bool isNumber = false;
    const int number = value.trimmed().toInt(&isNumber);
    if (isNumber && number >= low && number <= high) {
        field = number;
        return std::nullopt;
    }
    return Stop(2, QStringLiteral("tessalo: %1 е цяло число от %3 до %4, не „%5“. / "
                                  "--%2 takes a whole number from %3 to %4, not '%5'.\n")
                       .arg(QString::fromUtf8(what), option)
                       .arg(low)
                       .arg(high)
                       .arg(value));
}

// Checks the options that draw without a window, and fills them in.
CommandLine ReadPictureOptions(const QCommandLineParser& parser, CommandLine line)
{
    std::optional<int> kind;
    std::optional<int> n;
    for (const auto& stop : {ReadNumber(parser, "kind", "тъждеството", 1, 6, kind),
                             ReadNumber(parser, "n", "n", 1, kListCount, n),
                             ReadNumber(parser, "width", "ширината", kMinPngWidth, kMaxPngWidth, line.pngWidth)}) {
        if (stop)
            return *stop;
    }
    line.kind = kind.value_or(0);
    line.n = n.value_or(0);
    line.exportPath = parser.value(QStringLiteral("export"));
    line.printText = parser.isSet(QStringLiteral("text"));
    line.printArgument = parser.isSet(QStringLiteral("argument"));
    line.withArgument = parser.isSet(QStringLiteral("with-argument"));
    line.seriesFolder = parser.value(QStringLiteral("series"));
    if (parser.isSet(QStringLiteral("lang"))) {
        const QString code = parser.value(QStringLiteral("lang"));
        const auto language = LanguageOfCode(code.toStdString());
        if (!language) {
            QStringList codes;
            for (const std::string_view known : kLanguageCodes)
                codes << QString::fromUtf8(known.data(), static_cast<qsizetype>(known.size()));
            return Stop(2, QStringLiteral("tessalo: непознат език „%1“; позволени са %2. / "
                                          "unknown language '%1'; allowed are %2.\n")
                               .arg(code, codes.join(QStringLiteral(", "))));
        }
        line.language = *language;
    }

    // Arguments are read as UTF-8, and a name in another encoding (an old
    // USB stick's Windows-1251) would come out with its letters replaced, so
    // that two such names would land in one file.
    for (const QString* name : {&line.exportPath, &line.seriesFolder}) {
        if (name->contains(QChar::ReplacementCharacter))
            return Stop(2, QStringLiteral("tessalo: името „%1“ не е в UTF-8 и не може да бъде използвано; "
                                          "преименувайте файла или папката. / the name '%1' is not in UTF-8 and "
                                          "cannot be used; rename the file or folder.\n")
                               .arg(*name));
    }

    if (!line.exportPath.isEmpty() && !FormatOfFile(line.exportPath))
        return Stop(2, QStringLiteral("tessalo: „%1“: непознат вид файл; позволени са .svg, .png и .pdf. / "
                                      "'%1': unknown file type; allowed are .svg, .png and .pdf.\n")
                           .arg(line.exportPath));
    if (line.pngWidth && FormatOfFile(line.exportPath) != PictureFormat::Png)
        return Stop(2, QStringLiteral("tessalo: --width е само за PNG (--export ФАЙЛ.png). / "
                                      "--width is for PNG only (--export FILE.png).\n"));
    if (!line.drawsWithoutWindow())
        return line;  // the window opens on the identity and n given
    if (line.kind == 0)
        return Stop(2, QStringLiteral("tessalo: кое тъждество? Добавете --kind от 1 до 6. / "
                                      "which identity? Add --kind from 1 to 6.\n"));
    if (line.withArgument && line.exportPath.isEmpty())
        return Stop(2, QStringLiteral("tessalo: --with-argument е за --export. / --with-argument goes with --export.\n"));
    if (line.n == 0 && (!line.exportPath.isEmpty() || line.printText || line.printArgument))
        return Stop(2, QStringLiteral("tessalo: кое n? Добавете --n от 1 до %1. / which n? Add --n from 1 to %1.\n")
                           .arg(kListCount));
    return line;
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
        {{QStringLiteral("kind"), QStringLiteral("Тъждество от 1 до 6, по реда в прозореца; без --export прозорецът се отваря на него."), QStringLiteral("вид")},
         QStringLiteral("--kind ВИД")},
        {{QStringLiteral("n"), QStringLiteral("n от 1 до 11."), QStringLiteral("n")}, QStringLiteral("--n N")},
        {{QStringLiteral("export"), QStringLiteral("Записва картината без прозорец: .svg, .png или .pdf."),
          QStringLiteral("файл")},
         QStringLiteral("--export ФАЙЛ")},
        {{QStringLiteral("width"),
          QStringLiteral("Ширина на PNG картината в пиксели (%1 до %2, иначе %3).")
              .arg(kMinPngWidth)
              .arg(kMaxPngWidth)
              .arg(DefaultPngWidth()),
          QStringLiteral("пиксели")},
         QStringLiteral("--width ПИКСЕЛИ")},
        {{QStringLiteral("text"), QStringLiteral("Извежда текста на доказателството.")}, QStringLiteral("--text")},
        {{QStringLiteral("argument"), QStringLiteral("Извежда доказателството по индукция.")},
         QStringLiteral("--argument")},
        {{QStringLiteral("with-argument"), QStringLiteral("С --export: доказателството по индукция под картината.")},
         QStringLiteral("--with-argument")},
        {{QStringLiteral("lang"), QStringLiteral("Езикът на --text, --argument, --export и --series: bg (подразбира се) или en."),
          QStringLiteral("език")},
         QStringLiteral("--lang ЕЗИК")},
        {{QStringLiteral("series"),
          QStringLiteral("Записва картините за n от 1 до 11 в папката (kind-ВИД-n-01.svg ...)."),
          QStringLiteral("папка")},
         QStringLiteral("--series ПАПКА")},
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
    if (auto stop = ReadNumber(parser, "zoom", "мащабът", kMinZoomPercent, kMaxZoomPercent, line.zoomPercent))
        return *stop;
    line.geometryGiven = parser.isSet(QStringLiteral("geometry")) || parser.isSet(QStringLiteral("qwindowgeometry"));
    return ReadPictureOptions(parser, line);
}
