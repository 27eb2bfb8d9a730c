// A pupil with a screen reader or only a keyboard: what the pictures say,
// and a whole lesson driven by keys alone.
#include "form1.h"
#include "harness.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

struct Keyboard : testing::Test {
    testing_support::MessageBoxes boxes;
    unitrix::Form1 form;
    forms::Form &window = form.window();

    Keyboard()
    {
        window.show();
        QApplication::setActiveWindow(&window);
    }
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = {})
    {
        QWidget *target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(target, &up);
    }
    static void type(const QString &text)
    {
        for (QChar c : text)
            press(0, Qt::NoModifier, c);
    }
    static QString focused() { return QApplication::focusWidget()->objectName(); }
};

struct Spoken {
    const char *control;
    const char *name;
    QAccessible::Role role;
};

void PrintTo(const Spoken &s, std::ostream *os) { *os << s.control; }

class PicturesSpeak : public Keyboard, public testing::WithParamInterface<Spoken> {};

TEST_P(PicturesSpeak, WithAChineseNameDescriptionAndRole)
{
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(&window.get<QWidget>(GetParam().control));
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->text(QAccessible::Name), QString::fromUtf8(GetParam().name));
    EXPECT_FALSE(spoken->text(QAccessible::Description).isEmpty());
    EXPECT_EQ(spoken->role(), GetParam().role);
}

INSTANTIATE_TEST_SUITE_P(
    Unitrix, PicturesSpeak,
    testing::Values(Spoken{"Image17", "Zentrak", QAccessible::Graphic},
                    Spoken{"Image15", "操作说明", QAccessible::Graphic},
                    Spoken{"Picture6", "展开公式列表", QAccessible::Button},
                    Spoken{"Picture4", "公式列表", QAccessible::List},
                    Spoken{"Image12", "180°+α", QAccessible::Button},
                    Spoken{"Image13", "180°−α", QAccessible::Button},
                    Spoken{"Image14", "−α", QAccessible::Button},
                    Spoken{"Picture1", "单位圆", QAccessible::Canvas},
                    Spoken{"Text1", "角α（度）", QAccessible::EditableText}));

TEST_F(Keyboard, AScreenReaderCanOpenTheListAndChooseAFormula)
{
    auto act = [&](const char *control) {
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(&window.get<QWidget>(control));
        ASSERT_NE(spoken->actionInterface(), nullptr);
        spoken->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    act("Picture6");
    EXPECT_EQ(form.Picture4.height(), 97);
    act("Image14");
    EXPECT_EQ(form.FormulaType, 3);
    // The selection box now says which formula it shows.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&form.Image16)->text(QAccessible::Name), QStringLiteral("−α"));
}

TEST_F(Keyboard, AWholeLessonByKeysAlone)
{
    ASSERT_EQ(focused(), QStringLiteral("Picture1"));
    press(Qt::Key_Backtab, Qt::ShiftModifier);  // back round to the drop-down button
    ASSERT_EQ(focused(), QStringLiteral("Picture6"));
    press(Qt::Key_Space);
    EXPECT_EQ(form.Picture4.height(), 97) << "the list opens";
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), QStringLiteral("Picture4"));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    press(Qt::Key_Return);  // the first item: 180°+α
    EXPECT_EQ(form.FormulaType, 1);
    EXPECT_EQ(form.Picture4.height(), 0);

    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab);  // Picture5, Picture6, Picture1, Text1
    ASSERT_EQ(focused(), QStringLiteral("Text1"));
    type(QStringLiteral("30"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), QStringLiteral("Command1"));
    press(Qt::Key_Return);
    ASSERT_TRUE(form.Timer1.isEnabled());
    testing_support::runToEnd(form.Timer1);
    testing_support::runToEnd(form.Timer2);
    EXPECT_EQ(form.Label8.text(), QStringLiteral("0.5774"));
    EXPECT_EQ(form.Label12.text(), QStringLiteral("-0.5"));

    // "清除" with the space bar, which a button takes on its release.
    form.Command2.setFocus();
    press(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_TRUE(form.Label12.text().isEmpty());
    EXPECT_TRUE(form.Command1.isEnabled());
}

TEST_F(Keyboard, TheHiddenEntriesAreReachedAndWorkByKeys)
{
    form.Command3.setFocus();
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);  // Picture2, Picture3, then Text2
    ASSERT_EQ(focused(), QStringLiteral("Text2"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), QStringLiteral("Text3"));
    type(QStringLiteral("-90"));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), QStringLiteral("Command5"));
    press(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    ASSERT_TRUE(form.Timer3.isEnabled());
    testing_support::runToEnd(form.Timer3);
    EXPECT_EQ(std::tuple(form.Line9.X2(), form.Line9.Y2()), std::tuple(0.f, -1.9f));
}

} // namespace
