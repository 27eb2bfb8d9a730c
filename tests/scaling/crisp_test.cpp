// On a projector at scale factor 2 every logical pixel is 2 x 2 device
// pixels: lines, pictures and text are drawn at that resolution, not blown up.
#include "forms/application.h"
#include "harness.h"

#include "angulon/form1.h"
#include "unitrix/form1.h"

using testing_support::count;

namespace {

TEST(Crisp, TheUnitCircleFigureAndThePicturesAreDrawnAtDeviceResolution)
{
    unitrix::Form1 form;
    const QImage shown = form.window().grab().toImage();
    ASSERT_EQ(shown.size(), QSize(1480, 1118));
    EXPECT_EQ(form.Picture1.drawing().size(), QSize(666, 666)) << "the persistent picture is kept at ratio 2";
    // Down across the x-axis at logical (109, 224.5): two black device pixels amid white.
    EXPECT_EQ(count(shown, {218, 430, 1, 40}, Qt::black, 30) + count(shown, {218, 430, 1, 40}, Qt::white, 30), 40);
    EXPECT_EQ(count(shown, {218, 430, 1, 40}, Qt::black, 30), 2);
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
    form.Text2.setText("90");
    form.window().click("Command4");
    testing_support::runToEnd(form.Timer2);
    // The green β ray stands on the y-axis (logical x 174.5): 4 device pixels of pure green.
    const QImage shown = form.window().grab().toImage();
    EXPECT_EQ(count(shown, {330, 200, 40, 1}, Qt::green, 0), 4);
    EXPECT_EQ(count(shown, {330, 200, 40, 1}, Qt::white, 30), 36);
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
