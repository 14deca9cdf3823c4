// SPDX-FileCopyrightText: 2026 Tessalo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window/style.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>

namespace {

// Fusion, with the metrics that are pixels scaled by the window's zoom.
class TessaloStyle : public QProxyStyle {
public:
    TessaloStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void setZoom(double zoom) { zoom_ = zoom; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
        if (atHundred_)
            return pixels;
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_DefaultFrameWidth:
            return static_cast<int>(std::lround(pixels * zoom_));
        default:
            return pixels;
        }
    }

    // Fusion draws a scroll bar's arrows at a size of its own: the whole bar is
    // drawn as at 100 %, then scaled.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar || zoom_ == 1.0) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionSlider small = *bar;
        const QSize size(std::max(1L, std::lround(bar->rect.width() / zoom_)),
                         std::max(1L, std::lround(bar->rect.height() / zoom_)));
        small.rect = QRect(QPoint(), size);
        painter->save();
        painter->translate(bar->rect.topLeft());
        painter->scale(double(bar->rect.width()) / size.width(), double(bar->rect.height()) / size.height());
        atHundred_ = true;
        QProxyStyle::drawComplexControl(control, &small, painter, widget);
        atHundred_ = false;
        painter->restore();
    }

private:
    double zoom_ = 1.0;
    mutable bool atHundred_ = false;  // while a scroll bar is drawn at 100 %
};

QPointer<TessaloStyle> g_style;

}  // namespace

void UseTessaloStyle()
{
    g_style = new TessaloStyle;
    QApplication::setStyle(g_style);
}

void SetStyleZoom(double zoom)
{
    if (g_style)
        g_style->setZoom(zoom);
}
