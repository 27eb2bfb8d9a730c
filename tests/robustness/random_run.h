// What the randomized runs of both windows share: their seeds and length,
// keyboard-like entry, the watch over the timers' runs, and the checks that
// hold after every event whatever the window.
#pragma once

#include "harness.h"
#include "nasty_text.h"

#include "forms/form.h"
#include "forms/picturebox.h"
#include "forms/timer.h"

#include <QLineEdit>
#include <QString>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace robustness {

// The seeds of a window's runs, 1 to 20; ZENTRAK_SEED=n runs seed n alone.
std::vector<std::uint64_t> seeds();
// Events in one run: ZENTRAK_EVENTS events per window (300 000 unless set)
// over the 20 runs. A run's events depend on its seed alone, so a shorter run
// replays the start of a longer one.
long eventsPerRun();
std::string replayHint(std::uint64_t seed, const char *binary);

// Entry as from the keyboard: sometimes all selected first (Ctrl+A), then
// the text key by key, or at once as an input method commits a long text;
// or Backspace, or the text pasted in whole (even what no key can type).
void enterText(QLineEdit &entry, Rng &rng);
// A text for the history, long ones cut short.
QString quoted(const QString &text);

// A timer started for d degrees must stop by itself within
// ceil(|d|·π/180 / 0.1) + 2 of its ticks. One started for 0 turns until it is
// stopped from outside, as intended, and is not held to any count. A start
// shows as the timer coming on, as a new angle, or as the ray angle moved by
// an event other than the timer's own tick (a run started over).
class Liveness {
public:
    void watch(const char *name, forms::Timer &timer, const double &targetDeg, const double &rayAngle);
    void tick(forms::Timer &timer);  // fires it, counting a tick that ran
    // After every event (numbered): registers starts, and tells a run past its count.
    std::string check(long event);
    long finished() const { return finished_; }

private:
    struct Watched {
        const char *name;
        forms::Timer &timer;
        const double &targetDeg;
        const double &rayAngle;
        bool on = false;
        double lastRayAngle = 0;
        double startedFor = 0;
        long ticks = 0;
        long startedAt = 0;  // event number
        bool tickedNow = false;
    };
    std::vector<Watched> watched_;
    long finished_ = 0;
};

// The controls a click reaches (buttons, picture boxes, frames, images),
// hidden ones too, by name in a fixed order; all but `except`.
QStringList clickableControls(const forms::Form &window, const QString &except);

// The message boxes of one event: at most one, and only the range message.
// Clears them; counts them in `count`.
std::string unexpectedMessages(testing_support::MessageBoxes &boxes, long &count);

// Every line object of the window with finite ends; "" or what is not.
std::string nonFiniteLines(const forms::Form &window);
// Every drawing call recorded since the last check finite; clears the log.
std::string nonFiniteDrawing(forms::PictureBox &canvas, const char *name);

// What a window shows that a reset must bring back, by name, and where two
// such states differ ("" when nowhere).
using State = std::map<std::string, std::string>;
std::string differences(const State &now, const State &fresh);
std::string ends(const forms::LineObject &line);       // "(x1, y1)-(x2, y2)"
std::string lineState(const forms::LineObject &line);  // shown or hidden, and its ends
std::string strokeState(const forms::LineObject &line);  // "nothing" when it shows nothing
std::string drawingState(const forms::PictureBox &canvas);
std::string numbers(std::initializer_list<double> values);

// The part one animation owns (a unitrix Figure or an angulon Row): its
// timer, entry, ray (where it lies), strokes and the motion it keeps.
template <class Animation>
State animationState(const std::string &name, const Animation &a, const QLineEdit &entry)
{
    return {
        {name + " timer", a.timer.isEnabled() ? "on" : "off"},
        {name + " entry", quoted(entry.text()).toStdString()},
        {name + " ray at", ends(a.ray)},
        {name + " strokes", strokeState(a.stroke1) + " / " + strokeState(a.stroke2)},
        {name + " motion", numbers({a.RayAngle, a.PrevRayAngle, a.ArcX, a.ArcY, a.PrevArcX, a.PrevArcY})},
    };
}

// The last events of a run, for the message of a failure.
class History {
public:
    void add(QString event);
    std::string text() const;
    long count() const { return count_; }

private:
    std::deque<QString> last_;
    long count_ = 0;
};

} // namespace robustness
