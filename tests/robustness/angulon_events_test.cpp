// Random events on the Rotavel window, seeded and replayable: mostly timer
// ticks, then typed entries, clicks on every control and "清除". After every
// event the window must keep its invariants; some runs end with the exit
// button.
#include "angulon/form1.h"
#include "window_events.h"

#include "forms/numbers.h"

#include <cmath>

namespace {

using namespace robustness;

class AngulonEvents : public WindowEvents<angulon::Form1> {
protected:
    State startupState(angulon::Form1 &f) override
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

    void SetUp() override
    {
        WindowEvents::SetUp();
        form.Picture1.setRecording(true);
        liveness.watch("Timer1", form.Timer1, form.Alpha.targetDeg, form.Alpha.RayAngle);
        liveness.watch("Timer2", form.Timer2, form.Beta.targetDeg, form.Beta.RayAngle);
        liveness.watch("Timer3", form.Timer3, form.Gamma.targetDeg, form.Gamma.RayAngle);
    }

    angulon::Row &row(int i) { return i == 0 ? form.Alpha : i == 1 ? form.Beta : form.Gamma; }

    // A row's "确定" reads its own entry.
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
        return press(event);
    }

    Event step() override
    {
        const int roll = below(rng, 1000);
        if (roll < 870)
            return tick();
        if (roll < 930)
            return enter(row(below(rng, 3)).entry);
        if (roll < 970)
            return click(row(below(rng, 3)).button.objectName());
        if (roll < 999)
            return click(clickable[below(rng, int(clickable.size()))]);
        return click(QStringLiteral("Command2"));
    }
};

TEST_P(AngulonEvents, KeepTheWindowsInvariants) { run("angulon_events_tests"); }

INSTANTIATE_TEST_SUITE_P(Seeds, AngulonEvents, testing::ValuesIn(seeds()),
                         [](const auto &info) { return "seed_" + std::to_string(info.param); });

} // namespace
