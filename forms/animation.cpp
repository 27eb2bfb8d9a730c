#include "animation.h"

namespace forms {

namespace {

void place(LineObject &line, const lesson::Segment &s) { line.place(s.from.x(), s.from.y(), s.to.x(), s.to.y()); }

} // namespace

void Animation::start(double deg, lesson::Axis axis)
{
    motion.start(deg, axis);
    timer.setEnabled(true);
}

void Animation::stop()
{
    timer.setEnabled(false);
    motion.rest();
}

std::optional<lesson::Turn> Animation::tick()
{
    const lesson::Tick now = motion.tick();
    button.setEnabled(false);
    place(ray, {{}, now.ray});
    if (now.arrowhead) {
        place(stroke1, (*now.arrowhead)[0]);
        place(stroke2, (*now.arrowhead)[1]);
    }
    const lesson::Segment &piece = now.piece;
    canvas.Line(piece.from.x(), piece.from.y(), piece.to.x(), piece.to.y(), toColor(motion.figure().mark));
    if (motion.figure().axis == lesson::AxisOver::Black)
        canvas.Line(0, 0, 1, 0, RGB(0, 0, 0));
    if (motion.figure().axis == lesson::AxisOver::ForeColour)
        canvas.Line(0, 0, 1, 0);
    if (now.arrived) {
        place(ray, {{}, now.landed});
        timer.setEnabled(false);
    }
    return now.arrived;
}

} // namespace forms
