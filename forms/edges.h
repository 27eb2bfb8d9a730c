// Borders of one logical pixel on a control's own outer pixels, at any device
// pixel ratio. A 1-px pen on whole coordinates straddles the pixel edge: at a
// ratio of 2 it loses half its width outside the control, so edges are filled.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace forms {

// The top and left lines of box in one colour, the bottom and right in another
// (a raised or sunken 3D edge); box's right() and bottom() are its last pixels.
void bevel(QPainter &painter, const QRect &box, const QColor &topLeft, const QColor &bottomRight);
void outline(QPainter &painter, const QRect &box, const QColor &color);
// The dotted mark of where the keyboard is, on box's outer pixels.
void focusMark(QPainter &painter, const QRect &box, const QColor &color);

} // namespace forms
