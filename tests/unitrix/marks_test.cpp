// The texts that mark P and Q, found in the canvas's pixels: each stands whole
// inside the canvas, at its place or moved sideways just enough to stay 3
// pixels clear of the edge, and Q is marked also where OQ does not turn.
#include "form1.h"
#include "harness.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const double Rad = 3.14159 / 180;
constexpr int Spare = 3;

bool inked(const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 100; }

// The ink of a text printed with its top-left at (x, y) on a clean canvas of
// the same window: where it lies (what an edge cuts off is missing).
struct Ink {
    std::vector<QPoint> pixels;
    QRect box;
};

Ink inkOf(const QString &text, float x, float y)
{
    unitrix::Form1 clean;
    clean.Picture1.Cls();
    clean.Picture1.CurrentX = x, clean.Picture1.CurrentY = y;
    clean.Picture1.Print(text);
    const QImage image = clean.Picture1.drawing();
    Ink ink;
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < image.width(); ++column)
            if (inked(image, column, row)) {
                ink.pixels.push_back({column, row});
                ink.box |= QRect(column, row, 1, 1);
            }
    return ink;
}

struct Lesson {
    int type;
    double alpha;
    const char *q;  // its text
};

void PrintTo(const Lesson &l, std::ostream *os) { *os << "type " << l.type << " alpha " << l.alpha; }

struct Marks : testing::TestWithParam<Lesson> {
    unitrix::Form1 form;
    Marks() { form.Picture1.setRecording(true); }

    // The text meant for (x, y) stands whole on the canvas, moved sideways
    // only as far as it must to stay clear of the edges.
    void expectWhole(const QString &text, double x, double y)
    {
        const std::string what = text.toStdString();
        const auto &calls = form.Picture1.recorded();
        const auto print = std::find_if(calls.rbegin(), calls.rend(), [&](const auto &c) { return c.text == text; });
        ASSERT_NE(print, calls.rend()) << what << " never printed";
        EXPECT_EQ(print->y1, float(y)) << what << " keeps its height";
        const QImage canvas = form.Picture1.drawing();
        const Ink shown = inkOf(text, print->x1, print->y1);
        for (QPoint p : shown.pixels)
            ASSERT_TRUE(inked(canvas, p.x(), p.y())) << what << " is not on the canvas where it was printed";
        const int last = canvas.width() - 1;
        EXPECT_GE(shown.box.left(), Spare) << what;
        EXPECT_LE(shown.box.right(), last - Spare) << what;

        const QRect atPlace = inkOf(text, float(x), float(y)).box;
        if (atPlace.left() >= Spare && atPlace.right() <= last - Spare)
            EXPECT_EQ(print->x1, float(x)) << what << " fits at its place and must stay there";
        else if (atPlace.left() < Spare)
            EXPECT_LE(shown.box.left(), Spare + 3) << what << " moved further than it must";
        else
            EXPECT_GE(shown.box.right(), last - Spare - 3) << what << " moved further than it must";
    }
};

TEST_P(Marks, CoordinateTextsStandWholeInsideTheCanvas)
{
    const Lesson l = GetParam();
    form.Picture6_Click();
    form.window().click(l.type == 1 ? "Image12" : l.type == 2 ? "Image13" : "Image14");
    form.Text1.setText(QString::number(l.alpha));
    form.window().click("Command1");
    ASSERT_GT(testing_support::runToEnd(form.Timer1), 0);
    const double a = l.alpha * Rad;
    expectWhole(QStringLiteral("P(cosa,sina)"), 1.5 * std::cos(a), 1.7 * std::sin(a));

    const double beta = l.type == 1 ? 180 + l.alpha : l.type == 2 ? 180 - l.alpha : -l.alpha;
    const double w = beta * Rad;
    if (beta != 0) {
        ASSERT_GT(testing_support::runToEnd(form.Timer2), 0);
        expectWhole(QString::fromUtf8(l.q), beta > 0 ? 1.8 * std::cos(w) - 0.5 : 1.8 * std::cos(w), 1.7 * std::sin(w));
        return;
    }
    // OQ at 0°: Q is shown on every tick, and the timer ticks on.
    for (int tick = 0; tick < 3; ++tick)
        form.Timer2.tick();
    EXPECT_TRUE(form.Timer2.isEnabled());
    EXPECT_EQ(std::tuple(form.Label12.text(), form.Label13.text(), form.Label14.text()),
              std::tuple(QString("0"), QString("1"), QString("0")));
    expectWhole(QString::fromUtf8(l.q), 1.5, 0.2);
}

INSTANTIATE_TEST_SUITE_P(
    EachSide, Marks,
    testing::Values(Lesson{1, 30, "Q(-cosa,-sina)"},   // P past the right edge, Q past the left
                    Lesson{3, 30, "Q(cosa,-sina)"},    // Q past the right edge
                    Lesson{2, 120, "Q(-cosa,sina)"},   // both fit where they are
                    Lesson{2, 180, "Q(-cosa,sina)"},   // OQ at 0°
                    Lesson{1, -180, "Q(-cosa,-sina)"}  // OQ at 0° under 180°+α too
                    ));

} // namespace
