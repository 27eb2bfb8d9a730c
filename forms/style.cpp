#include "style.h"

#include "grid.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

namespace forms {

ZoomStyle::ZoomStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void zoomPainter(QPainter &painter, double zoom)
{
    painter.scale(zoom, zoom);
    // Where the painter only scales, Fusion draws some of its shading into an
    // image at the application's device pixel ratio and enlarges that; a turn
    // too small to move any pixel makes it draw straight at the zoom.
    painter.rotate(1e-7);
}

// A text box is drawn by Qt in a font at the window's zoom; its frame is drawn
// here at the zoom, as a screen of that ratio would draw it.
void ZoomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    const double zoom = widget && widget->inherits("QLineEdit") ? zoomOf(*widget) : 1;
    const bool zoomed = std::fabs(painter->worldTransform().m11() - 1) > 1e-6;  // the panel drawing its frame
    if (zoom == 1 || !frame || zoomed) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    QStyleOptionFrame unzoomed(*frame);
    unzoomed.rect = QRectF(QPointF(frame->rect.topLeft()) / zoom, QSizeF(frame->rect.size()) / zoom).toRect();
    unzoomed.lineWidth = int(std::lround(frame->lineWidth / zoom));  // scaled below for the text's margins
    painter->save();
    zoomPainter(*painter, zoom);
    QProxyStyle::drawPrimitive(element, &unzoomed, painter, widget);
    painter->restore();
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    const bool scales =
        widget && widget->inherits("QLineEdit") && (metric == PM_DefaultFrameWidth || metric == PM_TextCursorWidth);
    return scales ? int(std::lround(base * zoomOf(*widget))) : base;
}

} // namespace forms
