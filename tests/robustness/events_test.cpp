// Random events on both windows, seeded and replayable: mostly ticks, then
// typed entries, clicks on every control (hidden ones too), resets and zooms,
// and at the end of some runs the exit button. After every event a window
// keeps its invariants: nothing drawn or placed at a non-finite point, no
// message but the range message, every run that started for an angle ends
// within its count of ticks, and a reset stops every run and lays its ray
// back at 0.
//
// Replay: ZENTRAK_SEED=n runs seed n alone; ZENTRAK_EVENTS=m spreads m events
// per window over the seeds (100 000 unless set; a run's events depend on its
// seed alone, so a shorter run replays the start of a longer one).
#include "angulon/form1.h"
#include "harness.h"
#include "unitrix/form1.h"

#include <bit>
#include <random>

namespace {

using Rng = std::mt19937_64;
constexpr int Seeds = 10;
int below(Rng &rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
int setting(const char *name, int fallback) {
    return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
}

// What a pupil, a Chinese input method or a stuck key may leave in an entry:
// typed key by key (over the selection or after the text), committed at once,
// pasted, or a Backspace.
void enterText(QLineEdit &entry, Rng &rng)
{
    static const QStringList fixed = QString("|\u3000|+|-|.|--30|1..5|1,5|0x1A|abc|12abc| -30x|e|1e|1e+|1E2|1d3|1.8e3|"
                                             "1e308|1e999|-1e999|1e-999|5e-324|nan|inf|99999999999999999999999|"
                                             "１８００|－３０|１．５|\u221230|٣٠|\U0001F600|0|-0|"
                                             "0.4|3|-3|4|6|-6|89.5|90.5|-90|180|-180|270|360|361|1079.99|1080|-1080|"
                                             "1800|-1800|1800.0000001|-1799.9999999")
                                         .split('|');
    const QString some = fixed[below(rng, fixed.size())];
    const QString text = std::array{some, some + fixed[below(rng, fixed.size())],
        QString(some).insert(below(rng, some.size() + 1), QChar(char16_t(0xD800 + below(rng, 0x800)))),
        QString::number(std::uniform_real_distribution<double>(-2000, 2000)(rng), 'g', 1 + below(rng, 17)),
        QString::number(below(rng, 3601) - 1800) + (below(rng, 2) ? ".5" : ""),
        QString::number(std::bit_cast<double>(rng()), 'g', 17),  // any magnitude, nan, inf
        QString::number(std::nextafter(below(rng, 2) ? 1800.0 : -1800.0, below(rng, 2) ? 1e4 : -1e4), 'g', 17),
        QString(10000, QChar(u'0' + below(rng, 10)))}[below(rng, 9) % 8];
    auto key = [&](Qt::Key code, const QString &typed = {}, Qt::KeyboardModifiers with = {}) {
        QTest::sendKeyEvent(QTest::Click, &entry, code, typed, with);
    };
    const int how = below(rng, 8);
    if (how < 2) return how ? entry.setText(text) : key(Qt::Key_Backspace);
    if (how > 3) key(Qt::Key_A, {}, Qt::ControlModifier);
    for (int i = 0, n; i < text.size(); i += n)  // key by key, a long text at once
        key(Qt::Key_unknown, text.mid(i, n = text.size() > 64 ? text.size() : 1 + text[i].isHighSurrogate()));
}

// One animation's run: started for d degrees it stops by itself within
// ceil(|d|·π/180 / 0.1) + 2 of its ticks; started for 0 it turns until
// stopped, as intended. A (re)start shows as the ray angle at 0, or a new
// angle, after any other event.
struct Watch {
    forms::Timer &timer;
    const lesson::TurningRay &motion;
    double startedFor = 0;
    long ticks = 0;

    QString check(const forms::Timer *ticked, bool reset)
    {
        if (reset && (timer.isEnabled() || motion.rayAngle() != 0))
            return timer.objectName() + " runs on after the reset; ";
        if (!timer.isEnabled()) return ticks = 0, QString();
        if (&timer == ticked)
            ++ticks;
        else if (motion.rayAngle() == 0
                 || std::bit_cast<std::uint64_t>(motion.target()) != std::bit_cast<std::uint64_t>(startedFor))
            ticks = 0, startedFor = motion.target();
        const long most = long(std::ceil(std::fabs(startedFor) * M_PI / 18)) + 2;
        if (std::isfinite(startedFor) && (startedFor * 3.14159 / 180 == 0 || ticks <= most)) return {};
        return QString("%1 started for %2 runs %3 ticks; ").arg(timer.objectName()).arg(startedFor, 0, 'g', 17)
            .arg(ticks);
    }
};

// A window's run of one seed: the windows differ only in their entries and
// the buttons that start their animations.
template <class Window, class... Animation>
void run(int seed, Window &form, std::vector<QLineEdit *> entries, QStringList starts, Animation &...animations)
{
    testing_support::MessageBoxes boxes;
    forms::Form &window = form.window();
    std::vector<Watch> watches{{animations.timer, animations.motion}...};
    const auto canvases = window.findChildren<forms::PictureBox *>();
    for (auto *canvas : canvases) canvas->setRecording(true);
    QStringList clickable;  // every control that takes a click, but the exit
    for (const QString &name : window.controlNames())
        if (auto *c = window.findChild<QObject *>(name); c && name != "Command3"
            && (c->inherits("QAbstractButton") || c->inherits("forms::Surface") || c->inherits("forms::Image")))
            clickable << name;
    clickable.sort();  // the hash order differs from run to run
    Rng rng(seed);
    const int events = setting("ZENTRAK_EVENTS", 100'000) / Seeds;
    for (int n = 1; n <= events; ++n) {
        const int roll = below(rng, 1000);
        forms::Timer *ticked = nullptr;
        QString event;
        if (roll < 870) {  // mostly a timer that runs
            for (int tries = 0; tries < 11 && !(ticked && ticked->isEnabled()); ++tries)
                ticked = &watches[below(rng, watches.size())].timer;
            ticked->tick();
        } else if (roll < 930) {
            enterText(*entries[below(rng, entries.size())], rng);
        } else if (roll < 935) {
            window.setZoom(0.5 + below(rng, 11) / 4.0), event = "a zoom";
        } else {
            const QStringList &from = roll < 970 ? starts : clickable;
            window.click(event = roll == 999 ? QString("Command2") : from[below(rng, from.size())]);
        }
        QString broken;
        for (Watch &w : watches) broken += w.check(ticked, event == "Command2");
        for (const QString &name : window.controlNames().filter("Line"))
            if (const auto &l = window.line(name); !std::isfinite(l.X1() + l.Y1() + l.X2() + l.Y2()))
                broken += name + " is not finite; ";
        for (auto *canvas : canvases) {
            for (const forms::DrawCall &c : canvas->recorded())
                if (!std::isfinite(c.x1 + c.y1 + c.x2 + c.y2))
                    broken += canvas->objectName() + " drew at a non-finite point; ";
            canvas->clearRecorded();
        }
        if (!boxes.shown.isEmpty() && boxes.shown != QStringList{testing_support::RangeMessage})
            broken += "messages " + boxes.shown.join(", ") + "; ";
        boxes.shown.clear();
        ASSERT_TRUE(broken.isEmpty()) << "seed " << seed << ", event " << n
                                      << (ticked ? " (a tick): " : " (" + event.toStdString() + "): ")
                                      << broken.toStdString() << "\nreplay: ZENTRAK_SEED=" << seed
                                      << " ZENTRAK_EVENTS=" << events * Seeds;
    }
    if (seed % 4 == 0) {
        window.click("Command3");
        EXPECT_TRUE(window.hasEnded() && std::ranges::none_of(watches, [](Watch &w) { return w.timer.isEnabled(); }));
    }
}

class RandomEvents : public testing::TestWithParam<int> {};

TEST_P(RandomEvents, UnitrixKeepsItsInvariants)
{
    unitrix::Form1 f;
    run(GetParam(), f, {&f.Text1, &f.Text1, &f.Text2, &f.Text3}, {"Command1", "Command1", "Command4", "Command5"},
        f.P, f.Q, f.Third);
}

TEST_P(RandomEvents, AngulonKeepsItsInvariants)
{
    angulon::Form1 f;
    run(GetParam(), f, {&f.Text1, &f.Text2, &f.Text3}, {"Command1", "Command4", "Command5"}, f.Alpha, f.Beta, f.Gamma);
}

const int first = setting("ZENTRAK_SEED", 1), last = qEnvironmentVariableIsSet("ZENTRAK_SEED") ? first : Seeds;
INSTANTIATE_TEST_SUITE_P(Seeds, RandomEvents, testing::Range(first, last + 1),
                         [](const testing::TestParamInfo<int> &i) { return "seed_" + std::to_string(i.param); });

} // namespace
