#include "edges.h"

#include <QPainter>

namespace forms {

void bevel(QPainter &painter, const QRect &box, int width, const QColor &topLeft, const QColor &bottomRight)
{
    painter.fillRect(QRect(box.left(), box.top(), box.width(), width), topLeft);
    painter.fillRect(QRect(box.left(), box.top(), width, box.height()), topLeft);
    painter.fillRect(QRect(box.left(), box.bottom() - width + 1, box.width(), width), bottomRight);
    painter.fillRect(QRect(box.right() - width + 1, box.top(), width, box.height()), bottomRight);
}

void outline(QPainter &painter, const QRect &box, int width, const QColor &color)
{
    bevel(painter, box, width, color, color);
}

void focusMark(QPainter &painter, const QRect &box, int width, const QColor &color)
{
    // Through the middle of its outer pixels, so the dots cover whole pixels.
    painter.save();
    painter.setPen(QPen(color, width, Qt::DotLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(box).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    painter.restore();
}

} // namespace forms
