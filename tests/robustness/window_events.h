// A randomized run on a window: the fixture both windows' suites share. A
// window's suite says what its reset restores, how it picks its events and
// what it checks beyond what every window must keep.
#pragma once

#include "random_run.h"

#include <gtest/gtest.h>
#include <iostream>

namespace robustness {

template <class Window>
class WindowEvents : public testing::TestWithParam<std::uint64_t> {
protected:
    // What an event was, for the checks after it.
    struct Event {
        QString click;
        forms::Timer *shouldStart = nullptr;  // a "确定" with an angle in range
        bool shouldWarn = false;              // ... with an angle beyond it
    };

    testing_support::MessageBoxes boxes;
    Window fresh;
    Window form;
    forms::Form &window = form.window();
    const QStringList clickable = clickableControls(window, QStringLiteral("Command3"));
    Rng rng{GetParam()};
    Liveness liveness;
    History history;
    State freshState;
    long messages = 0, resets = 0;  // for the summary of a run

    // What "清除" must bring back, as a fresh window shows it.
    virtual State startupState(Window &w) = 0;
    virtual Event step() = 0;
    virtual std::string checkOwnParts(const Event &) { return {}; }

    void SetUp() override { freshState = startupState(fresh); }

    forms::Timer &timer(int i) { return window.timer(QStringLiteral("Timer%1").arg(1 + i)); }

    // Mostly a timer that runs, so that the animations get on.
    Event tick()
    {
        std::vector<forms::Timer *> on;
        for (int i = 0; i < 3; ++i)
            if (timer(i).isEnabled())
                on.push_back(&timer(i));
        forms::Timer *t = !on.empty() && below(rng, 20) != 0 ? on[below(rng, int(on.size()))] : &timer(below(rng, 3));
        liveness.tick(*t);
        history.add(QStringLiteral("tick ") + t->objectName());
        return {};
    }

    Event enter(QLineEdit &entry)
    {
        enterText(entry, rng);
        history.add(entry.objectName() + QStringLiteral(" holds ") + quoted(entry.text()));
        return {};
    }

    Event press(Event event)
    {
        window.click(event.click);
        history.add(QStringLiteral("click ") + event.click);
        return event;
    }

    std::string check(const Event &event)
    {
        std::string broken = nonFiniteLines(window);
        broken += nonFiniteDrawing(form.Picture1, "Picture1");
        broken += liveness.check(history.count());
        const bool warned = !boxes.shown.empty();
        broken += unexpectedMessages(boxes, messages);
        if (event.shouldWarn && !warned)
            broken += "an angle beyond the range got no message; ";
        if (event.shouldStart && (warned || !event.shouldStart->isEnabled()))
            broken += "an angle in range did not start its timer; ";
        if (event.click == QLatin1String("Command2")) {
            ++resets;
            broken += differences(startupState(form), freshState);
        }
        return broken + checkOwnParts(event);
    }

    // The run of this seed; some runs end with the exit button, after which
    // every timer must have stopped with the window.
    void run(const char *binary)
    {
        const std::uint64_t seed = GetParam();
        auto failure = [&](const std::string &broken) {
            return "seed " + std::to_string(seed) + ", event " + std::to_string(history.count()) + ": " + broken
                + "\n" + history.text() + replayHint(seed, binary);
        };
        for (long n = eventsPerRun(); n > 0; --n) {
            const Event event = step();
            const std::string broken = check(event);
            ASSERT_TRUE(broken.empty()) << failure(broken);
        }
        if (seed % 4 == 0) {
            window.click(QStringLiteral("Command3"));
            history.add(QStringLiteral("click Command3"));
            for (int i = 0; i < 3; ++i)
                EXPECT_FALSE(timer(i).isEnabled()) << failure(timer(i).objectName().toStdString() + " runs after the exit");
            EXPECT_TRUE(window.hasEnded()) << failure("the window has not ended");
        }
        std::cout << "seed " << seed << ": " << history.count() << " events, " << liveness.finished()
                  << " animations finished, " << messages << " messages, " << resets << " resets\n";
    }
};

} // namespace robustness
