// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's command line, where no display is to be had: help, the
// version and every mistake are answered before the program looks for one,
// and pictures and proof texts are drawn without one.
#include "app/shown_form.h"
#include "app/tessalo.h"
#include "small_disk.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <string_view>

namespace {

struct Finished {
    int status = -1;
    QByteArray out;
    QString err;
};

// Runs the program with no display to be found; `inChild` runs in the new
// process before the program starts.
Finished RunWithoutDisplay(const QStringList& arguments, const std::function<void()>& inChild = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    if (inChild)
        program.setChildProcessModifier(inChild);
    program.start(QStringLiteral(TESSALO_BINARY), arguments);
    EXPECT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
    return {program.exitCode(), program.readAllStandardOutput(), QString::fromUtf8(program.readAllStandardError())};
}

struct Row {
    const char* name;
    QStringList arguments;
    int status;
    const char* out;  // found in standard output
    const char* err;  // found in standard error
};

// rows are named by their name alone
void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

class CommandLine : public testing::TestWithParam<Row> {};

}  // namespace

TEST_P(CommandLine, AnswersWithoutADisplay)
{
    const Row& row = GetParam();
    const auto [status, output, err] = RunWithoutDisplay(row.arguments);
    const QString out = QString::fromUtf8(output);
    EXPECT_EQ(status, row.status);
    EXPECT_TRUE(out.contains(QString::fromUtf8(row.out))) << out.toStdString();
    EXPECT_TRUE(err.contains(QString::fromUtf8(row.err))) << err.toStdString();
    EXPECT_EQ(err.count(QLatin1Char('\n')), row.status == 1 ? 1 : err.count(QLatin1Char('\n'))) << "one line";
    if (row.arguments.join(QLatin1Char(' ')).contains(QRegularExpression(QStringLiteral("(^| |=)en( |$)")))) {
        const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
        EXPECT_FALSE(out.contains(cyrillic) || err.contains(cyrillic)) << "in English only";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    testing::Values(Row{"Help", {"--help"}, 0, "--zoom ПРОЦЕНТИ", ""},
                    Row{"Version", {"--version"}, 0, "tessalo 0.1.0", ""},
                    Row{"ZoomBelowRange", {"--zoom", "50"}, 2, "", "от 100 до 400, не „50“"},
                    Row{"ZoomNotANumber", {"--zoom", "abc"}, 2, "", "не „abc“"},
                    Row{"UnknownOption", {"--colour"}, 2, "", "непозната опция „--colour“"},
                    Row{"NoDisplay", {"--zoom", "150"}, 1, "", "cannot connect to a display"},
                    Row{"HelpListsDrawing", {"--help"}, 0, "--export ФАЙЛ", ""},
                    Row{"KindZero", {"--kind", "0", "--n", "3", "--export", "a.svg"}, 2, "", "от 1 до 11, не „0“"},
                    Row{"KindTwelve", {"--kind", "12", "--n", "3", "--text"}, 2, "", "--kind takes a whole number from 1 to 11"},
                    Row{"FurtherText", {"--kind", "8", "--a", "2", "--d", "3", "--n", "3", "--text"}, 0,
                        "2 +\u00A05 +\u00A08 =\u00A015\n", ""},
                    Row{"FurtherPastItsLargestN", {"--kind", "10", "--n", "8", "--text"}, 2, "", "n е от 1 до 7"},
                    Row{"FurtherInAWindow", {"--kind", "9", "--n", "3"}, 1, "", "cannot connect to a display"},
                    Row{"FurtherTactileTooLarge", {"--kind", "10", "--n", "5", "--tactile", "--export", "a.pdf"}, 2, "",
                        "твърде голяма за релефен лист: за това тъждество n е най-много 4."},
                    Row{"ProgressionOfTheSix", {"--kind", "4", "--d", "2", "--text"}, 2, "", "--a и --d са за --kind 8"},
                    Row{"BrokenClaim", {"--lang", "en", "--kind", "4", "--broken", "2"}, 0,
                        ": 1 ≠\u00A01²\u00A0+\u00A01 =\u00A02, false.\n", ""},
                    Row{"ClaimAndBroken", {"--kind", "4", "--broken", "1", "--claim", "n"}, 2, "", "не двете"},
                    Row{"BrokenOfNoIdentity", {"--broken", "1"}, 2, "", "кое тъждество?"},
                    Row{"ClaimTooLargeToCheck", {"--kind", "4", "--claim", "20000000000000000n^12"}, 2, "",
                        "твърде големи"},
                    Row{"ClaimMistake", {"--kind", "4", "--claim", "n^2+(1"}, 2, "", "Колона 5: скобата не е затворена"},
                    Row{"NTwelve", {"--kind", "4", "--n", "12", "--text"}, 2, "", "от 1 до 11, не „12“"},
                    Row{"NNotANumber", {"--kind", "4", "--n", "abc", "--text"}, 2, "", "--n takes a whole number from 1 to 11, not 'abc'"},
                    Row{"NMissing", {"--kind", "4", "--export", "a.svg"}, 2, "", "Добавете --n от 1 до 11"},
                    Row{"WindowOnNTwelve", {"--kind", "4", "--n", "12"}, 2, "", "от 1 до 11, не „12“"},
                    Row{"ExportWithoutAName", {"--kind", "4", "--n", "3", "--export", ""}, 2, "", "--export без име"},
                    Row{"SeriesWithoutAName", {"--kind", "4", "--series="}, 2, "", "--series без име"},
                    Row{"Argument", {"--kind", "1", "--n", "5", "--argument"}, 0,
                        "1 +\u00A02 +\u00A03 +\u00A04 +\u00A05 =\u00A04·5/2\u00A0+\u00A05   (по допускането)\n", ""},
                    Row{"EnglishText", {"--lang", "en", "--kind", "4", "--n", "3", "--text"}, 0, "Total: 3*3 = 9\n", ""},
                    Row{"EnglishArgument", {"--lang", "en", "--kind", "1", "--n", "5", "--argument"}, 0,
                        "=\u00A05·6/2 =\u00A015\n", ""},
                    Row{"EnglishHelp", {"--lang", "en", "--help"}, 0, "--zoom PERCENT", ""},
                    Row{"EnglishMistake", {"--lang=en", "--colour"}, 2, "",
                        "tessalo: unknown option '--colour'.\nSee 'tessalo --help'."},
                    Row{"EnglishUnwritableExport",
                        {"--lang", "en", "--kind", "4", "--n", "3", "--export", "/nonexistent-tessalo/a.svg"}, 1, "",
                        "tessalo: cannot write '/nonexistent-tessalo/a.svg'"},
                    Row{"EnglishNoDisplay", {"--lang", "en", "--zoom", "150"}, 1, "", "tessalo: cannot connect to a display"},
                    Row{"TheLastLangCounts", {"--lang", "fr", "--lang", "en", "--kind", "12"}, 2, "", "--kind takes"},
                    Row{"UnknownLanguage", {"--lang", "fr", "--kind", "4", "--n", "3", "--text"}, 2, "",
                        "непознат език „fr“; позволени са bg, en"},
                    Row{"ArgumentOnlyWithExport", {"--kind", "1", "--n", "5", "--text", "--with-argument"}, 2, "",
                        "--with-argument goes with --export"},
                    Row{"UnknownExtension", {"--kind", "4", "--n", "3", "--export", "a.jpg"}, 2, "",
                        "„a.jpg“: непознат вид файл; позволени са .svg, .png, .pdf, .gif, .wav и .brf"},
                    Row{"WidthForSvg", {"--kind", "4", "--n", "3", "--export", "a.svg", "--width", "500"}, 2, "",
                        "--width е само за PNG"},
                    Row{"StripAsPng", {"--kind", "4", "--n", "3", "--strip", "--export", "a.png"}, 2, "",
                        "--strip е за --export ФАЙЛ.pdf или .svg"},
                    Row{"TactileAsPng", {"--kind", "4", "--n", "3", "--tactile", "--export", "a.png"}, 2, "",
                        "--tactile е за --export ФАЙЛ.pdf или .svg"},
                    Row{"UnknownLook", {"--kind", "4", "--n", "3", "--export", "a.svg", "--look", "paper"}, 2, "",
                        "--look е handout или window, не „paper“"},
                    Row{"FormatWithoutSeries", {"--kind", "4", "--n", "3", "--export", "a.svg", "--format", "gif"}, 2,
                        "", "--format е за --series"},
                    Row{"AnswersAsSvg", {"--kind", "4", "--n", "3", "--worksheet", "--answers", "--export", "a.svg"},
                        2, "", "--worksheet и --answers са за --export ФАЙЛ.pdf"},
                    // Tests run as root, whom folder permissions do not stop: a
                    // missing folder, and a file where a folder should be, do.
                    Row{"ExportIntoMissingFolder", {"--kind", "4", "--n", "3", "--export", "/nonexistent-tessalo/a.svg"},
                        1, "", "папката „/nonexistent-tessalo“ не съществува"},
                    Row{"ExportUnderAFile", {"--kind", "4", "--n", "3", "--export", TESSALO_BINARY "/a.pdf"}, 1, "",
                        "е файл, а не папка. / cannot write"},
                    Row{"SeriesUnderAFile", {"--kind", "4", "--series", TESSALO_BINARY "/slides"}, 1, "",
                        "е файл, а не папка. / cannot write"}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(CommandLineDrawing, TextIsTheFormsProofTextWithTheSystemsLineEnds)
{
    const auto [status, out, err] = RunWithoutDisplay({"--kind", "5", "--n", "4", "--text"});
    EXPECT_EQ(status, 0) << err.toStdString();
    EXPECT_EQ(err.toStdString(), "");
    EXPECT_EQ(out, QByteArray::fromStdString(ShownForm(5, 4).Text1(0).Text).replace("\r\n", "\n"));
}

// Each slide frames the row its step added, and has the argument beneath it, on white. As
// GIFs, each slide is its step played, as wide as asked; in the window's look, on the lilac;
// as WAV files, each picture heard.
TEST(CommandLineDrawing, SeriesWritesTheElevenPicturesOfAKindIntoANewFolder)
{
    const QTemporaryDir folder;
    const QString series = folder.filePath(QStringLiteral("slides"));
    const auto [status, out, err] = RunWithoutDisplay({"--kind", "2", "--series", series, "--with-argument"});
    EXPECT_EQ(status, 0) << err.toStdString();
    QStringList expected;
    for (const char* n : {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11"})
        expected << QStringLiteral("kind-2-n-%1.svg").arg(QLatin1String(n));
    EXPECT_EQ(QDir(series).entryList(QDir::Files, QDir::Name), expected);
    for (const int n : {1, 3, 11}) {
        QFile slide(QDir(series).filePath(expected[n - 1]));
        ASSERT_TRUE(slide.open(QIODevice::ReadOnly));
        const QByteArray svg = slide.readAll();
        const qsizetype frames = svg.indexOf("stroke=\"#5a0028\"");  // a group of the frames' rectangles
        ASSERT_GE(frames, 0) << "no frames on slide " << n;
        EXPECT_EQ(svg.mid(frames, svg.indexOf("</g>", frames) - frames).count("<rect"), n) << "on slide " << n;
        EXPECT_TRUE(svg.contains(">P(n)")) << "the argument beneath slide " << n;
        EXPECT_FALSE(svg.contains("#8080ff")) << "the form's lilac on slide " << n;
    }
    const QString animated = folder.filePath(QStringLiteral("animated"));
    const auto [gifStatus, gifOut, gifErr] =
        RunWithoutDisplay({"--kind", "2", "--series", animated, "--format", "gif", "--width", "300", "--look", "window"});
    EXPECT_EQ(gifStatus, 0) << gifErr.toStdString();
    EXPECT_EQ(QDir(animated).entryList(QDir::Files, QDir::Name), expected.replaceInStrings(".svg", ".gif"));
    QFile slide(QDir(animated).filePath(expected.back()));
    ASSERT_TRUE(slide.open(QIODevice::ReadOnly));
    const QByteArray gif = slide.readAll();
    EXPECT_TRUE(gif.startsWith("GIF89a\x2c\x01")) << "300 pixels wide";
    EXPECT_TRUE(gif.left(13 + 3 * 256).contains("\x80\x80\xff")) << "the form's lilac among the colours";
    const QString heard = folder.filePath(QStringLiteral("heard"));
    EXPECT_EQ(RunWithoutDisplay({"--kind", "2", "--series", heard, "--format", "wav"}).status, 0);
    EXPECT_EQ(QDir(heard).entryList(QDir::Files, QDir::Name), expected.replaceInStrings(".gif", ".wav"));
    QFile sound(QDir(heard).filePath(expected.back()));
    ASSERT_TRUE(sound.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sound.read(12).startsWith("RIFF")) << "a WAV file";
    // in braille, and for an identity beside the form's six, as far as its n goes
    const QString braille = folder.filePath(QStringLiteral("braille"));
    EXPECT_EQ(RunWithoutDisplay({"--kind", "9", "--series", braille, "--format", "brf"}).status, 0);
    const QStringList brf = QDir(braille).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(brf.size(), 7);
    EXPECT_EQ(brf.value(6), QStringLiteral("kind-9-n-07.brf"));
}

// A worksheet on an A4 page leaves blanks where its answer sheet has the step's result.
TEST(CommandLineDrawing, WorksheetAndAnswerSheet)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QTemporaryDir folder;
    for (const bool answers : {false, true}) {
        const QString path = folder.filePath(answers ? QStringLiteral("answers.pdf") : QStringLiteral("sheet.pdf"));
        QStringList arguments{"--kind", "4", "--n", "4", "--worksheet", "--export", path};
        if (answers)
            arguments << QStringLiteral("--answers");
        const auto [status, out, err] = RunWithoutDisplay(arguments);
        ASSERT_EQ(status, 0) << err.toStdString();
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        ASSERT_TRUE(text.waitForFinished(30000));
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        EXPECT_TRUE(page.contains(answers ? QStringLiteral("Отговори, n = 4") : QStringLiteral("Работен лист, n = 4")));
        EXPECT_EQ(page.contains(QStringLiteral("= 4² = 16")), answers) << page.toStdString();
        EXPECT_EQ(page.contains(QStringLiteral("____")), !answers) << page.toStdString();
    }
}

// A limit on the size of files the program may write makes a write fail
// halfway, as a full disk would (folder permissions would not stop root); the
// signal that limit sends does not end the program.
TEST(CommandLineDrawing, AFailedWriteLeavesNoFileAndTheOldOneUntouched)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.png"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    const auto [status, out, err] = RunWithoutDisplay({"--kind", "4", "--n", "11", "--export", path}, [] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(err.contains(QStringLiteral("не беше записан: файлът става по-голям от позволеното. / cannot write")))
        << err.toStdString();
    EXPECT_TRUE(err.endsWith(QStringLiteral(": File too large.\n"))) << err.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.png")});
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
}

namespace {

struct DiskRow {
    const char* name;
    QStringList arguments;  // the path on the disk follows
    const char* path;
    const char* old;  // a file there before, to be kept as it was
};

void PrintTo(const DiskRow& row, std::ostream* out)
{
    *out << row.name;
}

class FullDisk : public testing::TestWithParam<DiskRow> {};

}  // namespace

// With 8 KiB left on the disk, every file is either written whole or not at
// all: the old one stays byte for byte, no temporary file is left, and the
// one line says why, the same in both languages.
TEST_P(FullDisk, EndsWithStatusOneAndLeavesOnlyWholeFiles)
{
    const DiskRow& row = GetParam();
    SmallDisk disk;
    if (disk.path().isEmpty())
        GTEST_SKIP() << "no small disk: " << disk.error().toStdString();
    const QDir root(disk.path());
    root.mkpath(QFileInfo(root.filePath(QString::fromLatin1(row.old))).path());
    const QByteArray oldPicture("<svg>the old picture</svg>\n");
    {
        QFile old(root.filePath(QString::fromLatin1(row.old)));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(oldPicture);
    }
    disk.fill(8);
    const auto [status, out, err] = RunWithoutDisplay(QStringList(row.arguments) << root.filePath(QString::fromLatin1(row.path)));
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(err.contains(QStringLiteral("не беше записан: на диска няма място. / cannot write"))) << err.toStdString();
    EXPECT_TRUE(err.endsWith(QStringLiteral(": No space left on device.\n"))) << err.toStdString();
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1) << "one line";
    for (QDirIterator it(disk.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        if (QFileInfo(file).fileName() == QLatin1String(".filler"))
            continue;
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (root.relativeFilePath(file.fileName()) == QLatin1String(row.old))
            EXPECT_EQ(bytes, oldPicture);
        else
            EXPECT_TRUE(bytes.endsWith("</svg>\n")) << "a whole slide: " << file.fileName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Writes, FullDisk,
    testing::Values(DiskRow{"SvgOverAnOldFile", {"--kind", "4", "--n", "11", "--export"}, "a.svg", "a.svg"},
                    DiskRow{"PdfOverAnOldFile", {"--kind", "4", "--n", "11", "--export"}, "a.pdf", "a.pdf"},
                    DiskRow{"PngOverAnOldFile", {"--kind", "4", "--n", "11", "--export"}, "a.png", "a.png"},
                    DiskRow{"SeriesIntoANearlyFullFolder", {"--kind", "4", "--series"}, "slides", "slides/kind-4-n-11.svg"}),
    [](const testing::TestParamInfo<DiskRow>& info) { return info.param.name; });

// A link where a slide would go is not written through: the series stops
// before its first picture, and the file the link points to is as it was.
TEST(CommandLineDrawing, SeriesLeavesALinkInItsFolderAndWhatItPointsTo)
{
    const QTemporaryDir folder;
    const QDir slides(folder.filePath(QStringLiteral("slides")));
    slides.mkpath(QStringLiteral("."));
    const QString target = folder.filePath(QStringLiteral("lesson-plan.txt"));
    {
        QFile plan(target);
        ASSERT_TRUE(plan.open(QIODevice::WriteOnly));
        plan.write("plan");
    }
    ASSERT_TRUE(QFile::link(target, slides.filePath(QStringLiteral("kind-2-n-03.svg"))));
    const auto [status, out, err] = RunWithoutDisplay({"--kind", "2", "--series", slides.path()});
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(err.contains(QStringLiteral("kind-2-n-03.svg“ не беше записан: това е връзка към"))) << err.toStdString();
    EXPECT_EQ(slides.entryList(QDir::Files | QDir::System), QStringList{QStringLiteral("kind-2-n-03.svg")});
    QFile plan(target);
    ASSERT_TRUE(plan.open(QIODevice::ReadOnly));
    EXPECT_EQ(plan.readAll(), "plan");
}

// Only a regular file is replaced: a pipe, a link to a device, or a file made
// read-only (even for root) is refused and stays as it was.
TEST(CommandLineDrawing, ReplacesOnlyAWritableRegularFile)
{
    const QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe.svg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString device = folder.filePath(QStringLiteral("device.svg"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), device));
    const QString kept = folder.filePath(QStringLiteral("kept.svg"));
    QFile keep(kept);
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly) && keep.write("plan") == 4);
    keep.close();
    ASSERT_TRUE(keep.setPermissions(QFile::ReadOwner | QFile::ReadGroup));
    const std::pair<QString, QString> refused[] = {
        {pipe, QStringLiteral("не е обикновен файл")},
        {device, QStringLiteral("не е обикновен файл")},
        {kept, QStringLiteral("файлът е само за четене. / cannot write '%1': the file is read-only.").arg(kept)}};
    for (const auto& [path, reason] : refused) {
        const auto [status, out, err] = RunWithoutDisplay({"--kind", "4", "--n", "3", "--export", path});
        EXPECT_EQ(status, 1);
        EXPECT_TRUE(err.contains(reason)) << err.toStdString();
    }
    struct stat node {};
    ASSERT_EQ(::lstat(QFile::encodeName(pipe).constData(), &node), 0);
    EXPECT_TRUE(S_ISFIFO(node.st_mode));
    EXPECT_EQ(QFileInfo(device).symLinkTarget(), QStringLiteral("/dev/null"));
    ASSERT_TRUE(keep.open(QIODevice::ReadOnly));
    EXPECT_EQ(keep.readAll(), "plan");
}

// Two names in Windows-1251, as old USB sticks carry them, are not turned
// into one: the program refuses each, and writes nothing.
TEST(CommandLineDrawing, NamesThatAreNotUtf8AreRefusedNotMerged)
{
    const QTemporaryDir folder;
    for (const char* name : {"\xcf\xf0\xe8\xec\xe5\xf0.svg", "\xd7\xe8\xf1\xeb\xe0.svg"}) {  // "Пример", "Числа"
        QProcess shell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        shell.setProcessEnvironment(environment);
        shell.setWorkingDirectory(folder.path());
        // the shell hands the program the name's bytes, which QProcess would re-encode
        QString octal;
        for (const char byte : std::string_view(name))
            octal += QStringLiteral("\\%1").arg(static_cast<unsigned char>(byte), 3, 8, QLatin1Char('0'));
        shell.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), QStringLiteral("exec \"$0\" --kind 4 --n 3 --export \"$(printf '%1')\"").arg(octal),
                     QStringLiteral(TESSALO_BINARY)});
        ASSERT_TRUE(shell.waitForFinished(20000));
        EXPECT_EQ(shell.exitCode(), 2);
        EXPECT_TRUE(QString::fromUtf8(shell.readAllStandardError()).contains(QStringLiteral("не е в UTF-8")));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

// What is printed on a full standard output is a failure, said on standard error.
TEST(CommandLineDrawing, AFullStandardOutputEndsWithStatusOne)
{
    for (const QStringList& arguments : {QStringList{"--kind", "4", "--n", "11", "--text"}, QStringList{"--help"}}) {
        const auto [status, out, err] = RunWithoutDisplay(arguments, [] {
            const int full = ::open("/dev/full", O_WRONLY);
            ::dup2(full, STDOUT_FILENO);
        });
        EXPECT_EQ(status, 1) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("стандартният изход не беше записан: на диска няма място"))) << err.toStdString();
    }
}
