// On a projector at scale factor 2 every logical pixel is 2 x 2 device
// pixels: lines, pictures and text are drawn at that resolution, not blown up.
#include "forms/application.h"
#include "harness.h"

#include "angulon/form1.h"
#include "unitrix/form1.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// Grey levels down one device-pixel column of a window's picture.
std::vector<int> column(const QImage &image, int x, int fromY, int toY)
{
    std::vector<int> greys;
    for (int y = fromY; y < toY; ++y)
        greys.push_back(qGray(image.pixel(x, y)));
    return greys;
}

// A one-pixel line crossed at right angles: exactly two black device pixels,
// and only black or white around them.
void expectSharpCrossing(const std::vector<int> &greys)
{
    int dark = 0;
    for (int g : greys) {
        EXPECT_TRUE(g < 30 || g > 225) << "a grey level of " << g << " smears the line";
        dark += g < 30;
    }
    EXPECT_EQ(dark, 2);
}

TEST(Crisp, UnitrixDrawsItsFigureAtDeviceResolution)
{
    unitrix::Form1 form;
    form.window().show();
    const QImage shown = form.window().grab().toImage();
    ASSERT_EQ(shown.size(), QSize(1480, 1118));
    ASSERT_EQ(form.Picture1.drawing().size(), QSize(666, 666)) << "the persistent picture is kept at ratio 2";
    // The x-axis at logical (109, 224.5), the y-axis at (192.5, 150).
    expectSharpCrossing(column(shown, 218, 430, 470));
    std::vector<int> row;
    for (int x = 365; x < 405; ++x)
        row.push_back(qGray(shown.pixel(x, 300)));
    expectSharpCrossing(row);
}

TEST(Crisp, AngulonRaysAreTwoLogicalPixelsWide)
{
    angulon::Form1 form;
    form.window().show();
    form.Text2.setText(QStringLiteral("90"));
    form.window().click("Command4");
    testing_support::runToEnd(form.Timer2);
    const QImage shown = form.window().grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The green β ray stands on the y-axis (logical x 174.5): 4 device pixels of pure green.
    int green = 0;
    for (int x = 330; x < 370; ++x) {
        const QColor c = shown.pixelColor(x, 2 * 100);
        green += c == QColor(0, 255, 0);
        EXPECT_TRUE(c == QColor(0, 255, 0) || c.lightness() > 225 || c.lightness() < 30) << x;
    }
    EXPECT_EQ(green, 4);
}

TEST(Crisp, PicturesAreRenderedForTheScreenNotEnlarged)
{
    unitrix::Form1 form;
    form.window().show();
    QWidget &title = form.window().get<QWidget>("Image17");
    const QImage picture = title.grab().toImage();
    EXPECT_EQ(picture.size(), title.size() * 2);
    // An enlarged 1x picture repeats every pixel in 2 x 2 blocks; ours does not.
    int differingPairs = 0;
    for (int y = 0; y + 1 < picture.height(); y += 2)
        for (int x = 0; x + 1 < picture.width(); x += 2)
            differingPairs += picture.pixel(x, y) != picture.pixel(x + 1, y);
    EXPECT_GT(differingPairs, 50);
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
