// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The built program in a real window on Xvfb, used with the keyboard alone.
#include "app/induction_step.h"
#include "app/layout.h"
#include "app/shown_form.h"
#include "app/tessalo.h"
#include "desktop_driver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <set>
#include <string>

extern XServer* g_server;

namespace {

constexpr QRgb kLilac = qRgb(128, 128, 255);

// The picture the core draws for the same choice: the cells to look for.
Tessalo Expected(int kind, int n)
{
    return ShownForm(kind, n);
}

QPoint CentreInPixels(const Cell& cell, double scale)
{
    return {static_cast<int>((cell.Left + cell.Width / 2) / 15 * scale),
            static_cast<int>((cell.Top + cell.Height / 2) / 15 * scale)};
}

QRgb ColourOf(const Cell& cell)
{
    return qRgb(cell.BackColor.red, cell.BackColor.green, cell.BackColor.blue);
}

std::string Rgb(QRgb pixel)
{
    return std::to_string(qRed(pixel)) + "," + std::to_string(qGreen(pixel)) + "," + std::to_string(qBlue(pixel));
}

class RealWindow : public testing::Test {
protected:
    void SetUp() override
    {
        if (g_server->display().isEmpty())
            GTEST_SKIP() << "no real-window test: " << g_server->error().toStdString();
    }

    // Shows `kind` for `n` by keyboard (unless the program was started on it)
    // and checks every cell's colour at its centre.
    QImage ShowAndCheck(RunningProgram& program, int kind, int n, double scale, bool byKeys = true)
    {
        const Tessalo expected = Expected(kind, n);
        const Cell& last = expected.Shape1(expected.Shape1.Count() - 1);
        if (byKeys)
            program.keys(KeysToShow(kind, n));
        const QImage image = program.grabWhen(
            [&](const QImage& picture) { return picture.pixel(CentreInPixels(last, scale)) == ColourOf(last); });
        for (int i = 0; i < expected.Shape1.Count(); ++i) {
            const Cell& cell = expected.Shape1(i);
            EXPECT_EQ(Rgb(image.pixel(CentreInPixels(cell, scale))), Rgb(ColourOf(cell))) << "cell " << i;
        }
        EXPECT_EQ(Rgb(image.pixel(QPoint(200, 250) * scale)), Rgb(kLilac)) << "free board";
        return image;
    }

    void ClearAndCheck(RunningProgram& program, const Tessalo& expected, double scale)
    {
        program.keys(KeysToClear(expected.ProofKind));
        const QPoint first = CentreInPixels(expected.Shape1(0), scale);
        const QImage image = program.grabWhen([&](const QImage& picture) { return picture.pixel(first) == kLilac; });
        for (int i = 0; i < expected.Shape1.Count(); ++i)
            EXPECT_EQ(Rgb(image.pixel(CentreInPixels(expected.Shape1(i), scale))), Rgb(kLilac)) << "cell " << i;
    }
};

}  // namespace

TEST_F(RealWindow, KeyboardAloneShowsAndClearsAPicture)
{
    RunningProgram program(QStringLiteral(TESSALO_BINARY), g_server->display());
    ASSERT_TRUE(program.waitForWindow());
    EXPECT_EQ(program.grab().size(), QSize(546, 462));
    ShowAndCheck(program, 4, 3, 1);
    ClearAndCheck(program, Expected(4, 3), 1);
}

// One line in a lesson plan opens the same picture as a link to the page.
TEST_F(RealWindow, OpensOnThePictureTheCommandLineNames)
{
    RunningProgram program(QStringLiteral(TESSALO_BINARY), g_server->display(), {},
                           {QStringLiteral("--kind"), QStringLiteral("6"), QStringLiteral("--n"), QStringLiteral("4")});
    ASSERT_TRUE(program.waitForWindow());
    ShowAndCheck(program, 6, 4, 1, false);
}

// At a screen scale of 2 everything doubles, and cell edges stay sharp: across
// a row of cells every pixel is a cell colour, the outline or the background,
// never a blend of two.
TEST_F(RealWindow, ScaleTwoDoublesTheWindowWithSharpCells)
{
    RunningProgram program(QStringLiteral(TESSALO_BINARY), g_server->display(), {QStringLiteral("QT_SCALE_FACTOR=2")});
    ASSERT_TRUE(program.waitForWindow());
    EXPECT_EQ(program.grab().size(), QSize(1092, 924));
    const QImage image = ShowAndCheck(program, 2, 3, 2);

    const std::set<QRgb> allowed{kLilac, qRgb(0, 0, 0), qRgb(40, 120, 200), qRgb(200, 120, 40)};
    const int y = CentreInPixels(Expected(2, 3).Shape1(3), 2).y();  // the bottom row: three squares
    std::vector<int> edges;
    for (int x = 4; x < 200; ++x) {
        EXPECT_TRUE(allowed.count(image.pixel(x, y))) << "x " << x << ": " << Rgb(image.pixel(x, y));
        if (image.pixel(x, y) == qRgb(0, 0, 0) && image.pixel(x - 1, y) != qRgb(0, 0, 0))
            edges.push_back(x);
    }
    ASSERT_EQ(edges.size(), 4u) << "outlines of three touching squares";
    for (std::size_t i = 1; i < edges.size(); ++i)
        EXPECT_EQ(edges[i] - edges[i - 1], 50) << "a cell is 50 pixels at scale 2";
    ClearAndCheck(program, Expected(2, 3), 2);
}

namespace {

// At full screen the form grows until its height fits, centred
// across the width: the pixel of a point in twips.
QPoint AtFullScreen(double twipsX, double twipsY)
{
    const double scale = kScreen.height() / 462.0;  // pixels per pixel at 100 %, above the largest zoom step
    const int left = (kScreen.width() - qRound(546 * scale)) / 2;
    return {left + static_cast<int>(twipsX / 15 * scale), static_cast<int>(twipsY / 15 * scale)};
}

// The title label (1200 .. 6735 twips across) shows where the form stands.
void ExpectFormCentred(const QImage& image)
{
    const QRgb orange = qRgb(255, 192, 128);
    EXPECT_EQ(Rgb(image.pixel(AtFullScreen(1200, 200) + QPoint(3, 0))), Rgb(orange));
    EXPECT_EQ(Rgb(image.pixel(AtFullScreen(1200, 200) - QPoint(3, 0))), Rgb(kLilac));
    EXPECT_EQ(Rgb(image.pixel(AtFullScreen(6735, 200) - QPoint(3, 0))), Rgb(orange));
    EXPECT_EQ(Rgb(image.pixel(AtFullScreen(6735, 200) + QPoint(3, 0))), Rgb(kLilac));
}

class FullScreen : public RealWindow, public testing::WithParamInterface<int> {};

}  // namespace

// F11 fills the screen, every cell at its place in twips at that scale; Esc
// brings the window back to the size it had.
TEST_P(FullScreen, TheFormFillsTheScreenCentredAndEscLeaves)
{
    const int kind = GetParam();
    RunningProgram program(QStringLiteral(TESSALO_BINARY), g_server->display());
    ASSERT_TRUE(program.waitForWindow());
    program.keys({QStringLiteral("F11")});
    ASSERT_TRUE(program.waitForSize(kScreen)) << "size " << program.size().width();

    const Tessalo expected = Expected(kind, 5);
    const Cell& last = expected.Shape1(expected.Shape1.Count() - 1);
    program.keys(KeysToShow(kind, 5));
    const QImage image = program.grabWhen([&](const QImage& picture) {
        return picture.pixel(AtFullScreen(last.Left + last.Width / 2, last.Top + last.Height / 2)) == ColourOf(last);
    });
    for (int i = 0; i < expected.Shape1.Count(); ++i) {
        const Cell& cell = expected.Shape1(i);
        EXPECT_EQ(Rgb(image.pixel(AtFullScreen(cell.Left + cell.Width / 2, cell.Top + cell.Height / 2))),
                  Rgb(ColourOf(cell)))
            << "cell " << i;
    }
    ExpectFormCentred(image);

    program.keys({QStringLiteral("Escape")});
    EXPECT_TRUE(program.waitForSize(QSize(546, 462)));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, FullScreen, testing::Range(1, 7),
                         [](const testing::TestParamInfo<int>& info) { return "Kind" + std::to_string(info.param); });

// A window that was left in full screen, with its place remembered, opens in
// full screen again with the form filling it.
TEST_F(RealWindow, RemembersFullScreen)
{
    QTemporaryDir settings;
    QDir(settings.path()).mkpath(QStringLiteral("tessalo"));
    QFile file(settings.filePath(QStringLiteral("tessalo/tessalo.conf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[window]\nfullScreen=true\nposition=@Point(0 0)\nzoom=100\n");
    file.close();
    RunningProgram program(QStringLiteral(TESSALO_BINARY), g_server->display(),
                           {QStringLiteral("XDG_CONFIG_HOME=") + settings.path()});
    ASSERT_TRUE(program.waitForWindow());
    ASSERT_TRUE(program.waitForSize(kScreen));
    ExpectFormCentred(program.grabWhen([](const QImage& picture) {
        return picture.pixel(AtFullScreen(1200, 200) + QPoint(3, 0)) == qRgb(255, 192, 128);
    }));
}

// PageDown from n = 3, with the focus in the list, draws n = 4 and frames in
// wine exactly the cells the step added: inside each, near its edge, the
// frame; in every other cell there, its own colour.
TEST_F(RealWindow, PageDownStepsAndFramesTheAddedCells)
{
    RunningProgram program(QStringLiteral(TESSALO_BINARY), g_server->display());
    ASSERT_TRUE(program.waitForWindow());
    program.keys(KeysToShow(4, 3));
    program.keys({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab"),
                  QStringLiteral("Next")});
    const Tessalo expected = Expected(4, 4);
    const std::vector<int> added = AddedCells(Expected(4, 3), expected);
    ASSERT_EQ(added.size(), 7u);
    const auto nearEdge = [](const Cell& cell) {
        return QPoint(static_cast<int>((cell.Left + cell.Width / 10) / 15), static_cast<int>((cell.Top + cell.Height / 2) / 15));
    };
    const QRgb wine = qRgb(0x5a, 0x00, 0x28);
    const QImage image = program.grabWhen([&](const QImage& picture) { return picture.pixel(nearEdge(expected.Shape1(added.back()))) == wine; });
    for (int i = 0; i < expected.Shape1.Count(); ++i) {
        const Cell& cell = expected.Shape1(i);
        const bool isAdded = std::find(added.begin(), added.end(), i) != added.end();
        EXPECT_EQ(Rgb(image.pixel(nearEdge(cell))), Rgb(isAdded ? wine : ColourOf(cell))) << "cell " << i;
        EXPECT_EQ(Rgb(image.pixel(CentreInPixels(cell, 1))), Rgb(ColourOf(cell))) << "centre of cell " << i;
    }
}

// With build-up on (Ctrl+B), Show draws the cells one by one over 1.5 s; a key
// shows the rest at once.
TEST_F(RealWindow, BuildUpEndsOnAKey)
{
    RunningProgram program(QStringLiteral(TESSALO_BINARY), g_server->display());
    ASSERT_TRUE(program.waitForWindow());
    program.keys({QStringLiteral("ctrl+b")});
    program.keys(KeysToShow(5, 11));
    const Tessalo expected = Expected(5, 11);
    const QPoint last = CentreInPixels(expected.Shape1(expected.Shape1.Count() - 1), 1);
    EXPECT_EQ(Rgb(program.grab().pixel(last)), Rgb(kLilac)) << "the last of 121 cells is still to come";
    program.keys({QStringLiteral("shift")});
    const QImage image = program.grabWhen([&](const QImage& picture) { return picture.pixel(last) != kLilac; }, 500);
    for (int i = 0; i < expected.Shape1.Count(); ++i)
        EXPECT_EQ(Rgb(image.pixel(CentreInPixels(expected.Shape1(i), 1))), Rgb(ColourOf(expected.Shape1(i)))) << "cell " << i;
}

// After steps from the keyboard the list keeps the chosen n in view, so that
// a click picks the number the pupil sees: the highlight is where she clicked.
TEST_F(RealWindow, TheListShowsTheSteppedNAndAClickPicksWhatIsSeen)
{
    RunningProgram program(QStringLiteral(TESSALO_BINARY), g_server->display());
    ASSERT_TRUE(program.waitForWindow());
    program.keys(KeysToShow(1, 5) << QStringLiteral("Next") << QStringLiteral("Next") << QStringLiteral("Next")
                                  << QStringLiteral("Next") << QStringLiteral("Next") << QStringLiteral("Next"));
    const QRect list(304, 56, 57, 99);  // List1(0) at 100 %
    // the selected row's top in the list, found by its highlight
    const auto highlighted = [&](const QImage& image) {
        for (int y = list.top() + 2; y < list.bottom() - 2; ++y) {
            const QRgb pixel = image.pixel(list.left() + 8, y);
            if (qBlue(pixel) > 150 && qRed(pixel) < 100)
                return y;
        }
        return -1;
    };
    const QPoint lastCell = CentreInPixels(Expected(1, 11).Shape1(Expected(1, 11).Shape1.Count() - 1), 1);
    const QImage stepped = program.grabWhen([&](const QImage& image) { return image.pixel(lastCell) != kLilac; });
    EXPECT_GE(highlighted(stepped), list.top()) << "n = 11 is chosen, out of sight";

    const QPoint top(list.left() + 15, list.top() + 8);
    program.click(top);
    const int row = highlighted(program.grabWhen([&](const QImage& image) { return highlighted(image) <= top.y(); }));
    EXPECT_GE(row, list.top());
    EXPECT_LE(row, top.y()) << "the row clicked is the row chosen";
}

// A window another X client destroys ends the program, which would otherwise
// go on with nothing on the screen.
TEST_F(RealWindow, EndsWhenItsWindowIsDestroyedFromOutside)
{
    RunningProgram program(QStringLiteral(TESSALO_BINARY), g_server->display());
    ASSERT_TRUE(program.waitForWindow());
    EXPECT_EQ(program.destroyWindow(), 1);
}

namespace {

// A settings file as an earlier version left it, for a program of its own.
class SettingsLeft {
public:
    explicit SettingsLeft(const QByteArray& contents)
    {
        QDir(folder_.path()).mkpath(QStringLiteral("tessalo"));
        QFile file(folder_.filePath(QStringLiteral("tessalo/tessalo.conf")));
        if (file.open(QIODevice::WriteOnly))
            file.write(contents);
    }
    QString path() const { return folder_.filePath(QStringLiteral("tessalo/tessalo.conf")); }
    QString environment() const { return QStringLiteral("XDG_CONFIG_HOME=") + folder_.path(); }

private:
    QTemporaryDir folder_;
};

}  // namespace

// What one run leaves, the toolkit's geometry, brings the next back to full
// screen, and Esc back to the window it came from.
TEST_F(RealWindow, RemembersFullScreenFromOneRunToTheNext)
{
    const SettingsLeft settings("");
    {
        RunningProgram first(QStringLiteral(TESSALO_BINARY), g_server->display(), {settings.environment()});
        ASSERT_TRUE(first.waitForWindow());
        first.keys({QStringLiteral("F11")});
        ASSERT_TRUE(first.waitForSize(kScreen));
        first.keys({QStringLiteral("ctrl+q")});
        ASSERT_EQ(first.waitForExit(), 0);
    }
    RunningProgram next(QStringLiteral(TESSALO_BINARY), g_server->display(), {settings.environment()});
    ASSERT_TRUE(next.waitForWindow());
    EXPECT_TRUE(next.waitForSize(kScreen)) << "size " << next.size().width();
    next.keys({QStringLiteral("Escape")});
    EXPECT_TRUE(next.waitForSize(QSize(546, 462))) << "size " << next.size().width();
}

// Every remembered choice has one writer: the argument (F2), build-up and the
// language changed in one run are all in the file when it closes, and the next
// run opens with the argument beside the form.
TEST_F(RealWindow, RemembersTheArgumentBuildUpAndLanguageTogether)
{
    const SettingsLeft settings("");
    const QSize withArgument(876, 462);
    {
        RunningProgram first(QStringLiteral(TESSALO_BINARY), g_server->display(), {settings.environment()});
        ASSERT_TRUE(first.waitForWindow());
        first.keys({QStringLiteral("F2")});
        ASSERT_TRUE(first.waitForSize(withArgument)) << "size " << first.size().width();
        first.keys({QStringLiteral("ctrl+b"), QStringLiteral("ctrl+l"), QStringLiteral("ctrl+q")});
        ASSERT_EQ(first.waitForExit(), 0);
    }
    const QSettings left(settings.path(), QSettings::IniFormat);
    EXPECT_EQ(left.value(QStringLiteral("view/argument")).toString(), QStringLiteral("true"));
    EXPECT_EQ(left.value(QStringLiteral("view/buildUp")).toString(), QStringLiteral("true"));
    EXPECT_EQ(left.value(QStringLiteral("view/language")).toString(), QStringLiteral("en"));
    RunningProgram next(QStringLiteral(TESSALO_BINARY), g_server->display(), {settings.environment()});
    ASSERT_TRUE(next.waitForWindow());
    // the panel's lines on the right, not an empty gap in the form's lilac
    const QPoint inPanel(700, 200);
    const auto panelShown = [&](const QImage& image) {
        const Colour lilac = kWindowLayout.background;
        return image.width() > inPanel.x() && image.pixel(inPanel) != qRgb(lilac.red, lilac.green, lilac.blue);
    };
    EXPECT_TRUE(panelShown(next.grabWhen(panelShown)));
}

namespace {

class SavedPosition : public RealWindow, public testing::WithParamInterface<const char*> {};

}  // namespace

// A place saved off the screen (by another screen, or by hand) opens the
// window with its whole frame on this one, title bar included.
TEST_P(SavedPosition, OpensWithTheWholeFrameOnTheScreen)
{
    const SettingsLeft settings(QByteArray("[window]\nposition=@Point(") + GetParam() + ")\n");
    RunningProgram program(QStringLiteral(TESSALO_BINARY), g_server->display(), {settings.environment()});
    ASSERT_TRUE(program.waitForWindow());
    const QRect frame = program.frame();
    EXPECT_GT(frame.height(), 462) << "a frame with a title bar";
    EXPECT_TRUE(QRect(QPoint(), kScreen).contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
}

INSTANTIATE_TEST_SUITE_P(OffTheScreen, SavedPosition, testing::Values("-3000 -2000", "3000 2000"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return info.param[0] == '-' ? std::string("AboveLeft") : std::string("BelowRight");
                         });

namespace {

// Something left beside (or instead of) the settings file, planted at the
// settings file's path.
struct LeftBehind {
    const char* name;
    std::function<bool(const QString& settings)> plant;
};

void PrintTo(const LeftBehind& left, std::ostream* out)
{
    *out << left.name;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool Pipe(const QString& path)
{
    QFile::remove(path);
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

class SettingsLock : public RealWindow, public testing::WithParamInterface<LeftBehind> {};

}  // namespace

// A lock beside the settings file that cannot be taken (junk another program
// left, a folder, a pipe whose read would block, a file too big to read), or
// a settings file that is a pipe, does not hold the window: Ctrl+B turns
// build-up on at once, and the window closes at once.
TEST_P(SettingsLock, NeverHoldsTheWindow)
{
    const SettingsLeft settings("[view]\nbuildUp=false\n");
    ASSERT_TRUE(GetParam().plant(settings.path()));
    RunningProgram program(QStringLiteral(TESSALO_BINARY), g_server->display(), {settings.environment()});
    ASSERT_TRUE(program.waitForWindow());
    QElapsedTimer answered;
    answered.start();
    program.keys({QStringLiteral("ctrl+b")});
    program.keys(KeysToShow(5, 11));
    const Tessalo expected = Expected(5, 11);
    const QPoint last = CentreInPixels(expected.Shape1(expected.Shape1.Count() - 1), 1);
    const QPoint first = CentreInPixels(expected.Shape1(1), 1);
    const QImage image = program.grabWhen([&](const QImage& picture) { return picture.pixel(first) != kLilac; }, 3000);
    EXPECT_NE(Rgb(image.pixel(first)), Rgb(kLilac)) << "the window answers";
    EXPECT_EQ(Rgb(image.pixel(last)), Rgb(kLilac)) << "build-up is on: the last cell is still to come";
    EXPECT_LT(answered.elapsed(), 5000);
}

INSTANTIATE_TEST_SUITE_P(
    Left, SettingsLock,
    testing::Values(
        LeftBehind{"JunkLock", [](const QString& path) { return WriteFile(path + ".lock", "\x01\x02junk"); }},
        LeftBehind{"FolderAsLock", [](const QString& path) { return QDir().mkpath(path + ".lock"); }},
        LeftBehind{"PipeAsLock", [](const QString& path) { return Pipe(path + ".lock"); }},
        LeftBehind{"HugeLock",
                   [](const QString& path) {
                       QFile lock(path + ".lock");
                       return lock.open(QIODevice::WriteOnly) && lock.resize(200 << 20);
                   }},
        LeftBehind{"PipeAsSettings", [](const QString& path) { return Pipe(path); }}),
    [](const testing::TestParamInfo<LeftBehind>& info) { return info.param.name; });
