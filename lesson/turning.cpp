#include "turning.h"

#include <cmath>

namespace lesson {

namespace {

const double Pi = 3.14159;               // as the lessons write it, in every conversion
const double ArrowFrom = 62.8318 / 180;  // the arc's arrowhead shows beyond 20°
const double RayLength = 1.9;

QPointF polar(double r, double t) { return {r * std::cos(t), r * std::sin(t)}; }

} // namespace

void TurningRay::start(double deg, Axis axis)
{
    targetDeg_ = deg;
    axis_ = axis;
    rest();
}

void TurningRay::rest()
{
    rayAngle_ = 0;
    mark_ = last_ = QPointF();
}

Tick TurningRay::tick()
{
    const Figure &f = *figure_;
    const double deg = targetDeg_, size = std::fabs(deg), a = deg * (Pi / 180), t = rayAngle_;
    Tick now;
    const bool small = (0 < deg && deg <= f.smallUpTo) || (-f.smallDownTo <= deg && deg < 0);
    now.ray = polar(RayLength, small ? a : t);

    auto advance = [&](double radius) { last_ = mark_, mark_ = polar(radius, t); };
    if (f.arcFrom < size && size <= 360) {
        advance(f.arcRadius);
        if (t > ArrowFrom)
            now.arrowhead = arcArrow(t - f.reachBack);
        else if (t < -ArrowFrom)
            now.arrowhead = arcArrow(t + f.reachBack);
    } else if (360 < size && size < 1080) {
        advance((std::fabs(t) + 4) * f.spiralFactor);
        if (std::fabs(t) > Pi / 2)
            now.arrowhead = spiralArrow(t);
    } else if (1080 <= size && size <= 1800) {
        advance((std::fabs(t) + 6) * f.spiralFactor);
        if (std::fabs(t) > Pi)
            now.arrowhead = spiralArrow(t);
    }
    now.piece = {mark_, last_};

    // The step that would land short of the angle by less than a step lands
    // on it, so the next tick shows the ray there and ends the run.
    if (a > 0) {
        rayAngle_ = rayAngle_ + 0.1;
        const double g = a - rayAngle_;
        if (g <= 0)
            now.arrived = Turn::Forward;
        else if (g < 0.1)
            rayAngle_ = rayAngle_ + g;
    }
    if (a < 0) {
        rayAngle_ = rayAngle_ - 0.1;
        const double g = rayAngle_ - a;
        if (g <= 0)
            now.arrived = Turn::Backward;
        else if (g < 0.1)
            rayAngle_ = rayAngle_ - g;
    }
    if (now.arrived) {
        now.landed = landing(a);
        rest();
    }
    return now;
}

// The arc's arrowhead reaches back along the arc, just outside and inside it.
std::array<Segment, 2> TurningRay::arcArrow(double u) const
{
    return {Segment{mark_, polar(figure_->strokeOuter, u)}, Segment{mark_, polar(figure_->strokeInner, u)}};
}

// The spiral's reaches back to the previous point, to either side of it across
// the tangent, whose slope is m. Where the tangent stands upright a very steep
// finite slope stands in, so the arrowhead stays finite.
std::array<Segment, 2> TurningRay::spiralArrow(double t) const
{
    double m = (std::sin(t) + t * std::cos(t)) / (std::cos(t) - t * std::sin(t));
    if (!std::isfinite(m))
        m = std::copysign(1e150, m);
    const double k = std::sqrt(1 / (1 + m * m)), b = figure_->barbHalfWidth;
    return {Segment{mark_, last_ + QPointF(b * m * k, -b * k)}, Segment{mark_, last_ + QPointF(-b * m * k, b * k)}};
}

// The ray stands at its angle, exactly on the axis when the angle ends on one
// (the mark's last point tells which half): π as 3.14159 misses it slightly.
QPointF TurningRay::landing(double a) const
{
    QPointF end = polar(RayLength, a);
    if (axis_ == Axis::X && mark_.x() > 0)
        end = {RayLength, 0};
    if (axis_ == Axis::X && mark_.x() < 0)
        end = {-RayLength, 0};
    if (axis_ == Axis::Y && mark_.y() > 0)
        end = {0, RayLength};
    if (axis_ == Axis::Y && mark_.y() < 0)
        end = {0, -RayLength};
    return end;
}

} // namespace lesson
