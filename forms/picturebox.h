// A picture box: a container, and a canvas addressed in a user coordinate
// scale whose drawing persists in a raster of the device's pixels.
#pragma once

#include "color.h"
#include "description.h"
#include "drawing.h"
#include "surface.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <vector>

namespace forms {

class PictureBox : public Surface {
    Q_OBJECT
public:
    PictureBox(QWidget *parent, Border border);
    ~PictureBox() override;

    // Drawing state, as the programs set it between calls.
    float CurrentX = 0, CurrentY = 0;
    bool FontItalic = false;
    LineStyle DrawStyle = LineStyle::Solid;
    QColor foreColor = Qt::black;
    void setCanvasFont(const QFont &font) { font_ = font; }
    const QFont &canvasFont() const { return font_; }

    // (x1, y1) is the top-left, (x2, y2) the bottom-right of the drawing area.
    void Scale(float x1, float y1, float x2, float y2);
    void Line(float x1, float y1, float x2, float y2) { Line(x1, y1, x2, y2, fore()); }
    void Line(float x1, float y1, float x2, float y2, Color color);
    void Circle(float x, float y, float r) { Circle(x, y, r, fore()); }
    void Circle(float x, float y, float r, Color color);
    void Print(const QString &text);  // top-left at (CurrentX, CurrentY)
    void Cls();

    // Where Print at (x, y) would put the text's ink, in layout pixels of the
    // drawing area: its glyphs' box, a pixel more each way, as the place is
    // rounded to whole pixels when drawn. The same at any zoom.
    QRect inkOf(const QString &text, float x, float y) const;
    // The texts printed since the last Cls with their ink, each place once.
    struct Printed {
        QString text;
        QRect ink;
        bool italic;
    };
    const std::vector<Printed> &printed() const { return printed_; }
    // A point in layout pixels of the widget, and back in user coordinates.
    QPointF toPixel(double x, double y) const override;
    QPointF toUser(QPointF pixel) const;

    void setHeightTwips(int twips);

    // The drawing area in layout pixels, inside the border.
    QRect clientArea() const override;

    void endPaintingNow() const { endPainting(); }  // at the end of an event

    // Tests may read back the calls drawn since they last cleared them.
    void setRecording(bool on) { recording_ = on; }
    // Canvases built from now on record from the start (tests of start-up).
    static void recordNewCanvases(bool on);
    const std::vector<DrawCall> &recorded() const { return log_; }
    void clearRecorded() { log_.clear(); }
    // The persistent picture in device pixels (null until something is drawn).
    const QImage &drawing() const;

protected:
    void paintDrawing(QPainter &painter, const QRect &client) override;
    void paintBorder(QPainter &painter, const DeviceGrid &grid) override;
    QPointF lineEnd(const DeviceGrid &grid, double x, double y) const override;
    int borderLines() const override;
    // Keyboard: Space or Return presses the box, or the picture chosen in it
    // with the arrow keys when it holds clickable pictures (a list).
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintLine(QPainter &painter, const DeviceGrid &grid, const LineObject &line) const override;

public:
    void regrid() override;

private:
    Color fore() const;
    void draw(const DrawCall &call);
    void render(const DrawCall &call);
    QImage &raster();
    QPainter &painter();
    void endPainting() const;
    void drawn(const QRectF &rasterRect);
    QPointF toDevice(double x, double y) const;
    QFont printFont(bool italic) const;
    QList<class Image *> choices() const;
    void highlight(int index);

    Border border_;
    QFont font_;
    float scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 0, scaleHeight_ = 0;  // 0 width: twips
    // User coordinates in layout pixels of the widget (where texts are placed)
    // and in device pixels of the raster (where everything is drawn).
    struct Mapping {
        bool valid = false;
        double x, y, left, top, kx, ky;
    };
    mutable Mapping layout_{}, device_{};
    QImage raster_;
    QRect client_;       // the drawing area in the widget's device pixels
    double scale_ = 0;   // device pixels per layout pixel
    // One painter for all the drawing of one event: opening a painter costs
    // more than a mark piece. Declared after the raster, so it ends first.
    mutable QPainter painter_;
    Drawing drawing_;
    std::vector<Printed> printed_;
    bool recording_ = false;
    std::vector<DrawCall> log_;
    int current_ = -1;  // the picture the arrow keys are on
};

} // namespace forms
