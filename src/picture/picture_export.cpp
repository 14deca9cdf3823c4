// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/picture_export.h"

#include "app/board_picture.h"

#include "app/layout.h"
#include "app/tessalo.h"
#include "picture/board_painter.h"
#include "picture/step_gif.h"

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
QFont PictureFont()
{
    QFont font(QString::fromUtf8(kWindowLayout.fontFamily.data(), static_cast<qsizetype>(kWindowLayout.fontFamily.size())));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(static_cast<int>(std::lround(kWindowLayout.fontPoints * 20 / kTwipsPerPixel)));
    font.setHintingPreference(QFont::PreferNoHinting);
    // The font has every letter the texts use; looking for others would cost
    // more than the whole picture.
    font.setStyleStrategy(QFont::NoFontMerging);
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
    const QString proof = PictureText(picture.form);
    return picture.argument.isEmpty() ? proof : proof + QLatin1Char('\n') + picture.argument;
}

QSizeF PictureSize(const Picture& picture)
{
    const double width = kWindowLayout.clientWidth / kTwipsPerPixel;
    const QRectF text =
        QFontMetricsF(PictureFont()).boundingRect(TextArea(width), Qt::TextWordWrap, PictureText(picture));
    return {width, std::ceil(BoardHeight() + text.height() + 2 * kMargin)};
}

namespace {

// `size` is the picture's: laying the text out to measure it costs as much as drawing it.
void PaintPicture(QPainter& painter, const Picture& picture, QSizeF size, const QRectF& target,
                  bool fewColours = false)
{
    const double scale = std::min(target.width() / size.width(), target.height() / size.height());
    painter.save();
    painter.translate(target.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    QFont font = PictureFont();
    if (fewColours)
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    painter.setFont(font);
    // The outline is a pixel at 100 % and grows with the picture, as in a zoomed window.
    PaintBoard(painter, picture.form, {kTwipsPerPixel, kTwipsPerPixel, picture.marked, picture.hidden, {}, false});
    // The board fills the whole form; the text's white covers what lies below it.
    const double formHeight = kWindowLayout.clientHeight / kTwipsPerPixel;
    painter.fillRect(QRectF(0, BoardHeight(), size.width(), std::max(size.height(), formHeight) - BoardHeight()),
                     Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(TextArea(size.width()), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, PictureText(picture));
    painter.restore();
}

}  // namespace

void PaintPicture(QPainter& painter, const Picture& picture, const QRectF& target)
{
    PaintPicture(painter, picture, PictureSize(picture), target);
}

int DefaultPngWidth()
{
    return static_cast<int>(std::lround(2 * kWindowLayout.clientWidth / kTwipsPerPixel));
}

namespace {

QImage PictureImage(const Picture& picture, QSizeF size, int width, bool fewColours = false)
{
    QImage image(width, static_cast<int>(std::lround(width * size.height() / size.width())), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, !fewColours);
    PaintPicture(painter, picture, size, image.rect(), fewColours);
    return image;
}

}  // namespace

QImage PictureImage(const Picture& picture, int width, bool fewColours)
{
    return PictureImage(picture, PictureSize(picture), width, fewColours);
}

bool WritePicture(QIODevice& device, PictureFormat format, const Picture& picture, int pngWidth)
{
    const QSizeF size = PictureSize(picture);
    const QString title = QStringLiteral("Tessalo");
    switch (format) {
    case PictureFormat::Png: return PictureImage(picture, size, pngWidth).save(&device, "PNG");
    case PictureFormat::Gif: return WriteStepGif(device, picture, pngWidth);
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&device);
        svg.setResolution(96);
        svg.setSize(size.toSize());
        svg.setViewBox(QRectF(QPointF(), size));
        svg.setTitle(title);
        QPainter painter(&svg);
        PaintPicture(painter, picture, size, QRectF(QPointF(), size));
        return painter.end();
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(&device);
        pdf.setTitle(title);
        pdf.setCreator(title);
        // a page the picture's size: 96 pixels to the inch, 72 points
        pdf.setPageSize(QPageSize(size * 0.75, QPageSize::Point, {}, QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF());
        QPainter painter(&pdf);
        PaintPicture(painter, picture, size, QRectF(0, 0, pdf.width(), pdf.height()));
        return painter.end();
    }
    }
    return false;
}
