// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/settings/window_settings.h"

#include "cli/command_line.h"
#include "ui/window/main_window.h"
#include "ui/settings/settings_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>

namespace {

const QRect kScreen(0, 0, 1366, 768);
const QSize kBase(546, 462);

struct Row {
    const char* name;
    std::string file;  // as left on disk
    double zoom;
    bool fullScreen;
    std::optional<QPoint> position;
};

// rows are named by their name alone
void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

class WindowSettingsFile : public testing::TestWithParam<Row> {
protected:
    QString write(const std::string& contents)
    {
        const QString path = folder.filePath(QStringLiteral("tessalo.conf"));
        std::ofstream(path.toStdString(), std::ios::binary) << contents;
        return path;
    }

    QTemporaryDir folder;
};

}  // namespace

// Whatever the file holds, the window gets settings it can use on this screen.
TEST_P(WindowSettingsFile, GivesSettingsThatFitTheScreen)
{
    const Row& row = GetParam();
    const SettingsFile settings(write(row.file));
    const WindowSettings read = ReadWindowSettings(settings, kScreen, kBase);
    EXPECT_DOUBLE_EQ(read.zoom, row.zoom);
    EXPECT_EQ(read.fullScreen, row.fullScreen);
    EXPECT_EQ(read.position, row.position);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WindowSettingsFile,
    testing::Values(
        Row{"LastRun", "[window]\nzoom=150\nfullScreen=true\nposition=@Point(300 50)\n", 1.5, true, QPoint(300, 50)},
        Row{"Missing", "", 1, false, std::nullopt},
        Row{"Corrupt", std::string("\0\xff[[[=\n\x01zoom\n[window]\nzoom=\xfe\xfe", 26), 1, false, std::nullopt},
        Row{"ZoomTooSmall", "[window]\nzoom=50\n", 1, false, std::nullopt},
        Row{"ZoomNotANumber", "[window]\nzoom=abc\nfullScreen=maybe\n", 1, false, std::nullopt},
        // saved on a larger screen: the largest step that fits 1366 × 768
        Row{"ZoomFromALargerScreen", "[window]\nzoom=400\n", 1.5, false, std::nullopt},
        Row{"FreeZoomThatFits", "[window]\nzoom=137\n", 1.37, false, std::nullopt},
        Row{"PositionOffTheScreen", "[window]\nposition=@Point(3000 -50)\n", 1, false, QPoint(1366 - 546, 0)},
        Row{"PositionNotAPoint", "[window]\nposition=here\n", 1, false, std::nullopt},
        Row{"PositionAtTheLargestIntegers", "[window]\nposition=@Point(2147483647 2147483647)\n", 1, false,
            QPoint(1366 - 546, 768 - 462)},
        Row{"PositionAtTheSmallestIntegers", "[window]\nposition=@Point(-2147483648 -2147483648)\n", 1, false,
            QPoint(0, 0)}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

// The window's place goes through the toolkit's geometry, its zoom beside it.
TEST(WindowSettings, WhatIsWrittenIsReadBack)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tessalo.conf"));
    MainWindow window;
    window.resizeToZoom(1.25);
    window.move(40, 60);
    {
        SettingsFile settings(path);
        RememberWindow(window.zoomable(), settings);
    }
    const WindowSettings read = ReadWindowSettings(SettingsFile(path), kScreen, kBase);
    EXPECT_DOUBLE_EQ(read.zoom, 1.25);
    MainWindow next;
    ASSERT_TRUE(next.restoreGeometry(read.geometry));
    EXPECT_EQ(next.geometry(), window.geometry());

    // the language the window was switched to, unless --lang asks for another
    {
        SettingsFile settings(path);
        settings.setLanguage(Language::en);
    }
    EXPECT_EQ(StartLanguage(SettingsFile(path), CommandLine{}), Language::en);
    CommandLine asked;
    asked.language = Language::bg;
    asked.languageGiven = true;
    EXPECT_EQ(StartLanguage(SettingsFile(path), asked), Language::bg);

    // two windows open at once: each keeps the other's choices
    {
        SettingsFile first(path);
        SettingsFile second(path);
        first.setBuildUp(true);
        second.setArgument(true);
        first.setLanguage(Language::bg);
    }
    const SettingsFile both(path);
    EXPECT_TRUE(both.buildUp() && both.argument());
    EXPECT_EQ(both.language(), Language::bg);
}

namespace {

struct WriteRow {
    const char* name;
    // Plants something beside the settings file at `path` in `home`; false
    // when this user cannot.
    std::function<bool(const QString& path, const QDir& home, const QDir& elsewhere)> plant;
    bool written;
    const char* err;  // found in standard error
};

void PrintTo(const WriteRow& row, std::ostream* out)
{
    *out << row.name;
}

class SettingsWrite : public testing::TestWithParam<WriteRow> {
protected:
    void SetUp() override
    {
        oldHome_ = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home_.path()));
    }
    void TearDown() override { qputenv("HOME", oldHome_); }

    QTemporaryDir home_;
    QTemporaryDir elsewhere_;
    QByteArray oldHome_;
};

const QByteArray kOldSettings("[view]\nbuildUp=false\n");

bool Write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Read(const QString& path)
{
    struct stat node {};
    if (::stat(QFile::encodeName(path).constData(), &node) != 0 || !S_ISREG(node.st_mode))
        return {};  // a pipe's read would wait for a writer
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file of `bytes` zeros that takes no room on the disk.
bool Sparse(const QString& path, qint64 bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(bytes);
}

// The settings file is a link to `target`, which holds older settings.
bool LinkTo(const QString& path, const QString& target)
{
    return Write(target, kOldSettings) && QFile::link(target, path);
}

}  // namespace

// A setting is written at once, through a link only to the user's own file,
// and never waits for a lock that cannot be taken; what is not written keeps
// the file it would have replaced, and says why in one line.
TEST_P(SettingsWrite, WritesAtOnceOrSaysWhyNot)
{
    const WriteRow& row = GetParam();
    const QDir home(home_.path());
    const QString path = home.filePath(QStringLiteral(".config/tessalo/tessalo.conf"));
    QDir().mkpath(QFileInfo(path).path());
    if (!row.plant(path, home, QDir(elsewhere_.path())))
        GTEST_SKIP() << "this user cannot plant it";
    const QString target = QFileInfo(path).isSymLink() ? QFileInfo(path).symLinkTarget() : path;
    const QByteArray before = Read(target);

    SettingsFile settings(path);
    testing::internal::CaptureStderr();
    QElapsedTimer clock;
    clock.start();
    const bool written = settings.setBuildUp(true);
    const qint64 took = clock.elapsed();
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(written, row.written) << err;
    EXPECT_LT(took, 200) << "milliseconds the window would wait";
    EXPECT_NE(err.find(row.err), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), row.written ? 0 : 1) << err;
    EXPECT_EQ(Read(target).contains("buildUp=true"), row.written);
    if (!row.written) {
        EXPECT_EQ(Read(target), before);
    }
    EXPECT_EQ(QFileInfo(path).isSymLink(), target != path) << "a link stays a link";
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsWrite,
    testing::Values(
        WriteRow{"NewFile", [](const QString&, const QDir&, const QDir&) { return true; }, true, ""},
        WriteRow{"LinkToYourOwnFile",  // as dotfile managers make them
                 [](const QString& path, const QDir& home, const QDir&) {
                     return LinkTo(path, home.filePath(QStringLiteral("dotfiles/tessalo.conf")));
                 },
                 true, ""},
        WriteRow{"LinkOutOfYourHome",  // as root: a link to /etc/passwd
                 [](const QString& path, const QDir&, const QDir& elsewhere) {
                     return LinkTo(path, elsewhere.filePath(QStringLiteral("passwd")));
                 },
                 false, "which is not a file of yours in your home folder"},
        WriteRow{"LinkToAnotherUsersFile",
                 [](const QString& path, const QDir& home, const QDir&) {
                     const QString target = home.filePath(QStringLiteral("shared/tessalo.conf"));
                     return ::geteuid() == 0 && LinkTo(path, target) &&
                            ::chown(QFile::encodeName(target).constData(), 65534, 65534) == 0;
                 },
                 false, "which is not a file of yours"},
        WriteRow{"JunkLock",
                 [](const QString& path, const QDir&, const QDir&) {
                     return Write(path, kOldSettings) && Write(path + QStringLiteral(".lock"), "\x01junk");
                 },
                 false, "the file is locked (tessalo.conf.lock)"},
        WriteRow{"FolderAsLock",
                 [](const QString& path, const QDir&, const QDir&) {
                     return Write(path, kOldSettings) && QDir().mkpath(path + QStringLiteral(".lock"));
                 },
                 false, "its lock 'tessalo.conf.lock': Is a directory"},
        WriteRow{"PipeAsLock",  // whose read would block
                 [](const QString& path, const QDir&, const QDir&) {
                     return Write(path, kOldSettings) &&
                            ::mkfifo(QFile::encodeName(path + QStringLiteral(".lock")).constData(), 0600) == 0;
                 },
                 false, "its lock 'tessalo.conf.lock': it is not a regular file"},
        WriteRow{"HugeLock",  // which would be read whole
                 [](const QString& path, const QDir&, const QDir&) {
                     return Write(path, kOldSettings) && Sparse(path + QStringLiteral(".lock"), 200 << 20);
                 },
                 false, "its lock 'tessalo.conf.lock': the file is larger than 4 KiB"},
        WriteRow{"PipeAsSettings",  // read before the window opens
                 [](const QString& path, const QDir&, const QDir&) {
                     return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
                 },
                 false, "it is not a regular file"},
        WriteRow{"HugeSettings",  // written again at every change
                 [](const QString& path, const QDir&, const QDir&) { return Sparse(path, 21 << 20); }, false,
                 "the file is larger than 64 KiB"},
        WriteRow{"ReadOnlySettings",
                 [](const QString& path, const QDir&, const QDir&) {
                     return Write(path, kOldSettings) && QFile::setPermissions(path, QFile::ReadOwner);
                 },
                 false, "the file is read-only"},
        WriteRow{"ReadOnlyFolder",
                 [](const QString& path, const QDir&, const QDir&) {
                     return ::geteuid() != 0 && QFile::setPermissions(QFileInfo(path).path(), QFile::ReadOwner | QFile::ExeOwner);
                 },
                 false, "нямате право да пишете в папката"},
        WriteRow{"HomeIsAFile",
                 [](const QString&, const QDir& home, const QDir&) {
                     return QDir(home.filePath(QStringLiteral(".config"))).removeRecursively() &&
                            Write(home.filePath(QStringLiteral(".config")), "x");
                 },
                 false, ".config“ е файл, а не папка"}),
    [](const testing::TestParamInfo<WriteRow>& info) { return info.param.name; });

// A window dragged to the toolkit's limit would take gigabytes for its
// pixels: it stops at what full screen on an 8K screen needs.
TEST(WindowSettings, ShownWindowStopsAtAnEightKScreen)
{
    QTemporaryDir folder;
    const SettingsFile settings(folder.filePath(QStringLiteral("tessalo.conf")));
    MainWindow window;
    ShowWindow(window.zoomable(), settings, CommandLine{});
    window.resize(32767, 32767);
    EXPECT_EQ(window.size(), QSize(7680, 4320));
}
