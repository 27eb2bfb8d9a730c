// The edges of the canvas and its dotted lines look the same in logical pixels
// at any scale factor: this suite runs at 1 and at 2 (a projector).
#include "harness.h"
#include "unitrix/form1.h"

#include <QPalette>
#include <gtest/gtest.h>

namespace {

struct Edges : testing::Test {
    unitrix::Form1 form;
    QImage shown;
    int ratio = 1;  // device pixels per logical pixel

    void grab()
    {
        form.window().show();
        shown = form.window().grab().toImage().convertToFormat(QImage::Format_RGB32);
        ratio = shown.width() / form.window().width();
    }
    // Every device pixel of the logical pixel (x, y) of the window.
    std::vector<QColor> at(int x, int y) const
    {
        std::vector<QColor> pixels;
        for (int dy = 0; dy < ratio; ++dy)
            for (int dx = 0; dx < ratio; ++dx)
                pixels.push_back(shown.pixelColor(x * ratio + dx, y * ratio + dy));
        return pixels;
    }
    void expectColour(int x, int y, const QColor &colour, const char *what) const
    {
        for (const QColor &c : at(x, y))
            EXPECT_EQ(c.name(), colour.name()) << what << " at " << x << ", " << y;
    }
    bool dark(int x, int y) const
    {
        const auto pixels = at(x, y);
        return std::any_of(pixels.begin(), pixels.end(), [](const QColor &c) { return c.lightness() < 80; });
    }
};

TEST_F(Edges, TheCanvasKeepsEveryInnerPixelAndItsSunkenEdgeTheOuterTwo)
{
    grab();
    const QRect box = form.Picture1.geometry();  // in the window, as the frame holds it
    const QRect onWindow(form.Picture1.mapTo(&form.window(), QPoint(0, 0)), box.size());
    const QPalette &colours = form.Picture1.palette();
    const QColor white(255, 255, 255);
    // Across a row and down a column that the figure leaves blank at both ends.
    const int y = onWindow.top() + 40, x = onWindow.left() + 40;
    expectColour(onWindow.left(), y, colours.color(QPalette::Mid), "outer shadow, left");
    expectColour(onWindow.left() + 1, y, colours.color(QPalette::Shadow), "inner shadow, left");
    expectColour(onWindow.left() + 2, y, white, "first column of the drawing");
    expectColour(onWindow.right() - 2, y, white, "last column of the drawing");
    expectColour(onWindow.right() - 1, y, colours.color(QPalette::Midlight), "inner light, right");
    expectColour(onWindow.right(), y, colours.color(QPalette::Light), "outer light, right");
    expectColour(x, onWindow.top(), colours.color(QPalette::Mid), "outer shadow, top");
    expectColour(x, onWindow.top() + 1, colours.color(QPalette::Shadow), "inner shadow, top");
    expectColour(x, onWindow.bottom() - 2, white, "last row of the drawing");
    expectColour(x, onWindow.bottom() - 1, colours.color(QPalette::Midlight), "inner light, bottom");
    expectColour(x, onWindow.bottom(), colours.color(QPalette::Light), "outer light, bottom");

    // The arrowheads' tips touch the edges: x = 2 on the last column, y = 2 on the first row.
    const int axisRow = onWindow.top() + 2 + 333 / 2, axisColumn = onWindow.left() + 2 + 333 / 2;
    EXPECT_TRUE(dark(onWindow.right() - 2, axisRow - 1) || dark(onWindow.right() - 2, axisRow)
                || dark(onWindow.right() - 2, axisRow + 1)) << "tip of the x arrowhead";
    EXPECT_TRUE(dark(axisColumn - 1, onWindow.top() + 2) || dark(axisColumn, onWindow.top() + 2)
                || dark(axisColumn + 1, onWindow.top() + 2)) << "tip of the y arrowhead";
}

TEST_F(Edges, AFramesGrooveLiesOnItsOuterPixels)
{
    grab();
    QWidget &frame = form.window().get<QWidget>("Frame1");
    const QRect onWindow = frame.geometry();
    const QPalette &colours = frame.palette();
    const int y = onWindow.center().y();
    expectColour(onWindow.left(), y, colours.color(QPalette::Mid), "groove, left");
    expectColour(onWindow.left() + 1, y, colours.color(QPalette::Light), "groove's light, left");
    expectColour(onWindow.right() - 1, y, colours.color(QPalette::Mid), "groove, right");
    expectColour(onWindow.right(), y, colours.color(QPalette::Light), "groove's light, right");
    expectColour(onWindow.center().x(), onWindow.bottom() - 1, colours.color(QPalette::Mid), "groove, bottom");
    expectColour(onWindow.center().x(), onWindow.bottom(), colours.color(QPalette::Light), "groove's light, bottom");
}

TEST_F(Edges, DottedLinesAreOnePixelOnTwoOffAndQsMarkStaysDotted)
{
    form.Picture6_Click();
    form.Image12_Click();
    form.Text1.setText(QStringLiteral("30"));
    form.Command1_Click();
    testing_support::runToEnd(form.Timer1);
    testing_support::runToEnd(form.Timer2);
    grab();
    const QImage canvas = form.Picture1.drawing();

    // P's projection onto the y-axis, the dotted row from x = 0 to P, read
    // along its most inked device row between x = 0.1 and 1.4.
    const QPointF from = form.Picture1.toPixel(0.1, 1.7 * form.SinAlpha) - form.Picture1.clientArea().topLeft();
    const int left = int(from.x() * ratio), right = left + int(1.3 * 333 / 4) * ratio;
    auto inked = [&](int x, int y) { return qGray(canvas.pixel(x, y)) < 80; };
    int row = 0, most = 0;
    for (int y = int(from.y() * ratio) - 2 * ratio; y <= int(from.y() * ratio) + 2 * ratio; ++y) {
        int count = 0;
        for (int x = left; x < right; ++x)
            count += inked(x, y);
        if (count > most)
            most = count, row = y;
    }
    std::vector<std::pair<bool, int>> runs;  // ink or gap, and its length in device pixels
    for (int x = left; x < right; ++x) {
        if (runs.empty() || runs.back().first != inked(x, row))
            runs.push_back({inked(x, row), 0});
        ++runs.back().second;
    }
    ASSERT_GT(runs.size(), 20u);
    for (size_t i = 1; i + 1 < runs.size(); ++i)  // the range cuts the first and last
        EXPECT_EQ(runs[i].second, runs[i].first ? ratio : 2 * ratio) << "run " << i;

    // Q's green mark, traced dotted in pieces shorter than a dot and a gap,
    // covers well under the whole of its arc of radius 0.2 from 0° to 210°.
    int green = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            green += canvas.pixel(x, y) == qRgb(0, 255, 0);
    const double solid = 0.2 * form.Picture1.clientArea().width() / 4 * (210 * 3.14159 / 180) * ratio * ratio;
    EXPECT_GT(green, 0.3 * solid);
    EXPECT_LT(green, 0.75 * solid) << "the dotted mark reads as a solid line";
}

} // namespace
