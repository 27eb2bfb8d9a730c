// A Timer control: while enabled, its handler is called once per interval.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace forms {

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(int intervalMs, QObject *parent = nullptr);
    ~Timer() override;

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on);
    int interval() const { return clock_.interval(); }
    void onTimer(std::function<void()> handler) { handler_ = std::move(handler); }

    // One tick, delivered as the clock delivers it: only while enabled and
    // while no other handler runs. The test harness fires ticks through this.
    bool tick();

    // Tests may run every timer on a clock of their own that moves only when
    // told: ticks then fall due by each timer's own interval, as on screen,
    // without waiting. Timers built while it is on use it.
    static void useManualClock(bool on);
    // Moves that clock on, ticking each enabled timer whenever its time comes.
    static void advanceClock(int ms);

private:
    QTimer clock_;
    bool enabled_ = false;
    bool manual_ = false;
    long long due_ = 0;  // on the manual clock, in ms
    std::function<void()> handler_;
};

} // namespace forms
