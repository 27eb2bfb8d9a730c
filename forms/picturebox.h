// A picture box: a container, and a canvas whose drawing persists in a raster
// at the device pixel ratio, addressed in a user coordinate scale.
#pragma once

#include "color.h"
#include "description.h"
#include "surface.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <vector>

namespace forms {

enum class LineStyle { Solid = 0, Dotted = 2 };

// One drawing call as the program made it, for tests (recording is opt-in).
struct DrawCall {
    enum class Op { Scale, Line, Circle, Print, Cls } op;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Circle: centre and radius in x1, y1, x2
    Color color = 0;
    LineStyle style = LineStyle::Solid;
    QString text;
    bool italic = false;

    bool operator==(const DrawCall &) const = default;
};

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
    void Line(float x1, float y1, float x2, float y2) { line(x1, y1, x2, y2, fore()); }
    void Line(float x1, float y1, float x2, float y2, Color color) { line(x1, y1, x2, y2, color); }
    void Circle(float x, float y, float r) { circle(x, y, r, fore()); }
    void Circle(float x, float y, float r, Color color) { circle(x, y, r, color); }
    void Print(const QString &text);  // top-left at (CurrentX, CurrentY)
    void Cls();

    // Where Print at (x, y) would put the text's ink, in logical pixels of
    // the drawing area: its glyphs' box, a pixel more each way, as the place
    // is rounded to whole pixels when drawn.
    QRect inkOf(const QString &text, float x, float y) const;
    // The texts printed since the last Cls with their ink, each place once.
    struct Printed {
        QString text;
        QRect ink;
        bool italic;
    };
    const std::vector<Printed> &printed() const { return printed_; }
    // A point of the widget in logical pixels, in user coordinates.
    QPointF toUser(QPointF pixel) const;

    void setHeightTwips(int twips) { resize(width(), toPixels(twips)); }

    QPointF toPixel(double x, double y) const override;
    QRect clientArea() const override;

    void endPaintingNow() const { endPainting(); }  // at the end of an event

    void setRecording(bool on) { recording_ = on; }
    // Canvases built from now on record from the start (tests of start-up).
    static void recordNewCanvases(bool on);
    const std::vector<DrawCall> &recorded() const { return log_; }
    void clearRecorded() { log_.clear(); }
    // The persistent picture (null until something is drawn).
    const QImage &drawing() const;

protected:
    void paintDrawing(QPainter &painter, const QRect &dirty) override;
    void paintBorder(QPainter &painter) override;
    // Keyboard: Space or Return presses the box, or the picture chosen in it
    // with the arrow keys when it holds clickable pictures (a list).
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    Color fore() const;
    void line(float x1, float y1, float x2, float y2, Color color);
    void circle(float x, float y, float r, Color color);
    void record(DrawCall call);
    QImage &raster();
    QPainter &painter();
    void endPainting() const;
    void drawn(const QRectF &rasterRect);
    QPen pen(Color color) const;
    int borderWidth() const;
    QFont printFont() const;
    QList<class Image *> choices() const;
    void highlight(int index);

    Border border_;
    QFont font_;
    float scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 0, scaleHeight_ = 0;  // 0 width: twips
    struct Mapping {
        QSize size;  // of the box it was worked out for; invalid: work it out again
        double x, y, left, top, kx, ky;
    };
    mutable Mapping mapping_{};
    QImage raster_;
    QSize rasterClient_;  // the client size the raster was made for
    // One painter for all the drawing of one event: opening a painter costs
    // more than a mark piece. Declared after the raster, so it ends first.
    mutable QPainter painter_;
    std::vector<Printed> printed_;
    bool recording_ = false;
    std::vector<DrawCall> log_;
    int current_ = -1;  // the picture the arrow keys are on
};

} // namespace forms
