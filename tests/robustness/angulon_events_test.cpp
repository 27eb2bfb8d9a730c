// Random events on the Rotavel window, seeded and replayable: mostly timer
// ticks, then typed entries, clicks on every control and "清除". After every
// event the window must keep its invariants; some runs end with the exit
// button.
#include "angulon/form1.h"
#include "random_run.h"

#include "forms/numbers.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace robustness;

// What "清除" must bring back, as a fresh window shows it.
State startupState(angulon::Form1 &f)
{
    State s;
    for (auto [name, row] : {std::pair{"α", &f.Alpha}, {"β", &f.Beta}, {"γ", &f.Gamma}}) {
        s.merge(animationState(name, *row, row->entry));
        s[std::string(name) + " ray"] = row->ray.isVisible() ? "shown" : "hidden";
        s[std::string(name) + " button"] = row->button.isEnabled() ? "enabled" : "disabled";
    }
    s["Picture1 drawing"] = drawingState(f.Picture1);
    return s;
}

class AngulonEvents : public testing::TestWithParam<std::uint64_t> {
protected:
    testing_support::MessageBoxes boxes;
    angulon::Form1 fresh;
    angulon::Form1 form;
    forms::Form &window = form.window();
    const State freshState = startupState(fresh);
    const QStringList clickable = clickableControls(window, QStringLiteral("Command3"));
    Rng rng{GetParam()};
    Liveness liveness;
    History history;
    long messages = 0, resets = 0;  // for the summary of a run

    // What an event was, for the checks after it.
    struct Event {
        QString click;
        forms::Timer *shouldStart = nullptr;  // a row's "确定" with an angle in range
        bool shouldWarn = false;              // ... with an angle beyond it
    };

    void SetUp() override
    {
        form.Picture1.setRecording(true);
        liveness.watch("Timer1", form.Timer1, form.Alpha.targetDeg, form.Alpha.RayAngle);
        liveness.watch("Timer2", form.Timer2, form.Beta.targetDeg, form.Beta.RayAngle);
        liveness.watch("Timer3", form.Timer3, form.Gamma.targetDeg, form.Gamma.RayAngle);
    }

    angulon::Row &row(int i) { return i == 0 ? form.Alpha : i == 1 ? form.Beta : form.Gamma; }

    // Mostly a timer that runs, so that the animations get on.
    Event tick()
    {
        std::vector<forms::Timer *> on;
        for (int i = 0; i < 3; ++i)
            if (row(i).timer.isEnabled())
                on.push_back(&row(i).timer);
        forms::Timer *timer = !on.empty() && below(rng, 20) != 0 ? on[below(rng, int(on.size()))]
                                                                 : &row(below(rng, 3)).timer;
        liveness.tick(*timer);
        history.add(QStringLiteral("tick ") + timer->objectName());
        return {};
    }

    Event enter()
    {
        QLineEdit &entry = row(below(rng, 3)).entry;
        enterText(entry, rng);
        history.add(entry.objectName() + QStringLiteral(" holds ") + quoted(entry.text()));
        return {};
    }

    Event click(const QString &name)
    {
        Event event{name};
        for (int i = 0; i < 3; ++i) {
            angulon::Row &r = row(i);
            if (r.button.objectName() != name || !r.button.isEnabled() || r.entry.text().isEmpty())
                continue;
            const bool beyond = std::fabs(forms::Val(r.entry.text())) > 1800;
            event.shouldStart = beyond ? nullptr : &r.timer;
            event.shouldWarn = beyond;
        }
        window.click(name);
        history.add(QStringLiteral("click ") + name);
        return event;
    }

    Event step()
    {
        const int roll = below(rng, 1000);
        if (roll < 870)
            return tick();
        if (roll < 930)
            return enter();
        if (roll < 970)
            return click(row(below(rng, 3)).button.objectName());
        if (roll < 999)
            return click(clickable[below(rng, int(clickable.size()))]);
        return click(QStringLiteral("Command2"));
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
            broken += "an angle in range did not start its row; ";
        if (event.click == QLatin1String("Command2")) {
            ++resets;
            broken += differences(startupState(form), freshState);
        }
        return broken;
    }
};

TEST_P(AngulonEvents, KeepTheWindowsInvariants)
{
    const std::uint64_t seed = GetParam();
    auto failure = [&](const std::string &broken) {
        return "seed " + std::to_string(seed) + ", event " + std::to_string(history.count()) + ": " + broken + "\n"
            + history.text() + replayHint(seed, "angulon_events_tests");
    };
    for (long n = eventsPerRun(); n > 0; --n) {
        const Event event = step();
        const std::string broken = check(event);
        ASSERT_TRUE(broken.empty()) << failure(broken);
    }
    if (seed % 4 == 0) {  // the exit ends the run: every timer stops with the window
        window.click(QStringLiteral("Command3"));
        history.add(QStringLiteral("click Command3"));
        for (forms::Timer *timer : {&form.Timer1, &form.Timer2, &form.Timer3})
            EXPECT_FALSE(timer->isEnabled()) << failure(timer->objectName().toStdString() + " runs after the exit");
        EXPECT_TRUE(window.hasEnded()) << failure("the window has not ended");
    }
    std::cout << "seed " << seed << ": " << history.count() << " events, " << liveness.finished()
              << " animations finished, " << messages << " messages, " << resets << " resets\n";
}

INSTANTIATE_TEST_SUITE_P(Seeds, AngulonEvents, testing::ValuesIn(seeds()),
                         [](const auto &info) { return "seed_" + std::to_string(info.param); });

} // namespace
