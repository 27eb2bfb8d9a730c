// The style of the windows: Fusion, drawing Qt's own controls (buttons and
// text boxes) at the window's zoom as a screen of that ratio would.
#pragma once

#include <QProxyStyle>

namespace forms {

// Scales a painter to a zoom, Qt's own controls drawn under it as sharp as
// on a screen of that ratio.
void zoomPainter(QPainter &painter, double zoom);

class ZoomStyle : public QProxyStyle {
public:
    ZoomStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override;
};

} // namespace forms
