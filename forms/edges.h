// Borders on a control's own outer device pixels, each line the same whole
// number of device pixels wide on every side at any zoom and device pixel
// ratio. The painter takes device pixels (DeviceGrid::begin).
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace forms {

// The top and left lines of box in one colour, the bottom and right in another
// (a raised or sunken 3D edge); box's right() and bottom() are its last pixels.
void bevel(QPainter &painter, const QRect &box, int width, const QColor &topLeft, const QColor &bottomRight);
void outline(QPainter &painter, const QRect &box, int width, const QColor &color);
// The dotted mark of where the keyboard is, on box's outer pixels.
void focusMark(QPainter &painter, const QRect &box, int width, const QColor &color);

} // namespace forms
