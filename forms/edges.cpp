#include "edges.h"

#include <QPainter>

namespace forms {

void bevel(QPainter &painter, const QRect &box, const QColor &topLeft, const QColor &bottomRight)
{
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), topLeft);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), topLeft);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), bottomRight);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), bottomRight);
}

void outline(QPainter &painter, const QRect &box, const QColor &color) { bevel(painter, box, color, color); }

void focusMark(QPainter &painter, const QRect &box, const QColor &color)
{
    // Through the pixels' centres, so the dots cover whole logical pixels.
    painter.save();
    painter.setPen(QPen(color, 1, Qt::DotLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

} // namespace forms
