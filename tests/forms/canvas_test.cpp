#include "forms/picturebox.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <random>
#include <gtest/gtest.h>

using forms::Border;
using forms::DrawCall;
using forms::PictureBox;

namespace {

// A white 100 x 100 canvas with the user scale of the lessons.
struct Canvas : testing::Test {
    PictureBox box{nullptr, Border::None};
    Canvas()
    {
        box.resize(100, 100);
        box.setBackColor(Qt::white);
        box.Scale(-2, 2, 2, -2);
    }
    QImage shown() { return box.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static int darkIn(const QImage &image, QRect area)
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += qGray(image.pixel(x, y)) < 128;
        return n;
    }
};

struct MappingCase {
    Border border;
    float x, y;
    double px, py;
};

class ScaleMapping : public testing::TestWithParam<MappingCase> {};

TEST_P(ScaleMapping, PutsUserUnitsInsideTheBorder)
{
    const auto c = GetParam();
    PictureBox box(nullptr, c.border);
    box.resize(104, 104);
    box.Scale(-2, 2, 2, -2);
    const QPointF p = box.toPixel(c.x, c.y);
    EXPECT_DOUBLE_EQ(p.x(), c.px);
    EXPECT_DOUBLE_EQ(p.y(), c.py);
}

INSTANTIATE_TEST_SUITE_P(
    Lessons, ScaleMapping,
    testing::Values(MappingCase{Border::None, -2, 2, 0, 0}, MappingCase{Border::None, 2, -2, 104, 104},
                    MappingCase{Border::None, 0, 0, 52, 52}, MappingCase{Border::None, 1, 1, 78, 26},
                    MappingCase{Border::Sunken, -2, 2, 2, 2}, MappingCase{Border::Sunken, 0, 0, 52, 52},
                    MappingCase{Border::Sunken, 2, -2, 102, 102}, MappingCase{Border::Flat, -2, -2, 1, 103}));

TEST(CanvasScale, BeforeAnyScaleCountsInTwips)
{
    PictureBox box(nullptr, Border::Sunken);
    box.resize(104, 104);
    EXPECT_EQ(box.toPixel(150, 300), QPointF(12, 22));
    box.Scale(0, 0, 0, 5);  // no extent: ignored, twips stay
    EXPECT_EQ(box.toPixel(150, 300), QPointF(12, 22));
}

TEST_F(Canvas, DrawingStaysThroughRepaintsAndGoesOnlyWithCls)
{
    box.Line(-2, 0, 2, 0);
    EXPECT_GT(darkIn(shown(), {0, 48, 100, 5}), 90);
    box.hide();
    box.show();
    EXPECT_GT(darkIn(shown(), {0, 48, 100, 5}), 90) << "lost on being covered";
    box.Cls();
    EXPECT_EQ(darkIn(shown(), {0, 0, 100, 100}), 0);
}

TEST_F(Canvas, LineObjectsLieAboveTheDrawingAndSurviveCls)
{
    forms::LineObject &ray = box.addLine(Qt::black, 1);
    ray.place(0, -2, 0, 2);  // vertical through the centre
    box.Cls();
    EXPECT_GT(darkIn(shown(), {48, 0, 5, 100}), 90);
    ray.setVisible(false);
    EXPECT_EQ(darkIn(shown(), {48, 0, 5, 100}), 0);
    ray.setVisible(true);
    ray.collapse();  // a line object of one point shows nothing
    EXPECT_EQ(darkIn(shown(), {0, 0, 100, 100}), 0);
}

TEST_F(Canvas, DottedLeavesGapsSolidDoesNot)
{
    box.DrawStyle = 2;
    box.Line(-2, 1, 2, 1);
    box.DrawStyle = 0;
    box.Line(-2, -1, 2, -1);
    const QImage image = shown();
    const int dotted = darkIn(image, {0, 22, 100, 6});
    const int solid = darkIn(image, {0, 72, 100, 6});
    EXPECT_GE(solid, 99);
    EXPECT_GT(dotted, 15);
    EXPECT_LT(dotted, 60);
}

TEST_F(Canvas, DrawnAgainOnItselfNothingChanges)
{
    box.setCanvasFont(QFont(QStringLiteral("Liberation Serif"), 10));
    auto drawOnce = [&] {
        box.Line(0, 0, 1, 0, 65280);
        box.Line(0.1f, 0.3f, 0.37f, 0.55f, 0);
        box.Circle(0.5f, 0.5f, 0.02f, 255);
        box.CurrentX = 1.5, box.CurrentY = 0.2f;
        box.Print(QStringLiteral("Q(-cosa,sina)"));
    };
    drawOnce();
    const QImage once = box.drawing().copy();
    for (int i = 0; i < 20; ++i)
        drawOnce();
    EXPECT_EQ(box.drawing(), once) << "text or segments grew bolder";
}

TEST_F(Canvas, LinesAlongAnAxisArePixelForPixelWhatTheStrokerDraws)
{
    // Such lines take a faster way into the picture; what they cover must not change.
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> at(-2, 2);
    QImage reference(100, 100, QImage::Format_RGB32);
    for (int i = 0; i < 400; ++i) {
        const float x1 = at(rng), x2 = at(rng), y = at(rng);
        const bool vertical = i % 2;
        box.Cls();
        reference.fill(Qt::white);
        QPainter p(&reference);
        p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap));
        if (vertical) {
            box.Line(y, x1, y, x2);
            p.drawLine(box.toPixel(y, x1), box.toPixel(y, x2));
        } else {
            box.Line(x1, y, x2, y);
            p.drawLine(box.toPixel(x1, y), box.toPixel(x2, y));
        }
        p.end();
        ASSERT_EQ(box.drawing(), reference) << (vertical ? "vertical " : "horizontal ") << x1 << ' ' << x2 << ' ' << y;
    }
}

TEST_F(Canvas, PrintStartsANewLineAtTheLeftEdge)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(14);
    box.setCanvasFont(font);
    box.CurrentX = 1, box.CurrentY = 1;
    box.Print(QStringLiteral("P"));
    EXPECT_FLOAT_EQ(box.CurrentX, -2);
    // one line lower: y grows upward here, 25 px a unit
    EXPECT_FLOAT_EQ(box.CurrentY, float(1 - QFontMetricsF(font).height() / 25));
}

TEST_F(Canvas, RecordsExactCallsInSinglePrecisionOnlyWhenAsked)
{
    box.Line(0.1, 0.2, 0.3, 0.4);
    EXPECT_TRUE(box.recorded().empty());
    box.setRecording(true);
    box.FontItalic = true;
    box.DrawStyle = 2;
    const double third = 1.0 / 3;
    box.Line(third, 0, 1.9, 0.05, 255);
    box.Circle(0, 0, 1.7);
    box.CurrentX = -0.15, box.CurrentY = 2.05;
    box.Print(QStringLiteral("y"));
    box.Cls();
    const std::vector<DrawCall> expected{
        {DrawCall::Op::Line, float(third), 0, 1.9f, 0.05f, 255, 2},
        {DrawCall::Op::Circle, 0, 0, 1.7f, 0, 0, 2},
        {DrawCall::Op::Print, -0.15f, 2.05f, 0, 0, 0, 0, QStringLiteral("y"), true},
        {DrawCall::Op::Cls},
    };
    EXPECT_EQ(box.recorded(), expected);
}

TEST_F(Canvas, NonFiniteOrHugeCoordinatesDrawNothingAndDoNotCrash)
{
    box.Line(std::nanf(""), 0, 1, 1);
    box.Line(0, 0, INFINITY, 1);
    box.Line(0, 0, 1e30f, 1e30f);
    box.Circle(0, 0, NAN);
    box.CurrentX = NAN;
    box.Print(QStringLiteral("x"));
    EXPECT_EQ(darkIn(shown(), {0, 0, 100, 100}), 0);
}

} // namespace
