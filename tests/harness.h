// Helpers for driving a window headless: a recorder in place of the message
// box, timers fired tick by tick, and the canvas's recorded drawing.
#pragma once

#include "forms/events.h"
#include "forms/picturebox.h"
#include "forms/timer.h"

#include <QString>
#include <cmath>
#include <ostream>
#include <vector>

namespace forms {
inline void PrintTo(const DrawCall &c, std::ostream *os)
{
    static const char *ops[] = {"Scale", "Line", "Circle", "Print", "Cls"};
    *os << ops[int(c.op)] << '(' << c.x1 << ", " << c.y1 << ", " << c.x2 << ", " << c.y2 << " colour " << c.color
        << " style " << c.style;
    if (c.op == DrawCall::Op::Print)
        *os << " \"" << c.text.toStdString() << '"' << (c.italic ? " italic" : "");
    *os << ')';
}
} // namespace forms

namespace testing_support {

// Canvases record their drawing from the moment they are built, as long as
// this lives; declare it before the window under test.
struct RecordingFromStart {
    RecordingFromStart() { forms::PictureBox::recordNewCanvases(true); }
    ~RecordingFromStart() { forms::PictureBox::recordNewCanvases(false); }
};

struct MessageBoxes {
    struct Shown {
        QString prompt;
        int style;
        QString title;
    };
    std::vector<Shown> shown;

    MessageBoxes()
    {
        forms::setMsgBoxHook([this](const QString &prompt, int style, const QString &title) {
            shown.push_back({prompt, style, title});
        });
    }
    ~MessageBoxes() { forms::setMsgBoxHook({}); }
};

// Fires ticks until the timer switches itself off; the count of ticks it
// took, or -1 when it was still running after `limit` ticks.
inline int runToEnd(forms::Timer &timer, int limit = 2000)
{
    for (int n = 1; n <= limit; ++n) {
        timer.tick();
        if (!timer.isEnabled())
            return n;
    }
    return -1;
}

inline std::vector<forms::DrawCall> linesIn(const std::vector<forms::DrawCall> &calls)
{
    std::vector<forms::DrawCall> lines;
    for (const auto &call : calls)
        if (call.op == forms::DrawCall::Op::Line)
            lines.push_back(call);
    return lines;
}

inline bool allFinite(const std::vector<forms::DrawCall> &calls)
{
    for (const auto &c : calls)
        for (float v : {c.x1, c.y1, c.x2, c.y2})
            if (!std::isfinite(v))
                return false;
    return true;
}

} // namespace testing_support
