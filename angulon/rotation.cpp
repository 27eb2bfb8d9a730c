// The rotation scheme: every 20 ms a row's ray turns 0.1 radian towards its
// angle, counter-clockwise for a positive angle, and a mark of the turn is
// traced near O: an arc up to one turn, a widening spiral beyond, with a
// two-stroke arrowhead on its tip. The three rows differ only in their look.
#include "form1.h"

#include <cmath>

namespace angulon {

namespace {

const double ArrowFrom = 62.8318 / 180;  // the arc's arrowhead shows beyond 20°
const double ArrowBack = 0.4;            // radians the arc's strokes reach back
const double BarbHalfWidth = 0.04;       // of the spiral's arrowhead

// Slope of the spiral's tangent at t and the factor that makes (m, -1) a unit
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

} // namespace

void Form1::Timer1_Timer() { tick(Alpha); }
void Form1::Timer2_Timer() { tick(Beta); }
void Form1::Timer3_Timer() { tick(Gamma); }

void Form1::tick(Row &row)
{
    if (turn(row))
        land(row);
    // The first piece of the mark runs along the x-axis from O; draw the axis back.
    if (row.look.axisRepair)
        Picture1.Line(0, 0, 1, 0);
}

// Steps the ray and traces one piece of the mark; tells whether the ray has
// arrived, and by which step.
std::optional<Turn> Form1::turn(Row &row)
{
    const Look &look = row.look;
    const double deg = row.targetDeg;
    const double a = deg * (3.14159 / 180);
    const double t = row.RayAngle;

    row.button.setEnabled(false);
    row.ray.place(0, 0, 1.9 * std::cos(t), 1.9 * std::sin(t));
    row.PrevRayAngle = t;
    const auto [m, k] = slopeAt(t);
    if ((0 < deg && deg <= look.smallUpTo) || (-look.smallDownTo <= deg && deg < 0)) {
        row.ray.setX2(1.9 * std::cos(a));
        row.ray.setY2(1.9 * std::sin(a));
    }

    auto advanceMark = [&](double radius) {
        row.PrevArcX = row.ArcX;
        row.PrevArcY = row.ArcY;
        row.ArcX = radius * std::cos(t);
        row.ArcY = radius * std::sin(t);
    };
    auto arcArrow = [&](double u) {
        row.stroke1.place(row.ArcX, row.ArcY, look.strokeOuter * std::cos(u), look.strokeOuter * std::sin(u));
        row.stroke2.place(row.ArcX, row.ArcY, look.strokeInner * std::cos(u), look.strokeInner * std::sin(u));
    };
    auto spiralArrow = [&] {
        const double b = BarbHalfWidth;
        row.stroke1.place(row.ArcX, row.ArcY, row.PrevArcX + b * m * k, row.PrevArcY - b * k);
        row.stroke2.place(row.ArcX, row.ArcY, row.PrevArcX - b * m * k, row.PrevArcY + b * k);
    };

    const double turns = std::fabs(deg);
    if (look.arcFrom < turns && turns <= 360) {
        advanceMark(look.arcRadius);
        if (t > ArrowFrom)
            arcArrow(t - ArrowBack);
        else if (t < -ArrowFrom)
            arcArrow(t + ArrowBack);
    } else if (360 < turns && turns < 1080) {
        advanceMark((std::fabs(t) + 4) * look.spiralFactor);
        if (std::fabs(t) > 3.14159 / 2)
            spiralArrow();
    } else if (1080 <= turns && turns <= 1800) {
        advanceMark((std::fabs(t) + 6) * look.spiralFactor);
        if (std::fabs(t) > 3.14159)
            spiralArrow();
    }
    Picture1.Line(row.ArcX, row.ArcY, row.PrevArcX, row.PrevArcY, look.mark);

    // The step that would land short of the angle by less than a step lands on
    // it, so the next tick draws the ray there and finishes.
    std::optional<Turn> arrived;
    if (a > 0) {
        row.RayAngle = row.RayAngle + 0.1;
        const double g = a - row.RayAngle;
        if (g <= 0)
            arrived = Turn::Forward;
        else if (g < 0.1)
            row.RayAngle = row.RayAngle + g;
    }
    if (a < 0) {
        row.RayAngle = row.RayAngle - 0.1;
        const double g = row.RayAngle - a;
        if (g <= 0)
            arrived = Turn::Backward;
        else if (g < 0.1)
            row.RayAngle = row.RayAngle - g;
    }
    return arrived;
}

// The ray stands at its angle, exactly on the axis when the angle is a
// multiple of 90 (the mark point tells which half), and the row's motion
// starts afresh.
void Form1::land(Row &row)
{
    const double a = row.targetDeg * (3.14159 / 180);
    row.ray.place(0, 0, 1.9 * std::cos(a), 1.9 * std::sin(a));
    if (row.axisCase == 1 && row.ArcX > 0)
        row.ray.place(0, 0, 1.9, 0);
    if (row.axisCase == 1 && row.ArcX < 0)
        row.ray.place(0, 0, -1.9, 0);
    if (row.axisCase == 2 && row.ArcY > 0)
        row.ray.place(0, 0, 0, 1.9);
    if (row.axisCase == 2 && row.ArcY < 0)
        row.ray.place(0, 0, 0, -1.9);
    row.rest();
    row.timer.setEnabled(false);
}

} // namespace angulon
