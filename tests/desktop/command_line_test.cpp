// The program's command line, where no display is to be had: help, the
// version and every mistake are answered before the program looks for one,
// and pictures and proof texts are drawn without one.
#include "app/shown_form.h"
#include "app/tessalo.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <functional>

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
                    Row{"KindZero", {"--kind", "0", "--n", "3", "--export", "a.svg"}, 2, "", "от 1 до 6, не „0“"},
                    Row{"KindSeven", {"--kind", "7", "--n", "3", "--text"}, 2, "", "--kind takes a whole number from 1 to 6"},
                    Row{"NTwelve", {"--kind", "4", "--n", "12", "--text"}, 2, "", "от 1 до 11, не „12“"},
                    Row{"NNotANumber", {"--kind", "4", "--n", "abc", "--text"}, 2, "", "--n takes a whole number from 1 to 11, not 'abc'"},
                    Row{"NMissing", {"--kind", "4", "--export", "a.svg"}, 2, "", "Добавете --n от 1 до 11"},
                    Row{"WindowOnNTwelve", {"--kind", "4", "--n", "12"}, 2, "", "от 1 до 11, не „12“"},
                    Row{"UnknownExtension", {"--kind", "4", "--n", "3", "--export", "a.jpg"}, 2, "",
                        "„a.jpg“: непознат вид файл; позволени са .svg, .png и .pdf"},
                    Row{"WidthForSvg", {"--kind", "4", "--n", "3", "--export", "a.svg", "--width", "500"}, 2, "",
                        "--width е само за PNG"},
                    // Tests run as root, whom folder permissions do not stop: a
                    // missing folder, and a file where a folder should be, do.
                    Row{"ExportIntoMissingFolder", {"--kind", "4", "--n", "3", "--export", "/nonexistent-tessalo/a.svg"},
                        1, "", "папката „/nonexistent-tessalo“ не съществува"},
                    Row{"ExportUnderAFile", {"--kind", "4", "--n", "3", "--export", TESSALO_BINARY "/a.pdf"}, 1, "",
                        "е файл, а не папка. / cannot write"}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(CommandLineDrawing, TextIsTheFormsProofTextWithTheSystemsLineEnds)
{
    const auto [status, out, err] = RunWithoutDisplay({"--kind", "5", "--n", "4", "--text"});
    EXPECT_EQ(status, 0) << err.toStdString();
    EXPECT_EQ(err.toStdString(), "");
    EXPECT_EQ(out, QByteArray::fromStdString(ShownForm(5, 4).Text1(0).Text).replace("\r\n", "\n"));
}

TEST(CommandLineDrawing, SeriesWritesTheElevenPicturesOfAKindIntoANewFolder)
{
    const QTemporaryDir folder;
    const QString series = folder.filePath(QStringLiteral("slides"));
    const auto [status, out, err] = RunWithoutDisplay({"--kind", "2", "--series", series});
    EXPECT_EQ(status, 0) << err.toStdString();
    QStringList expected;
    for (const char* n : {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11"})
        expected << QStringLiteral("kind-2-n-%1.svg").arg(QLatin1String(n));
    EXPECT_EQ(QDir(series).entryList(QDir::Files, QDir::Name), expected);
}

// A limit on the size of files the program may write makes a write fail
// halfway, as a full disk would (folder permissions would not stop root).
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
        std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the process
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(err.contains(QStringLiteral("не беше записан: записът прекъсна"))) << err.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.png")});
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
}
