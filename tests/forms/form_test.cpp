#include "forms/form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace forms;

namespace {

// A 100 x 100 px window: two overlapping picture boxes, a button, a frame
// holding one text box inside it and one beyond its edge.
const WindowSpec &sample()
{
    static const WindowSpec spec{
        .caption = QStringLiteral("Sample"),
        .clientWidth = 1500,
        .clientHeight = 1500,
        .back = ColorRef::fixed(200, 200, 200),
        .font = {QStringLiteral("宋体"), 9},
        .controls = {
            {"Top", Kind::PictureBox, "", 0, 0, 600, 600, with().bordered(Border::Sunken).tab(2)},
            {"Under", Kind::PictureBox, "", 300, 300, 600, 600, with().tab(0)},
            {"Button", Kind::CommandButton, "", 900, 0, 600, 300, with().text("确定").tab(1)},
            {"Box", Kind::Frame, "", 0, 900, 1500, 600},
            {"Caption", Kind::Label, "", 0, 0, 1500, 1500, with().text("under everything")},
            {"Inside", Kind::TextBox, "Box", 150, 150, 600, 300, with().tab(3)},
            {"Outside", Kind::TextBox, "Box", 1500, 150, 600, 300, with().tab(4)},
            {"Pic", Kind::Image, "Top", 0, 0, 300, 300},
            {"Diagonal", Kind::Line, "", 0, 0, 1500, 1500, with().foreColor(ColorRef::fixed(255, 0, 0)).hidden()},
            {"Clock", Kind::Timer, "", 0, 0, 0, 0, with().every(20).disabled()},
        },
    };
    return spec;
}

TEST(FormBuild, PlacesControlsInPixelsRelativeToTheirContainer)
{
    Form form(sample());
    EXPECT_EQ(form.size(), QSize(100, 100));
    EXPECT_EQ(form.get<QWidget>("Under").geometry(), QRect(20, 20, 40, 40));
    EXPECT_EQ(form.get<QWidget>("Button").geometry(), QRect(60, 0, 40, 20));
    EXPECT_EQ(form.get<QWidget>("Inside").geometry(), QRect(10, 10, 40, 20));
    // Inside a bordered picture box, children start inside the border.
    EXPECT_EQ(form.get<QWidget>("Pic").geometry(), QRect(2, 2, 20, 20));
    EXPECT_FALSE(form.line("Diagonal").isVisible());
    EXPECT_FLOAT_EQ(form.line("Diagonal").X2(), 1500);
    EXPECT_FALSE(form.timer("Clock").isEnabled());
    EXPECT_EQ(form.timer("Clock").interval(), 20);
}

TEST(FormBuild, StacksWindowedControlsInListedOrderAboveLabels)
{
    Form form(sample());
    EXPECT_EQ(form.childAt(30, 30), &form.get<QWidget>("Top"));      // where the two overlap
    EXPECT_EQ(form.childAt(50, 50), &form.get<QWidget>("Under"));
    EXPECT_EQ(form.childAt(70, 40), &form.get<QWidget>("Caption"));  // the label only where nothing else is
}

TEST(FormBuild, AControlBeyondItsContainerIsClippedYetFocusable)
{
    Form form(sample());
    auto &outside = form.get<QLineEdit>("Outside");
    QWidget &box = form.get<QWidget>("Box");
    EXPECT_FALSE(box.rect().intersects(outside.geometry()));
    form.show();
    QApplication::setActiveWindow(&form);
    EXPECT_EQ(QApplication::focusWidget(), &form.get<QWidget>("Under"));  // first in the tab order
    std::vector<QString> visited;
    for (int i = 0; i < 5; ++i) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &tab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, (std::vector<QString>{"Button", "Top", "Inside", "Outside", "Under"}));
    QKeyEvent key(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    outside.setFocus();
    QApplication::sendEvent(&outside, &key);
    EXPECT_EQ(outside.text(), QStringLiteral("7"));
}

TEST(FormEvents, ClicksReachHandlersOnlyFromEnabledControls)
{
    Form form(sample());
    int button = 0, image = 0, picture = 0;
    form.onClick("Button", [&] { ++button; });
    form.onClick("Pic", [&] { ++image; });
    form.onClick("Top", [&] { ++picture; });
    form.click("Button");
    form.click("Pic");
    form.click("Top");
    form.get<QPushButton>("Button").setEnabled(false);
    form.click("Button");
    EXPECT_EQ(std::tuple(button, image, picture), std::tuple(1, 1, 1));
}

TEST(FormEvents, EndStopsEveryTimerAndClosesTheWindow)
{
    Form form(sample());
    int ticks = 0;
    form.onTimer("Clock", [&] { ++ticks; });
    form.timer("Clock").setEnabled(true);
    form.show();
    form.End();
    EXPECT_TRUE(form.hasEnded());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.timer("Clock").tick());
    EXPECT_EQ(ticks, 0);
}

TEST(FormBuildDeathTest, AskingForAControlTheTableLacksAborts)
{
    Form form(sample());
    EXPECT_DEATH(form.get<QLineEdit>("Nowhere"), "Nowhere");
    EXPECT_DEATH(form.get<QLineEdit>("Button"), "Button");  // wrong kind
}

} // namespace
