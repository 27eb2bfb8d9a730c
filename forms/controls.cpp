#include "controls.h"

#include "edges.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace forms {

Frame::Frame(QWidget *parent, QString caption, QColor captionColor, bool etched)
    : Surface(parent), caption_(std::move(caption)), captionColor_(captionColor), etched_(etched)
{
}

void Frame::paintBorder(QPainter &painter)
{
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    if (etched_) {
        // A groove: a sunken edge outside, a raised one inside, every corner
        // pixel painted.
        const QRect box = rect().adjusted(0, top, 0, 0);
        const QColor dark = palette().color(QPalette::Mid), light = palette().color(QPalette::Light);
        bevel(painter, box, dark, light);
        bevel(painter, box.adjusted(1, 1, -1, -1), light, dark);
    }
    if (caption_.isEmpty())
        return;
    const QRect text(8, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
    painter.fillRect(text, backColor());
    painter.setFont(font());
    painter.setPen(captionColor_);
    painter.drawText(text, Qt::AlignCenter, caption_);
}

void Label::paintEvent(QPaintEvent *event)
{
    if (autoFillBackground()) {
        QPainter background(this);
        background.fillRect(event->rect(), palette().color(QPalette::Window));
    }
    const QFontMetricsF metrics(font());
    const qreal em = font().pixelSize() > 0 ? font().pixelSize() : metrics.height();
    const qreal ascent = std::min(metrics.ascent(), std::round(em * 0.86));
    const qreal lineHeight = std::min(metrics.height(), em + 1);

    QTextLayout layout(text(), font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (qreal y = 0;; y += lineHeight) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width());
        line.setPosition(QPointF(0, y + ascent - line.ascent()));
    }
    layout.endLayout();
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    layout.draw(&p, QPointF(0, 0));
}

void Image::setPicture(const Picture &picture)
{
    picture_ = picture;
    if (!picture.title().isEmpty())
        setAccessibleName(picture.title());
    update();
}

void Image::setHighlighted(bool on)
{
    highlighted_ = on;
    update();
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    picture_.paint(p, QPointF(0, 0));
    if (highlighted_)
        focusMark(p, rect(), palette().color(QPalette::Highlight));
}

void Image::mousePressEvent(QMouseEvent *event) { gesture_.press(event); }

void Image::mouseReleaseEvent(QMouseEvent *event)
{
    if (gesture_.release(event, rect()))
        emit clicked();
}

PictureButton::PictureButton(QWidget *parent, Picture up, Picture down, Picture disabled)
    : QAbstractButton(parent), up_(std::move(up)), down_(std::move(down)), disabled_(std::move(disabled))
{
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const Picture &face = !isEnabled() ? disabled_ : isDown() ? down_ : up_;
    const QSize size = face.size();
    face.paint(p, QPointF((width() - size.width()) / 2.0, (height() - size.height()) / 2.0));
    if (hasFocus())
        focusMark(p, rect().adjusted(2, 2, -2, -2), palette().color(QPalette::WindowText));
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Return on a focused button presses it, as on the window's other buttons.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace forms
