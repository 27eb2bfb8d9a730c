#include "timer.h"

#include "events.h"

namespace forms {

Timer::Timer(int intervalMs, QObject *parent) : QObject(parent)
{
    clock_.setTimerType(Qt::PreciseTimer);
    clock_.setInterval(intervalMs);
    connect(&clock_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    if (on)
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

} // namespace forms
