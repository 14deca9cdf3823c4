// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/command_line.h"
#include "cli/help_text.h"

#include "app/layout.h"
#include "picture/picture_file.h"
#include "cli/program_texts.h"
#include "cli/zoom.h"
#include "identities/claim_check.h"
#include "identities/claim_parser.h"
#include "identities/claim_text.h"
#include "picture/tactile_page.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>
#include <stdexcept>

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

QString HelpHint()
{
    return Program::translate("CommandLine", "Вижте „tessalo --help“. / See 'tessalo --help'.\n");
}

// The parser's own messages, which have no translation before the application exists.
QString InOurWords(const QString& parserError)
{
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpected(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    if (const auto match = missing.match(parserError); match.hasMatch())
        return Program::translate("CommandLine", "след „%1“ липсва стойност.").arg(match.captured(1));
    if (const auto match = unexpected.match(parserError); match.hasMatch())
        return Program::translate("CommandLine", "„%1“ не приема стойност.").arg(match.captured(1));
    return Program::translate("CommandLine", "грешка в аргументите.");
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
    // Filled, not arg(): the English line has no use for the Bulgarian name
    return Stop(
        2,
        Filled(Program::translate("CommandLine",
                                  "tessalo: %1 е цяло число от %3 до %4, не „%5“. / "
                                  "--%2 takes a whole number from %3 to %4, not '%5'.\n"),
               {Program::translate("CommandLine", what), option, QString::number(low), QString::number(high), value}));
}

// Which of `words` --`name` gives, in any case; the first when it is not given, none
// when it gives another word.
std::optional<qsizetype> Chosen(const QCommandLineParser& parser, const char* name, const QStringList& words)
{
    const QString option = QString::fromLatin1(name);
    if (!parser.isSet(option))
        return 0;
    const qsizetype at = words.indexOf(parser.value(option).toLower());
    return at < 0 ? std::nullopt : std::optional<qsizetype>(at);
}

// The options of the identities beside the form's six, and a claim about any
// identity's sum: its n within the identity's own range, --a and --d only for
// the progression, what they cannot draw yet refused.
std::optional<CommandLine> ReadFurther(const QCommandLineParser& parser, CommandLine& line)
{
    const bool further = line.kind >= kFirstFurtherKind;
    if ((parser.isSet(QStringLiteral("a")) || parser.isSet(QStringLiteral("d"))) && line.kind != 8)
        return Stop(2, Program::translate("CommandLine", "tessalo: --a и --d са за --kind 8. / "
                                                         "--a and --d go with --kind 8.\n"));
    const int largest = further ? DescribeFurther(line.kind, line.progression).maxN : kListCount;
    if (line.n > largest)
        return Stop(2, Program::translate("CommandLine", "tessalo: за това тъждество n е от 1 до %1. / "
                                                         "for this identity n is from 1 to %1.\n")
                           .arg(largest));
    std::optional<int> broken;
    const int claims = static_cast<int>(BrokenClaims(line.kind, line.progression).size());
    if (const auto stop = ReadNumber(parser, "broken", QT_TRANSLATE_NOOP("CommandLine", "невярното твърдение"), 1,
                                     std::max(claims, 1), broken))
        return stop;
    if (broken && parser.isSet(QStringLiteral("claim")))
        return Stop(2, Program::translate("CommandLine", "tessalo: --claim или --broken, не двете. / "
                                                         "--claim or --broken, not both.\n"));
    if (broken && line.kind == 0)
        return Stop(2, Program::translate("CommandLine",
                                          "tessalo: кое тъждество? Добавете --kind от 1 до 11. / "
                                          "which identity? Add --kind from 1 to 11.\n"));
    if (broken)
        line.claim = QString::fromStdString(BrokenClaims(line.kind, line.progression)[*broken - 1]);
    if (parser.isSet(QStringLiteral("claim"))) {
        line.claim = parser.value(QStringLiteral("claim"));
        const ClaimParse parse = ParseExpression(line.claim.toStdString());
        const Language language =
            LanguageOfCode(parser.value(QStringLiteral("lang")).toStdString()).value_or(Language::bg);
        if (!parse.value)
            return Stop(2, QStringLiteral("tessalo: %1\n").arg(QString::fromStdString(ClaimProblemText(parse, language))));
        // checked here too, so that a claim too large to check exactly is refused before anything is written
        try {
            CheckClaim(RuleOf(line.kind, line.progression), *parse.value);
            parse.value->At(std::max(line.n, 1));
        } catch (const std::overflow_error&) {
            return Stop(2, QStringLiteral("tessalo: %1\n").arg(QString::fromUtf8(Tr(language, TextId::ClaimTooLarge))));
        }
    }
    return std::nullopt;
}

// Checks the options that draw without a window, and fills them in.
CommandLine ReadPictureOptions(const QCommandLineParser& parser, CommandLine line)
{
    std::optional<int> kind;
    std::optional<int> n;
    std::optional<int> a;
    std::optional<int> d;
    for (const auto& stop : {ReadNumber(parser, "kind", QT_TRANSLATE_NOOP("CommandLine", "тъждеството"), 1,
                                        kLastFurtherKind, kind),
                             ReadNumber(parser, "n", "n", 1, kListCount, n),
                             ReadNumber(parser, "a", "a", 1, 5, a), ReadNumber(parser, "d", "d", 1, 5, d),
                             ReadNumber(parser, "width", QT_TRANSLATE_NOOP("CommandLine", "ширината"), kMinPngWidth,
                                        kMaxPngWidth, line.pngWidth)}) {
        if (stop)
            return *stop;
    }
    line.kind = kind.value_or(0);
    line.n = n.value_or(0);
    line.progression = {a.value_or(1), d.value_or(1)};
    if (const auto stop = ReadFurther(parser, line))
        return *stop;
    line.exportPath = parser.value(QStringLiteral("export"));
    line.printText = parser.isSet(QStringLiteral("text"));
    line.printArgument = parser.isSet(QStringLiteral("argument"));
    line.withArgument = parser.isSet(QStringLiteral("with-argument"));
    line.strip = parser.isSet(QStringLiteral("strip"));
    line.worksheet = parser.isSet(QStringLiteral("worksheet"));
    line.tactile = parser.isSet(QStringLiteral("tactile"));
    const auto paper = Chosen(parser, "paper", {QStringLiteral("a4"), QStringLiteral("letter")});
    if (!paper)
        return Stop(2, Program::translate("CommandLine", "tessalo: --paper е a4 или letter, не „%1“. / "
                                                         "--paper takes a4 or letter, not '%1'.\n")
                           .arg(parser.value(QStringLiteral("paper"))));
    line.paper = *paper == 1 ? Paper::Letter : Paper::A4;
    if (parser.isSet(QStringLiteral("paper")) && !line.tactile)
        return Stop(2, Program::translate("CommandLine", "tessalo: --paper е за --tactile. / "
                                                         "--paper goes with --tactile.\n"));
    line.answers = parser.isSet(QStringLiteral("answers"));
    line.seriesFolder = parser.value(QStringLiteral("series"));
    const auto look = Chosen(parser, "look", {QStringLiteral("handout"), QStringLiteral("window")});
    if (!look)
        return Stop(2, Program::translate("CommandLine", "tessalo: --look е handout или window, не „%1“. / "
                                                         "--look takes handout or window, not '%1'.\n")
                           .arg(parser.value(QStringLiteral("look"))));
    line.look = *look == 1 ? PictureLook::Window : PictureLook::Handout;
    if (parser.isSet(QStringLiteral("format"))) {
        const QString format = parser.value(QStringLiteral("format"));
        const auto named = FormatOfFile(QStringLiteral("slide.") + format);
        if (!named || format.contains(QLatin1Char('.')) || format.contains(QLatin1Char('/')))
            return Stop(2, Program::translate("CommandLine",
                                              "tessalo: --format е svg, png, pdf, gif, wav или brf, не „%1“. / "
                                              "--format takes svg, png, pdf, gif, wav or brf, not '%1'.\n")
                               .arg(format));
        if (line.seriesFolder.isEmpty())
            return Stop(2, Program::translate("CommandLine", "tessalo: --format е за --series. / "
                                                             "--format goes with --series.\n"));
        line.seriesFormat = *named;
    }
    if (parser.isSet(QStringLiteral("lang"))) {
        const QString code = parser.value(QStringLiteral("lang"));
        const auto language = LanguageOfCode(code.toStdString());
        if (!language) {
            return Stop(2,
                        Program::translate("CommandLine",
                                           "tessalo: непознат език „%1“; позволени са %2. / "
                                           "unknown language '%1'; allowed are %2.\n")
                            .arg(code, LanguageCodes()));
        }
        line.language = *language;
        line.languageGiven = true;
    }
    if (line.tactile && line.kind >= kFirstFurtherKind && line.n > 0) {
        // its larger pictures do not fit a page at the least cell a finger tells apart
        const int fits = LargestTactileN(DescribeFurther(line.kind, line.progression), line.language, line.paper);
        if (line.n > fits)
            return Stop(2, QStringLiteral("tessalo: %1%2.\n")
                               .arg(QString::fromUtf8(Tr(line.language, TextId::TactileTooLarge)))
                               .arg(fits));
    }

    // An empty name, as a script's unset variable gives it, names no file: it
    // would otherwise open the window as if the option were not there.
    for (const QString& name : {QStringLiteral("export"), QStringLiteral("series")}) {
        if (parser.isSet(name) && parser.value(name).isEmpty())
            return Stop(2, Program::translate("CommandLine", "tessalo: --%1 без име на файл или папка. / "
                                                             "--%1 without a file or folder name.\n")
                               .arg(name));
    }

    // Arguments are read as UTF-8, and a name in another encoding (an old
    // USB stick's Windows-1251) would come out with its letters replaced, so
    // that two such names would land in one file.
    for (const QString* name : {&line.exportPath, &line.seriesFolder}) {
        if (name->contains(QChar::ReplacementCharacter))
            return Stop(2,
                        Program::translate("CommandLine",
                                           "tessalo: името „%1“ не е в UTF-8 и не може да бъде използвано; "
                                           "преименувайте файла или папката. / the name '%1' is not in UTF-8 and "
                                           "cannot be used; rename the file or folder.\n")
                            .arg(*name));
    }

    if (!line.exportPath.isEmpty() && !FormatOfFile(line.exportPath))
        return Stop(2,
                    Program::translate("CommandLine",
                                       "tessalo: „%1“: непознат вид файл; позволени са .svg, .png, .pdf, .gif, .wav "
                                       "и .brf. / '%1': unknown file type; allowed are .svg, .png, .pdf, .gif, .wav "
                                       "and .brf.\n")
                        .arg(line.exportPath));
    const auto takesWidth = [](std::optional<PictureFormat> format) {
        return format == PictureFormat::Png || format == PictureFormat::Gif;
    };
    if (line.pngWidth && !takesWidth(FormatOfFile(line.exportPath)) &&
        !(!line.seriesFolder.isEmpty() && takesWidth(line.seriesFormat)))
        return Stop(2,
                    Program::translate("CommandLine",
                                       "tessalo: --width е само за PNG и GIF (--export ФАЙЛ.png). / "
                                       "--width is for PNG and GIF only (--export FILE.png).\n"));
    if (!line.drawsWithoutWindow())
        return line;  // the window opens on the identity and n given
    if (line.kind == 0)
        return Stop(2,
                    Program::translate("CommandLine",
                                       "tessalo: кое тъждество? Добавете --kind от 1 до 11. / "
                                       "which identity? Add --kind from 1 to 11.\n"));
    if (!line.claim.isEmpty())
        return line;  // the claim is checked in letters, for every n
    if (line.strip && FormatOfFile(line.exportPath) != PictureFormat::Pdf &&
        FormatOfFile(line.exportPath) != PictureFormat::Svg)
        return Stop(2, Program::translate("CommandLine", "tessalo: --strip е за --export ФАЙЛ.pdf или .svg. / "
                                                         "--strip goes with --export FILE.pdf or .svg.\n"));
    if (line.tactile && FormatOfFile(line.exportPath) != PictureFormat::Pdf &&
        FormatOfFile(line.exportPath) != PictureFormat::Svg)
        return Stop(2, Program::translate("CommandLine", "tessalo: --tactile е за --export ФАЙЛ.pdf или .svg. / "
                                                         "--tactile goes with --export FILE.pdf or .svg.\n"));
    if ((line.worksheet || line.answers) && FormatOfFile(line.exportPath) != PictureFormat::Pdf)
        return Stop(2, Program::translate("CommandLine", "tessalo: --worksheet и --answers са за --export ФАЙЛ.pdf. / "
                                                         "--worksheet and --answers go with --export FILE.pdf.\n"));
    if (line.withArgument && line.exportPath.isEmpty() && line.seriesFolder.isEmpty())
        return Stop(2, Program::translate("CommandLine", "tessalo: --with-argument е за --export и --series. / "
                                                         "--with-argument goes with --export or --series.\n"));
    if (line.n == 0 && (!line.exportPath.isEmpty() || line.printText || line.printArgument))
        return Stop(2,
                    Program::translate("CommandLine",
                                       "tessalo: кое n? Добавете --n от 1 до %1. / which n? Add --n from 1 to %1.\n")
                        .arg(kListCount));
    return line;
}

// The language --lang names, if it names one: the help and the mistakes are
// written in it, so it is known before the parser that writes them is made.
// The last one counts, as for the parser.
std::optional<Language> LanguageAsked(const QStringList& arguments)
{
    std::optional<Language> asked;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if ((argument == QLatin1String("--lang") || argument == QLatin1String("-lang")) && i + 1 < arguments.size())
            asked = LanguageOfCode(arguments[++i].toStdString());
        else if (argument.startsWith(QLatin1String("--lang=")) || argument.startsWith(QLatin1String("-lang=")))
            asked = LanguageOfCode(argument.mid(argument.indexOf(QLatin1Char('=')) + 1).toStdString());
    }
    return asked;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    const std::optional<Language> asked = LanguageAsked(arguments);
    UseLanguage(asked.value_or(Language::bg));
    const std::vector<Option> options = ProgramOptions();
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
            return Stop(
                2,
                Program::translate("CommandLine", "tessalo: непозната опция „%1“. / unknown option '%1'.\n").arg(name) +
                    HelpHint());
        }
        return Stop(2,
                    Filled(Program::translate("CommandLine", "tessalo: %1 / %2\n"),
                           {InOurWords(parser.errorText()), parser.errorText()}) +
                        HelpHint());
    }
    if (parser.isSet(QStringLiteral("help")))
        return Stop(0, HelpText(options));
    if (parser.isSet(QStringLiteral("version")))
        return Stop(0, QStringLiteral("tessalo %1\n").arg(QStringLiteral(TESSALO_VERSION)));
    if (!parser.positionalArguments().isEmpty())
        return Stop(2,
                    Program::translate("CommandLine", "tessalo: неочакван аргумент „%1“. / unexpected argument '%1'.\n")
                            .arg(parser.positionalArguments().first()) +
                        HelpHint());

    CommandLine line;
    line.fullScreen = parser.isSet(QStringLiteral("fullscreen"));
    if (auto stop = ReadNumber(parser, "zoom", QT_TRANSLATE_NOOP("CommandLine", "мащабът"), kMinZoomPercent,
                               kMaxZoomPercent, line.zoomPercent))
        return *stop;
    line.geometryGiven = parser.isSet(QStringLiteral("geometry")) || parser.isSet(QStringLiteral("qwindowgeometry"));
    return ReadPictureOptions(parser, line);
}
