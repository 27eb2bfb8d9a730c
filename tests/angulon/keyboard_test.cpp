// A pupil with a screen reader or only a keyboard.
#include "form1.h"
#include "harness.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

struct Keyboard : testing::Test {
    angulon::Form1 form;
    forms::Form &window = form.window();

    Keyboard()
    {
        window.show();
        QApplication::setActiveWindow(&window);
    }
    static void press(int key, const QString &text = {})
    {
        QWidget *target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &up);
    }
    static QString focused() { return QApplication::focusWidget()->objectName(); }
};

TEST_F(Keyboard, PicturesSpeakChinese)
{
    struct Spoken {
        const char *control, *name;
        QAccessible::Role role;
    };
    const Spoken table[] = {
        {"Command3", "退出", QAccessible::Button}, {"Image1", "Rotavel", QAccessible::Graphic},
        {"Image10", "操作说明", QAccessible::Graphic}, {"Image2", "Zentrak 标志", QAccessible::Graphic},
        {"Image5", "β=", QAccessible::Graphic}, {"Picture1", "坐标平面", QAccessible::Canvas},
    };
    for (const auto &[control, name, role] : table) {
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(&window.get<QWidget>(control));
        ASSERT_NE(spoken, nullptr) << control;
        EXPECT_EQ(spoken->text(QAccessible::Name), QString::fromUtf8(name)) << control;
        EXPECT_FALSE(spoken->text(QAccessible::Description).isEmpty()) << control;
        EXPECT_EQ(spoken->role(), role) << control;
    }
}

TEST_F(Keyboard, EveryRowAndClearByKeysAlone)
{
    ASSERT_EQ(focused(), QStringLiteral("Picture1"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), QStringLiteral("Text1"));
    press(0, QStringLiteral("4"));
    press(0, QStringLiteral("5"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), QStringLiteral("Command1"));
    press(Qt::Key_Return);
    EXPECT_TRUE(form.Timer1.isEnabled());

    // Command2, Command3, then the β and γ entries and their buttons.
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        press(Qt::Key_Tab);
        order << focused();
    }
    EXPECT_EQ(order, QStringList({"Command2", "Command3", "Text2", "Text3", "Command4", "Command5"}));
    form.Text3.setText(QStringLiteral("-60"));
    press(Qt::Key_Space, QStringLiteral(" "));  // on Command5
    EXPECT_TRUE(form.Timer3.isEnabled());

    form.Command2.setFocus();
    press(Qt::Key_Space, QStringLiteral(" "));
    EXPECT_FALSE(form.Timer1.isEnabled());
    EXPECT_FALSE(form.Timer3.isEnabled());
    EXPECT_FALSE(form.Line1.isVisible());
}

TEST_F(Keyboard, TheExitButtonEndsTheProgramFromTheKeyboard)
{
    form.Command3.setFocus();
    press(Qt::Key_Return);
    EXPECT_TRUE(window.hasEnded());
}

} // namespace
