// Driving a window headless: the message box recorded instead of shown, timers
// fired tick by tick, keys, the canvas's drawing as text, and an animation's
// run told as a pupil sees it.
#pragma once

#include "forms/events.h"
#include "forms/msgbox.h"
#include "forms/form.h"
#include "lesson/turning.h"

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
    MessageBoxes() { forms::setMsgBoxHook([this](const QString &p, forms::MsgBoxStyle style, const QString &t) { shown << QString("%1: %2 (%3)").arg(t, p).arg(int(style)); }); }
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
        out << s + (c.color && c.op != Op::Print ? QStringLiteral(" c%1").arg(c.color) : "") + (c.style == forms::LineStyle::Dotted ? " dotted" : "");
    }
    return out.join("; ");
}

// How a figure's mark grows, as the lesson states it: nothing up to `from`
// degrees, an arc of fixed radius up to one turn, then a spiral of radius
// (|t| + 4) x spiral below three turns and (|t| + 6) x spiral from three on.
// The arrowhead stands on the mark's tip once |t| passes 20 degrees on the
// arc, a quarter turn on the first spiral and a half turn on the second: on
// the arc its strokes reach back `back` radians to radii outer and inner, on
// a spiral to either side of the previous point, `barb` from it.
struct Bands {
    QRgb colour;
    double arc, outer, inner, back, spiral, barb;
    double from, smallUp, smallDown;  // up to these a ray stands at its angle at once
    bool axisDrawn;                   // the x-axis from O drawn again in black after each piece
};

// What one tick of a turning ray showed: the piece of the mark, from its new
// point back to the last, and its colour; whether the x-axis was drawn over
// it; the arrowhead's strokes and the ray as they stand after it; whether the
// run goes on and its button is still disabled.
struct Seen {
    QLineF piece;
    QRgb colour = 0;
    bool axis = false;
    QLineF stroke1, stroke2, ray;
    bool running = true, disabled = true;
};

// A tick of a window's animation, as its canvas and line objects show it.
template <class Animation> auto onWindow(Animation &a)
{
    return [&a] {
        a.canvas.clearRecorded();
        a.timer.tick();
        const auto &calls = a.canvas.recorded();
        auto line = [](const forms::LineObject &l) { return QLineF(l.X1(), l.Y1(), l.X2(), l.Y2()); };
        Seen seen{{}, 0, calls.size() > 1 && text({calls[1]}).startsWith("L 0,0 1,0"), line(a.stroke1), line(a.stroke2), line(a.ray), a.timer.isEnabled(), !a.button.isEnabled()};
        if (!calls.empty() && calls[0].op == forms::DrawCall::Op::Line)
            seen.piece = QLineF(calls[0].x1, calls[0].y1, calls[0].x2, calls[0].y2), seen.colour = forms::toQColor(calls[0].color).rgb();
        return seen;
    };
}

// A tick of the core's turning ray alone, with no window.
inline auto inCore(lesson::TurningRay &ray)
{
    return [&ray, strokes = std::array<QLineF, 2>{}]() mutable {
        const lesson::Tick tick = ray.tick();
        if (tick.arrowhead) for (int i : {0, 1}) strokes[i] = QLineF((*tick.arrowhead)[i].from, (*tick.arrowhead)[i].to);
        return Seen{QLineF(tick.piece.from, tick.piece.to), ray.figure().mark.rgb(), ray.figure().axis != lesson::AxisOver::None,
                    strokes[0], strokes[1], QLineF({}, tick.arrived ? tick.landed : tick.ray), !tick.arrived};
    };
}

// The figures' marks as the lessons draw them: colour; arc, arrowhead ends and reach back; spiral; barb;
// the arc from; small angles either way; the x-axis over each piece.
inline const Bands FigureP{qRgb(0, 0, 0), 0.1, 0.15, 0.05, 0.5, 0.02, 0.06, 6, 6, 6, false};
inline const Bands FigureQ{qRgb(0, 255, 0), 0.2, 0.25, 0.15, 0.5, 0.04, 0.06, 6, 6, 6, true};
inline const Bands FigureThird{qRgb(0, 0, 255), 0.3, 0.35, 0.25, 0.5, 0.05, 0.06, 6, 6, 6, true};
inline const Bands RowAlpha{qRgb(0, 0, 0), 0.2, 0.24, 0.16, 0.4, 0.048, 0.04, 6, 6, 6, false};
inline const Bands RowBeta{qRgb(0, 255, 0), 0.3, 0.34, 0.26, 0.4, 0.05, 0.04, 3, 3, 3, true};
inline const Bands RowGamma{qRgb(0, 0, 255), 0.4, 0.44, 0.36, 0.4, 0.052, 0.04, 3, 6, 3, true};

// Runs a turning ray for deg to its end, tick by tick as its timer would, and
// tells the first rule a tick breaks, or nothing. Each tick turns the ray 0.1
// radian towards deg, landing on it when less than a step is left, and draws
// one piece of the mark from where the last ended to the point its band gives;
// the run ends in the tick whose step reaches deg, with the ray on its angle
// (on the axis for a multiple of 90).
template <class Tick> QString watch(Tick tick, const Bands &b, double deg)
{
    const double target = deg * (3.14159 / 180), size = std::fabs(deg), turn = target < 0 ? -1 : 1;
    const double grows = size <= b.from ? 0 : size <= 360 ? -1 : size < 1080 ? 4 : 6;  // -1: the arc
    const double shows = size <= 360 ? 62.8318 / 180 : size < 1080 ? 3.14159 / 2 : 3.14159;
    const bool small = (deg > 0 && deg <= b.smallUp) || (deg < 0 && deg >= -b.smallDown);
    auto near = [](QPointF p, QPointF q) { return std::hypot(p.x() - q.x(), p.y() - q.y()) < 2e-5; };
    auto at = [](double r, double t) { return QPointF(r * std::cos(t), r * std::sin(t)); };
    double t = 0;
    QPointF mark;
    for (int n = 1; n <= 400; ++n) {
        const Seen seen = tick();
        auto broken = [&](const char *rule) { return QStringLiteral("%1 deg, tick %2 at t = %3: %4; ").arg(deg).arg(n).arg(t).arg(rule); };
        const QPointF last = mark;
        if (!near(seen.piece.p2(), mark)) return broken("the piece does not start where the last ended");
        mark = grows ? at(grows < 0 ? b.arc : (std::fabs(t) + grows) * b.spiral, t) : mark;
        if (!near(seen.piece.p1(), mark) || seen.colour != b.colour) return broken("the mark point is off its band");
        if (seen.axis != b.axisDrawn || !seen.disabled) return broken("the x-axis is not drawn again, or the button is enabled");
        const auto [stroke1, stroke2] = std::pair(seen.stroke1, seen.stroke2);
        if (grows && std::fabs(t) > shows) {
            const double u = t - turn * b.back;
            const bool pointed = grows < 0 ? near(stroke1.p2(), at(b.outer, u)) && near(stroke2.p2(), at(b.inner, u))
                                           : near((stroke1.p2() + stroke2.p2()) / 2, last) && std::fabs(QLineF(stroke1.p2(), stroke2.p2()).length() - 2 * b.barb) < 2e-5;
            if (!near(stroke1.p1(), mark) || !near(stroke2.p1(), mark) || !pointed) return broken("the arrowhead is not on the tip, pointing back");
        } else if (!stroke1.isNull() || !stroke2.isNull() || stroke1.p1() != QPointF() || stroke2.p1() != QPointF()) {
            return broken("the arrowhead shows before its time");
        }
        const double stood = small ? target : t;
        t += turn * 0.1;
        const double gap = turn * (target - t);
        if ((gap <= 0) == seen.running) return broken(gap <= 0 ? "the run goes on" : "the run ends early");
        const QPointF axis = QPointF(std::round(std::cos(target)), std::round(std::sin(target))) * 1.9;
        const QPointF end = gap > 0 ? at(1.9, stood) : std::fmod(deg, 90) == 0 ? axis : at(1.9, target);
        if (!near(seen.ray.p1(), {}) || !near(seen.ray.p2(), end)) return broken("the ray is not on its angle");
        if (gap <= 0) return {};
        t = gap < 0.1 ? t + turn * gap : t;
    }
    return QStringLiteral("%1 deg: no end; ").arg(deg);
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
