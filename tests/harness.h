// Driving a window headless: the message box recorded instead of shown, timers
// fired tick by tick, and a turning ray's run held to the lesson's rules.
#pragma once

#include "forms/events.h"
#include "forms/form.h"
#include "forms/msgbox.h"
#include "lesson/turning.h"

#include <QApplication>
#include <QBitmap>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace testing_support {

// Each box as "title: prompt (style)".
struct MessageBoxes {
    QStringList shown;
    MessageBoxes()
    {
        forms::setMsgBoxHook([this](const QString &prompt, forms::MsgBoxStyle style, const QString &title) {
            shown << QString("%1: %2 (%3)").arg(title, prompt).arg(int(style));
        });
    }
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

// Keys pressed in turn where the focus is; Backtab comes with Shift, as from a keyboard.
inline void keys(std::initializer_list<Qt::Key> sequence)
{
    for (Qt::Key key : sequence)
        QTest::keyClick(QApplication::focusWidget(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
}

inline QString num(double v) { return QString::number(std::fabs(v) < 1e-9 ? 0.0 : v, 'g', 4); }
inline QString pt(double x, double y) { return num(x) + ',' + num(y); }
inline QString ends(const forms::LineObject &l) { return pt(l.X1(), l.Y1()) + ' ' + pt(l.X2(), l.Y2()) + "; "; }

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
    bool axisDrawn;                   // the x-axis from O drawn again after each piece
};
//                                 colour           arc  outer inner back spiral barb  from small
inline const Bands FigureP{qRgb(0, 0, 0),     0.1, 0.15, 0.05, 0.5, 0.02,  0.06, 6, 6, 6, false};
inline const Bands FigureQ{qRgb(0, 255, 0),   0.2, 0.25, 0.15, 0.5, 0.04,  0.06, 6, 6, 6, true};
inline const Bands FigureThird{qRgb(0, 0, 255), 0.3, 0.35, 0.25, 0.5, 0.05, 0.06, 6, 6, 6, true};
inline const Bands RowAlpha{qRgb(0, 0, 0),    0.2, 0.24, 0.16, 0.4, 0.048, 0.04, 6, 6, 6, false};
inline const Bands RowBeta{qRgb(0, 255, 0),   0.3, 0.34, 0.26, 0.4, 0.05,  0.04, 3, 3, 3, true};
inline const Bands RowGamma{qRgb(0, 0, 255),  0.4, 0.44, 0.36, 0.4, 0.052, 0.04, 3, 6, 3, true};

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
        a.canvas.setRecording(true), a.canvas.clearRecorded(), a.timer.tick();
        const auto &calls = a.canvas.recorded();
        auto line = [](const forms::LineObject &l) { return QLineF(l.X1(), l.Y1(), l.X2(), l.Y2()); };
        auto drawn = [&](size_t i) {
            return calls.size() > i ? QLineF(calls[i].x1, calls[i].y1, calls[i].x2, calls[i].y2) : QLineF();
        };
        return Seen{drawn(0), calls.empty() ? 0 : forms::toQColor(calls[0].color).rgb(), drawn(1) == QLineF(0, 0, 1, 0),
                    line(a.stroke1), line(a.stroke2), line(a.ray), a.timer.isEnabled(), !a.button.isEnabled()};
    };
}

// A tick of the core's turning ray alone, with no window.
inline auto inCore(lesson::TurningRay &ray)
{
    return [&ray, strokes = std::array<QLineF, 2>{}]() mutable {
        const lesson::Tick tick = ray.tick();
        if (tick.arrowhead)
            for (int i : {0, 1})
                strokes[i] = QLineF((*tick.arrowhead)[i].from, (*tick.arrowhead)[i].to);
        return Seen{QLineF(tick.piece.from, tick.piece.to), ray.figure().mark.rgb(),
                    ray.figure().axis != lesson::AxisOver::None, strokes[0], strokes[1],
                    QLineF({}, tick.arrived ? tick.landed : tick.ray), !tick.arrived};
    };
}

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
    auto near = [](QPointF p, QPointF q) { return QLineF(p, q).length() < 2e-5; };
    auto at = [](double r, double t) { return QPointF(r * std::cos(t), r * std::sin(t)); };
    double t = 0;
    QPointF mark;
    for (int n = 1; n <= 400; ++n) {
        const Seen seen = tick();
        auto broken = [&](const char *rule) {
            return QString("%1 deg, tick %2 at t = %3: %4; ").arg(deg).arg(n).arg(t).arg(rule);
        };
        const QPointF last = mark;
        if (!near(seen.piece.p2(), mark)) return broken("the piece does not start where the last ended");
        mark = grows ? at(grows < 0 ? b.arc : (std::fabs(t) + grows) * b.spiral, t) : mark;
        if (!near(seen.piece.p1(), mark) || seen.colour != b.colour) return broken("the mark point is off its band");
        if (seen.axis != b.axisDrawn || !seen.disabled)
            return broken("the x-axis is not drawn again, or the button is enabled");
        const QLineF &s1 = seen.stroke1, &s2 = seen.stroke2;
        if (grows && std::fabs(t) > shows) {
            const double u = t - turn * b.back;
            const bool back = grows < 0 ? near(s1.p2(), at(b.outer, u)) && near(s2.p2(), at(b.inner, u))
                                        : near((s1.p2() + s2.p2()) / 2, last)
                                              && std::fabs(QLineF(s1.p2(), s2.p2()).length() - 2 * b.barb) < 2e-5;
            if (!near(s1.p1(), mark) || !near(s2.p1(), mark) || !back)
                return broken("the arrowhead is not on the tip, pointing back");
        } else if (s1 != QLineF() || s2 != QLineF()) {
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
    return QString("%1 deg: no end; ").arg(deg);
}

// A widget as the screen shows it once pending paints are done, repainted or
// not: grab() would paint it afresh and hide a missing repaint.
inline QImage onScreen(QWidget &w)
{
    QApplication::processEvents();
    QWidget *top = w.window();
    return top->screen()->grabWindow(top->winId()).toImage().copy(QRect(w.mapTo(top, QPoint()), w.size()));
}

// The pixels of an image that differ from its ground (a bitmap's region leaves
// out the pixels its mask sets).
inline QRegion inkRegion(const QImage &image, QRgb ground) {
    return QRegion(QBitmap::fromImage(image.createMaskFromColor(ground)));
}
// Pixels of a colour (give or take a few levels) in a rectangle of an image.
inline int count(const QImage &image, const QRect &r, QColor c, int levels = 60)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = image.pixelColor(x, y);
            n += std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) + std::abs(p.blue() - c.blue())
                 <= levels;
        }
    return n;
}

} // namespace testing_support
