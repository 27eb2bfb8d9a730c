// The lesson tick by tick: P turns to α and is marked, Q turns to the angle of
// the chosen formula and is marked, with the read-outs in between.
#include "form1.h"
#include "harness.h"

#include "forms/numbers.h"

#include <QApplication>
#include <cmath>
#include <gtest/gtest.h>

using forms::DrawCall;
using testing_support::runToEnd;
using Op = forms::DrawCall::Op;

namespace {

const double Rad = 3.14159 / 180;

struct Lesson : testing::Test {
    testing_support::RecordingFromStart recording;
    testing_support::MessageBoxes boxes;
    unitrix::Form1 form;
    forms::Form &window = form.window();

    void choose(int type)
    {
        window.click("Picture6");
        window.click(type == 1 ? "Image12" : type == 2 ? "Image13" : "Image14");
    }
    void enter(const QString &alpha)
    {
        form.Text1.setText(alpha);
        window.click("Command1");
    }
    // The line calls of the next tick of a timer.
    std::vector<DrawCall> tick(forms::Timer &timer)
    {
        form.Picture1.clearRecorded();
        timer.tick();
        return testing_support::linesIn(form.Picture1.recorded());
    }
    static void expectEnd(const forms::LineObject &ray, double x, double y, const char *what)
    {
        EXPECT_NEAR(ray.X2(), x, 1e-6) << what;
        EXPECT_NEAR(ray.Y2(), y, 1e-6) << what;
        EXPECT_EQ(ray.X1(), 0.f);
        EXPECT_EQ(ray.Y1(), 0.f);
    }
    static void expectAtAngle(const forms::LineObject &ray, double radians, const char *what)
    {
        expectEnd(ray, 1.9 * std::cos(radians), 1.9 * std::sin(radians), what);
    }
};

// ---------------------------------------------------------------- P, by band

struct Band {
    double alpha;
    int ticks;                    // of Timer1, to the finish
    float firstX, firstY;         // first mark point (the piece runs from it to the origin)
    int arrowFrom;                // tick on which the arrowhead first shows, 0: never
    float endX, endY;             // the ray after the finish, 0/0: at its angle
};

void PrintTo(const Band &b, std::ostream *os) { *os << "alpha " << b.alpha; }

class PBands : public Lesson, public testing::WithParamInterface<Band> {};

TEST_P(PBands, TurnsMarksAndLandsAsItsBandSays)
{
    const Band band = GetParam();
    enter(QString::number(band.alpha));
    EXPECT_TRUE(form.Timer1.isEnabled());
    const double a = band.alpha * Rad;
    const bool small = std::fabs(band.alpha) <= 6;
    int arrowFrom = 0, ticks = 0;
    double t = 0;
    for (; ticks < 400 && form.Timer1.isEnabled(); ++ticks) {
        const auto lines = tick(form.Timer1);
        ASSERT_FALSE(lines.empty());
        if (ticks == 0) {
            EXPECT_FLOAT_EQ(lines[0].x1, band.firstX);
            EXPECT_FLOAT_EQ(lines[0].y1, band.firstY);
            EXPECT_EQ(std::tuple(lines[0].x2, lines[0].y2), std::tuple(0.f, 0.f)) << "a run starts at the origin";
            EXPECT_EQ(lines[0].color, 0u);
        }
        if (form.Timer1.isEnabled()) {  // a tick that did not finish shows the ray at t
            expectAtAngle(form.Line1, small ? a : t, "ray during the turn");
            t += a > 0 ? 0.1 : -0.1;
            if (std::fabs(a - t) < 0.1 - 1e-12)
                t = a;
        }
        if (!arrowFrom && (form.Line2.X2() != 0 || form.Line2.Y2() != 0))
            arrowFrom = ticks + 1;
    }
    EXPECT_EQ(ticks, band.ticks);
    EXPECT_EQ(arrowFrom, band.arrowFrom);
    if (band.endX == 0 && band.endY == 0)
        expectAtAngle(form.Line1, a, "ray after the finish");
    else
        EXPECT_EQ(std::tuple(form.Line1.X2(), form.Line1.Y2()), std::tuple(band.endX, band.endY));
    EXPECT_FALSE(form.Command1.isEnabled());
    EXPECT_EQ(std::tuple(form.P.RayAngle, form.P.ArcX, form.P.PrevArcY), std::tuple(0.0, 0.0, 0.0));
}

INSTANTIATE_TEST_SUITE_P(
    EveryBand, PBands,
    testing::Values(
        Band{5, 1, 0, 0, 0}, Band{6, 2, 0, 0, 0}, Band{-6, 2, 0, 0, 0}, Band{7, 2, 0.1f, 0, 0},
        Band{20, 4, 0.1f, 0, 0}, Band{30, 6, 0.1f, 0, 5}, Band{-30, 6, 0.1f, 0, 5},
        Band{90, 16, 0.1f, 0, 5, 0, 1.9f}, Band{-90, 16, 0.1f, 0, 5, 0, -1.9f},
        Band{180, 32, 0.1f, 0, 5, -1.9f, 0}, Band{360, 63, 0.1f, 0, 5, 1.9f, 0},
        Band{361, 64, 0.08f, 0, 17}, Band{1080, 189, 0.12f, 0, 33, 1.9f, 0},
        Band{1800, 315, 0.12f, 0, 33, 1.9f, 0}, Band{-1800, 315, 0.12f, 0, 33, 1.9f, 0}));

TEST_F(Lesson, AngleZeroNeverFinishesAndTouchesNoReadOutAfterTheFirst)
{
    choose(1);
    enter(QStringLiteral("abc"));  // not a number: 0
    EXPECT_EQ(std::tuple(form.Label4.text(), form.Label6.text(), form.Label8.text()),
              std::tuple(QString("0"), QString("1"), QString("0")));
    EXPECT_EQ(std::tuple(form.Label12.text(), form.Label13.text(), form.Label14.text()),
              std::tuple(QString("0"), QString("-1"), QString("0")));
    EXPECT_EQ(runToEnd(form.Timer1, 100), -1);
    expectEnd(form.Line1, 1.9, 0, "ray stays on the x-axis");
    EXPECT_FALSE(form.Command1.isEnabled());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(form.Timer2.isEnabled());
}

// ---------------------------------------------------------------- read-outs

struct ReadOut {
    double alpha;
    const char *sin, *cos, *tan;
    short qflag;
};

void PrintTo(const ReadOut &r, std::ostream *os) { *os << "alpha " << r.alpha; }

class PReadOuts : public Lesson, public testing::WithParamInterface<ReadOut> {};

TEST_P(PReadOuts, ShowTheRoundedValuesAndTheirQuotient)
{
    const auto r = GetParam();
    enter(QString::number(r.alpha, 'g', 17));
    ASSERT_GT(runToEnd(form.Timer1), 0);
    EXPECT_EQ(form.Label4.text().toStdString(), r.sin);
    EXPECT_EQ(form.Label6.text().toStdString(), r.cos);
    EXPECT_EQ(form.Label8.text().toStdString(), r.tan);
    EXPECT_EQ(form.QFlag, r.qflag);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PReadOuts,
    testing::Values(ReadOut{30, "0.5", "0.866", "0.5774", 0}, ReadOut{-30, "-0.5", "0.866", "-0.5774", 0},
                    ReadOut{45, "0.7071", "0.7071", "1", 0}, ReadOut{90, "1", "0", "不存在", 1},
                    ReadOut{-270, "1", "0", "不存在", 1}, ReadOut{180, "0", "-1", "0", 0},
                    ReadOut{990, "-1", "0", "不存在", 1},
                    // the cosine read-out is 0 though the angle is not listed: no quotient exists
                    ReadOut{1170, "1", "0", "不存在", 1}, ReadOut{-1710, "1", "0", "不存在", 1},
                    ReadOut{89.999, "1", "0", "不存在", 1}, ReadOut{270.002, "-1", "0", "不存在", 1}));

// ---------------------------------------------------------------- Q

struct QCase {
    int type;
    double alpha;
    double beta;
    const char *text;
    bool forward;
};

void PrintTo(const QCase &q, std::ostream *os) { *os << "type " << q.type << " alpha " << q.alpha; }

class QMarks : public Lesson, public testing::WithParamInterface<QCase> {};

TEST_P(QMarks, FollowPWithTheImageAngleAndItsText)
{
    const auto q = GetParam();
    choose(q.type);
    enter(QString::number(q.alpha));
    ASSERT_GT(runToEnd(form.Timer1), 0);
    EXPECT_EQ(form.BetaDeg, q.beta);
    EXPECT_EQ(form.Text2.text(), QString::number(q.beta));
    ASSERT_TRUE(form.Timer2.isEnabled());
    form.Picture1.clearRecorded();
    ASSERT_GT(runToEnd(form.Timer2), 0);

    std::vector<DrawCall> prints;
    for (const auto &c : form.Picture1.recorded())
        if (c.op == Op::Print)
            prints.push_back(c);
    ASSERT_EQ(prints.size(), 1u);
    const double w = q.beta * 3.14159 / 180;
    EXPECT_EQ(prints[0].text.toStdString(), q.text);
    EXPECT_FLOAT_EQ(prints[0].y1, float(1.7 * std::sin(w)));
    expectAtAngle(form.Line6, w, "OQ after the finish");
    EXPECT_EQ(form.Label12.text(), forms::Format(std::sin(w)));
    EXPECT_EQ(form.Label13.text(), forms::Format(std::cos(w)));
}

INSTANTIATE_TEST_SUITE_P(
    EachFormula, QMarks,
    testing::Values(QCase{1, 30, 210, "Q(-cosa,-sina)", true}, QCase{1, -300, -120, "Q(-cosa,-sina)", false},
                    QCase{2, 30, 150, "Q(-cosa,sina)", true}, QCase{2, 400, -220, "Q(-cosa,sina)", false},
                    QCase{3, 30, -30, "Q(cosa,-sina)", false},
                    // reached by the forward step: the text still names -sina
                    QCase{3, -30, 30, "Q(cosa,-sina)", true}));

TEST_F(Lesson, HandOverGivesFigureTwoTheAngleOfOQ)
{
    choose(1);
    enter(QStringLiteral("30"));
    runToEnd(form.Timer1);
    EXPECT_EQ(form.Text2.text(), QStringLiteral("210"));
    EXPECT_EQ(form.AlphaDeg, 210);
    EXPECT_EQ(form.CosBeta, std::cos(210 * 3.14159 / 180));
    EXPECT_EQ(form.AxisCase, 0);
    EXPECT_TRUE(form.Timer2.isEnabled());
    EXPECT_TRUE(form.Line6.isVisible());
    expectEnd(form.Line6, 1.9, 0, "OQ waits on the x-axis");
    for (forms::LineObject *stroke : {&form.Line4, &form.Line5}) {
        EXPECT_TRUE(stroke->isVisible());
        EXPECT_EQ(std::tuple(stroke->X1(), stroke->Y1(), stroke->X2(), stroke->Y2()), std::tuple(0.f, 0.f, 0.f, 0.f));
    }
    // The green mark is traced with the black base segment after every piece.
    const auto lines = tick(form.Timer2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(std::tuple(lines[0].x1, lines[0].y1, lines[0].color), std::tuple(0.2f, 0.f, 65280u));
    EXPECT_EQ(std::tuple(lines[1].x1, lines[1].x2, lines[1].color), std::tuple(0.f, 1.f, 0u));
    EXPECT_FALSE(form.Command4.isEnabled());
    runToEnd(form.Timer2);
    EXPECT_EQ(std::tuple(form.Label12.text(), form.Label13.text(), form.Label14.text()),
              std::tuple(QString("-0.5"), QString("-0.866"), QString("0.5774")));
}

TEST_F(Lesson, NoFormulaChosenMeansNoQ)
{
    enter(QStringLiteral("30"));
    runToEnd(form.Timer1);
    EXPECT_FALSE(form.BetaDeg.has_value());
    EXPECT_TRUE(form.Text2.text().isEmpty());
    EXPECT_FALSE(form.Timer2.isEnabled());
    EXPECT_TRUE(form.Line6.isVisible());
    expectEnd(form.Line6, 1.9, 0, "OQ shown where start-up laid it");
}

TEST_F(Lesson, QOfAlpha90ReadsUndefinedAndSnapsToTheYAxis)
{
    choose(2);
    enter(QStringLiteral("90"));
    runToEnd(form.Timer1);
    runToEnd(form.Timer2);
    EXPECT_EQ(form.Label14.text(), QStringLiteral("不存在"));
    EXPECT_EQ(std::tuple(form.Line6.X2(), form.Line6.Y2()), std::tuple(0.f, 1.9f));
}

TEST_F(Lesson, OneEightyWithOneEightyMinusAlphaShowsQOnEveryTick)
{
    choose(2);
    enter(QStringLiteral("180"));
    runToEnd(form.Timer1);
    ASSERT_EQ(form.BetaDeg, 0);
    for (int i = 0; i < 5; ++i) {
        form.Picture1.clearRecorded();
        form.Timer2.tick();
        const auto &calls = form.Picture1.recorded();
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(std::tuple(calls.back().op, calls.back().text, calls.back().y1),
                  std::tuple(Op::Print, QStringLiteral("Q(-cosa,sina)"), 0.2f));
    }
    EXPECT_TRUE(form.Timer2.isEnabled());
    EXPECT_EQ(std::tuple(form.Label12.text(), form.Label13.text(), form.Label14.text()),
              std::tuple(QString("0"), QString("1"), QString("0")));
}

// ---------------------------------------------------------------- bad input

struct Rejected {
    const char *text;
};

void PrintTo(const Rejected &r, std::ostream *os) { *os << '"' << r.text << '"'; }

class OutOfRange : public Lesson, public testing::WithParamInterface<Rejected> {};

TEST_P(OutOfRange, GetsTheMessageAndAnEmptyFocusedEntry)
{
    window.show();
    QApplication::setActiveWindow(&window);
    enter(QString::fromUtf8(GetParam().text));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, QStringLiteral("角度超出规定范围，请重新输入。"));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("提示"));
    EXPECT_EQ(boxes.shown[0].style, 48);
    EXPECT_TRUE(form.Text1.text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), &form.Text1);
    EXPECT_FALSE(form.Timer1.isEnabled());
    EXPECT_TRUE(form.Line1.isVisible());
    EXPECT_FALSE(form.Line2.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Entries, OutOfRange,
                         testing::Values(Rejected{"1800.0001"}, Rejected{"-1800.0000000001"}, Rejected{"1e999"},
                                         Rejected{"-99999999999999999999999"}, Rejected{"１９００"}));

TEST_F(Lesson, AnEmptyEntryStopsTheRowSilently)
{
    enter(QStringLiteral("0"));
    form.Text1.clear();
    window.click("Command1");
    EXPECT_FALSE(form.Timer1.isEnabled());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Lesson, AnImageAngleBeyondTheRangeStopsAtTheHandOver)
{
    window.show();
    QApplication::setActiveWindow(&window);
    choose(1);
    enter(QStringLiteral("1700"));
    ASSERT_GT(runToEnd(form.Timer1), 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("提示"));
    EXPECT_TRUE(form.Text2.text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), &form.Text2);
    EXPECT_FALSE(form.Timer2.isEnabled());
    EXPECT_EQ(form.AlphaDeg, 1880);
}

// ---------------------------------------------------------------- reset, choice, figure 3

TEST_F(Lesson, ResetInTheMiddleStopsAllAndTheNextRunStartsAfresh)
{
    choose(1);
    enter(QStringLiteral("200"));
    for (int i = 0; i < 12; ++i)
        form.Timer1.tick();
    form.Picture1.clearRecorded();
    window.click("Command2");
    EXPECT_FALSE(form.Timer1.isEnabled());
    EXPECT_FALSE(form.Line1.isVisible());
    EXPECT_TRUE(form.Command1.isEnabled());
    EXPECT_TRUE(form.Text1.text().isEmpty());
    expectEnd(form.Line1, 1.9, 0, "ray laid back on the x-axis");
    EXPECT_EQ(form.Picture1.recorded().front().op, Op::Cls);
    EXPECT_EQ(form.Picture1.recorded().size(), 18u);  // Cls and the start-up figure
    EXPECT_EQ(form.FormulaType, 1);
    EXPECT_EQ(form.Label9.text(), QStringLiteral("以OQ为终边的角的正弦:sin(180°+α)="));
    EXPECT_EQ(form.Picture1.DrawStyle, 0);

    // The interrupted motion is gone: the new run starts on the x-axis.
    enter(QStringLiteral("100"));
    const auto first = tick(form.Timer1);
    expectEnd(form.Line1, 1.9, 0, "first tick after reset");
    EXPECT_EQ(std::tuple(first[0].x1, first[0].y1, first[0].x2, first[0].y2), std::tuple(0.1f, 0.f, 0.f, 0.f));
    runToEnd(form.Timer1);
    expectAtAngle(form.Line1, 100 * Rad, "ray after the finish");
}

TEST_F(Lesson, AFormulaChosenDuringTheTurnDecidesQ)
{
    choose(1);
    enter(QStringLiteral("40"));
    form.Timer1.tick();
    choose(3);
    runToEnd(form.Timer1);
    EXPECT_EQ(form.BetaDeg, -40);
    EXPECT_EQ(form.Label11.text(), QStringLiteral("以OQ为终边的角的正切:tan(-α)="));
}

TEST_F(Lesson, ClearingFigureTwoStopsItAndItsNextRunStartsAfresh)
{
    choose(1);
    enter(QStringLiteral("30"));
    runToEnd(form.Timer1);
    for (int i = 0; i < 10; ++i)
        form.Timer2.tick();
    window.click("Command6");
    EXPECT_FALSE(form.Timer2.isEnabled());
    EXPECT_TRUE(form.Text2.text().isEmpty());
    expectEnd(form.Line6, 1.9, 0, "OQ back on the x-axis");
    EXPECT_EQ(form.Q.RayAngle, 0);
    EXPECT_EQ(std::tuple(form.Q.ArcX, form.Q.ArcY), std::tuple(0.0, 0.0));
    const auto &cross = form.Picture2.recorded();
    ASSERT_EQ(cross.size(), 13u);  // Cls, Scale, eight lines, x y O
    EXPECT_EQ(cross[12], (DrawCall{Op::Print, -0.15f, -0.04f, 0, 0, 0, 0, "O", true}));

    form.Text2.setText(QStringLiteral("again"));
    form.Command4_Click();  // as the finish of P does; the button stays disabled until reset
    const auto first = tick(form.Timer2);
    EXPECT_EQ(std::tuple(first[0].x1, first[0].x2), std::tuple(0.2f, 0.f));
    runToEnd(form.Timer2);
    expectAtAngle(form.Line6, 210 * Rad, "OQ ends at 210");
}

TEST_F(Lesson, FigureTwoHandedANewAngleWhileItTurnsStartsAfresh)
{
    choose(1);
    enter(QStringLiteral("300"));
    runToEnd(form.Timer1);  // BetaDeg = 480
    window.click("Command2");
    form.Text2.setText(QStringLiteral("go"));
    window.click("Command4");  // by keyboard: figure 2 turns towards 480
    for (int i = 0; i < 30; ++i)
        form.Timer2.tick();
    choose(3);
    enter(QStringLiteral("30"));
    runToEnd(form.Timer1);  // P's finish hands -30 over while figure 2 still turns
    form.Timer2.tick();
    expectEnd(form.Line6, 1.9, 0, "OQ starts again from the x-axis");
    EXPECT_EQ(runToEnd(form.Timer2), 5);  // the rest of the 6 ticks to -30
    expectAtAngle(form.Line6, -30 * Rad, "OQ");
}

TEST_F(Lesson, FigureThreeStartedDuringPLeavesPOnItsOwnCourse)
{
    choose(1);
    enter(QStringLiteral("100"));
    for (int i = 0; i < 5; ++i)
        form.Timer1.tick();
    form.Text3.setText(QStringLiteral("-45"));
    window.click("Command5");
    form.Text3.setText(QStringLiteral("5000"));  // and a rejected entry on top
    window.click("Command5");
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(form.Timer3.isEnabled());
    while (form.Timer1.isEnabled() || form.Timer3.isEnabled()) {
        form.Timer1.tick();
        form.Timer3.tick();
    }
    // P finished at 100 and handed 280 over to Q; figure 3 ended at -45.
    EXPECT_EQ(form.Label4.text(), forms::Format(std::sin(100 * Rad)));
    EXPECT_EQ(form.BetaDeg, 280);
    expectAtAngle(form.Line9, -45 * Rad, "figure 3");
    EXPECT_EQ(form.P.targetDeg, 100);
    runToEnd(form.Timer2);
    expectAtAngle(form.Line6, 280 * Rad, "OQ");
}

// Every finish puts the ray at its angle, or exactly on the axis it lies on.
TEST_F(Lesson, EveryAngleEndsWhereItShould)
{
    // 11.459165581759557 and 68.754993490557 lie exactly one step past a step:
    // the finishing tick starts a step short of the angle.
    std::vector<double> angles{90, -90, 180, 270, -1350, 1800, 89.6, 0.4, 3, 5.5, -4,
                               11.459165581759557, 68.75499349055734};
    for (double gamma = -1800; gamma <= 1800; gamma += 7.3)
        angles.push_back(gamma);
    for (double gamma : angles) {
        form.Text3.setText(QString::number(gamma, 'g', 17));
        window.click("Command5");
        ASSERT_GT(runToEnd(form.Timer3), 0) << gamma;
        ASSERT_TRUE(testing_support::allFinite(form.Picture1.recorded()));
        const bool onAxis = forms::RoundingMod(gamma, 90) == 0 && std::fabs(gamma) > 6;
        if (onAxis) {
            const int quarter = int(std::lround(gamma / 90) % 4 + 4) % 4;
            const float ends[4][2] = {{1.9f, 0}, {0, 1.9f}, {-1.9f, 0}, {0, -1.9f}};
            EXPECT_EQ(std::tuple(form.Line9.X2(), form.Line9.Y2()), std::tuple(ends[quarter][0], ends[quarter][1]))
                << gamma;
        } else {
            expectAtAngle(form.Line9, gamma * Rad, "figure 3's ray");
        }
        window.click("Command2");
        form.Picture1.clearRecorded();
    }
}

} // namespace
