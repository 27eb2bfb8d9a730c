// The canvas as a pupil sees it: a drawing that stays, line objects above it,
// lines and text drawn again on themselves unchanged, and nothing at all for
// a bad coordinate.
#include "harness.h"

using testing_support::count;

// A white 100 x 100 canvas with the lessons' user scale: 25 pixels a unit.
struct Canvas : testing::Test {
    forms::PictureBox box{nullptr, forms::Border::None};
    Canvas()
    {
        box.resize(100, 100), box.setBackColor(Qt::white), box.Scale(-2, 2, 2, -2);
        box.setCanvasFont(QFont("Liberation Serif", 10));
    }
    int dark() { return count(box.grab().toImage(), box.rect(), Qt::black); }
};

// On screen what is drawn shows at once, and what Cls clears goes at once;
// line objects outlive it.
TEST_F(Canvas, TheScreenShowsEachCallAtOnce)
{
    box.show();
    auto screen = [&](QColor colour = Qt::black) { return count(testing_support::onScreen(box), box.rect(), colour); };
    screen();
    box.Line(-2, 0, 2, 0);
    EXPECT_EQ(screen(), 100);
    box.Circle(0, 0, 1, 255);
    EXPECT_GT(screen(Qt::red), 100);
    box.CurrentX = -1.8f, box.CurrentY = -1.5f;
    box.Print("W");  // in the canvas's own colour, whatever was drawn before
    EXPECT_GT(screen(), 110);
    forms::LineObject &ray = box.addLine(Qt::black, 2);
    ray.place(0, -2, 0, 2);
    box.Cls();
    EXPECT_EQ(screen(), 200) << "only the line object";
    ray.place(0.5, 1.5, 1.5, 0.5);  // gone from where it was, shown where it is
    EXPECT_EQ(screen(), dark());
    EXPECT_GT(dark(), 40);
    ray.collapse();  // one point shows nothing
    EXPECT_EQ(screen(), 0);
}

// A timer at angle 0 draws the same again on every tick: nothing grows bolder.
// A line of one point or at a bad coordinate draws nothing at all.
TEST_F(Canvas, DrawnAgainOnItselfOrAtANonFinitePointNothingChanges)
{
    QImage once;
    for (int i = 0; i < 20; ++i, once = once.isNull() ? box.grab().toImage() : once) {
        box.Line(0.1f, 0.3f, 0.37f, 0.55f, 0);
        box.Circle(0.5f, 0.5f, 0.02f, 255);
        box.CurrentX = 1.5, box.CurrentY = 0.2f;
        box.Print("Q(-cosa,sina)");
    }
    box.Line(1, 1.5f, 1, 1.5f);  // a line of one point shows nothing
    box.addLine(Qt::black, 1).place(0, 0, INFINITY, 1);
    box.Line(std::nanf(""), 0, 1, 1);
    box.Line(0, 0, 1e30f, 1e30f);
    box.Circle(0, 0, NAN);
    box.Circle(0, 0, 1e30f);
    box.CurrentX = NAN;
    box.Print("x");
    EXPECT_EQ(box.grab().toImage(), once);
}
