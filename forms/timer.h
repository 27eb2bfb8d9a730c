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

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on);
    int interval() const { return clock_.interval(); }
    void onTimer(std::function<void()> handler) { handler_ = std::move(handler); }

    // One tick, delivered as the clock delivers it: only while enabled and
    // while no other handler runs. The test harness fires ticks through this.
    bool tick();

private:
    QTimer clock_;
    bool enabled_ = false;
    std::function<void()> handler_;
};

} // namespace forms
