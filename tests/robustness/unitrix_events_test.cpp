// Random events on the Zentrak window, seeded and replayable: mostly timer
// ticks, then typed entries, clicks on every control (hidden ones too),
// formula choices and resets. After every event the window must keep its
// invariants; some runs end with "退出".
#include "unitrix/form1.h"
#include "window_events.h"

#include "forms/numbers.h"

#include <cmath>

namespace {

using namespace robustness;

class UnitrixEvents : public WindowEvents<unitrix::Form1> {
protected:
    State startupState(unitrix::Form1 &f) override
    {
        State s = animationState("P", f.P, f.Text1);
        s.merge(animationState("Q", f.Q, f.Text2));
        s.merge(animationState("Third", f.Third, f.Text3));
        for (auto [name, ray] : {std::pair{"Line1", &f.Line1}, {"Line6", &f.Line6}, {"Line9", &f.Line9}})
            s[name] = ray->isVisible() ? "shown" : "hidden";
        for (auto [name, label] : {std::pair{"Label4", &f.Label4}, {"Label6", &f.Label6}, {"Label8", &f.Label8},
                                   {"Label12", &f.Label12}, {"Label13", &f.Label13}, {"Label14", &f.Label14}})
            s[name] = quoted(label->text()).toStdString();
        for (auto [name, button] :
             {std::pair{"Command1", &f.Command1}, {"Command4", &f.Command4}, {"Command5", &f.Command5}})
            s[name] = button->isEnabled() ? "enabled" : "disabled";
        s["Picture1 drawing"] = drawingState(f.Picture1);
        s["Picture1 DrawStyle"] = std::to_string(f.Picture1.DrawStyle);
        return s;
    }

    void SetUp() override
    {
        WindowEvents::SetUp();
        for (forms::PictureBox *canvas : {&form.Picture1, &form.Picture2, &form.Picture3})
            canvas->setRecording(true);
        liveness.watch("Timer1", form.Timer1, form.P.targetDeg, form.P.RayAngle);
        liveness.watch("Timer2", form.Timer2, form.Q.targetDeg, form.Q.RayAngle);
        liveness.watch("Timer3", form.Timer3, form.Third.targetDeg, form.Third.RayAngle);
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
        return press(event);
    }

    Event step() override
    {
        const int roll = below(rng, 1000);
        if (roll < 870)
            return tick();
        if (roll < 920) {
            const int which = below(rng, 5);
            return enter(which < 3 ? form.Text1 : which == 3 ? form.Text2 : form.Text3);
        }
        if (roll < 955)
            return click(QStringList{"Command1", "Command1", "Command4", "Command5"}[below(rng, 4)]);
        if (roll < 965)
            return click(QStringList{"Picture6", "Image12", "Image13", "Image14"}[below(rng, 4)]);
        if (roll < 999)
            return click(clickable[below(rng, int(clickable.size()))]);
        return click(QStringLiteral("Command2"));
    }

    // The hidden canvases draw finite figures, and the hidden figures' "清除"
    // bring back their own part.
    std::string checkOwnParts(const Event &event) override
    {
        std::string broken = nonFiniteDrawing(form.Picture2, "Picture2");
        broken += nonFiniteDrawing(form.Picture3, "Picture3");
        if (event.click == QLatin1String("Command6"))
            broken += differences(animationState("Q", form.Q, form.Text2), animationState("Q", fresh.Q, fresh.Text2));
        if (event.click == QLatin1String("Command7"))
            broken += differences(animationState("Third", form.Third, form.Text3),
                                  animationState("Third", fresh.Third, fresh.Text3));
        return broken;
    }
};

TEST_P(UnitrixEvents, KeepTheWindowsInvariants) { run("unitrix_events_tests"); }

INSTANTIATE_TEST_SUITE_P(Seeds, UnitrixEvents, testing::ValuesIn(seeds()),
                         [](const auto &info) { return "seed_" + std::to_string(info.param); });

} // namespace
