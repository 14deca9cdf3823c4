// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/batch_export.h"

#include "app/induction_argument.h"
#include "app/braille_file.h"
#include "app/claim_view.h"
#include "app/handout_sheet.h"
#include "app/shown_form.h"
#include "app/tessalo.h"
#include "app/worksheet.h"
#include "cli/command_line.h"
#include "cli/program_texts.h"
#include "identities/claim_parser.h"
#include "identities/claim_picture.h"
#include "identities/claim_text.h"
#include "identities/further_argument.h"
#include "identities/identity_picture.h"
#include "picture/further_handouts.h"
#include "picture/picture_file.h"
#include "picture/step_strip.h"
#include "picture/tactile_page.h"
#include "picture/worksheet_page.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

namespace {

bool PrintText(const std::string& text)
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
    return WriteStandardOutput(QByteArray::fromStdString(lines));
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
    // Filled, not arg(): the English line has no use for the Bulgarian cause
    std::fputs(Filled(Program::translate("CommandLine", "tessalo: „%1“ не беше записан: %2. / cannot write '%1': %3.\n"),
                      {shown, failure.cause, failure.systemText})
                   .toLocal8Bit()
                   .constData(),
               stderr);
    return false;
}

bool Save(const QString& path, const Picture& picture, int pngWidth, bool ownFilesOnly = false)
{
    const auto failure = SavePicture(path, picture, pngWidth, ownFilesOnly);
    return !failure || Report(path, *failure);
}

QString ArgumentBeneath(bool withArgument, int kind, int n, Language language)
{
    return withArgument ? QString::fromStdString(ArgumentText(ArgumentLines(kind, n, language))) : QString();
}

// A link where a slide would go is left as it is, and what it points to:
// the series writes only files of its own. All are looked at before any is
// written, and each again as it is written, in case a link was made meanwhile
// in a folder others write to.
// Each slide frames the cells its step added, as the window frames a step; the
// first frames its whole picture, added to an empty board.
// A GIF slide is its step, played.
bool SaveFurther(const QString& path, const CommandLine& command, int n, bool framed);

bool SaveSeries(const CommandLine& command, int largest = 11)
{
    static const char* const kSuffixes[] = {"svg", "png", "pdf", "gif", "wav", "brf"};  // in PictureFormat's order
    const QString& folder = command.seriesFolder;
    const int kind = command.kind;
    const Language language = command.language;
    QStringList paths;
    for (int n = 1; n <= largest; ++n) {
        paths << QDir(folder).filePath(QStringLiteral("kind-%1-n-%2.%3")
                                           .arg(kind)
                                           .arg(n, 2, 10, QLatin1Char('0'))
                                           .arg(QLatin1String(kSuffixes[static_cast<int>(command.seriesFormat)])));
        if (n == 1) {
            if (const int error = MakeFolder(folder))
                return Report(paths.back(), FailureOf(paths.back(), error));
        }
        if (const auto refused = RefusedTarget(paths.back(), true))
            return Report(paths.back(), *refused);
    }
    for (int n = 1; n <= largest; ++n) {
        if (kind >= kFirstFurtherKind) {
            if (!SaveFurther(paths[n - 1], command, n, true))
                return false;
            continue;
        }
        const Tessalo form = ShownForm(kind, n, language);
        const std::vector<int> added = StepCells(form);
        const Picture slide{form, added, {}, ArgumentBeneath(command.withArgument, kind, n, language), kind, n,
                            command.look};
        if (!Save(paths[n - 1], slide, command.pngWidth.value_or(DefaultPngWidth()), true))
            return false;
    }
    return true;
}

// Braille needs liblouis's tables, which a trimmed system may lack: said, and nothing written.
bool BrailleOrSay(Language language)
{
    if (BrailleWorks(language))
        return true;
    std::fputs(Program::translate("CommandLine", "tessalo: няма брайловите таблици на liblouis (инсталирайте "
                                                 "liblouis-data); нищо не е записано. / liblouis's braille tables are "
                                                 "missing (install liblouis-data); nothing was written.\n")
                   .toLocal8Bit()
                   .constData(),
               stderr);
    return false;
}

// The picture for n; its sound plays the step's cells in their own timbre, as
// the GIF animates the step.
bool SaveExport(const CommandLine& command, const Tessalo& form, const QString& beneath)
{
    const auto format = FormatOfFile(command.exportPath);
    if (format == PictureFormat::Brf && !BrailleOrSay(command.language))
        return false;
    const std::vector<int> step = format == PictureFormat::Wav ? StepCells(form) : std::vector<int>();
    return Save(command.exportPath, Picture{form, step, {}, beneath, command.kind, command.n, command.look},
                command.pngWidth.value_or(DefaultPngWidth()));
}

// The strip of the steps, a worksheet or the tactile sheet, whole or not at all.
bool SaveHandout(const CommandLine& command)
{
    QBuffer handout;
    handout.open(QIODevice::WriteOnly);
    if (command.tactile) {
        if (!BrailleOrSay(command.language))
            return false;
        if (command.kind >= kFirstFurtherKind)
            WriteTactileSheet(handout, *FormatOfFile(command.exportPath),
                              *FurtherTactileSheet(DescribeFurther(command.kind, command.progression), command.n,
                                                   command.language, command.paper),
                              command.paper);
        else
            WriteTactileSheet(handout, *FormatOfFile(command.exportPath), command.kind, command.n, command.language,
                              command.paper);
    } else if (command.strip && command.kind >= kFirstFurtherKind) {
        WriteFurtherStrip(handout, *FormatOfFile(command.exportPath), DescribeFurther(command.kind, command.progression),
                          command.n, command.language);
    } else if (command.strip) {
        WriteStepStrip(handout, *FormatOfFile(command.exportPath), command.kind, command.n, command.language);
    } else if (command.kind >= kFirstFurtherKind) {
        WriteFurtherWorksheet(handout, DescribeFurther(command.kind, command.progression), command.n, command.language,
                              command.answers);
    } else {
        WriteWorksheet(handout, command.kind, command.n, command.language, command.answers);
    }
    const auto failure = SaveWhole(command.exportPath, handout.data());
    return !failure || Report(command.exportPath, *failure);
}

// The claim checked as its proof would go, and where it breaks: printed, or with
// --export beneath the picture for the first n at which it is false (or --n),
// the cells it leaves out or adds marked.
bool CheckAndShowClaim(const CommandLine& command)
{
    const ClaimView claim =
        ViewClaim(command.kind, command.progression, command.claim.toStdString(), command.n, command.language);
    std::string lines;
    for (const std::string& line : claim.lines)
        lines += line + '\n';
    if (command.exportPath.isEmpty())
        return PrintText(lines);
    const Tessalo form = ShownForm(1, 0, command.language);
    Picture picture{form, {}, {}, {}, command.kind, claim.n, command.look};
    picture.board = &claim.board;
    picture.text = QString::fromStdString(lines).trimmed();
    return Save(command.exportPath, picture, command.pngWidth.value_or(DefaultPngWidth()));
}

// An identity beside the form's six at n: its picture with the form's labels,
// the step's cells framed when `framed`, its proof text beneath.
// The proof text and the argument of an identity beside the form's six in braille.
bool SaveFurtherBrf(const QString& path, const FurtherIdentity& identity, int n, Language language)
{
    if (!BrailleOrSay(language))
        return false;
    const QByteArray brf = FurtherProofBrf(identity, n, language);
    const auto failure = SaveWhole(path, brf);
    return !failure || Report(path, *failure);
}

bool SaveFurther(const QString& path, const CommandLine& command, int n, bool framed)
{
    const FurtherIdentity identity = DescribeFurther(command.kind, command.progression);
    if (FormatOfFile(path) == PictureFormat::Brf)
        return SaveFurtherBrf(path, identity, n, command.language);
    const Tessalo form = ShownForm(1, 0, command.language);
    const std::vector<int> added = StepCellsOf(identity, n);
    const BoardPicture board = DescribeFurtherBoard(form, identity, n);
    // a picture played as sound plays the step's cells in their own timbre, and an animation builds them
    const auto format = FormatOfFile(path);
    const bool step = framed || format == PictureFormat::Wav || format == PictureFormat::Gif;
    Picture picture{form, step ? std::span<const int>(added) : std::span<const int>(), {}, {}, command.kind, n,
                    command.look};
    picture.board = &board;
    picture.text = QString::fromStdString(FurtherProofText(identity, n, command.language)).replace(
        QLatin1String("\r\n"), QLatin1String("\n"));
    if (command.withArgument)
        picture.argument = QString::fromStdString(ArgumentText(FurtherArgument(identity, n, command.language)));
    return Save(path, picture, command.pngWidth.value_or(DefaultPngWidth()), framed);
}

// What the command line asks of an identity beside the form's six: its texts,
// its picture, its series (each slide framing its step).
bool RunFurther(const CommandLine& command)
{
    const FurtherIdentity identity = DescribeFurther(command.kind, command.progression);
    if (command.printText && !PrintText(FurtherProofText(identity, command.n, command.language) + "\n"))
        return false;
    if (command.printArgument && !PrintText(ArgumentText(FurtherArgument(identity, command.n, command.language))))
        return false;
    if (command.strip || command.worksheet || command.answers || command.tactile)
        return SaveHandout(command);
    if (!command.exportPath.isEmpty() && !SaveFurther(command.exportPath, command, command.n, false))
        return false;
    return command.seriesFolder.isEmpty() || SaveSeries(command, identity.maxN);
}

// Every file is complete and closed by now: tearing the toolkit down would
// only add to a run that takes a few milliseconds.
[[noreturn]] void End(int status)
{
    std::_Exit(status);
}

}  // namespace

bool WriteStandardOutput(const QByteArray& bytes)
{
    const bool written = std::fwrite(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
                             static_cast<std::size_t>(bytes.size()) &&
                         std::fflush(stdout) == 0;
    if (!written) {
        const WriteFailure failure = FailureOf({}, errno);
        std::fputs(Filled(Program::translate("CommandLine", "tessalo: стандартният изход не беше записан: %1. / "
                                                            "cannot write standard output: %2.\n"),
                          {failure.cause, failure.systemText})
                       .toLocal8Bit()
                       .constData(),
                   stderr);
    }
    return written;
}

void SayIfNoFontHasCyrillic()
{
    if (QFontDatabase::families(QFontDatabase::Cyrillic).isEmpty())
        std::fputs(Program::translate("CommandLine",
                                      "tessalo: няма шрифт с кирилица; буквите ще са квадратчета (инсталирайте например "
                                      "fonts-liberation). / no font with Cyrillic letters is installed; letters will "
                                      "show as boxes (install e.g. fonts-liberation).\n")
                       .toLocal8Bit()
                       .constData(),
                   stderr);
}

void RunBatchExport(int& argc, char** argv, const CommandLine& command)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(ErrorsOnly);
    const QGuiApplication app(argc, argv);  // fonts, for the labels and the text
    SayIfNoFontHasCyrillic();
    if (!command.claim.isEmpty())
        End(CheckAndShowClaim(command) ? 0 : 1);
    if (command.kind >= kFirstFurtherKind)
        End(RunFurther(command) ? 0 : 1);
    if (command.printText || command.printArgument || !command.exportPath.isEmpty()) {
        const Tessalo form = ShownForm(command.kind, command.n, command.language);
        const std::string argument = ArgumentText(ArgumentLines(command.kind, command.n, command.language));
        if (command.printText && !PrintText(form.Text1(0).Text))
            End(1);
        if (command.printArgument && !PrintText(argument))
            End(1);
        const QString beneath = command.withArgument ? QString::fromStdString(argument) : QString();
        if (command.strip || command.worksheet || command.answers || command.tactile) {
            if (!SaveHandout(command))
                End(1);
        } else if (!command.exportPath.isEmpty() && !SaveExport(command, form, beneath)) {
            End(1);
        }
    }
    End(command.seriesFolder.isEmpty() ||
                SaveSeries(command)
            ? 0
            : 1);
}
