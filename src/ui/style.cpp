#include "ui/style.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

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

private:
    double zoom_ = 1.0;
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
