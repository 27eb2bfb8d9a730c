#include "style.h"

#include "grid.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

namespace forms {

namespace {

// A text box is drawn by Qt at the window's zoom without a scaled painter: its
// frame is drawn at the zoom here.
double frameZoom(const QWidget *widget) { return widget && widget->inherits("QLineEdit") ? zoomOf(*widget) : 1; }

// The option with its rectangle at the origin, in the units it is drawn in.
template <class Option> bool drawnAt(const QStyleOption *option, QSize size, auto draw)
{
    const auto *typed = qstyleoption_cast<const Option *>(option);
    if (!typed)
        return false;
    Option moved(*typed);
    moved.rect = QRect(QPoint(), size);
    draw(&moved);
    return true;
}

} // namespace

ZoomStyle::ZoomStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

// Fusion keeps some of its drawing (a button's shaded face, say) as pixmaps
// at the device's ratio, which a scaled painter would enlarge; drawn into an
// image of the ratio times the zoom, they come out as sharp as on such a
// screen, and the image goes on the screen pixel for pixel.
void ZoomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    const double extra = frameZoom(widget), scale = painter->worldTransform().m11() * extra;
    if (std::fabs(scale - 1) < 1e-9 || option->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const double ratio = painter->device()->devicePixelRatioF() * painter->worldTransform().m11();
    QImage image((QSizeF(option->rect.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio * extra);
    QPainter on(&image);
    on.setRenderHints(painter->renderHints());
    on.setFont(painter->font());
    on.setPen(painter->pen());
    const QSize size = (QSizeF(option->rect.size()) / extra).toSize();
    auto draw = [&](const QStyleOption *moved) { QProxyStyle::drawPrimitive(element, moved, &on, widget); };
    if (!drawnAt<QStyleOptionButton>(option, size, draw) && !drawnAt<QStyleOptionFrame>(option, size, draw)
        && !drawnAt<QStyleOptionFocusRect>(option, size, draw) && !drawnAt<QStyleOption>(option, size, draw))
        return;
    on.end();
    painter->drawImage(QRectF(option->rect), image);
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    const bool scales = metric == PM_DefaultFrameWidth || metric == PM_TextCursorWidth;
    return scales ? int(std::lround(base * frameZoom(widget))) : base;
}

} // namespace forms
