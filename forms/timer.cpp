#include "timer.h"

#include "events.h"

#include <algorithm>
#include <vector>

namespace forms {

namespace {
bool manualClock = false;
long long now = 0;               // the manual clock, in ms
std::vector<Timer *> manualOnes;  // in the order they were built
} // namespace

Timer::Timer(int intervalMs, QObject *parent) : QObject(parent), manual_(manualClock)
{
    clock_.setTimerType(Qt::PreciseTimer);
    clock_.setInterval(intervalMs);
    connect(&clock_, &QTimer::timeout, this, &Timer::tick);
    if (manual_)
        manualOnes.push_back(this);
}

Timer::~Timer() { std::erase(manualOnes, this); }

void Timer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    if (manual_)
        due_ = now + interval();
    else if (on)
        clock_.start();
    else
        clock_.stop();
}

bool Timer::tick()
{
    // A tick that fell due inside another handler, or inside the message box
    // it opened, is dropped rather than run nested or queued up.
    if (!enabled_ || !handler_)
        return false;
    return deliver(handler_);
}

void Timer::useManualClock(bool on) { manualClock = on; }

void Timer::advanceClock(int ms)
{
    const long long until = now + ms;
    for (;;) {
        Timer *next = nullptr;  // the earliest due; of those due together, the first built
        for (Timer *timer : manualOnes)
            if (timer->enabled_ && timer->due_ <= until && (!next || timer->due_ < next->due_))
                next = timer;
        if (!next)
            break;
        now = next->due_;
        next->due_ += std::max(next->interval(), 1);
        next->tick();
    }
    now = until;
}

} // namespace forms
