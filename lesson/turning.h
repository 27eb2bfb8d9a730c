// The turning ray both programs are made of. Every 20 ms a ray of length 1.9
// turns 0.1 radian towards its angle, counter-clockwise for a positive one,
// and lands on it when less than a step is left; an angle a few degrees small
// shows its ray there at once. Behind the ray a mark of the turn is traced
// near O: an arc up to one turn, a widening spiral beyond, with a two-stroke
// arrowhead on its tip. Each figure fills in its own constants.
#pragma once

#include "angles.h"

#include <QColor>
#include <QPointF>
#include <array>
#include <optional>

namespace lesson {

// Whether the x-axis from O is drawn again over each piece of the mark (its
// first runs along the axis), in black or in the canvas's own colour.
enum class AxisOver { None, Black, ForeColour };

// What sets one figure's turning ray apart from another's.
struct Figure {
    QColor mark;                     // the colour of the mark
    double arcFrom;                  // the arc is traced above this many degrees
    double smallUpTo, smallDownTo;   // angles this small either way stand at once
    double arcRadius;                // the arc's, up to one turn
    double strokeOuter, strokeInner; // where the arc's arrowhead strokes end,
    double reachBack;                // this many radians behind its tip
    double spiralFactor;             // the spirals' radius per radian
    double barbHalfWidth;            // of the spirals' arrowhead
    AxisOver axis;
};

enum class Turn { Forward, Backward };

struct Segment {
    QPointF from, to;
};

// What one tick shows.
struct Tick {
    QPointF ray;                                       // the ray's end; its foot is O
    Segment piece;                                     // the mark traced, from its new point back
    std::optional<std::array<Segment, 2>> arrowhead;   // its strokes where they move; else they stay
    std::optional<Turn> arrived;                       // the run ends here, by this step,
    QPointF landed;                                    // with the ray at its angle, on the axis if it ends there
};

class TurningRay {
public:
    explicit TurningRay(const Figure &figure) : figure_(&figure) {}

    const Figure &figure() const { return *figure_; }
    // A run from the positive x-axis with an empty mark, also for a ray
    // handed a new angle while it turns.
    void start(double deg, Axis axis);
    Tick tick();
    // Back on the positive x-axis with an empty mark: a stopped run starts
    // afresh next time.
    void rest();

    double target() const { return targetDeg_; }
    double rayAngle() const { return rayAngle_; }

private:
    std::array<Segment, 2> arcArrow(double u) const;
    std::array<Segment, 2> spiralArrow(double t) const;
    QPointF landing(double a) const;

    const Figure *figure_;
    double targetDeg_ = 0;
    Axis axis_ = Axis::None;
    double rayAngle_ = 0;   // radians
    QPointF mark_, last_;   // the mark's newest point and the one before
};

} // namespace lesson
