// A surface holds controls and line objects and paints, in this order: its
// back colour, its picture, what has been drawn on it (picture boxes only),
// then its visible line objects. The window, frames and picture boxes are
// surfaces; labels and images are child widgets kept below windowed ones.
#pragma once

#include "grid.h"
#include "pictures.h"

#include <QColor>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

namespace forms {

class Surface;

// Coordinates in pixels that may reach the rasterizer: finite and not far
// outside any canvas. A corrupted value is drawn as nothing.
bool drawable(std::initializer_list<double> pixels);

// A click as the controls count it: the left button pressed on the control
// and released over it.
class ClickGesture {
public:
    void press(QMouseEvent *event);
    bool release(QMouseEvent *event, const QRect &area);  // true: a click

private:
    bool pressed_ = false;
};

// A line object: X1..Y2 in its surface's coordinates (user units on a picture
// box, twips on the window), single precision, painted above the drawing, its
// width in layout pixels.
class LineObject {
public:
    LineObject(Surface *owner, QColor color, int width) : owner_(owner), color_(color), width_(width) {}

    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void setX1(float v) { change([&] { x1_ = v; }); }
    void setY1(float v) { change([&] { y1_ = v; }); }
    void setX2(float v) { change([&] { x2_ = v; }); }
    void setY2(float v) { change([&] { y2_ = v; }); }
    // X1, Y1, X2, Y2 in this order.
    void place(float x1, float y1, float x2, float y2)
    {
        change([&] { x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2; });
    }
    void collapse() { place(0, 0, 0, 0); }

    bool isVisible() const { return visible_; }
    void setVisible(bool on) { change([&] { visible_ = on; }); }
    QColor color() const { return color_; }
    int width() const { return width_; }

private:
    template <class Edit> void change(Edit edit);

    Surface *owner_;
    QColor color_;
    int width_;
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    bool visible_ = true;
};

class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget *parent = nullptr);

    QColor backColor() const { return back_; }
    void setBackColor(const QColor &color);
    const Picture &picture() const { return picture_; }
    void setPicture(const Picture &picture);

    LineObject &addLine(QColor color, int width);

    // Where a point of this surface's coordinates lies, in layout pixels of
    // the widget: the centre of a pixel. Plain surfaces count in twips.
    virtual QPointF toPixel(double x, double y) const;
    // The area children and drawing use, inside any border, in layout pixels.
    virtual QRect clientArea() const { return QRect(QPoint(), layoutOf(*this).size()); }

    // Where the surface stands on the device's pixels, worked out again when
    // its place, its window's zoom or the screen changes.
    const DeviceGrid &grid() const;
    virtual void regrid();

    Q_INVOKABLE void click() { emit clicked(); }  // as a mouse click would

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    // All in the widget's device pixels: the drawing in its client area, and
    // the border around it.
    virtual void paintDrawing(QPainter &, const QRect & /*client*/) {}
    virtual void paintBorder(QPainter &, const DeviceGrid &) {}
    // A line object's end in device pixels of the widget, and the line.
    virtual QPointF lineEnd(const DeviceGrid &grid, double x, double y) const;
    virtual void paintLine(QPainter &painter, const DeviceGrid &grid, const LineObject &line) const;
    // How many lines of one layout pixel the border is wide.
    virtual int borderLines() const { return 0; }
    QRect clientDevice(const DeviceGrid &grid) const;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    friend class LineObject;
    QRect deviceBounds(const LineObject &line) const;
    void repaintLine(const QRect &before, const QRect &after);

    QColor back_;
    Picture picture_;
    std::vector<std::unique_ptr<LineObject>> lines_;
    ClickGesture gesture_;
    mutable std::optional<DeviceGrid> grid_;
};

template <class Edit> void LineObject::change(Edit edit)
{
    const LineObject before = *this;
    edit();
    // The animations set every end on every tick, mostly to where it was.
    if (before.x1_ == x1_ && before.y1_ == y1_ && before.x2_ == x2_ && before.y2_ == y2_
        && before.visible_ == visible_)
        return;
    if (!owner_->isVisible())  // nothing on screen to repaint yet
        return;
    owner_->repaintLine(before.visible_ ? owner_->deviceBounds(before) : QRect(),
                        visible_ ? owner_->deviceBounds(*this) : QRect());
}

} // namespace forms
