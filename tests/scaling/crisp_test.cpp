// On a projector at scale factor 2 every logical pixel is 2 x 2 device
// pixels: lines, pictures and text are drawn at that resolution, not blown up.
#include "forms/application.h"
#include "harness.h"

#include "angulon/form1.h"
#include "unitrix/form1.h"

#include <QApplication>

namespace {

// Grey levels of a window's device pixels from one point onwards.
std::vector<int> greys(const QImage &image, QPoint from, QPoint step, int n)
{
    std::vector<int> out;
    for (int i = 0; i < n; ++i, from += step)
        out.push_back(qGray(image.pixel(from)));
    return out;
}

// A one-pixel line crossed at right angles: two black device pixels amid white.
void expectSharpCrossing(const std::vector<int> &greys)
{
    EXPECT_EQ(std::count_if(greys.begin(), greys.end(), [](int g) { return g < 30; }), 2);
    EXPECT_EQ(std::count_if(greys.begin(), greys.end(), [](int g) { return g >= 30 && g <= 225; }), 0) << "smeared";
}

TEST(Crisp, TheUnitCircleFigureAndPicturesAreDrawnAtDeviceResolution)
{
    unitrix::Form1 form;
    form.window().show();
    const QImage shown = form.window().grab().toImage();
    ASSERT_EQ(shown.size(), QSize(1480, 1118));
    EXPECT_EQ(form.Picture1.drawing().size(), QSize(666, 666)) << "the persistent picture is kept at ratio 2";
    expectSharpCrossing(greys(shown, {218, 430}, {0, 1}, 40));  // the x-axis at logical (109, 224.5)
    expectSharpCrossing(greys(shown, {365, 300}, {1, 0}, 40));  // the y-axis at (192.5, 150)
    // An enlarged 1x picture repeats every pixel in 2 x 2 blocks; ours does not.
    const QImage title = form.window().get<QWidget>("Image17").grab().toImage();
    int differingPairs = 0;
    for (int y = 0; y < title.height(); y += 2)
        for (int x = 0; x + 1 < title.width(); x += 2)
            differingPairs += title.pixel(x, y) != title.pixel(x + 1, y);
    EXPECT_GT(differingPairs, 50);
}

TEST(Crisp, AngulonRaysAreTwoLogicalPixelsWide)
{
    angulon::Form1 form;
    form.window().show();
    form.Text2.setText("90");
    form.window().click("Command4");
    testing_support::runToEnd(form.Timer2);
    // The green β ray stands on the y-axis (logical x 174.5): 4 device pixels of pure green.
    const QImage shown = form.window().grab().toImage();
    EXPECT_EQ(testing_support::count(shown, {330, 200, 40, 1}, Qt::green), 4);
    EXPECT_EQ(testing_support::count(shown, {330, 200, 40, 1}, Qt::white) + testing_support::count(shown, {330, 200, 40, 1}, Qt::black), 36);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    forms::setUpApplication(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
