#include "form1.h"
#include "harness.h"

#include <QApplication>
#include <QPushButton>
#include <gtest/gtest.h>

using forms::DrawCall;
using Op = forms::DrawCall::Op;

namespace {

struct Startup : testing::Test {
    testing_support::RecordingFromStart recording;
    angulon::Form1 form;
    forms::Form &window = form.window();
};

TEST_F(Startup, TheWindowIsFixedAtItsClientSize)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Rotavel"));
    EXPECT_EQ(window.size(), QSize(610, 350));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(Startup, ThePlaneHasTwoAxesTwentyArrowheadStrokesAndThreeLetters)
{
    std::vector<DrawCall> expected{{Op::Scale, -2, 2, 2, -2}, {Op::Line, -2, 0, 2, 0}, {Op::Line, 0, -2, 0, 2}};
    for (double s : {0.0, 0.01, 0.02, 0.03, 0.04}) {
        const float tip = float(1.94 + s);
        expected.push_back({Op::Line, 1.92f, 0.04f, tip, 0});
        expected.push_back({Op::Line, 1.92f, -0.035f, tip, 0});
        expected.push_back({Op::Line, 0.035f, 1.92f, 0, tip});
        expected.push_back({Op::Line, -0.04f, 1.92f, 0, tip});
    }
    expected.push_back({Op::Print, 1.9f, -0.04f, 0, 0, 0, 0, "x", true});
    expected.push_back({Op::Print, -0.15f, 2, 0, 0, 0, 0, "y", true});
    expected.push_back({Op::Print, -0.15f, -0.04f, 0, 0, 0, 0, "O", true});
    EXPECT_EQ(form.Picture1.recorded(), expected);
    EXPECT_GT(form.ArrowStep, 0.04);  // the loop ran its five passes out
}

TEST_F(Startup, NothingRunsAndNoRayShows)
{
    for (forms::LineObject *ray : {&form.Line1, &form.Line6, &form.Line9}) {
        EXPECT_FALSE(ray->isVisible());
        EXPECT_EQ(std::tuple(ray->X1(), ray->Y1(), ray->X2(), ray->Y2()), std::tuple(0.f, 0.f, 1.9f, 0.f));
    }
    for (forms::LineObject *stroke : {&form.Line2, &form.Line3, &form.Line4, &form.Line5, &form.Line7, &form.Line8})
        EXPECT_FALSE(stroke->isVisible());
    for (forms::Timer *timer : {&form.Timer1, &form.Timer2, &form.Timer3})
        EXPECT_FALSE(timer->isEnabled());
    for (QLineEdit *entry : {&form.Text1, &form.Text2, &form.Text3})
        EXPECT_TRUE(entry->text().isEmpty());
    for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{
             &form.Command1, &form.Command2, &form.Command3, &form.Command4, &form.Command5})
        EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(form.Line1.width(), 2);
    EXPECT_EQ(form.Line2.width(), 1);
}

TEST_F(Startup, ButtonsPlacedOverThePanelShowAboveIt)
{
    for (const char *name : {"Text1", "Command1", "Command2"}) {
        QWidget &control = window.get<QWidget>(name);
        EXPECT_EQ(window.childAt(control.geometry().center()), &control) << name;
    }
    EXPECT_EQ(window.get<QWidget>("Text2").parentWidget(), &window.get<QWidget>("Frame1"));
}

TEST_F(Startup, TheHighlightRectangleFramesThePanel)
{
    window.show();
    const QImage shown = window.grab().toImage();
    const QColor highlight = window.palette().color(QPalette::Highlight);
    // Line10 runs at 700 twips (y 46.7 px), Line12 at 5260 twips (x 350.7 px).
    int onTop = 0, onLeft = 0;
    for (int x = 360; x < 590; ++x)
        onTop += shown.pixelColor(x, 46) == highlight || shown.pixelColor(x, 47) == highlight;
    for (int y = 60; y < 180; ++y)
        onLeft += shown.pixelColor(350, y) == highlight || shown.pixelColor(351, y) == highlight;
    EXPECT_GT(onTop, 220);
    EXPECT_GT(onLeft, 110);
}

} // namespace

namespace {

// The window's own texts are drawn without fallback faces, so each must be
// wholly in the face it names.
TEST_F(Startup, EveryCaptionIsInItsOwnFace)
{
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        const QFontMetrics metrics(button->font());
        for (QChar c : button->text())
            EXPECT_TRUE(metrics.inFont(c)) << button->objectName().toStdString();
    }
}

} // namespace
