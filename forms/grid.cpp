#include "grid.h"

#include <QVariant>
#include <QWidget>
#include <cmath>

namespace forms {

namespace {

int nearest(double v) { return int(std::floor(v + 0.5)); }

// The window's page: where the layout's top-left is, in logical pixels.
QPoint pageOf(const QWidget &widget) { return widget.window()->property("formsPage").toPoint(); }

} // namespace

double zoomOf(const QWidget &widget)
{
    const QVariant zoom = widget.window()->property("formsZoom");
    return zoom.isValid() ? zoom.toDouble() : 1.0;
}

QRect layoutOf(const QWidget &widget)
{
    const QVariant layout = widget.property("formsLayout");
    if (layout.isValid())
        return layout.toRect();
    const double zoom = zoomOf(widget);  // a widget no description placed: where it is
    const QPointF at = QPointF(widget.mapTo(widget.window(), QPoint()) - pageOf(widget)) / zoom;
    return QRect(at.toPoint(), (QSizeF(widget.size()) / zoom).toSize());
}

void setLayoutRect(QWidget &widget, const QRect &layout) { widget.setProperty("formsLayout", layout); }

DeviceGrid::DeviceGrid(const QWidget &widget)
    : ratio_(widget.devicePixelRatioF()), scale_(zoomOf(widget) * ratio_)
{
    const QPointF page = QPointF(pageOf(widget)) * ratio_;
    page_ = QPoint(nearest(page.x()), nearest(page.y()));
    const QRect layout = layoutOf(widget);
    const int left = nearest(layout.x() * scale_), top = nearest(layout.y() * scale_);
    own_ = QRect(page_ + QPoint(left, top), QPoint(page_.x() + nearest((layout.x() + layout.width()) * scale_) - 1,
                                                   page_.y() + nearest((layout.y() + layout.height()) * scale_) - 1));
    shift_ = QPointF(own_.topLeft()) - QPointF(widget.mapTo(widget.window(), QPoint())) * ratio_;
    layout_ = layout.topLeft();
}

int DeviceGrid::width(int layoutPixels) const { return std::max(1, int(std::floor(layoutPixels * scale_ + 1e-9))); }

QRect DeviceGrid::device(const QRect &own) const
{
    const QRect layout = own.translated(layout_);
    const QPoint topLeft(nearest(layout.x() * scale_), nearest(layout.y() * scale_));
    const QPoint end(nearest((layout.x() + layout.width()) * scale_), nearest((layout.y() + layout.height()) * scale_));
    return QRect(topLeft, end - QPoint(1, 1)).translated(page_ - own_.topLeft());
}

void DeviceGrid::begin(QPainter &painter) const
{
    painter.setWorldTransform(QTransform(1 / ratio_, 0, 0, 1 / ratio_, shift_.x() / ratio_, shift_.y() / ratio_));
}

QRect DeviceGrid::logical(const QRectF &device) const
{
    const QRectF r = device.translated(shift_);
    return QRectF(r.topLeft() / ratio_, r.size() / ratio_).toAlignedRect();
}

} // namespace forms
