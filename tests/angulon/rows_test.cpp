// The three rows tick by tick: each ray turns through its angle with its own
// mark and limits, alone or side by side with the others.
#include "form1.h"
#include "harness.h"

#include <QApplication>
#include <cmath>
#include <gtest/gtest.h>

using forms::DrawCall;
using testing_support::runToEnd;
using Op = forms::DrawCall::Op;

namespace {

const double Rad = 3.14159 / 180;

struct Rows : testing::Test {
    testing_support::RecordingFromStart recording;
    testing_support::MessageBoxes boxes;
    angulon::Form1 form;
    forms::Form &window = form.window();

    angulon::Row &row(char which) { return which == 'a' ? form.Alpha : which == 'b' ? form.Beta : form.Gamma; }
    void start(char which, const QString &angle)
    {
        angulon::Row &r = row(which);
        r.entry.setText(angle);
        window.click(which == 'a' ? "Command1" : which == 'b' ? "Command4" : "Command5");
    }
    static void expectAtAngle(const forms::LineObject &ray, double radians, const std::string &what)
    {
        EXPECT_NEAR(ray.X2(), 1.9 * std::cos(radians), 1e-6) << what;
        EXPECT_NEAR(ray.Y2(), 1.9 * std::sin(radians), 1e-6) << what;
    }
};

struct RowRun {
    char row;
    double angle;
    int ticks;
    float firstX, firstY;  // first mark point; the first piece runs from it to O
    int arrowFrom;         // tick on which the arrowhead first shows, 0: never
    float endX = 0, endY = 0;  // ray after the finish, 0/0: at its angle
};

void PrintTo(const RowRun &r, std::ostream *os) { *os << r.row << ' ' << r.angle; }

class RowRuns : public Rows, public testing::WithParamInterface<RowRun> {};

TEST_P(RowRuns, TurnMarkAndLandByTheirRowsLimits)
{
    const RowRun run = GetParam();
    angulon::Row &r = row(run.row);
    start(run.row, QString::number(run.angle));
    ASSERT_TRUE(r.timer.isEnabled());
    form.Picture1.clearRecorded();
    int ticks = 0, arrowFrom = 0;
    std::vector<DrawCall> firstTick;
    while (r.timer.isEnabled() && ticks < 400) {
        r.timer.tick();
        ++ticks;
        if (ticks == 1)
            firstTick = testing_support::linesIn(form.Picture1.recorded());
        if (!arrowFrom && (r.stroke1.X2() != 0 || r.stroke1.Y2() != 0))
            arrowFrom = ticks;
    }
    EXPECT_EQ(ticks, run.ticks);
    EXPECT_EQ(arrowFrom, run.arrowFrom);
    ASSERT_FALSE(firstTick.empty());
    EXPECT_EQ(std::tuple(firstTick[0].x1, firstTick[0].y1, firstTick[0].x2, firstTick[0].y2),
              std::tuple(run.firstX, run.firstY, 0.f, 0.f));
    EXPECT_EQ(firstTick[0].color, r.look.mark);
    // β and γ draw the x-axis back from O after every piece of the mark.
    const bool repaired = firstTick.back().x1 == 0 && firstTick.back().x2 == 1 && firstTick.back().color == 0;
    EXPECT_EQ(repaired, run.row != 'a');
    if (run.endX == 0 && run.endY == 0)
        expectAtAngle(r.ray, run.angle * Rad, "ray after the finish");
    else
        EXPECT_EQ(std::tuple(r.ray.X2(), r.ray.Y2()), std::tuple(run.endX, run.endY));
    EXPECT_FALSE(r.button.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Limits, RowRuns,
    testing::Values(
        // α: small up to 6 either way, arc of 0.2 above 6
        RowRun{'a', 5, 1, 0, 0, 0}, RowRun{'a', 6, 2, 0, 0, 0}, RowRun{'a', -6, 2, 0, 0, 0}, RowRun{'a', 7, 2, 0.2f, 0, 0},
        RowRun{'a', 30, 6, 0.2f, 0, 5}, RowRun{'a', -30, 6, 0.2f, 0, 5}, RowRun{'a', 45, 8, 0.2f, 0, 5},
        RowRun{'a', 90, 16, 0.2f, 0, 5, 0, 1.9f}, RowRun{'a', -90, 16, 0.2f, 0, 5, 0, -1.9f},
        RowRun{'a', 180, 32, 0.2f, 0, 5, -1.9f, 0}, RowRun{'a', 360, 63, 0.2f, 0, 5, 1.9f, 0},
        RowRun{'a', 90.4, 16, 0.2f, 0, 5, 0, 1.9f}, RowRun{'a', 89.5, 16, 0.2f, 0, 5, 0, 1.9f},
        RowRun{'a', 361, 64, 0.192f, 0, 17}, RowRun{'a', 1080, 189, 0.288f, 0, 33, 1.9f, 0},
        RowRun{'a', 1800, 315, 0.288f, 0, 33, 1.9f, 0}, RowRun{'a', -1800, 315, 0.288f, 0, 33, 1.9f, 0},
        // β: small up to 3 either way, arc of 0.3 above 3; 4 passes its angle in the first step
        RowRun{'b', 2, 1, 0, 0, 0}, RowRun{'b', 3, 1, 0, 0, 0}, RowRun{'b', -3, 1, 0, 0, 0}, RowRun{'b', 4, 1, 0.3f, 0, 0},
        RowRun{'b', -4, 1, 0.3f, 0, 0}, RowRun{'b', 5.7, 1, 0.3f, 0, 0}, RowRun{'b', 30, 6, 0.3f, 0, 5},
        RowRun{'b', 400, 70, 0.2f, 0, 17},
        // γ: small up to 6 above and 3 below, arc of 0.4 above 3
        RowRun{'c', 5, 1, 0.4f, 0, 0}, RowRun{'c', -3, 1, 0, 0, 0}, RowRun{'c', -4, 1, 0.4f, 0, 0},
        RowRun{'c', -5, 1, 0.4f, 0, 0}, RowRun{'c', 30, 6, 0.4f, 0, 5}, RowRun{'c', -1080, 189, 0.312f, 0, 33, 1.9f, 0}));

TEST_F(Rows, TheLongestSpiralsEndJustInsideTheCanvas)
{
    for (auto [which, radius] : {std::pair{'a', 1.796}, std::pair{'c', 1.946}}) {
        start(which, QStringLiteral("1800"));
        form.Picture1.clearRecorded();
        ASSERT_EQ(runToEnd(row(which).timer), 315);
        const auto lines = testing_support::linesIn(form.Picture1.recorded());
        const DrawCall &last = which == 'a' ? lines.back() : lines[lines.size() - 2];  // γ repairs the axis last
        EXPECT_NEAR(std::hypot(last.x1, last.y1), radius, 0.001) << which;
    }
}

TEST_F(Rows, AngleZeroTicksUntilCleared)
{
    start('b', QStringLiteral("abc"));
    EXPECT_EQ(form.AngleDeg, 0);
    EXPECT_EQ(form.AxisCase, 1);
    form.Picture1.clearRecorded();
    EXPECT_EQ(runToEnd(form.Timer2, 50), -1);
    const auto lines = testing_support::linesIn(form.Picture1.recorded());
    ASSERT_EQ(lines.size(), 100u);  // a piece of one point at O, and the axis repair, every tick
    EXPECT_EQ(lines[0], (DrawCall{Op::Line, 0, 0, 0, 0, 65280}));
    EXPECT_EQ(lines[1], (DrawCall{Op::Line, 0, 0, 1, 0, 0}));
    window.click("Command2");
    EXPECT_FALSE(form.Timer2.isEnabled());
}

TEST_F(Rows, OnlyTheAlphaRowRedrawsThePlaneOverTheMarks)
{
    form.Picture1.clearRecorded();
    start('b', QStringLiteral("30"));
    EXPECT_TRUE(form.Picture1.recorded().empty());
    start('a', QStringLiteral("30"));
    ASSERT_EQ(form.Picture1.recorded().size(), 26u);  // Scale, 22 lines, 3 letters; no Cls
    EXPECT_EQ(form.Picture1.recorded().front().op, Op::Scale);
}

TEST_F(Rows, CoterminalAnglesSideBySideEachEndAtTheirOwnAngle)
{
    start('a', QStringLiteral("30"));
    form.Timer1.tick();
    form.Timer1.tick();
    start('b', QStringLiteral("390"));
    form.Timer1.tick();
    form.Timer2.tick();
    start('c', QStringLiteral("-330"));
    EXPECT_EQ(form.AngleDeg, -330);  // the window keeps the last entry
    int ticks = 0;
    while ((form.Timer1.isEnabled() || form.Timer2.isEnabled() || form.Timer3.isEnabled()) && ++ticks < 500) {
        form.Timer1.tick();
        form.Timer2.tick();
        form.Timer3.tick();
    }
    expectAtAngle(form.Line1, 30 * Rad, "α");
    expectAtAngle(form.Line6, 390 * Rad, "β");
    expectAtAngle(form.Line9, -330 * Rad, "γ");
    EXPECT_TRUE(testing_support::allFinite(form.Picture1.recorded()));
}

TEST_F(Rows, ARejectedEntryInAnotherRowDoesNotSteerARunningRay)
{
    start('a', QStringLiteral("200"));
    form.Timer1.tick();
    start('b', QStringLiteral("5000"));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("提示"));
    EXPECT_EQ(form.AngleDeg, 5000);
    EXPECT_TRUE(form.Text2.text().isEmpty());
    EXPECT_TRUE(form.Line6.isVisible());
    EXPECT_FALSE(form.Timer2.isEnabled());
    runToEnd(form.Timer1);
    expectAtAngle(form.Line1, 200 * Rad, "α");
}

TEST_F(Rows, ClearStopsEveryRowAndTheNextRunStartsFromTheXAxis)
{
    start('a', QStringLiteral("300"));
    start('c', QStringLiteral("-300"));
    for (int i = 0; i < 10; ++i) {
        form.Timer1.tick();
        form.Timer3.tick();
    }
    form.Picture1.clearRecorded();
    window.click("Command2");
    for (forms::Timer *timer : {&form.Timer1, &form.Timer2, &form.Timer3})
        EXPECT_FALSE(timer->isEnabled());
    for (forms::LineObject *ray : {&form.Line1, &form.Line6, &form.Line9}) {
        EXPECT_FALSE(ray->isVisible());
        EXPECT_EQ(std::tuple(ray->X2(), ray->Y2()), std::tuple(1.9f, 0.f));
    }
    EXPECT_TRUE(form.Line2.isVisible()) << "strokes keep their visibility";
    EXPECT_EQ(std::tuple(form.Line2.X1(), form.Line2.X2(), form.Line7.Y2()), std::tuple(0.f, 0.f, 0.f));
    EXPECT_EQ(form.Picture1.recorded().front().op, Op::Cls);
    EXPECT_EQ(form.Picture1.recorded().size(), 27u);
    EXPECT_TRUE(form.Command1.isEnabled());
    EXPECT_TRUE(form.Text1.text().isEmpty());

    start('c', QStringLiteral("100"));
    form.Picture1.clearRecorded();
    form.Timer3.tick();
    EXPECT_EQ(std::tuple(form.Line9.X2(), form.Line9.Y2()), std::tuple(1.9f, 0.f));
    const auto first = testing_support::linesIn(form.Picture1.recorded());
    EXPECT_EQ(std::tuple(first[0].x1, first[0].y1, first[0].x2, first[0].y2), std::tuple(0.4f, 0.f, 0.f, 0.f));
}

struct Entry {
    const char *text;
    bool rejected;
};

void PrintTo(const Entry &e, std::ostream *os) { *os << '"' << e.text << '"'; }

class RangeCheck : public Rows, public testing::WithParamInterface<Entry> {};

TEST_P(RangeCheck, AcceptsUpToEighteenHundredEitherWay)
{
    window.show();
    QApplication::setActiveWindow(&window);
    start('c', QString::fromUtf8(GetParam().text));
    EXPECT_EQ(boxes.shown.size(), GetParam().rejected ? 1u : 0u);
    EXPECT_EQ(form.Timer3.isEnabled(), !GetParam().rejected);
    if (GetParam().rejected) {
        EXPECT_TRUE(form.Text3.text().isEmpty());
        EXPECT_EQ(QApplication::focusWidget(), &form.Text3);
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, RangeCheck,
                         testing::Values(Entry{"1800", false}, Entry{"-1800", false}, Entry{" ", false},
                                         Entry{"1800.000001", true}, Entry{"-1800.5", true}, Entry{"1e400", true},
                                         Entry{"－２０００", true}));

TEST_F(Rows, AnEmptyEntryShowsTheRayAndStopsTheRow)
{
    start('a', QStringLiteral("40"));
    form.Text1.clear();
    window.click("Command1");
    EXPECT_FALSE(form.Timer1.isEnabled());
    EXPECT_TRUE(form.Line1.isVisible());
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
