// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ctrl+C in the built program on Xvfb, read back through this process's
// clipboard: the picture as an image, as SVG and with its proof text; in the
// proof's text box, only what is selected there.
#include "app/tessalo.h"
#include "desktop_driver.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QSet>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

extern XServer* g_server;

namespace {

QString DisplayText(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// Waits until the clipboard holds what `arrived` looks for.
bool WaitForClipboard(const std::function<bool(const QMimeData&)>& arrived)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
        if (const QMimeData* data = QGuiApplication::clipboard()->mimeData(); data && arrived(*data))
            return true;
        QThread::msleep(50);
    }
    return false;
}

}  // namespace

TEST(Clipboard, CtrlCCopiesThePictureWithItsTextAndInTheTextBoxItsSelection)
{
    if (g_server->display().isEmpty())
        GTEST_SKIP() << "no real-window test: " << g_server->error().toStdString();
    RunningProgram program(QStringLiteral(TESSALO_BINARY), g_server->display());
    ASSERT_TRUE(program.waitForWindow());

    Tessalo opened;
    opened.Form_Load();
    program.keys({QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")});  // the window opens on the proof's text box
    const QString method = DisplayText(opened.Text1(0).Text);
    ASSERT_TRUE(WaitForClipboard([](const QMimeData& data) { return data.hasText(); }));
    EXPECT_EQ(QGuiApplication::clipboard()->text().trimmed(), method.trimmed());
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage()) << "the text box's text alone";

    program.keys(KeysToShow(4, 3) << QStringLiteral("ctrl+c"));  // Show keeps the keyboard
    ASSERT_TRUE(WaitForClipboard([](const QMimeData& data) { return data.hasImage(); }));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    Tessalo shown = opened;
    shown.ChooseOption(3);
    shown.List1(0).ListIndex = 2;
    shown.Command1_Click(1);
    EXPECT_EQ(data->text(), DisplayText(shown.Text1(0).Text));
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
    const QImage image = qvariant_cast<QImage>(data->imageData());
    ASSERT_EQ(image.width(), 1092) << "twice the window's pixels";
    // a handout: every cell's colour on white, none of the form's lilac
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xffffff);
    }
    EXPECT_FALSE(colours.contains(0x8080ff));
    for (int i = 1; i < shown.Shape1.Count(); ++i) {
        const Colour& colour = shown.Shape1(i).BackColor;
        EXPECT_TRUE(colours.contains(QRgb(colour.red << 16 | colour.green << 8 | colour.blue))) << "cell " << i;
    }
}
