// The rotation scheme: every 20 ms a ray turns 0.1 radian towards its angle
// and leaves a mark behind it, an arc up to one turn, a widening spiral beyond.
// P, Q and figure 3 run the same scheme with their own look; their finishes
// differ and follow below.
#include "form1.h"

#include "forms/numbers.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace unitrix {

using forms::Format;
using forms::Val;

namespace {

const double ArrowFrom = 62.8318 / 180;  // the arc's arrowhead shows beyond 20°
const double BarbHalfWidth = 0.06;       // of the spiral's arrowhead

// Slope of the spiral's tangent at t, and the factor that makes (m, -1) a unit
// vector. Where the divisor is exactly 0 the tangent is vertical; a very steep
// finite slope stands in, so the arrowhead stays finite.
struct Slope {
    double m, k;
};

Slope slopeAt(double t)
{
    double m = (std::sin(t) + t * std::cos(t)) / (std::cos(t) - t * std::sin(t));
    if (!std::isfinite(m))
        m = std::copysign(1e150, m);
    return {m, std::sqrt(1 / (1 + m * m))};
}

// The read-out of a tangent as the quotient of the rounded read-outs; none
// where the cosine read-out is 0.
std::optional<QString> tangentOf(const QLabel &sine, const QLabel &cosine)
{
    const double c = Val(cosine.text());
    if (c == 0)
        return std::nullopt;
    return Format(Val(sine.text()) / c);
}


// Moves of a text by whole pixels up to 48 away, the shortest first; of two
// as short, the one that keeps it nearer its column, then the upper.
const std::vector<QPoint> &nearestMoves()
{
    static const std::vector<QPoint> moves = [] {
        std::vector<QPoint> all;
        for (int dy = -48; dy <= 48; ++dy)
            for (int dx = -48; dx <= 48; ++dx)
                if (dx * dx + dy * dy <= 48 * 48 && (dx || dy))
                    all.emplace_back(dx, dy);
        std::ranges::sort(all, [](QPoint a, QPoint b) {
            return std::tuple(QPoint::dotProduct(a, a), std::abs(a.x()), a.y(), a.x()) < std::tuple(QPoint::dotProduct(b, b), std::abs(b.x()), b.y(), b.x());
        });
        return all;
    }();
    return moves;
}

// Q's coordinates as the chosen formula writes them; none before a choice.
QString coordinatesOfQ(short formulaType)
{
    switch (formulaType) {
    case 1: return QStringLiteral("Q(-cosa,-sina)");
    case 2: return QStringLiteral("Q(-cosa,sina)");
    case 3: return QStringLiteral("Q(cosa,-sina)");
    default: return {};
    }
}

} // namespace

// One tick: steps the ray and traces one piece of the mark. Tells whether the
// ray has arrived, and by which step.
std::optional<Turn> Form1::turn(Figure &f)
{
    const double deg = f.targetDeg;
    const double a = deg * (3.14159 / 180);
    const double t = f.RayAngle;
    const Look &look = f.look;

    f.button.setEnabled(false);
    f.ray.place(0, 0, 1.9 * std::cos(t), 1.9 * std::sin(t));
    f.PrevRayAngle = t;
    const auto [m, k] = slopeAt(t);

    // A small angle shows its ray at the angle at once, and leaves no mark.
    if ((0 < deg && deg <= 6) || (-6 <= deg && deg < 0)) {
        f.ray.setX2(1.9 * std::cos(a));
        f.ray.setY2(1.9 * std::sin(a));
    }

    auto advanceMark = [&](double radius) {
        f.PrevArcX = f.ArcX;
        f.PrevArcY = f.ArcY;
        f.ArcX = radius * std::cos(t);
        f.ArcY = radius * std::sin(t);
    };
    // The arc's arrowhead reaches back half a radian, just outside and inside it.
    auto arcArrow = [&](double u) {
        f.stroke1.place(f.ArcX, f.ArcY, look.strokeOuter * std::cos(u), look.strokeOuter * std::sin(u));
        f.stroke2.place(f.ArcX, f.ArcY, look.strokeInner * std::cos(u), look.strokeInner * std::sin(u));
    };
    // The spiral's reaches back to the previous mark point, across the tangent.
    auto spiralArrow = [&] {
        const double b = BarbHalfWidth;
        f.stroke1.place(f.ArcX, f.ArcY, f.PrevArcX + b * m * k, f.PrevArcY - b * k);
        f.stroke2.place(f.ArcX, f.ArcY, f.PrevArcX - b * m * k, f.PrevArcY + b * k);
    };

    const double turns = std::fabs(deg);
    if (6 < turns && turns <= 360) {
        advanceMark(look.arcRadius);
        if (t > ArrowFrom)
            arcArrow(t - 0.5);
        if (t < -ArrowFrom)
            arcArrow(t + 0.5);
    } else if (360 < turns && turns < 1080) {
        advanceMark((std::fabs(t) + 4) * look.spiralFactor);
        if (std::fabs(t) > 3.14159 / 2)
            spiralArrow();
    } else if (1080 <= turns && turns <= 1800) {
        advanceMark((std::fabs(t) + 6) * look.spiralFactor);
        if (std::fabs(t) > 3.14159)
            spiralArrow();
    }

    Picture1.Line(f.ArcX, f.ArcY, f.PrevArcX, f.PrevArcY, look.mark);
    if (look.baseLine)
        Picture1.Line(0, 0, 1, 0, 0);

    // The step that would land short of the angle by less than a step lands on
    // it, so the next tick draws the ray there and finishes.
    std::optional<Turn> arrived;
    if (a > 0) {
        f.RayAngle = f.RayAngle + 0.1;
        const double g = a - f.RayAngle;
        if (g <= 0)
            arrived = Turn::Forward;
        else if (g < 0.1)
            f.RayAngle = f.RayAngle + g;
    }
    if (a < 0) {
        f.RayAngle = f.RayAngle - 0.1;
        const double g = f.RayAngle - a;
        if (g <= 0)
            arrived = Turn::Backward;
        else if (g < 0.1)
            f.RayAngle = f.RayAngle - g;
    }
    return arrived;
}

// The start of every finish: the ray stands at its angle, exactly on the axis
// when the angle is a multiple of 90 (the mark point tells which half), and
// the run's motion starts afresh.
void Form1::land(Figure &f)
{
    const double a = f.targetDeg * (3.14159 / 180);
    f.ray.place(0, 0, 1.9 * std::cos(a), 1.9 * std::sin(a));
    if (f.axisCase == 1 && f.ArcX > 0)
        f.ray.place(0, 0, 1.9, 0);
    if (f.axisCase == 1 && f.ArcX < 0)
        f.ray.place(0, 0, -1.9, 0);
    if (f.axisCase == 2 && f.ArcY > 0)
        f.ray.place(0, 0, 0, 1.9);
    if (f.axisCase == 2 && f.ArcY < 0)
        f.ray.place(0, 0, 0, -1.9);
    f.rest();
    f.timer.setEnabled(false);
}

void Form1::Timer1_Timer()
{
    if (turn(P))
        finishP();
}

void Form1::Timer2_Timer()
{
    if (const auto arrived = turn(Q))
        finishQ(*arrived);
    // OQ at 0° (180°−α with α = 180, 180°+α with α = −180) does not turn, and
    // Q is shown on every tick.
    if (Q.targetDeg == 0 && (FormulaType == 1 || FormulaType == 2)) {
        Label12.setText(Format(std::sin(0.0)));
        Label13.setText(Format(std::cos(0.0)));
        Label14.setText(Format(std::tan(0.0)));
        printCoordinates(coordinatesOfQ(FormulaType), 1.5, 0.2);
    }
}

// A coordinate text stands whole inside the canvas, 3 pixels clear of its
// edges: where its place would cut it, it moves sideways just enough. Where it
// would then cover another text (the other point's, a tick, an axis letter),
// it moves the least distance that leaves 2 pixels clear, but no further than
// a text's length from its point: the texts on the canvas never move.
void Form1::printCoordinates(const QString &text, double x, double y)
{
    const QRect inside = Picture1.clientArea().translated(-Picture1.clientArea().topLeft()).adjusted(3, 3, -3, -3);
    QRect ink = Picture1.inkOf(text, float(x), float(y));
    const int cut = std::max(inside.left() - ink.left(), 0) + std::min(inside.right() - ink.right(), 0);
    auto free = [&](const QRect &place) {
        return inside.contains(place) && std::ranges::none_of(Picture1.printed(), [&](const forms::PictureBox::Printed &other) {
                   return other.text != text && place.adjusted(-2, -2, 2, 2).intersects(other.ink);
               });
    };
    QPoint move(cut, 0);
    if (!free(ink.translated(move))) {
        const auto nearest = std::ranges::find_if(nearestMoves(), [&](QPoint by) { return free(ink.translated(move + by)); });
        move += nearest != nearestMoves().end() ? *nearest : QPoint();
    }
    const QPointF place = Picture1.toUser(Picture1.toPixel(x, y) + move);
    Picture1.CurrentX = float(place.x());
    Picture1.CurrentY = float(place.y());
    Picture1.Print(text);
}

void Form1::Timer3_Timer()
{
    if (turn(Third))
        land(Third);
}

// P is marked with its projections and read-outs, and the angle of OQ goes
// over to figure 2.
void Form1::finishP()
{
    const double alpha = P.targetDeg;
    const double a = alpha * (3.14159 / 180);
    land(P);

    Picture1.DrawStyle = 2;
    const double x = 1.7 * P.cosine, y = 1.7 * P.sine;
    Picture1.Line(x, y, 0, y);
    Picture1.Line(x, y, x, 0);
    Picture1.Circle(x, y, 0.02, 255);
    printCoordinates(QStringLiteral("P(cosa,sina)"), 1.5 * P.cosine, y);

    Label4.setText(Format(std::sin(a)));
    Label6.setText(Format(std::cos(a)));
    static const double undefinedAt[] = {90, 270, 450, 630, 810, 990};
    const bool listed = std::ranges::find(undefinedAt, std::fabs(alpha)) != std::end(undefinedAt);
    const auto tangent = tangentOf(Label4, Label6);
    if (listed || !tangent) {
        Label8.setText(tr("不存在"));
        QFlag = 1;
    } else {
        Label8.setText(*tangent);
        QFlag = 0;
    }

    switch (FormulaType) {
    case 1: BetaDeg = 180 + alpha; break;
    case 2: BetaDeg = 180 - alpha; break;
    case 3: BetaDeg = -alpha; break;
    default: break;
    }
    Text2.setText(BetaDeg ? forms::DecimalText(*BetaDeg) : QString());
    Command4_Click();
}

// Q is marked with the coordinates the chosen formula gives it, and the values
// of the angle of OQ are read out.
void Form1::finishQ(Turn direction)
{
    land(Q);

    const double x = 1.7 * Q.cosine, y = 1.7 * Q.sine;
    Picture1.Line(x, y, 0, y);
    Picture1.Line(x, y, x, 0);
    Picture1.Circle(x, y, 0.03, 255);
    if (const QString text = coordinatesOfQ(FormulaType); !text.isEmpty())
        printCoordinates(text, direction == Turn::Forward ? 1.8 * Q.cosine - 0.5 : 1.8 * Q.cosine, y);

    const double w = (Q.targetDeg * 3.14159) / 180;
    Label12.setText(Format(std::sin(w)));
    Label13.setText(Format(std::cos(w)));
    const auto tangent = tangentOf(Label12, Label13);
    Label14.setText(QFlag == 1 || !tangent ? tr("不存在") : *tangent);
}

} // namespace unitrix
