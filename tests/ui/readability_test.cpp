// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a pupil can read and where the keyboard is, from pictures of the
// window: caption contrast in three themes (WCAG relative luminance) and the
// focus ring at every tab stop.
#include "app/layout.h"
#include "board/colours.h"
#include "picture/board_painter.h"
#include "ui/window/main_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

double Luminance(QRgb pixel)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) + 0.0722 * linear(qBlue(pixel));
}

double Contrast(QRgb a, QRgb b)
{
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The text's contrast in `area`: its most distinct pixel against the background.
double TextContrast(const QImage& image, const QRect& area, QRgb background)
{
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, Contrast(image.pixel(x, y), background));
    }
    return best;
}

QPalette Themed(QColor window, QColor text, QColor base, QColor button, QColor highlight)
{
    QPalette palette(button, window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, base);
    return palette;
}

QPalette Standard()
{
    return QApplication::style()->standardPalette();
}

QPalette Dark()
{
    return Themed(QColor(0x2b, 0x2b, 0x2b), Qt::white, QColor(0x1e, 0x1e, 0x1e), QColor(0x35, 0x35, 0x35),
                  QColor(0x3d, 0xae, 0xe9));
}

QPalette HighContrast()
{
    return Themed(Qt::black, Qt::yellow, Qt::black, Qt::black, Qt::cyan);
}

struct Theme {
    const char* name;
    QPalette (*palette)();  // made once the application exists
};

void PrintTo(const Theme& theme, std::ostream* out)
{
    *out << theme.name;
}

class Readability : public testing::TestWithParam<Theme> {
protected:
    void SetUp() override { QApplication::setPalette(GetParam().palette()); }
    void TearDown() override { QApplication::setPalette(QApplication::style()->standardPalette()); }
};

QRgb Rgb(std::string_view name, int index)
{
    const Colour colour = *FindControl(name, index).background;
    return qRgb(colour.red, colour.green, colour.blue);
}

}  // namespace

// Every caption on a fixed background stays dark on it, whatever the theme.
TEST_P(Readability, CaptionsOnFixedColoursKeepTheirContrast)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();
    const auto inWindow = [&](QWidget* widget) { return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()); };

    std::vector<std::tuple<std::string, QRect, QRgb>> captions;
    for (int i : {0, 1}) {
        const ControlLayout& label = FindControl("Label1", i);
        captions.emplace_back("Label1(" + std::to_string(i) + ")", QRect(label.left / 15, label.top / 15, label.width / 15, label.height / 15),
                              Rgb("Label1", i));
        auto* button = window.findChild<QWidget*>(QStringLiteral("Command1(%1)").arg(i));
        captions.emplace_back("Command1(" + std::to_string(i) + ")", inWindow(button).adjusted(3, 3, -3, -3), Rgb("Command1", i));
    }
    for (int i = 0; i < 6; ++i) {
        auto* option = window.findChild<QRadioButton*>(QStringLiteral("Option1(%1)").arg(i));
        const int indicator = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                              option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        captions.emplace_back("Option1(" + std::to_string(i) + ")", inWindow(option).adjusted(indicator + 2, 0, 0, 0),
                              Rgb("Option1", i));
    }
    auto* frame = window.findChild<QGroupBox*>(QStringLiteral("Frame1(0)"));
    const QFontMetrics metrics(frame->font());
    captions.emplace_back("Frame1(0)", QRect(inWindow(frame).topLeft(), QSize(metrics.horizontalAdvance(frame->title()), metrics.height())),
                          Rgb("Frame1", 0));

    for (const auto& [name, area, background] : captions)
        EXPECT_GE(TextContrast(image, area, background), 4.5) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Themes, Readability,
    testing::Values(Theme{"Default", Standard}, Theme{"Dark", Dark}, Theme{"HighContrast", HighContrast}),
    [](const testing::TestParamInfo<Theme>& info) { return info.param.name; });

// At every tab stop a ring at least 2 pixels thick stands out at least 3:1
// from what lies just outside it, on every side inside the window.
TEST(FocusRing, MarksEveryTabStop)
{
    MainWindow window;
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const char* name : {"Text1(0)", "Text1(1)", "List1(0)", "Command1(0)", "Option1(0)", "Command1(1)"}) {
        QWidget* stop = window.findChild<QWidget*>(QString::fromLatin1(name));
        stop->setFocus();
        const QImage image = window.grab().toImage();
        const QRect area(stop->mapTo(&window, QPoint(0, 0)), stop->size());
        const struct {
            QPoint edge;  // the pixel just outside the control
            QPoint out;   // one pixel further out
        } sides[] = {{{area.center().x(), area.top() - 1}, {0, -1}},
                     {{area.center().x(), area.bottom() + 1}, {0, 1}},
                     {{area.left() - 1, area.center().y()}, {-1, 0}},
                     {{area.right() + 1, area.center().y()}, {1, 0}}};
        int seen = 0;
        for (const auto& side : sides) {
            const QPoint beyond = side.edge + side.out * 2;
            if (!image.rect().contains(beyond))
                continue;
            ++seen;
            const QRgb ring = image.pixel(side.edge);
            EXPECT_EQ(image.pixel(side.edge + side.out), ring) << name << ": 2 pixels thick";
            EXPECT_GE(Contrast(ring, image.pixel(beyond)), 3) << name << " at " << side.edge.x() << ", " << side.edge.y();
        }
        EXPECT_GE(seen, 2) << name;
    }
}

// The frame around the cells a step added stands out at least 3:1 against
// every cell colour and the board's background.
TEST(StepMark, StandsOutFromEveryCellColourAndTheBackground)
{
    const Colour background = kWindowLayout.background;
    std::vector<std::pair<std::string, Colour>> colours{{"background", background}};
    for (std::int16_t state = 0; CellColour(state); ++state)
        colours.emplace_back("cell colour " + std::to_string(state), *CellColour(state));
    ASSERT_EQ(colours.size(), 4u);
    for (const auto& [name, colour] : colours)
        EXPECT_GE(Contrast(QRgb(kStepMarkRgb), qRgb(colour.red, colour.green, colour.blue)), 3) << name;
}
