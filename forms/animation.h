// A turning ray shown on the widgets of its figure: the ray and the two
// arrowhead strokes (line objects of the canvas), the canvas the mark is
// traced on, the button that started it and the timer that drives it.
#pragma once

#include "lesson/turning.h"
#include "picturebox.h"
#include "timer.h"

#include <QAbstractButton>
#include <optional>

namespace forms {

class Animation {
public:
    Animation(const lesson::Figure &figure, PictureBox &canvas, LineObject &ray, LineObject &stroke1,
              LineObject &stroke2, QAbstractButton &button, Timer &timer)
        : motion(figure), canvas(canvas), ray(ray), stroke1(stroke1), stroke2(stroke2), button(button), timer(timer)
    {
    }

    // A run towards deg from the positive x-axis, its timer on.
    void start(double deg, lesson::Axis axis);
    // The timer off and the motion at rest: a stopped run starts afresh.
    void stop();
    // One tick shown as the lesson draws it: the button disabled, the ray,
    // the arrowhead, the piece of the mark and the x-axis over it; at the end
    // the ray landed and the timer off. Tells whether, and how, it arrived.
    std::optional<lesson::Turn> tick();

    lesson::TurningRay motion;
    PictureBox &canvas;
    LineObject &ray, &stroke1, &stroke2;
    QAbstractButton &button;
    Timer &timer;
};

} // namespace forms
