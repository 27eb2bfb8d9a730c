// Driving a window headless: the message box recorded instead of shown, timers
// fired tick by tick, keys, the canvas's drawing as text, and an animation's
// run told as a pupil sees it.
#pragma once

#include "forms/events.h"
#include "forms/form.h"

#include <QApplication>
#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>
#include <gtest/gtest.h>

inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace testing_support {

// Canvases record their drawing from the moment they are built while this lives.
struct RecordingFromStart {
    RecordingFromStart() { forms::PictureBox::recordNewCanvases(true); }
    ~RecordingFromStart() { forms::PictureBox::recordNewCanvases(false); }
};

// Each box as "title: prompt (style)".
struct MessageBoxes {
    QStringList shown;
    MessageBoxes() { forms::setMsgBoxHook([this](const QString &p, int style, const QString &t) { shown << QString("%1: %2 (%3)").arg(t, p).arg(style); }); }
    ~MessageBoxes() { forms::setMsgBoxHook({}); }
};
inline const QString RangeMessage = QStringLiteral("提示: 角度超出规定范围，请重新输入。 (48)");

// Ticks until the timer switches itself off: their count, or -1 past limit.
inline int runToEnd(forms::Timer &timer, int limit = 2000)
{
    for (int n = 1; n <= limit; ++n)
        if (timer.tick(), !timer.isEnabled()) return n;
    return -1;
}

// A key pressed and released where the focus is, or on a given widget.
inline void press(int key, const QString &text = {}, Qt::KeyboardModifiers modifiers = {}, QWidget *on = nullptr)
{
    QWidget *to = on ? on : QApplication::focusWidget();  // the release goes where the press went
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, modifiers, text);
        QApplication::sendEvent(to, &event);
    }
}

// Keys pressed in turn where the focus is: a printable key types its character,
// Backtab comes with Shift as from a keyboard.
inline void keys(std::initializer_list<int> sequence)
{
    for (int key : sequence)
        press(key, key >= 0x20 && key < 0x7f ? QString(QChar(key)) : QString(), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
}

// A mouse button pressed (unless only let go) and released at a point of a widget.
inline void click(QWidget &widget, QPoint at, Qt::MouseButton button = Qt::LeftButton, bool press = true)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        if (QMouseEvent event(type, at, widget.mapToGlobal(at), button, button, {}); press || type == QEvent::MouseButtonRelease)
            QApplication::sendEvent(&widget, &event);
}

inline QString num(double v) { return QString::number(std::fabs(v) < 1e-9 ? 0.0 : v, 'g', 4); }
inline QString pt(double x, double y) { return num(x) + ',' + num(y); }
inline QString ends(const forms::LineObject &l) { return pt(l.X1(), l.Y1()) + ' ' + pt(l.X2(), l.Y2()) + "; "; }

// "L x1,y1 x2,y2", "C x,y r", "text at x,y", "S", "Cls", with a colour other
// than black, dotted and italic noted.
inline QString text(const std::vector<forms::DrawCall> &calls)
{
    QStringList out;
    for (const forms::DrawCall &c : calls) {
        using Op = forms::DrawCall::Op;
        QString s = c.op == Op::Cls ? QStringLiteral("Cls")
            : c.op == Op::Print     ? c.text + " at " + pt(c.x1, c.y1) + (c.italic ? " i" : "")
            : c.op == Op::Circle    ? "C " + pt(c.x1, c.y1) + ' ' + num(c.x2)
                                    : (c.op == Op::Scale ? "S " : "L ") + pt(c.x1, c.y1) + ' ' + pt(c.x2, c.y2);
        out << s + (c.color && c.op != Op::Print ? QStringLiteral(" c%1").arg(c.color) : "") + (c.style ? " dotted" : "");
    }
    return out.join("; ");
}

// Runs an animation (a figure or a row) to its end as its timer would. On every
// tick its button stays disabled, its ray stands at the angle reached so far
// (0.1 radian a tick towards deg, or at deg at once when small), the mark grows
// as one trace whose newest point lies in that direction, and a shown
// arrowhead starts at that point. Tells the run: ticks, first and last mark
// point with the mark's look, the tick the arrowhead first shows on and the
// ends of its strokes at last, where the ray ends, and what else a tick draws.
template <class Animation>
QString turn(Animation &a, forms::PictureBox &canvas, double deg, bool small, int limit = 400)
{
    const double target = deg * 3.14159 / 180;
    double t = 0, x = 0, y = 0, x0 = 0, y0 = 0;
    int ticks = 0, arrow = 0;
    QString more, look;
    EXPECT_EQ(ends(a.ray) + (a.ray.isVisible() && a.stroke1.isVisible() && a.stroke2.isVisible() ? "shown" : "hidden"),
              "0,0 1.9,0; shown") << "a run starts on the x-axis, its ray and arrowhead shown";
    while (a.timer.isEnabled() && ticks < limit) {
        canvas.clearRecorded();
        a.timer.tick();
        const auto &calls = canvas.recorded();
        SCOPED_TRACE(QStringLiteral("tick %1: %2").arg(++ticks).arg(text(calls)).toStdString());
        EXPECT_FALSE(a.button.isEnabled());
        if (calls.empty() || calls[0].op != forms::DrawCall::Op::Line) return "no mark piece";
        EXPECT_EQ(pt(calls[0].x2, calls[0].y2), pt(x, y)) << "the mark is one trace";
        x = calls[0].x1, y = calls[0].y1, look = text({calls[0]}).section(' ', 3);
        x0 = ticks == 1 ? x : x0, y0 = ticks == 1 ? y : y0;
        arrow = arrow ? arrow : a.stroke1.X2() != 0 || a.stroke1.Y2() != 0 ? ticks : 0;
        EXPECT_TRUE(!arrow || pt(a.stroke1.X1(), a.stroke1.Y1()) + pt(a.stroke2.X1(), a.stroke2.Y1()) == pt(x, y) + pt(x, y))
            << "the arrowhead's tip";
        if (!a.timer.isEnabled()) break;
        more = ticks == 1 ? text({calls.begin() + 1, calls.end()}) : more;
        const double at = small ? target : t;
        EXPECT_EQ(ends(a.ray), "0,0 " + pt(1.9 * std::cos(at), 1.9 * std::sin(at)) + "; ") << "ray";
        EXPECT_NEAR(x * std::sin(t) - y * std::cos(t), 0, 1e-6) << "mark point off the direction";
        t += target > 0 ? 0.1 : target < 0 ? -0.1 : 0;
        t = std::fabs(target - t) < 0.1 ? target : t;
    }
    const QString s = QStringLiteral("%1 ticks, mark %2 to %3").arg(ticks).arg(pt(x0, y0), pt(x, y) + (look.isEmpty() ? "" : ' ' + look)) +
        (arrow ? QStringLiteral(", arrow %1: %2").arg(arrow).arg(pt(a.stroke1.X2(), a.stroke1.Y2()) + ' ' + pt(a.stroke2.X2(), a.stroke2.Y2())) : "");
    EXPECT_EQ(pt(a.ray.X1(), a.ray.Y1()), "0,0") << "the ray's foot";
    return s + ", ray " + pt(a.ray.X2(), a.ray.Y2()) + (more.isEmpty() ? "" : ", then " + more);
}

// A widget as the screen shows it once pending paints are done, repainted or
// not: grab() would paint it afresh and hide a missing repaint.
inline QImage onScreen(QWidget &w)
{
    QApplication::processEvents();
    QWidget *top = w.window();
    return top->screen()->grabWindow(top->winId()).toImage().copy(QRect(w.mapTo(top, QPoint()), w.size()));
}

// Pixels of a colour (give or take a few levels) in a rectangle of an image.
// The pixels of an image that differ from its ground (a bitmap's region leaves
// out the pixels its mask sets).
inline QRegion inkRegion(const QImage &image, QRgb ground) { return QRegion(QBitmap::fromImage(image.createMaskFromColor(ground))); }
inline int count(const QImage &image, const QRect &r, QColor c, int levels = 60)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            n += std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) + std::abs(p.blue() - c.blue()) <= levels;
        }
    return n;
}

} // namespace testing_support
