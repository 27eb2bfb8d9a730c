// Random events on the Zentrak window, seeded and replayable: mostly timer
// ticks, then typed entries, clicks on every control (hidden ones too),
// formula choices and resets. After every event the window must keep its
// invariants; some runs end with "退出".
#include "unitrix/form1.h"
#include "random_run.h"

#include "forms/numbers.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace robustness;

// What "清除" must bring back, as a fresh window shows it.
State startupState(unitrix::Form1 &f)
{
    State s = animationState("P", f.P, f.Text1);
    s.merge(animationState("Q", f.Q, f.Text2));
    s.merge(animationState("Third", f.Third, f.Text3));
    for (auto [name, ray] : {std::pair{"Line1", &f.Line1}, {"Line6", &f.Line6}, {"Line9", &f.Line9}})
        s[name] = ray->isVisible() ? "shown" : "hidden";
    for (auto [name, label] : {std::pair{"Label4", &f.Label4}, {"Label6", &f.Label6}, {"Label8", &f.Label8},
                               {"Label12", &f.Label12}, {"Label13", &f.Label13}, {"Label14", &f.Label14}})
        s[name] = quoted(label->text()).toStdString();
    for (auto [name, button] : {std::pair{"Command1", &f.Command1}, {"Command4", &f.Command4}, {"Command5", &f.Command5}})
        s[name] = button->isEnabled() ? "enabled" : "disabled";
    s["Picture1 drawing"] = drawingState(f.Picture1);
    s["Picture1 DrawStyle"] = std::to_string(f.Picture1.DrawStyle);
    return s;
}

class UnitrixEvents : public testing::TestWithParam<std::uint64_t> {
protected:
    testing_support::MessageBoxes boxes;
    unitrix::Form1 fresh;
    unitrix::Form1 form;
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
        forms::Timer *shouldStart = nullptr;  // "确定" of P or figure 3 with an angle in range
        bool shouldWarn = false;              // ... with an angle beyond it
    };

    void SetUp() override
    {
        for (forms::PictureBox *canvas : {&form.Picture1, &form.Picture2, &form.Picture3})
            canvas->setRecording(true);
        liveness.watch("Timer1", form.Timer1, form.P.targetDeg, form.P.RayAngle);
        liveness.watch("Timer2", form.Timer2, form.Q.targetDeg, form.Q.RayAngle);
        liveness.watch("Timer3", form.Timer3, form.Third.targetDeg, form.Third.RayAngle);
    }

    // Mostly a timer that runs, so that the animations get on.
    Event tick()
    {
        std::vector<forms::Timer *> on;
        for (forms::Timer *timer : {&form.Timer1, &form.Timer2, &form.Timer3})
            if (timer->isEnabled())
                on.push_back(timer);
        forms::Timer *timer = !on.empty() && below(rng, 20) != 0
            ? on[below(rng, int(on.size()))]
            : &window.timer(QStringLiteral("Timer%1").arg(1 + below(rng, 3)));
        liveness.tick(*timer);
        history.add(QStringLiteral("tick ") + timer->objectName());
        return {};
    }

    Event enter()
    {
        const int which = below(rng, 5);
        QLineEdit &entry = which < 3 ? form.Text1 : which == 3 ? form.Text2 : form.Text3;
        enterText(entry, rng);
        history.add(entry.objectName() + QStringLiteral(" holds ") + quoted(entry.text()));
        return {};
    }

    Event click(const QString &name)
    {
        Event event{name};
        // "确定" of P and of figure 3 read their own entry (that of figure 2
        // hands over the angle of OQ instead).
        const bool first = name == QLatin1String("Command1"), third = name == QLatin1String("Command5");
        if ((first && form.Command1.isEnabled()) || (third && form.Command5.isEnabled())) {
            const QString text = (first ? form.Text1 : form.Text3).text();
            const bool beyond = std::fabs(forms::Val(text)) > 1800;
            if (!text.isEmpty() && !beyond)
                event.shouldStart = first ? &form.Timer1 : &form.Timer3;
            event.shouldWarn = !text.isEmpty() && beyond;
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
        if (roll < 920)
            return enter();
        if (roll < 955)
            return click(QStringList{"Command1", "Command1", "Command4", "Command5"}[below(rng, 4)]);
        if (roll < 965)
            return click(QStringList{"Picture6", "Image12", "Image13", "Image14"}[below(rng, 4)]);
        if (roll < 999)
            return click(clickable[below(rng, int(clickable.size()))]);
        return click(QStringLiteral("Command2"));
    }

    std::string check(const Event &event)
    {
        std::string broken = nonFiniteLines(window);
        broken += nonFiniteDrawing(form.Picture1, "Picture1");
        broken += nonFiniteDrawing(form.Picture2, "Picture2");
        broken += nonFiniteDrawing(form.Picture3, "Picture3");
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
        // The hidden figures' "清除" bring back their own part.
        if (event.click == QLatin1String("Command6"))
            broken += differences(animationState("Q", form.Q, form.Text2), animationState("Q", fresh.Q, fresh.Text2));
        if (event.click == QLatin1String("Command7"))
            broken += differences(animationState("Third", form.Third, form.Text3),
                                  animationState("Third", fresh.Third, fresh.Text3));
        return broken;
    }
};

TEST_P(UnitrixEvents, KeepTheWindowsInvariants)
{
    const std::uint64_t seed = GetParam();
    auto failure = [&](const std::string &broken) {
        return "seed " + std::to_string(seed) + ", event " + std::to_string(history.count()) + ": " + broken + "\n"
            + history.text() + replayHint(seed, "unitrix_events_tests");
    };
    for (long n = eventsPerRun(); n > 0; --n) {
        const Event event = step();
        const std::string broken = check(event);
        ASSERT_TRUE(broken.empty()) << failure(broken);
    }
    if (seed % 4 == 0) {  // "退出" ends the run: every timer stops with the window
        window.click(QStringLiteral("Command3"));
        history.add(QStringLiteral("click Command3"));
        for (forms::Timer *timer : {&form.Timer1, &form.Timer2, &form.Timer3})
            EXPECT_FALSE(timer->isEnabled()) << failure(timer->objectName().toStdString() + " runs after the exit");
        EXPECT_TRUE(window.hasEnded()) << failure("the window has not ended");
    }
    std::cout << "seed " << seed << ": " << history.count() << " events, " << liveness.finished()
              << " animations finished, " << messages << " messages, " << resets << " resets\n";
}

INSTANTIATE_TEST_SUITE_P(Seeds, UnitrixEvents, testing::ValuesIn(seeds()),
                         [](const auto &info) { return "seed_" + std::to_string(info.param); });

} // namespace
