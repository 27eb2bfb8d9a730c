// What one timer tick costs, in every animation and every band, against the
// floor of drawing one segment into a canvas raster; and a whole lesson fired
// tick after tick. Headless: the windows are built but never shown.
#include "angulon/form1.h"
#include "unitrix/form1.h"

#include "forms/application.h"
#include "forms/events.h"
#include "forms/msgbox.h"
#include "lesson/numbers.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const double MaxTickRatio = 2;
const double MaxLessonMs = 50;

// The benchmarks' names in the order they were registered, for the summary.
std::vector<std::string> registered;

// A run started afresh: the window's own reset, then the entry and its "确定".
using Restart = std::function<void()>;

// Ticks of the run in the middle of its animation. The finishing tick (marks,
// read-outs, hand-over) is left out: before it falls due, the run restarts
// untimed, so every timed tick is a steady-state one.
void ticks(benchmark::State &state, forms::Timer &timer, const Restart &restart)
{
    restart();
    int perRun = 0;
    while (timer.isEnabled() && perRun < 100000) {  // untimed: how many ticks a run takes
        timer.tick();
        ++perRun;
    }
    if (perRun < 2) {
        state.SkipWithError("the run finished at once");
        return;
    }
    restart();
    int done = 0;
    for (auto _ : state) {
        timer.tick();
        if (++done == perRun - 1) {
            state.PauseTiming();
            restart();
            done = 0;
            state.ResumeTiming();
        }
    }
    state.counters["ticks_a_run"] = perRun;
}

// ------------------------------------------------------------------ floor

void Floor(benchmark::State &state)
{
    unitrix::Form1 form;  // only for the size of its Picture1
    forms::PictureBox canvas(nullptr, forms::Border::Sunken);
    canvas.resize(form.Picture1.size());
    canvas.Scale(-2, 2, 2, -2);
    // A piece of the widest spiral near its end: 0.1 radian at t = 30.
    const double t = 30, r = (t + 6) * 0.02, rPrev = (t - 0.1 + 6) * 0.02;
    const float x1 = float(r * std::cos(t)), y1 = float(r * std::sin(t));
    const float x2 = float(rPrev * std::cos(t - 0.1)), y2 = float(rPrev * std::sin(t - 0.1));
    canvas.Line(x1, y1, x2, y2, 0);  // the raster exists from the first line on
    for (auto _ : state)
        canvas.Line(x1, y1, x2, y2, 0);
}

// ------------------------------------------------------------------ unitrix

void UnitrixP(benchmark::State &state, double deg)
{
    unitrix::Form1 form;
    ticks(state, form.Timer1, [&] {
        form.window().click("Command2");
        form.Text1.setText(lesson::DecimalText(deg));
        form.window().click("Command1");
    });
}

// Q starts as a lesson starts it: at the end of P's run under −α with α = −deg.
void UnitrixQ(benchmark::State &state, double deg)
{
    unitrix::Form1 form;
    form.window().click("Picture6");
    form.window().click("Image14");
    ticks(state, form.Timer2, [&] {
        form.window().click("Command2");
        form.Text1.setText(lesson::DecimalText(-deg));
        form.window().click("Command1");
        while (form.Timer1.isEnabled())
            form.Timer1.tick();
    });
}

void UnitrixThird(benchmark::State &state, double deg)
{
    unitrix::Form1 form;
    ticks(state, form.Timer3, [&] {
        form.window().click("Command2");
        form.Text3.setText(lesson::DecimalText(deg));
        form.window().click("Command5");
    });
}

// ------------------------------------------------------------------ angulon

void AngulonRow(benchmark::State &state, char row, double deg)
{
    angulon::Form1 form;
    angulon::Form1::Row &r = row == 'a' ? form.Alpha : row == 'b' ? form.Beta : form.Gamma;
    const char *button = row == 'a' ? "Command1" : row == 'b' ? "Command4" : "Command5";
    ticks(state, r.timer, [&] {
        form.window().click("Command2");
        r.entry.setText(lesson::DecimalText(deg));
        form.window().click(button);
    });
}

// ------------------------------------------------------------------ lessons

// Choose 180°+α, type α, press "确定", and fire P's then Q's ticks to the end.
// A message box (an angle of OQ out of range) is answered at once.
void Lesson(benchmark::State &state, double alpha)
{
    unitrix::Form1 form;
    int boxes = 0;
    forms::setMsgBoxHook([&](const QString &, forms::MsgBoxStyle, const QString &) { ++boxes; });
    int pTicks = 0, qTicks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.window().click("Command2");
        pTicks = qTicks = boxes = 0;
        state.ResumeTiming();
        form.window().click("Picture6");
        form.window().click("Image12");
        form.Text1.setText(lesson::DecimalText(alpha));
        form.window().click("Command1");
        for (; form.Timer1.isEnabled(); ++pTicks)
            form.Timer1.tick();
        for (; form.Timer2.isEnabled(); ++qTicks)
            form.Timer2.tick();
    }
    forms::setMsgBoxHook({});
    state.counters["P_ticks"] = pTicks;
    state.counters["Q_ticks"] = qTicks;
    state.counters["boxes"] = boxes;
}

// A finished lesson of 1800° drawn anew at another zoom, as when a teacher
// maximises the window: every control placed again and each canvas's calls
// since its Cls drawn at the new resolution (−α: P turns 1800°, Q −1800°).
void RedrawAtNewZoom(benchmark::State &state)
{
    unitrix::Form1 form;
    form.window().click("Picture6");
    form.window().click("Image14");
    form.Text1.setText(QStringLiteral("1800"));
    form.window().click("Command1");
    for (forms::Timer *timer : {&form.Timer1, &form.Timer2})
        while (timer->isEnabled())
            timer->tick();
    double zoom = 1.5;
    for (auto _ : state) {
        form.window().setZoom(zoom);
        benchmark::DoNotOptimize(form.Picture1.drawing().constBits());
        zoom = zoom == 1.5 ? 2 : 1.5;
    }
}

// ------------------------------------------------------------------ summary

// The console report as usual, and at the end every tick against the floor of
// the same run, and the lessons against their bound: one line a figure, tab
// separated (row, figure, measured, bound, verdict), for bench/run.sh.
class Summary : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal: run.sh keeps the lines it prints.
    Summary() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            // With repetitions the median stands for the benchmark.
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (failed(run) || !(single || median))
                continue;
            results_[run.run_name.function_name] = toNs(run.GetAdjustedCPUTime(), run.time_unit);
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double floor = results_.contains("floor") ? results_["floor"] : 0;
        std::FILE *out = stdout;
        std::fprintf(out, "\nSummary (CPU time; tick bound: %.0f x the floor of this run)\n", MaxTickRatio);
        for (const std::string &name : registered) {  // in a stable order, however the runs were interleaved
            if (!results_.contains(name))
                continue;
            const double ns = results_[name];
            if (name == "floor") {
                std::fprintf(out, "row\tfloor: one segment into the canvas raster\t%.0f ns\t-\t-\n", ns);
            } else if (name.starts_with("lesson") || name.starts_with("redraw")) {
                const double ms = ns / 1e6;
                std::fprintf(out, "row\t%s\t%.2f ms\t< %.0f ms\t%s\n", name.c_str(), ms, MaxLessonMs,
                             ms < MaxLessonMs ? "pass" : "FAIL");
            } else if (floor > 0) {
                const double ratio = ns / floor;
                std::fprintf(out, "row\t%s\t%.0f ns = %.2f x floor\t<= %.0f x\t%s\n", name.c_str(), ns, ratio,
                             MaxTickRatio, ratio <= MaxTickRatio ? "pass" : "FAIL");
            }
        }
        std::fflush(out);
    }

private:
    // Google Benchmark 1.8 folded Run::error_occurred into Run::skipped.
    template <class R> static bool failed(const R &run)
    {
        if constexpr (requires { run.skipped; })
            return run.skipped;
        else
            return run.error_occurred;
    }
    static double toNs(double value, benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kSecond: return value * 1e9;
        case benchmark::kMillisecond: return value * 1e6;
        case benchmark::kMicrosecond: return value * 1e3;
        default: return value;
        }
    }
    std::map<std::string, double> results_;
};

template <class... Args> benchmark::internal::Benchmark *add(const std::string &name, Args &&...args)
{
    registered.push_back(name);
    return benchmark::RegisterBenchmark(name.c_str(), std::forward<Args>(args)...);
}

void registerAll()
{
    add("floor", Floor);
    const double bands[] = {300, 700, 1800};  // arc, first spiral, second spiral
    auto name = [](const char *what, double deg) { return std::string(what) + "/" + std::to_string(int(deg)); };
    for (double deg : bands) {
        add(name("tick unitrix P", deg), UnitrixP, deg);
        add(name("tick unitrix Q", deg), UnitrixQ, deg);
        add(name("tick unitrix figure 3", deg), UnitrixThird, deg);
        add(name("tick angulon alpha", deg), AngulonRow, 'a', deg);
        add(name("tick angulon beta", deg), AngulonRow, 'b', deg);
        add(name("tick angulon gamma", deg), AngulonRow, 'c', deg);
    }
    // 180°+1800° is out of range: the hand-over shows the box and Q stays.
    // With α = −1800 Q turns through −1620°: the longest lesson that runs both rays.
    for (double alpha : {1800.0, -1800.0})
        add(name("lesson 180+alpha, alpha", alpha), Lesson, alpha)
            ->Unit(benchmark::kMillisecond);
    add("redraw a finished 1800 deg lesson at a new zoom", RedrawAtNewZoom)->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    forms::setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    Summary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    benchmark::Shutdown();
    return 0;
}
