#include "ui/window_settings.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

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
    const QSettings settings(write(row.file), QSettings::IniFormat);
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
        Row{"PositionNotAPoint", "[window]\nposition=here\n", 1, false, std::nullopt}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

TEST(WindowSettings, WhatIsWrittenIsReadBack)
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("tessalo.conf")), QSettings::IniFormat);
    WriteWindowSettings(settings, {1.25, true, QPoint(40, 60)});
    const WindowSettings read = ReadWindowSettings(settings, kScreen, kBase);
    EXPECT_DOUBLE_EQ(read.zoom, 1.25);
    EXPECT_TRUE(read.fullScreen);
    EXPECT_EQ(read.position, QPoint(40, 60));
}
