#include "picturebox.h"

#include "controls.h"
#include "edges.h"
#include "events.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace forms {

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

int PictureBox::borderLines() const
{
    return border_ == Border::Sunken ? 2 : border_ == Border::Flat ? 1 : 0;
}

QRect PictureBox::clientArea() const
{
    const int b = borderLines();
    return Surface::clientArea().adjusted(b, b, -b, -b);
}

void PictureBox::setHeightTwips(int twips)
{
    QRect layout = layoutOf(*this);
    layout.setHeight(toPixels(twips));
    setLayoutRect(*this, layout);
    regrid();
    resize(width(), grid().logical(grid().area()).height());
}

// User coordinates to pixels: the factors are worked out once for each size,
// zoom and scale, as every line end and line object passes here.
QPointF PictureBox::toPixel(double x, double y) const
{
    if (!layout_.valid) {
        const QRect client = clientArea();
        const bool twips = scaleWidth_ == 0 || scaleHeight_ == 0;
        layout_ = {true, double(client.x()), double(client.y()), twips ? 0.0 : scaleLeft_, twips ? 0.0 : scaleTop_,
                   twips ? 1.0 / TwipsPerPixel : client.width() / double(scaleWidth_),
                   twips ? 1.0 / TwipsPerPixel : client.height() / double(scaleHeight_)};
    }
    return QPointF(layout_.x + (x - layout_.left) * layout_.kx, layout_.y + (y - layout_.top) * layout_.ky);
}

QPointF PictureBox::toUser(QPointF pixel) const
{
    toPixel(0, 0);  // works the factors out for this size and scale
    return {layout_.left + (pixel.x() - layout_.x) / layout_.kx, layout_.top + (pixel.y() - layout_.y) / layout_.ky};
}

// In device pixels of the raster, whose top-left is the client area's.
QPointF PictureBox::toDevice(double x, double y) const
{
    if (!device_.valid) {
        const QRect client = clientDevice(grid());
        const QRect layout = clientArea();
        const bool twips = scaleWidth_ == 0 || scaleHeight_ == 0;
        device_ = {true, 0, 0, twips ? 0.0 : scaleLeft_, twips ? 0.0 : scaleTop_,
                   client.width() / (twips ? layout.width() * double(TwipsPerPixel) : scaleWidth_),
                   client.height() / (twips ? layout.height() * double(TwipsPerPixel) : scaleHeight_)};
    }
    return QPointF((x - device_.left) * device_.kx, (y - device_.top) * device_.ky);
}

QPointF PictureBox::lineEnd(const DeviceGrid &grid, double x, double y) const
{
    return toDevice(x, y) + clientDevice(grid).topLeft();
}

void PictureBox::paintLine(QPainter &painter, const DeviceGrid &grid, const LineObject &line) const
{
    const QPointF a = lineEnd(grid, line.X1(), line.Y1()), b = lineEnd(grid, line.X2(), line.Y2());
    if (a == b || !drawable({a.x(), a.y(), b.x(), b.y()}))  // a line object with one point shows nothing
        return;
    painter.setPen(QPen(line.color(), grid.width(line.width()), Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(a, b);
}

void PictureBox::regrid()
{
    layout_.valid = device_.valid = false;
    Surface::regrid();
    const QRect client = clientDevice(grid());
    if (client.size() != raster_.size() || grid().scale() != scale_) {
        // Drawn anew at the new resolution from what was drawn since the last
        // Cls, never an enlarged bitmap.
        endPainting();
        device_.valid = false;
        raster_ = QImage();
        if (!drawing_.calls().empty())
            for (const DrawCall &call : std::vector(drawing_.calls()))
                render(call);
        endPainting();
    }
}

Color PictureBox::fore() const { return toColor(foreColor); }

QImage &PictureBox::raster()
{
    if (raster_.isNull()) {
        endPainting();
        raster_ = QImage(clientDevice(grid()).size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        raster_.fill(backColor());
        scale_ = grid().scale();
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

// After a drawing call: repaint what changed; outside an event (tests, tools)
// each call is complete in itself.
void PictureBox::drawn(const QRectF &rasterRect)
{
    if (!handlerRunning())
        endPainting();
    if (isVisible())
        update(grid().logical(rasterRect.translated(clientDevice(grid()).topLeft()).adjusted(-2, -2, 2, 2)));
}

// A call as the program makes it: kept, for tests and for drawing anew, and
// drawn. A segment of one point shows nothing at any resolution.
void PictureBox::draw(const DrawCall &call)
{
    if (recording_)
        log_.push_back(call);
    if (call.op == DrawCall::Op::Cls)
        drawing_.clear();
    else if (call.op != DrawCall::Op::Line || call.x1 != call.x2 || call.y1 != call.y2)
        drawing_.add(call);
    render(call);
}

void PictureBox::Scale(float x1, float y1, float x2, float y2) { draw({DrawCall::Op::Scale, x1, y1, x2, y2}); }

void PictureBox::Line(float x1, float y1, float x2, float y2, Color color)
{
    draw({DrawCall::Op::Line, x1, y1, x2, y2, color, DrawStyle});
}

void PictureBox::Circle(float x, float y, float r, Color color)
{
    draw({DrawCall::Op::Circle, x, y, r, 0, color, DrawStyle});
}

void PictureBox::Cls()
{
    draw({DrawCall::Op::Cls});
    printed_.clear();
    CurrentX = CurrentY = 0;
}

QFont PictureBox::printFont(bool italic) const
{
    QFont font = font_;
    font.setItalic(italic);
    // Aliased like the lines, so a text printed again on itself (a timer at
    // angle 0 does so every tick) does not grow bolder.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QRect PictureBox::inkOf(const QString &text, float x, float y) const
{
    const QFontMetricsF metrics(printFont(FontItalic));
    const QPointF topLeft = toPixel(x, y) - clientArea().topLeft();
    if (!drawable({topLeft.x(), topLeft.y()}))
        return {};
    const QRectF glyphs = metrics.tightBoundingRect(text).translated(topLeft + QPointF(0, metrics.ascent()));
    return glyphs.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void PictureBox::Print(const QString &text)
{
    draw({DrawCall::Op::Print, CurrentX, CurrentY, 0, 0, fore(), LineStyle::Solid, text, FontItalic});
    const QPointF topLeft = toPixel(CurrentX, CurrentY) - clientArea().topLeft();
    if (drawable({topLeft.x(), topLeft.y()})) {
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
    CurrentY = float(CurrentY + QFontMetricsF(printFont(FontItalic)).height() * unitsPerPixel);
}

// A call drawn into the raster, in its device pixels. Lines are aliased and a
// whole number of device pixels wide, the same at every zoom: drawn again on
// itself a segment is the same pixels, and the joints of a traced mark show
// no darker beads. Dots keep flat ends, so each dot and each gap is a whole
// number of pixels long.
void PictureBox::render(const DrawCall &call)
{
    const int width = grid().width();
    const QColor colour = toQColor(call.color);
    switch (call.op) {
    case DrawCall::Op::Scale: {
        const float w = call.x2 - call.x1, h = call.y2 - call.y1;
        if (!std::isfinite(call.x1 + call.y1 + w + h) || w == 0 || h == 0)
            return;
        scaleLeft_ = call.x1, scaleTop_ = call.y1, scaleWidth_ = w, scaleHeight_ = h;
        layout_.valid = device_.valid = false;
        update();  // line objects move with the scale
        return;
    }
    case DrawCall::Op::Cls:
        painter().fillRect(raster().rect(), backColor());
        drawn(raster().rect());
        return;
    case DrawCall::Op::Line: {
        const QPointF a = toDevice(call.x1, call.y1), b = toDevice(call.x2, call.y2);
        if (a == b || !drawable({a.x(), a.y(), b.x(), b.y()}))
            return;
        const QRectF bounds = QRectF(a, b).normalized();
        if (call.style == LineStyle::Solid && (a.x() == b.x() || a.y() == b.y())) {
            // Along an axis a solid line is a filled rectangle as wide as the
            // pen, reaching half of it past each end: the stroker's very
            // pixels, far cheaper.
            painter().fillRect(bounds.adjusted(-width / 2.0, -width / 2.0, width / 2.0, width / 2.0), colour);
        } else {
            const bool dotted = call.style == LineStyle::Dotted;
            painter().setPen(
                QPen(colour, width, dotted ? Qt::DotLine : Qt::SolidLine, dotted ? Qt::FlatCap : Qt::SquareCap));
            painter().drawLine(a, b);
        }
        drawn(bounds.adjusted(-width, -width, width, width));
        return;
    }
    case DrawCall::Op::Circle: {
        const QPointF centre = toDevice(call.x1, call.y1);
        const double radius = std::fabs(call.x2 * device_.kx);
        if (!drawable({centre.x(), centre.y(), radius}))
            return;
        QPainter &p = painter();
        const bool dotted = call.style == LineStyle::Dotted;
        p.setPen(QPen(colour, width, dotted ? Qt::DotLine : Qt::SolidLine, dotted ? Qt::FlatCap : Qt::SquareCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, radius, radius);
        drawn(QRectF(centre - QPointF(radius, radius), centre + QPointF(radius, radius))
                  .adjusted(-width, -width, width, width));
        return;
    }
    case DrawCall::Op::Print: {
        // In layout pixels under the zoom, as a screen of that ratio draws text.
        const double scale = grid().scale();
        const QPointF topLeft = toDevice(call.x1, call.y1) / scale;
        if (!drawable({topLeft.x(), topLeft.y()}))
            return;
        const QFont font = printFont(call.italic);
        const QFontMetricsF metrics(font);
        QPainter &p = painter();
        p.save();
        p.scale(scale, scale);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(topLeft + QPointF(0, metrics.ascent()), call.text);
        p.restore();
        drawn(QRectF(topLeft * scale, QSizeF(metrics.horizontalAdvance(call.text), metrics.height()) * scale));
        return;
    }
    }
}

void PictureBox::paintDrawing(QPainter &painter, const QRect &client)
{
    endPainting();  // a repaint inside an event (under a message box) shows all drawn so far
    if (!raster_.isNull())
        painter.drawImage(client.topLeft(), raster_);
}

void PictureBox::paintBorder(QPainter &painter, const DeviceGrid &grid)
{
    const QRect area = grid.area();
    const int w = grid.width();
    // Only a box that answers keys shows where the keyboard is.
    if (hasFocus() && (property("formsClickable").toBool() || !choices().isEmpty()))
        focusMark(painter, clientDevice(grid), w, palette().color(QPalette::Highlight));
    if (border_ == Border::Flat)
        outline(painter, area, w, palette().color(QPalette::Dark));
    if (border_ == Border::Sunken) {
        // A classic sunken 3D edge: shadow outside top-left, light outside bottom-right.
        bevel(painter, area, w, palette().color(QPalette::Mid), palette().color(QPalette::Light));
        bevel(painter, area.adjusted(w, w, -w, -w), w, palette().color(QPalette::Shadow),
              palette().color(QPalette::Midlight));
    }
}

} // namespace forms
