#include "surface.h"

#include "description.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <algorithm>
#include <cmath>

namespace forms {

bool drawable(std::initializer_list<double> pixels)
{
    return std::ranges::all_of(pixels, [](double v) { return std::isfinite(v) && std::fabs(v) < 1e6; });
}

Surface::Surface(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Surface::setBackColor(const QColor &color)
{
    back_ = color;
    update();
}

void Surface::setPicture(const Picture &picture)
{
    picture_ = picture;
    update();
}

LineObject &Surface::addLine(QColor color, int width)
{
    lines_.push_back(std::make_unique<LineObject>(this, color, width));
    return *lines_.back();
}

QPointF Surface::toPixel(double x, double y) const
{
    // The centre of the nearest pixel: a line covers the pixels its ends name
    // at any scale factor, and one placed just outside a control, which is
    // placed to the nearest pixel too, frames it evenly on every side.
    return {std::round(x / TwipsPerPixel) + 0.5, std::round(y / TwipsPerPixel) + 0.5};
}

QRectF Surface::pixelBounds(const LineObject &line) const
{
    const QPointF a = toPixel(line.X1(), line.Y1());
    const QPointF b = toPixel(line.X2(), line.Y2());
    const qreal pad = line.width() + 1;
    const qreal left = std::min(a.x(), b.x()) - pad, right = std::max(a.x(), b.x()) + pad;
    const qreal top = std::min(a.y(), b.y()) - pad, bottom = std::max(a.y(), b.y()) + pad;
    if (!drawable({left, right, top, bottom}))
        return {};
    return QRectF(left, top, right - left, bottom - top);
}

void Surface::repaintLine(const QRectF &before, const QRectF &after)
{
    // One repaint for where the line was and where it is: a ray moves a little.
    const QRectF both = before.isNull() ? after : after.isNull() ? before : before.united(after);
    if (!both.isNull())
        update(both.toAlignedRect());
}

void Surface::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.fillRect(event->rect(), back_);
    const QRect client = clientArea();
    p.save();
    p.setClipRect(client);
    picture_.paint(p, client.topLeft());
    paintDrawing(p, event->rect());
    for (const auto &line : lines_) {
        if (!line->isVisible())
            continue;
        const QPointF a = toPixel(line->X1(), line->Y1());
        const QPointF b = toPixel(line->X2(), line->Y2());
        if (a == b || !drawable({a.x(), a.y(), b.x(), b.y()}))  // a line object with one point shows nothing
            continue;
        p.setPen(QPen(line->color(), line->width(), Qt::SolidLine, Qt::SquareCap));
        p.drawLine(a, b);
    }
    p.restore();
    paintBorder(p);
}

void ClickGesture::press(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

bool ClickGesture::release(QMouseEvent *event, const QRect &area)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && area.contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    return click;
}

void Surface::mousePressEvent(QMouseEvent *event) { gesture_.press(event); }

void Surface::mouseReleaseEvent(QMouseEvent *event)
{
    if (gesture_.release(event, rect()))
        emit clicked();
}

} // namespace forms
