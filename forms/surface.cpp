#include "surface.h"

#include "description.h"
#include "edges.h"

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

const DeviceGrid &Surface::grid() const
{
    if (!grid_)
        grid_.emplace(*this);
    return *grid_;
}

void Surface::regrid()
{
    grid_.reset();
    // Where the grid does not fill the widget's logical rectangle (a zoom, or
    // a fractional ratio), what lies beneath shows at its rim.
    setAttribute(Qt::WA_OpaquePaintEvent, grid().logical(grid().area()) == rect());
    update();
}

void Surface::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    regrid();
}

void Surface::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    regrid();
}

QRect Surface::clientDevice(const DeviceGrid &grid) const
{
    const int border = borderLines() * grid.width();
    return grid.area().adjusted(border, border, -border, -border);
}

QPointF Surface::toPixel(double x, double y) const
{
    // The centre of the nearest pixel: a line covers the pixels its ends name
    // at any zoom, and one placed just outside a control, which is placed to
    // the nearest pixel too, frames it evenly on every side.
    return {std::round(x / TwipsPerPixel) + 0.5, std::round(y / TwipsPerPixel) + 0.5};
}

QPointF Surface::lineEnd(const DeviceGrid &grid, double x, double y) const
{
    const QPointF pixel = toPixel(x, y);
    return QPointF(grid.device(QRect(pixel.toPoint(), QSize(1, 1))).topLeft()) + QPointF(0.5, 0.5) * grid.width();
}

QRect Surface::deviceBounds(const LineObject &line) const
{
    const QPointF a = lineEnd(grid(), line.X1(), line.Y1()), b = lineEnd(grid(), line.X2(), line.Y2());
    const double pad = grid().width(line.width()) + 1;
    if (!drawable({a.x(), a.y(), b.x(), b.y()}))
        return {};
    return QRectF(a, b).normalized().adjusted(-pad, -pad, pad, pad).toAlignedRect();
}

void Surface::repaintLine(const QRect &before, const QRect &after)
{
    // One repaint for where the line was and where it is: a ray moves a little.
    const QRect both = before.isNull() ? after : after.isNull() ? before : before.united(after);
    if (!both.isNull())
        update(grid().logical(both));
}

// A line of the window lies on whole pixels of its layout, the same width at
// every zoom. Along its length it covers the pixels from the one nearest its
// first end to the one holding its last, so lines that meet at a corner end
// in each other's pixels and none runs past the other.
void Surface::paintLine(QPainter &painter, const DeviceGrid &grid, const LineObject &line) const
{
    const int width = grid.width(line.width());
    const QPointF a = lineEnd(grid, line.X1(), line.Y1()), b = lineEnd(grid, line.X2(), line.Y2());
    if (a == b || !drawable({a.x(), a.y(), b.x(), b.y()}))  // a line object with one point shows nothing
        return;
    if (line.X1() == line.X2() || line.Y1() == line.Y2()) {
        auto span = [](double from, double to) {
            const double lo = std::min(from, to) / TwipsPerPixel, hi = std::max(from, to) / TwipsPerPixel;
            return std::pair(int(std::ceil(lo - 0.5)), int(std::ceil(hi)) - 1);
        };
        const bool across = line.Y1() == line.Y2();
        const auto [first, last] = span(across ? line.X1() : line.Y1(), across ? line.X2() : line.Y2());
        const int at = int(std::round((across ? line.Y1() : line.X1()) / TwipsPerPixel));
        const QRect from = grid.device(across ? QRect(first, at, 1, 1) : QRect(at, first, 1, 1));
        const QRect to = grid.device(across ? QRect(last, at, 1, 1) : QRect(at, last, 1, 1));
        painter.fillRect(QRect(from.topLeft(), to.topLeft() + QPoint(width - 1, width - 1)), line.color());
        return;
    }
    painter.setPen(QPen(line.color(), width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(a, b);
}

void Surface::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const DeviceGrid &g = grid();
    g.begin(p);
    const QRect area = g.area(), client = clientDevice(g);
    p.fillRect(area, back_);
    p.save();
    p.setClipRect(client);
    picture_.paint(p, client.topLeft(), g.scale());
    paintDrawing(p, client);
    for (const auto &line : lines_)
        if (line->isVisible())
            paintLine(p, g, *line);
    p.restore();
    paintBorder(p, g);
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
