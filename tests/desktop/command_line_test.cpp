// The program's command line, where no display is to be had: help, the
// version and every mistake are answered before the program looks for one.
#include <QProcess>

#include <gtest/gtest.h>

namespace {

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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TESSALO_BINARY), row.arguments);
    ASSERT_TRUE(program.waitForFinished(20000));
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
    EXPECT_EQ(program.exitCode(), row.status);
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
                    Row{"NoDisplay", {"--zoom", "150"}, 1, "", "cannot connect to a display"}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });
