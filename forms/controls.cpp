#include "controls.h"

#include "edges.h"
#include "style.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>
#include <cmath>

namespace forms {

Frame::Frame(QWidget *parent, QString caption, QColor captionColor, bool etched)
    : Surface(parent), caption_(std::move(caption)), captionColor_(captionColor), etched_(etched)
{
}

void Frame::paintBorder(QPainter &painter, const DeviceGrid &grid)
{
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect area = grid.area();
    if (etched_) {
        // A groove: a sunken edge outside, a raised one inside, every corner
        // pixel painted.
        const QRect box(QPoint(area.left(), grid.device(QRect(0, top, 1, 1)).top()), area.bottomRight());
        const QColor dark = palette().color(QPalette::Mid), light = palette().color(QPalette::Light);
        const int w = grid.width();
        bevel(painter, box, w, dark, light);
        bevel(painter, box.adjusted(w, w, -w, -w), w, light, dark);
    }
    if (caption_.isEmpty())
        return;
    // The caption in layout pixels, drawn at the zoom as the screen's ratio would draw it.
    painter.save();
    painter.scale(grid.scale(), grid.scale());
    const QRect text(8, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
    painter.fillRect(text, backColor());
    painter.setFont(font());
    painter.setPen(captionColor_);
    painter.drawText(text, Qt::AlignCenter, caption_);
    painter.restore();
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const DeviceGrid grid(*this);
    grid.begin(p);
    if (autoFillBackground())
        p.fillRect(grid.area(), palette().color(QPalette::Window));
    p.scale(grid.scale(), grid.scale());  // text in layout pixels, as the screen's ratio would draw it
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
        line.setLineWidth(layoutOf(*this).width());
        line.setPosition(QPointF(0, y + ascent - line.ascent()));
    }
    layout.endLayout();
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
    const DeviceGrid grid(*this);
    grid.begin(p);
    picture_.paint(p, QPointF(0, 0), grid.scale());
    if (highlighted_)
        focusMark(p, grid.area(), grid.width(), palette().color(QPalette::Highlight));
}

void Image::mousePressEvent(QMouseEvent *event) { gesture_.press(event); }

void Image::mouseReleaseEvent(QMouseEvent *event)
{
    if (gesture_.release(event, rect()))
        emit clicked();
}

void CommandButton::paintEvent(QPaintEvent *event)
{
    const double zoom = zoomOf(*this);
    if (zoom == 1) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter p(this);
    zoomPainter(p, zoom);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(), (QSizeF(size()) / zoom).toSize());
    p.drawControl(QStyle::CE_PushButton, option);
}

PictureButton::PictureButton(QWidget *parent, Picture up, Picture down, Picture disabled)
    : QAbstractButton(parent), up_(std::move(up)), down_(std::move(down)), disabled_(std::move(disabled))
{
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const DeviceGrid grid(*this);
    grid.begin(p);
    const Picture &face = !isEnabled() ? disabled_ : isDown() ? down_ : up_;
    const QSizeF size = QSizeF(face.size()) * grid.scale();
    const QRect area = grid.area();
    face.paint(p, QPointF((area.width() - size.width()) / 2.0, (area.height() - size.height()) / 2.0), grid.scale());
    if (hasFocus()) {
        const int inset = 2 * grid.width();
        focusMark(p, area.adjusted(inset, inset, -inset, -inset), grid.width(), palette().color(QPalette::WindowText));
    }
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
