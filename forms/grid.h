// Where a control stands at the window's zoom, in whole device pixels.
//
// A window description places controls in twips; at zoom 1 they fall on
// whole pixels of its layout. At a zoom, on a screen of any device pixel
// ratio, every edge of that layout moves to the device pixel nearest to where
// the zoom puts it, so controls that meet at zoom 1 still meet, and every line
// of one layout pixel is the same whole number of device pixels wide.
#pragma once

#include <QPainter>
#include <QRect>

class QWidget;

namespace forms {

// The zoom of the window a widget is in (1 outside a window of ours).
double zoomOf(const QWidget &widget);

// A control's rectangle in layout pixels, from the top-left of the window's
// client area at zoom 1; the window sets it as it builds and places controls.
QRect layoutOf(const QWidget &widget);
void setLayoutRect(QWidget &widget, const QRect &layout);

class DeviceGrid {
public:
    explicit DeviceGrid(const QWidget &widget);

    // Device pixels per layout pixel.
    double scale() const { return scale_; }
    // The width in device pixels of a line of this many layout pixels: whole,
    // at least one, and never wider than the room the zoom gives it.
    int width(int layoutPixels = 1) const;
    // A rectangle in the widget's own layout pixels, in its own device pixels
    // (both start at its top-left).
    QRect device(const QRect &own) const;
    // The widget's own rectangle in its device pixels, and in the window's.
    QRect area() const { return QRect(QPoint(), own_.size()); }
    QRect inWindow() const { return own_; }
    double ratio() const { return ratio_; }
    // From now on the painter takes the widget's device pixels.
    void begin(QPainter &painter) const;
    // The widget's logical pixels that hold a rectangle of its device pixels.
    QRect logical(const QRectF &device) const;

private:
    double ratio_, scale_;
    QPoint page_;  // the layout's top-left in the window's device pixels
    QRect own_;    // the widget's rectangle in the window's device pixels
    QPointF shift_;  // from where Qt puts the widget to where its pixels start
    QPoint layout_;  // the widget's top-left in layout pixels
};

} // namespace forms
