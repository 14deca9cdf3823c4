// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture as it leaves the program: the form's cells in SVG, PNG and PDF,
// the proof text as text, and the menu that offers them in the window.
#include "app/induction_step.h"
#include "app/shown_form.h"
#include "app/tessalo.h"
#include "app/visible_cells.h"
#include "cli/command_line.h"
#include "identities/claim_text.h"
#include "identities/identity_picture.h"
#include "ui/window/main_window.h"
#include "ui/commands/window_commands.h"
#include "picture/picture_file.h"
#include "picture/step_gif.h"
#include "picture/step_strip.h"
#include "small_disk.h"
#include "ui/commands/picture_actions.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<Cell> VisibleCells(const Tessalo& form)
{
    std::vector<Cell> cells;
    ForEachVisibleCell(form.Shape1, [&](int, const Cell& cell) { cells.push_back(cell); });
    return cells;
}

QColor ColourOf(const Cell& cell)
{
    return QColor(cell.BackColor.red, cell.BackColor.green, cell.BackColor.blue);
}

struct SvgShape {
    QRectF box;  // pixels at 100 %
    QColor fill;
    bool circle;
};

struct SvgContent {
    std::vector<SvgShape> cells;  // filled and outlined, as cells are
    QString text;                 // every text element, in order
};

// An attribute as an element inherits it from the groups around it.
QString Inherited(const std::vector<QXmlStreamAttributes>& groups, const QString& name)
{
    for (auto group = groups.rbegin(); group != groups.rend(); ++group) {
        if (group->hasAttribute(name))
            return group->value(name).toString();
    }
    return {};
}

QTransform Matrix(const QString& transform)
{
    static const QRegularExpression matrix(QStringLiteral("matrix\\(([^)]*)\\)"));
    const auto match = matrix.match(transform);
    if (!match.hasMatch())
        return {};
    const QStringList v = match.captured(1).split(QLatin1Char(','));
    return {v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(), v[4].toDouble(), v[5].toDouble()};
}

SvgContent ReadSvg(const QByteArray& svg)
{
    SvgContent content;
    std::vector<QXmlStreamAttributes> groups;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("g"))
            groups.pop_back();
        if (!xml.isStartElement())
            continue;
        const auto attributes = xml.attributes();
        const auto number = [&](const char* name) { return attributes.value(QLatin1String(name)).toDouble(); };
        if (xml.name() == QLatin1String("g")) {
            groups.push_back(attributes);
        } else if (xml.name() == QLatin1String("text")) {
            content.text += xml.readElementText();
        } else if (xml.name() == QLatin1String("rect") || xml.name() == QLatin1String("circle")) {
            const QString fill = Inherited(groups, QStringLiteral("fill"));
            if (fill == QLatin1String("none") || Inherited(groups, QStringLiteral("stroke")) == QLatin1String("none"))
                continue;
            const bool circle = xml.name() == QLatin1String("circle");
            const double r = number("r");
            const QRectF box = circle ? QRectF(number("cx") - r, number("cy") - r, 2 * r, 2 * r)
                                      : QRectF(number("x"), number("y"), number("width"), number("height"));
            content.cells.push_back({Matrix(Inherited(groups, QStringLiteral("transform"))).mapRect(box),
                                     QColor(fill), circle});
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return content;
}

class SvgPicture : public testing::TestWithParam<std::tuple<int, PictureLook>> {};

}  // namespace

// In either look every cell lies where the picture puts the board, in the form's order.
TEST_P(SvgPicture, HoldsTheFormsCellsInOrderAndTheProofAsText)
{
    const auto [kind, look] = GetParam();
    const Tessalo form = ShownForm(kind, 4);
    const Picture picture{form, {}, {}, {}, kind, 4, look};
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WritePicture(svg, PictureFormat::Svg, picture));
    const SvgContent content = ReadSvg(svg.data());
    const std::vector<Cell> cells = VisibleCells(form);
    ASSERT_EQ(content.cells.size(), cells.size());
    const QTransform place = BoardPlacement(picture);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Cell& cell = cells[i];
        const SvgShape& shape = content.cells[i];
        const QRectF expected = place.mapRect(QRectF(cell.Left, cell.Top, cell.Width, cell.Height));
        EXPECT_NEAR(shape.box.left(), expected.left(), 0.01) << "cell " << i;
        EXPECT_NEAR(shape.box.top(), expected.top(), 0.01) << "cell " << i;
        EXPECT_NEAR(shape.box.width(), expected.width(), 0.01) << "cell " << i;
        EXPECT_NEAR(shape.box.height(), expected.height(), 0.01) << "cell " << i;
        EXPECT_EQ(shape.fill, ColourOf(cell)) << "cell " << i;
        EXPECT_EQ(shape.circle, cell.Shape == kCircle) << "cell " << i;
    }
    // the lines follow one another, cut wherever the script changes
    EXPECT_TRUE(content.text.endsWith(PictureText(form).remove(QLatin1Char('\n')))) << content.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryKind, SvgPicture,
                         testing::Combine(testing::Range(1, 7), testing::Values(PictureLook::Handout, PictureLook::Window)),
                         [](const testing::TestParamInfo<SvgPicture::ParamType>& info) {
                             return "Kind" + std::to_string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) == PictureLook::Window ? "AsInTheWindow" : "Handout");
                         });

namespace {

struct PixelRow {
    const char* name;
    const char* file;
    int kind;
    PictureLook look = PictureLook::Handout;
};

void PrintTo(const PixelRow& row, std::ostream* out)
{
    *out << row.name;
}

class PictureFile : public testing::TestWithParam<PixelRow> {};

QString Output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// How many pixels of `image` are each of `colours`.
std::vector<int> Counts(const QImage& image, const std::vector<QColor>& colours)
{
    std::vector<int> counts(colours.size());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const auto found = std::find(colours.begin(), colours.end(), image.pixelColor(x, y));
            if (found != colours.end())
                ++counts[static_cast<std::size_t>(found - colours.begin())];
        }
    }
    return counts;
}

}  // namespace

// A PNG is read as it is, an SVG drawn, a PDF turned back into pixels and text by poppler.
// As in the window: the cells at their places on the form's board, with the text beneath. As a
// handout: on white (not one pixel of the form's lilac), under its title, no control's caption,
// a PDF on an A4 page.
TEST_P(PictureFile, ShowsEveryCellsColourAtItsCentreAndTheBoardAndTextAround)
{
    const PixelRow& row = GetParam();
    const QByteArray file(row.file);
    const bool pdf = file.endsWith(".pdf");
    if (pdf && QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const Tessalo form = ShownForm(row.kind, 3);
    const Picture picture{form, {}, {}, {}, row.kind, 3, row.look};
    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(row.file));
    ASSERT_FALSE(SavePicture(path, picture));
    QString text;
    QImage image(path);
    if (pdf) {
        Output(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("192"),
                                            QStringLiteral("-singlefile"), path, path});
        image.load(path + QStringLiteral(".png"));
        text = Output(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    } else if (file.endsWith(".svg")) {
        QFile svg(path);
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
        text = ReadSvg(svg.readAll()).text;
    }
    ASSERT_FALSE(image.isNull());
    if (!text.isEmpty()) {
        EXPECT_TRUE(text.contains(PictureText(form).section(QLatin1Char('\n'), -2, -2))) << text.toStdString();
    }
    const QColor lilac(128, 128, 255);
    if (row.look == PictureLook::Handout) {
        std::vector<QColor> colours{lilac};
        for (const Cell& cell : VisibleCells(form)) {
            if (std::find(colours.begin(), colours.end(), ColourOf(cell)) == colours.end())
                colours.push_back(ColourOf(cell));
        }
        const std::vector<int> counts = Counts(image, colours);
        EXPECT_EQ(counts.front(), 0) << "the form's lilac";
        EXPECT_EQ(std::count(counts.begin() + 1, counts.end(), 0), 0) << "a cell's colour missing";
        EXPECT_EQ(image.pixelColor(0, 0), Qt::white);
        for (const QString& caption : {QStringLiteral("Брой"), QStringLiteral("Изведи"), QStringLiteral("чрез графика")})
            EXPECT_FALSE(text.contains(caption)) << caption.toStdString();
        if (!file.endsWith(".png")) {
            EXPECT_TRUE(text.contains(QStringLiteral(", n = 3"))) << "the title: " << text.toStdString();
        }
        if (pdf) {
            EXPECT_NEAR(double(image.height()) / image.width(), 297.0 / 210, 0.01) << "an A4 page";
        }
        return;
    }
    const double scale = image.width() / PictureSize(picture).width();  // pixels to a pixel at 100 %
    EXPECT_NEAR(scale, 2, 0.01);
    const auto at = [&](double twipsX, double twipsY) { return image.pixelColor(QPointF(twipsX, twipsY).toPoint() * scale / 15); };
    for (const Cell& cell : VisibleCells(form))
        EXPECT_EQ(at(cell.Left + cell.Width / 2, cell.Top + cell.Height / 2), ColourOf(cell)) << cell.Left << ", " << cell.Top;
    EXPECT_EQ(at(3000, 3750), lilac) << "the free board";
    EXPECT_EQ(at(1300, 100), QColor(255, 192, 128)) << "the title's label";
    EXPECT_EQ(at(8000, 4900), Qt::white) << "beside the proof text";
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureFile,
                         testing::Values(PixelRow{"PngBrownDiagonal", "a.png", 2, PictureLook::Window},
                                         PixelRow{"PdfBrownDiagonal", "a.pdf", 2, PictureLook::Window},
                                         PixelRow{"PdfWhiteBands", "a.pdf", 4, PictureLook::Window},
                                         PixelRow{"HandoutPng", "a.png", 2},
                                         PixelRow{"HandoutSvg", "a.svg", 5},
                                         PixelRow{"HandoutPdf", "a.pdf", 4}),
                         [](const testing::TestParamInfo<PixelRow>& info) { return info.param.name; });

namespace {

int ReadFromBuffer(GifFileType* gif, GifByteType* bytes, int length)
{
    return static_cast<int>(static_cast<QBuffer*>(gif->UserData)->read(reinterpret_cast<char*>(bytes), length));
}

// Each frame of `gif` drawn over the ones before it, as a viewer shows them.
std::vector<QImage> Frames(const GifFileType& gif)
{
    std::vector<QImage> frames;
    QImage canvas(gif.SWidth, gif.SHeight, QImage::Format_RGB32);
    for (int i = 0; i < gif.ImageCount; ++i) {
        const SavedImage& frame = gif.SavedImages[i];
        const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif.SColorMap;
        for (int y = 0; y < frame.ImageDesc.Height; ++y) {
            for (int x = 0; x < frame.ImageDesc.Width; ++x) {
                const GifColorType c = map->Colors[frame.RasterBits[y * frame.ImageDesc.Width + x]];
                canvas.setPixel(frame.ImageDesc.Left + x, frame.ImageDesc.Top + y, qRgb(c.Red, c.Green, c.Blue));
            }
        }
        frames.push_back(canvas.copy());
    }
    return frames;
}

// The pixels of `frame` that differ from `picture` where the GIF's colours hold the picture's
// colour: none, if no colour is lost; and how many differ in all, at the edges of circles.
std::pair<int, int> Differences(const QImage& frame, const QImage& picture, const ColorMapObject& map)
{
    QSet<QRgb> kept;
    for (int i = 0; i < map.ColorCount; ++i)
        kept.insert(qRgb(map.Colors[i].Red, map.Colors[i].Green, map.Colors[i].Blue));
    std::pair<int, int> differences;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (frame.pixel(x, y) != picture.pixel(x, y)) {
                differences.first += kept.contains(picture.pixel(x, y)) ? 1 : 0;
                ++differences.second;
            }
        }
    }
    return differences;
}

}  // namespace

// The step as an animated GIF, read back by giflib: it loops; it has a frame for the picture
// before the step and one for each cell the step adds; the first is the picture with those
// cells not drawn, which then hold the colours of the picture for n - 1, and the last the
// picture with them framed, pixel for pixel.
TEST(StepGif, LoopsAndDrawsTheStepCellByCell)
{
    for (const int kind : {3, 4}) {
        const Tessalo form = ShownForm(kind, 3);
        const std::vector<int> added = AddedCells(ShownForm(kind, 2), form);
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        ASSERT_TRUE(WriteStepGif(buffer, Picture{form}, 400));
        buffer.seek(0);
        int error = 0;
        GifFileType* gif = DGifOpen(&buffer, ReadFromBuffer, &error);
        ASSERT_NE(gif, nullptr);
        ASSERT_EQ(DGifSlurp(gif), GIF_OK);
        EXPECT_EQ(gif->ImageCount, static_cast<int>(added.size()) + 1) << "kind " << kind;
        const ExtensionBlock& loop = gif->SavedImages[0].ExtensionBlocks[0];
        EXPECT_EQ(loop.Function, APPLICATION_EXT_FUNC_CODE);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(loop.Bytes), loop.ByteCount), "NETSCAPE2.0");
        const std::vector<QImage> frames = Frames(*gif);
        const QImage before = PictureImage(Picture{form, {}, added}, 400, true);
        const auto [lostBefore, offBefore] = Differences(frames.front(), before, *gif->SColorMap);
        const auto [lostAfter, offAfter] = Differences(frames.back(), PictureImage(Picture{form, added}, 400, true),
                                                       *gif->SColorMap);
        DGifCloseFile(gif, &error);
        EXPECT_EQ(lostBefore + lostAfter, 0) << "kind " << kind;
        EXPECT_LT(offBefore + offAfter, before.width() * before.height() / 100) << "kind " << kind;
        const double scale = 400 / PictureSize(Picture{form}).width();  // pixels to a pixel at 100 %
        for (const Cell& cell : VisibleCells(ShownForm(kind, 2))) {
            const QPointF middle(cell.Left + cell.Width / 2, cell.Top + cell.Height / 2);
            const QPoint centre = (BoardPlacement(Picture{form}).map(middle) * scale).toPoint();
            EXPECT_EQ(frames.front().pixelColor(centre), ColourOf(cell)) << "kind " << kind << " at " << cell.Left;
        }
    }
}

// The strip of the steps to n = 3 of the odd numbers: three pictures, framing 1, 3 and 5 cells,
// each with its sum beneath; the same of the powers of 2, beside the form's six; a GIF is no page.
TEST(StepStrip, ShowsEachStepWithItsCellsFramedAndItsSum)
{
    const FurtherIdentity powers = DescribeFurther(9);
    const StripContent further{"", [&](int m) { return FurtherStepPicture(powers, m, 3); },
                               [&](int m) { return FurtherStepSum(powers, m); }};
    const struct {
        std::function<bool(QBuffer&)> write;
        int frames;
        std::vector<const char*> sums;
    } strips[] = {
        {[](QBuffer& buffer) { return WriteStepStrip(buffer, PictureFormat::Svg, 4, 3, Language::bg); }, 1 + 3 + 5,
         {">1 = 1<", ">1 + 3 = 4<", ">1 + 3 + 5 = 9<"}},
        {[&](QBuffer& buffer) { return WriteStepStrip(buffer, PictureFormat::Svg, 3, further); }, 1 + 2 + 4,
         {">1 = 1<", ">1 + 2 = 3<", ">1 + 2 + 4 = 7<"}},
    };
    for (const auto& strip : strips) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(strip.write(buffer));
        const QString svg = QString::fromUtf8(buffer.data()).replace(QChar(0xA0), QLatin1Char(' '));
        int frames = 0;
        for (qsizetype at = svg.indexOf(QLatin1String("stroke=\"#5a0028\"")); at >= 0;
             at = svg.indexOf(QLatin1String("stroke=\"#5a0028\""), at + 1))
            frames +=
                static_cast<int>(svg.mid(at, svg.indexOf(QLatin1String("</g>"), at) - at).count(QLatin1String("<rect")));
        EXPECT_EQ(frames, strip.frames);
        for (const char* sum : strip.sums)
            EXPECT_TRUE(svg.contains(QLatin1String(sum))) << sum;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteStepStrip(buffer, PictureFormat::Svg, 4, 3, Language::bg));
    EXPECT_FALSE(buffer.data().contains("#8080ff")) << "the form's background";
    QBuffer gif;
    gif.open(QIODevice::WriteOnly);
    EXPECT_FALSE(WriteStepStrip(gif, PictureFormat::Gif, 4, 3, Language::bg));
}

// A file of a series is written only where no link stands, looked at as each is
// written, so that a link made in a shared folder after the series began leaves
// what it points to as it was.
TEST(PictureFileOfASeries, LeavesALinkMadeMeanwhile)
{
    const QTemporaryDir folder;
    const QString plan = folder.filePath(QStringLiteral("plan.txt"));
    QFile file(plan);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("plan");
    file.close();
    const QString slide = folder.filePath(QStringLiteral("kind-4-n-03.svg"));
    ASSERT_TRUE(QFile::link(plan, slide));
    ASSERT_TRUE(SavePicture(slide, Picture{ShownForm(4, 3)}, DefaultPngWidth(), true));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "plan");
    EXPECT_TRUE(QFileInfo(slide).isSymLink());
}

// The save dialog's types say the look: the handout, or what the window shows ("as on the screen").
TEST(SaveDialog, SavesTheLookItsTypeNames)
{
    const Tessalo form = ShownForm(4, 3);
    QWidget window;
    QWidget board;
    PictureActions actions(window, board, [&form] { return Picture{form, {}, {}, {}, 4, 3}; });
    const QTemporaryDir folder;
    for (const bool asOnScreen : {false, true}) {
        const QString path = folder.filePath(asOnScreen ? QStringLiteral("screen.png") : QStringLiteral("handout.png"));
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectNameFilter(asOnScreen ? QStringLiteral("Както на екрана: картина PNG (*.png)")
                                                : QStringLiteral("Картина PNG (*.png)"));
            dialog->selectFile(path);
            QTimer::singleShot(0, [] {  // the width as offered
                if (auto* ask = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    ask->accept();
            });
            static_cast<QDialog*>(dialog)->accept();
        });
        actions.save();
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path.toStdString();
        EXPECT_EQ(Counts(image, {QColor(128, 128, 255)}).front() > 0, asOnScreen) << "the form's lilac";
    }
}

// Printed into a file on a full disk, the picture is not written at all: a
// message says why and the old file stays as it was.
TEST(PrintToAFile, OnAFullDiskSaysSoAndKeepsTheOldFile)
{
    SmallDisk disk;
    if (disk.path().isEmpty())
        GTEST_SKIP() << "no small disk: " << disk.error().toStdString();
    const QString path = QDir(disk.path()).filePath(QStringLiteral("lesson.pdf"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("%PDF the old handout");
    old.close();
    disk.fill(8);
    QWidget window;
    QWidget board;
    const Tessalo form = ShownForm(4, 11);
    PictureActions actions(window, board, [&form] { return Picture{form}; });
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QString said;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            said = box->text();
            box->accept();
        }
    });
    actions.printTo(printer);
    EXPECT_TRUE(said.contains(QStringLiteral("на диска няма място"))) << said.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "%PDF the old handout");
}

// The board lets clicks through, so the menu belongs to the form beneath it.
// The menu, the key list and the help are made from one table of commands:
// each of them names every command, with its keys.
TEST(PictureMenu, TheMenuTheKeyListAndTheHelpOfferEveryCommand)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint free(200, 250);
    QWidget* under = window.childAt(free);
    ASSERT_NE(under, nullptr);
    QStringList offered;
    QStringList heard;  // what a screen reader is told of each entry, in the menu it is in
    const auto readMenu = [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions()) {
                offered << action->text() + QLatin1Char(' ') + action->shortcut().toString();
                QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(action);
                if (entry->isValid() && entry->parent()->object() == menu)
                    heard << entry->text(QAccessible::Name);
            }
            QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(menu);
            if (shown->parent()->indexOfChild(shown) < 0)  // a reader takes it for gone
                heard << QStringLiteral("a menu outside its window");
            menu->close();
        }
    };
    QTimer::singleShot(0, &window, readMenu);
    QContextMenuEvent event(QContextMenuEvent::Mouse, under->mapFrom(&window, free), window.mapToGlobal(free));
    QApplication::sendEvent(under, &event);

    QStringList expected;
    for (const CommandRow& row : kCommands)
        expected << QString::fromUtf8(Tr(Language::bg, row.text)) + QLatin1Char(' ') +
                        window.commands()[row.command].shortcut().toString();
    EXPECT_EQ(offered, expected);
    EXPECT_TRUE(offered.contains(QStringLiteral("Следващото n PgDown")));
    // in words, a switch with its state, and again in the next menu
    const std::string said = heard.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(heard.contains(QStringLiteral("Печат")) && heard.filter(QStringLiteral("...")).isEmpty()) << said;
    EXPECT_TRUE(heard.contains(QStringLiteral("Постепенно построяване, изключено"))) << said;
    EXPECT_TRUE(heard.contains(QStringLiteral("По едро")) && heard.contains(QStringLiteral("Мащаб 100 процента"))) << said;
    heard.clear();
    QTimer::singleShot(0, &window, readMenu);
    QApplication::sendEvent(under, &event);
    EXPECT_EQ(heard.size(), static_cast<qsizetype>(kCommands.size()));
    // by the mouse on no entry; by a key (Shift+F10, the Menu key) on the first, which a
    // screen reader hears with the menu's name until the keyboard leaves it
    QStringList active{QStringLiteral("none")};
    QTimer::singleShot(0, &window, [&] {
        QTimer::singleShot(0, &window, [&] {  // after the menu's own first turn
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                const auto entry = [menu] {
                    QAction* on = menu->activeAction();
                    return on ? QAccessible::queryAccessibleInterface(on)->text(QAccessible::Name) : QString();
                };
                active = {entry()};
                QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Up);
                active << entry();
                menu->close();
            }
        });
    });
    // the Menu key in a text box, which would open the box's own menu
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(window.findChild<QPlainTextEdit*>(), &menuKey);
    EXPECT_EQ(active, QStringList({QStringLiteral("Меню, Запази картината"), QStringLiteral("Запази картината")}));

    const auto keyList = KeyListRows(window.commands());
    const QString help = ParseCommandLine({QStringLiteral("tessalo"), QStringLiteral("--help")}).output;
    for (const CommandRow& row : kCommands) {
        const QString meaning = QString::fromUtf8(Tr(Language::bg, row.meaning));
        // every key the table gives it, as the page's key list names every one too
        QStringList keys{window.commands()[row.command].shortcut().toString(QKeySequence::NativeText)};
        for (const std::string_view key : row.keys) {
            if (key.empty())
                continue;
            // a key the toolkit cannot read would be an empty one, found in any list
            const QKeySequence sequence = QKeySequence::fromString(QString::fromLatin1(key));
            EXPECT_EQ(sequence.toString().toStdString(), key) << row.name;
            keys << sequence.toString(QKeySequence::NativeText);
        }
        EXPECT_TRUE(std::any_of(keyList.begin(), keyList.end(), [&](const auto& line) {
            return line.second == meaning &&
                   std::all_of(keys.begin(), keys.end(), [&](const QString& key) { return line.first.contains(key); });
        })) << "F1: " << row.name;
        // the keys apart from what they do, by a gap or a line
        EXPECT_TRUE(help.contains(QRegularExpression(
            QStringLiteral("\n  %1\\s{2,}%2\n")
                .arg(QRegularExpression::escape(QString::fromStdString(OwnKeysText(row))),
                     QRegularExpression::escape(meaning)))))
            << "--help: " << row.name;
    }

    // A right click read in one go with Ctrl+Q finds the window closed: no
    // menu on an empty screen, whose loop would keep the program alive.
    window.commands()[Command::Quit].trigger();
    offered.clear();
    QTimer::singleShot(0, &window, readMenu);
    QApplication::sendEvent(under, &event);
    QCoreApplication::processEvents();
    EXPECT_TRUE(offered.isEmpty()) << "a menu opened for a closed window";
}
