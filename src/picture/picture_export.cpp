// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picture_export.h"

#include "app/board_picture.h"
#include "app/handout_sheet.h"
#include "app/layout.h"
#include "app/picture_sound.h"
#include "app/tessalo.h"
#include "identities/identity_picture.h"
#include "picture/board_painter.h"
#include "picture/handout.h"
#include "picture/step_gif.h"
#include "picture/tactile_page.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwipsPerPixel = 15;  // 100 % at 96 DPI
constexpr double kMargin = kPictureTextMarginTwips / kTwipsPerPixel;  // around the text

double BoardHeight()
{
    return FindControl("Text1", 0).top / kTwipsPerPixel;
}

// The window's font at 100 %, in pixels so that it scales with the painter.
// Unhinted, so that every device measures the text alike.
QFont PictureFont(const QString& text = {})
{
    QFont font(QString::fromUtf8(kWindowLayout.fontFamily.data(), static_cast<qsizetype>(kWindowLayout.fontFamily.size())));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(static_cast<int>(std::lround(kWindowLayout.fontPoints * 20 / kTwipsPerPixel)));
    font.setHintingPreference(QFont::PreferNoHinting);
    // The font has every letter the form's texts use, and looking for others would
    // cost more than the whole picture; the superscripts of 2ⁿ⁻¹ come from another.
    font.setStyleStrategy(QFont::NoFontMerging);
    const auto rare = [](char32_t c) { return (c >= 0x1D00 && c < 0x1DC0) || (c >= 0x2070 && c < 0x20A0); };
    const QList<uint> letters = text.toUcs4();
    const QFontMetricsF metrics(font);
    if (std::any_of(letters.begin(), letters.end(), [&](uint c) { return rare(c) && !metrics.inFontUcs4(c); }))
        font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

QRectF TextArea(double width)
{
    return {kMargin, BoardHeight() + kMargin, width - 2 * kMargin, 1e6};
}

}  // namespace

QString PictureText(const Tessalo& form)
{
    const std::string& text = form.Text1(0).Text;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).replace(QLatin1String("\r\n"),
                                                                                       QLatin1String("\n"));
}

QString PictureText(const Picture& picture)
{
    const QString proof = picture.board ? picture.text : PictureText(picture.form);
    return picture.argument.isEmpty() ? proof : proof + QLatin1Char('\n') + picture.argument;
}

namespace {

constexpr double kHandoutMargin = 16;  // pixels at 100 %, around and between the handout's parts

QFont TitleFont()
{
    QFont font = PictureFont();
    font.setPixelSize(font.pixelSize() * 5 / 4);
    font.setBold(true);
    return font;
}

QString TitleOf(const Picture& picture)
{
    if (picture.drawnKind == 0)
        return {};
    if (picture.board)  // the proof text's first line names the identity, a progression with its a and d
        return picture.text.section(QLatin1Char('\n'), 0, 0) + QStringLiteral(", n = %1").arg(picture.drawnN);
    return QString::fromStdString(HandoutTitle(picture.drawnKind, picture.drawnN, picture.form.language));
}

// The picture's cells and what lies over them, without the form's background and labels.
BoardPicture CellsOf(const Picture& picture, const PictureMarks& marks = {})
{
    if (!picture.board)
        return CellsAlone(picture.form, marks);
    BoardPicture cells = MarkedBoard(*picture.board, marks);
    std::erase_if(cells.items, [](const PictureItem& item) { return item.kind == PictureItemKind::Label; });
    cells.width = cells.height = 0;
    return cells;
}

// Where a handout's parts lie, in pixels at 100 %: the title, the cells (the
// whole picture's box, so that a build-up's cells stay in place) and the text.
struct HandoutLayout {
    QRectF title;
    QRectF box;  // the cells', in twips
    QRectF cells;
    QRectF text;
    QSizeF size;
};

HandoutLayout LayOutHandout(const Picture& picture)
{
    HandoutLayout layout;
    const double width = kWindowLayout.clientWidth / kTwipsPerPixel;
    const double inner = width - 2 * kHandoutMargin;
    double top = kHandoutMargin;
    const QString title = TitleOf(picture);
    if (!title.isEmpty()) {
        layout.title = QFontMetricsF(TitleFont()).boundingRect(QRectF(kHandoutMargin, top, inner, 1e6),
                                                                Qt::AlignHCenter | Qt::TextWordWrap, title);
        top = layout.title.bottom() + kHandoutMargin;
    }
    layout.box = CellsBox(CellsOf(picture));
    if (!layout.box.isEmpty()) {
        // as large as on the screen at 100 %, smaller only where it would not fit
        const double scale = std::min(1 / kTwipsPerPixel, inner / layout.box.width());
        const QSizeF cells = layout.box.size() * scale;
        layout.cells = QRectF(QPointF((width - cells.width()) / 2, top), cells);
        top = layout.cells.bottom() + kHandoutMargin;
    }
    const QString text = PictureText(picture);
    layout.text =
        QFontMetricsF(PictureFont(text)).boundingRect(QRectF(kHandoutMargin, top, inner, 1e6), Qt::TextWordWrap, text);
    layout.size = QSizeF(width, std::ceil(layout.text.bottom() + kHandoutMargin));
    return layout;
}

QSizeF WindowLookSize(const Picture& picture)
{
    const double width = kWindowLayout.clientWidth / kTwipsPerPixel;
    const QRectF text =
        QFontMetricsF(PictureFont(PictureText(picture))).boundingRect(TextArea(width), Qt::TextWordWrap,
                                                                     PictureText(picture));
    return {width, std::ceil(BoardHeight() + text.height() + 2 * kMargin)};
}

}  // namespace

QTransform BoardPlacement(const Picture& picture)
{
    if (picture.look == PictureLook::Window)
        return QTransform::fromScale(1 / kTwipsPerPixel, 1 / kTwipsPerPixel);
    const HandoutLayout layout = LayOutHandout(picture);
    if (layout.box.isEmpty())
        return {};
    const double scale = layout.cells.width() / layout.box.width();
    return QTransform::fromTranslate(layout.cells.left(), layout.cells.top()).scale(scale, scale).translate(
        -layout.box.left(), -layout.box.top());
}

namespace {

// What painting needs measured, measured once: laying the text out costs as
// much as drawing it.
struct Geometry {
    QSizeF size;
    HandoutLayout handout;  // in the handout's look
};

Geometry GeometryOf(const Picture& picture)
{
    if (picture.look == PictureLook::Window)
        return {WindowLookSize(picture), {}};
    const HandoutLayout handout = LayOutHandout(picture);
    return {handout.size, handout};
}

}  // namespace

QSizeF PictureSize(const Picture& picture)
{
    return GeometryOf(picture).size;
}

namespace {

QFont Letters(QFont font, bool fewColours)
{
    if (fewColours) {
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
        font.setHintingPreference(QFont::PreferFullHinting);  // sharp letters keep their serifs only hinted
    }
    return font;
}

// The form as the window shows it, its width `size`'s, then the text on white.
void PaintWindowLook(QPainter& painter, const Picture& picture, QSizeF size)
{
    // The outline is a pixel at 100 % and grows with the picture, as in a zoomed window.
    if (picture.board)
        PaintPicture(painter, MarkedBoard(*picture.board, {picture.marked, picture.hidden, {}, false, -1}),
                     kTwipsPerPixel, kTwipsPerPixel);
    else
        PaintBoard(painter, picture.form, {kTwipsPerPixel, kTwipsPerPixel, picture.marked, picture.hidden, {}, false});
    // The board fills the whole form; the text's white covers what lies below it.
    const double formHeight = kWindowLayout.clientHeight / kTwipsPerPixel;
    painter.fillRect(QRectF(0, BoardHeight(), size.width(), std::max(size.height(), formHeight) - BoardHeight()),
                     Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(TextArea(size.width()), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, PictureText(picture));
}

void PaintHandout(QPainter& painter, const Picture& picture, const HandoutLayout& layout, bool fewColours)
{
    painter.fillRect(QRectF(QPointF(), layout.size), Qt::white);
    if (!layout.title.isEmpty()) {
        painter.setFont(Letters(TitleFont(), fewColours));
        painter.drawText(layout.title, Qt::AlignHCenter | Qt::TextWordWrap, TitleOf(picture));
        painter.setFont(Letters(PictureFont(PictureText(picture)), fewColours));
    }
    if (!layout.box.isEmpty()) {
        PictureMarks marks;
        marks.framed = picture.marked;
        marks.hidden = picture.hidden;
        PaintCells(painter, CellsOf(picture, marks), layout.box, layout.cells.topLeft(),
                   layout.cells.width() / layout.box.width());
    }
    painter.setPen(Qt::black);
    painter.drawText(layout.text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, PictureText(picture));
}

void PaintPicture(QPainter& painter, const Picture& picture, const Geometry& geometry, const QRectF& target,
                  bool fewColours = false)
{
    const QSizeF size = geometry.size;
    const double scale = std::min(target.width() / size.width(), target.height() / size.height());
    painter.save();
    painter.translate(target.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    painter.setFont(Letters(PictureFont(PictureText(picture)), fewColours));
    painter.setPen(Qt::black);
    if (picture.look == PictureLook::Window)
        PaintWindowLook(painter, picture, size);
    else
        PaintHandout(painter, picture, geometry.handout, fewColours);
    painter.restore();
}

// A handout as wide as `paintRect` allows, at its top; the window's look as PaintPicture.
void PaintOnPage(QPainter& painter, const Picture& picture, const Geometry& geometry, const QRectF& paintRect)
{
    if (picture.look == PictureLook::Window) {
        PaintPicture(painter, picture, geometry, paintRect);
        return;
    }
    const QSizeF size = geometry.size;
    const double scale = std::min(paintRect.width() / size.width(), paintRect.height() / size.height());
    const QSizeF scaled = size * scale;
    PaintPicture(painter, picture, geometry,
                 QRectF(QPointF(paintRect.center().x() - scaled.width() / 2, paintRect.top()), scaled));
}

}  // namespace

void PaintPicture(QPainter& painter, const Picture& picture, const QRectF& target)
{
    PaintPicture(painter, picture, GeometryOf(picture), target);
}

void PaintOnPage(QPainter& painter, const Picture& picture, const QRectF& paintRect)
{
    PaintOnPage(painter, picture, GeometryOf(picture), paintRect);
}

int DefaultPngWidth()
{
    return static_cast<int>(std::lround(2 * kWindowLayout.clientWidth / kTwipsPerPixel));
}

namespace {

QImage PictureImage(const Picture& picture, const Geometry& geometry, int width, bool fewColours = false)
{
    const QSizeF size = geometry.size;
    QImage image(width, static_cast<int>(std::lround(width * size.height() / size.width())), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, !fewColours);
    PaintPicture(painter, picture, geometry, image.rect(), fewColours);
    return image;
}

}  // namespace

QImage PictureImage(const Picture& picture, int width, bool fewColours)
{
    return PictureImage(picture, GeometryOf(picture), width, fewColours);
}

bool WritePicture(QIODevice& device, PictureFormat format, const Picture& picture, int pngWidth)
{
    const Geometry geometry = GeometryOf(picture);
    const QSizeF size = geometry.size;
    const QString title = QStringLiteral("Tessalo");
    switch (format) {
    case PictureFormat::Png: return PictureImage(picture, geometry, pngWidth).save(&device, "PNG");
    case PictureFormat::Gif: return WriteStepGif(device, picture, pngWidth);
    case PictureFormat::Wav: {
        const std::vector<Cell> counted = picture.board ? CountedCells(*picture.board) : std::vector<Cell>();
        const std::string wav = WavBytes(PlayPicture(
            picture.board ? ExploreRows(counted, picture.marked, picture.form.language)
                          : ExploreRows(picture.form, picture.marked)));
        return device.write(wav.data(), static_cast<qint64>(wav.size())) == static_cast<qint64>(wav.size());
    }
    case PictureFormat::Brf: {
        const QByteArray brf = ProofBrf(picture.drawnKind, picture.drawnN, picture.form.language);
        return !brf.isEmpty() && device.write(brf) == brf.size();
    }
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&device);
        svg.setResolution(96);
        svg.setSize(size.toSize());
        svg.setViewBox(QRectF(QPointF(), size));
        svg.setTitle(title);
        QPainter painter(&svg);
        PaintPicture(painter, picture, geometry, QRectF(QPointF(), size));
        return painter.end();
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(&device);
        pdf.setTitle(title);
        pdf.setCreator(title);
        if (picture.look == PictureLook::Window) {
            // a page the picture's size: 96 pixels to the inch, 72 points
            pdf.setPageSize(QPageSize(size * 0.75, QPageSize::Point, {}, QPageSize::ExactMatch));
            pdf.setPageMargins(QMarginsF());
        } else {
            pdf.setPageSize(QPageSize(QPageSize::A4));
            const double margin = kHandoutMarginPoints;
            pdf.setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Point);
        }
        QPainter painter(&pdf);
        PaintOnPage(painter, picture, geometry, QRectF(0, 0, pdf.width(), pdf.height()));
        return painter.end();
    }
    }
    return false;
}
