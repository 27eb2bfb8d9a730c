#include "picturebox.h"

#include "controls.h"
#include "edges.h"
#include "events.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

namespace forms {

namespace {

} // namespace

namespace {
bool recordingFromStart = false;
std::vector<PictureBox *> painting;  // canvases with a painter open in this event

void endEventPainting()
{
    for (PictureBox *box : painting)
        box->endPaintingNow();
    painting.clear();
}
} // namespace

void PictureBox::recordNewCanvases(bool on) { recordingFromStart = on; }

PictureBox::PictureBox(QWidget *parent, Border border)
    : Surface(parent), border_(border), recording_(recordingFromStart)
{
}

PictureBox::~PictureBox()
{
    std::erase(painting, this);
}

int PictureBox::borderWidth() const
{
    return border_ == Border::Sunken ? 2 : border_ == Border::Flat ? 1 : 0;
}

QRect PictureBox::clientArea() const
{
    const int b = borderWidth();
    return rect().adjusted(b, b, -b, -b);
}

QPointF PictureBox::toPixel(double x, double y) const
{
    // Every line end and line object passes here: the factors are worked out
    // once for each size and scale.
    if (mapping_.size != size()) {
        const QRect client = clientArea();
        const bool twips = scaleWidth_ == 0 || scaleHeight_ == 0;
        mapping_ = {size(), double(client.x()), double(client.y()), twips ? 0.0 : scaleLeft_,
                    twips ? 0.0 : scaleTop_, twips ? 1.0 / TwipsPerPixel : client.width() / double(scaleWidth_),
                    twips ? 1.0 / TwipsPerPixel : client.height() / double(scaleHeight_)};
    }
    return QPointF(mapping_.x + (x - mapping_.left) * mapping_.kx, mapping_.y + (y - mapping_.top) * mapping_.ky);
}

void PictureBox::Scale(float x1, float y1, float x2, float y2)
{
    record({DrawCall::Op::Scale, x1, y1, x2, y2});
    const float w = x2 - x1, h = y2 - y1;
    if (!std::isfinite(x1 + y1 + w + h) || w == 0 || h == 0)
        return;
    scaleLeft_ = x1, scaleTop_ = y1, scaleWidth_ = w, scaleHeight_ = h;
    mapping_.size = QSize();
    update();  // line objects move with the scale
}

Color PictureBox::fore() const { return toColor(foreColor); }

QImage &PictureBox::raster()
{
    const QSize client = clientArea().size().expandedTo(QSize(1, 1));
    if (raster_.isNull() || client != rasterClient_) {
        endPainting();
        // Asked only here: the ratio comes from the screen, a costly question.
        const qreal ratio = devicePixelRatioF();
        QImage fresh(client * ratio, QImage::Format_RGB32);
        fresh.fill(backColor());
        if (!raster_.isNull()) {
            QPainter p(&fresh);
            p.drawImage(0, 0, raster_);
        }
        fresh.setDevicePixelRatio(ratio);
        raster_ = fresh;
        rasterClient_ = client;
    }
    return raster_;
}

QPainter &PictureBox::painter()
{
    if (!painter_.isActive()) {
        painter_.begin(&raster());
        if (handlerRunning()) {
            if (painting.empty())
                whenEventEnds(endEventPainting);
            painting.push_back(this);
        }
    }
    return painter_;
}

void PictureBox::endPainting() const
{
    if (painter_.isActive())
        painter_.end();
}

const QImage &PictureBox::drawing() const
{
    endPainting();
    return raster_;
}

QPen PictureBox::pen(Color color) const
{
    // Aliased and one logical pixel wide: drawn again on itself a segment is the
    // same pixels, and joints of a traced mark show no darker beads. Dots keep
    // flat ends: a square cap would stretch each dot by a pen width, which at a
    // device pixel ratio of 2 turns a dotted line into dashes.
    const Qt::PenStyle style = DrawStyle == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine;
    return QPen(toQColor(color), 1, style, style == Qt::SolidLine ? Qt::SquareCap : Qt::FlatCap);
}

// After a drawing call: repaint what changed; outside an event (tests, tools)
// each call is complete in itself.
void PictureBox::drawn(const QRectF &rasterRect)
{
    if (!handlerRunning())
        endPainting();
    if (isVisible())
        update(rasterRect.translated(clientArea().topLeft()).adjusted(-2, -2, 2, 2).toAlignedRect());
}

void PictureBox::record(DrawCall call)
{
    if (recording_)
        log_.push_back(std::move(call));
}

void PictureBox::line(float x1, float y1, float x2, float y2, Color color)
{
    record({DrawCall::Op::Line, x1, y1, x2, y2, color, DrawStyle});
    const QPointF origin = clientArea().topLeft();
    const QPointF a = toPixel(x1, y1) - origin, b = toPixel(x2, y2) - origin;
    if (a == b || !drawable({a.x(), a.y(), b.x(), b.y()}))
        return;  // a segment of one point shows nothing
    const QRectF bounds = QRectF(a, b).normalized();
    if (DrawStyle == LineStyle::Solid && (a.x() == b.x() || a.y() == b.y())) {
        // Along an axis a solid line is a rectangle one pixel thick, reaching
        // half a pixel past each end: the stroker's very pixels, far cheaper.
        painter().fillRect(bounds.adjusted(-0.5, -0.5, 0.5, 0.5), toQColor(color));
    } else {
        painter().setPen(pen(color));
        painter().drawLine(a, b);
    }
    drawn(bounds);
}

void PictureBox::circle(float x, float y, float r, Color color)
{
    record({DrawCall::Op::Circle, x, y, r, 0, color, DrawStyle});
    const QPointF centre = toPixel(x, y) - clientArea().topLeft();
    const double radius = std::fabs(scaleWidth_ == 0 ? r / TwipsPerPixel : r * clientArea().width() / scaleWidth_);
    if (!drawable({centre.x(), centre.y(), radius}))
        return;
    QPainter &p = painter();
    p.setPen(pen(color));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    drawn(QRectF(centre - QPointF(radius, radius), centre + QPointF(radius, radius)));
}

QFont PictureBox::printFont() const
{
    QFont font = font_;
    font.setItalic(FontItalic);
    // Aliased like the lines, so a text printed again on itself (a timer at
    // angle 0 does so every tick) does not grow bolder.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QRect PictureBox::inkOf(const QString &text, float x, float y) const
{
    const QFontMetricsF metrics(printFont());
    const QPointF topLeft = toPixel(x, y) - clientArea().topLeft();
    if (!drawable({topLeft.x(), topLeft.y()}))
        return {};
    const QRectF glyphs = metrics.tightBoundingRect(text).translated(topLeft + QPointF(0, metrics.ascent()));
    return glyphs.toAlignedRect().adjusted(-1, -1, 1, 1);
}

QPointF PictureBox::toUser(QPointF pixel) const
{
    toPixel(0, 0);  // works the factors out for this size and scale
    return {mapping_.left + (pixel.x() - mapping_.x) / mapping_.kx, mapping_.top + (pixel.y() - mapping_.y) / mapping_.ky};
}

void PictureBox::Print(const QString &text)
{
    record({DrawCall::Op::Print, CurrentX, CurrentY, 0, 0, fore(), LineStyle::Solid, text, FontItalic});
    const QFont font = printFont();
    const QFontMetricsF metrics(font);
    const QPointF topLeft = toPixel(CurrentX, CurrentY) - clientArea().topLeft();
    if (drawable({topLeft.x(), topLeft.y()})) {
        QPainter &p = painter();
        p.setFont(font);
        p.setPen(foreColor);
        p.drawText(topLeft + QPointF(0, metrics.ascent()), text);
        drawn(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(text), metrics.height())));
        const Printed now{text, inkOf(text, CurrentX, CurrentY), FontItalic};
        if (std::ranges::none_of(printed_, [&](const Printed &p) { return p.text == now.text && p.ink == now.ink; })) {
            if (printed_.size() == 64)  // a program that never clears keeps the latest
                printed_.erase(printed_.begin());
            printed_.push_back(now);
        }
    }
    // The next Print starts a new line at the left edge.
    const double unitsPerPixel = scaleHeight_ == 0 ? TwipsPerPixel : scaleHeight_ / clientArea().height();
    CurrentX = scaleWidth_ == 0 ? 0 : scaleLeft_;
    CurrentY = float(CurrentY + metrics.height() * unitsPerPixel);
}

void PictureBox::Cls()
{
    record({DrawCall::Op::Cls});
    printed_.clear();
    QPainter &p = painter();
    p.fillRect(QRect(QPoint(0, 0), rasterClient_), backColor());
    CurrentX = CurrentY = 0;
    drawn(QRectF(QPoint(0, 0), rasterClient_));
}

void PictureBox::paintDrawing(QPainter &painter, const QRect &)
{
    endPainting();  // a repaint inside an event (under a message box) shows all drawn so far
    if (!raster_.isNull())
        painter.drawImage(clientArea().topLeft(), raster_);
}

void PictureBox::paintBorder(QPainter &painter)
{
    // Only a box that answers keys shows where the keyboard is.
    if (hasFocus() && (property("formsClickable").toBool() || !choices().isEmpty()))
        focusMark(painter, clientArea(), palette().color(QPalette::Highlight));
    const QRect r = rect();
    if (border_ == Border::Flat)
        outline(painter, r, palette().color(QPalette::Dark));
    if (border_ == Border::Sunken) {
        // A classic sunken 3D edge: shadow outside top-left, light outside bottom-right.
        bevel(painter, r, palette().color(QPalette::Mid), palette().color(QPalette::Light));
        bevel(painter, r.adjusted(1, 1, -1, -1), palette().color(QPalette::Shadow), palette().color(QPalette::Midlight));
    }
}

} // namespace forms
