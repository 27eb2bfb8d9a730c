#include "forms/events.h"
#include "forms/timer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

using forms::Timer;

namespace {

void spin(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

TEST(Events, ATickDueInsideAHandlerIsDropped)
{
    Timer timer(20);
    int ticks = 0;
    timer.onTimer([&] { ++ticks; });
    timer.setEnabled(true);
    bool nested = true;
    EXPECT_TRUE(forms::deliver([&] { nested = timer.tick(); }));
    EXPECT_FALSE(nested);
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(timer.tick());
    EXPECT_EQ(ticks, 1);
}

TEST(Events, NoTickRunsWhileTheMessageBoxIsOpen)
{
    // The real box, with its nested event loop, opened by a handler while a
    // 20 ms timer is running; it is closed from outside after a while.
    Timer timer(20);
    int ticksWhileOpen = 0, ticksAfter = 0;
    bool open = false;
    timer.onTimer([&] { (open ? ticksWhileOpen : ticksAfter)++; });
    timer.setEnabled(true);
    QTimer::singleShot(300, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    forms::deliver([&] {
        open = true;
        forms::MsgBox(QStringLiteral("角度超出规定范围，请重新输入。"), 48, QStringLiteral("提示"));
        open = false;
    });
    EXPECT_EQ(ticksWhileOpen, 0);
    spin(200);
    EXPECT_GT(ticksAfter, 0) << "the timer should tick again once the box is closed";
}

TEST(Events, TheMessageBoxHasOneButtonReadingOk)
{
    QString title, text, button, family;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(100, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        family = QFontInfo(box->font()).family();
        text = box->text();
        icon = box->icon();
        ASSERT_EQ(box->buttons().size(), 1);
        button = box->buttons().front()->text();
        box->buttons().front()->click();
    });
    forms::MsgBox(QStringLiteral("角度超出规定范围，请重新输入。"), 48, QStringLiteral("提示"));
    EXPECT_EQ(title, QStringLiteral("提示"));
    EXPECT_EQ(text, QStringLiteral("角度超出规定范围，请重新输入。"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(button, QStringLiteral("确定"));
    EXPECT_EQ(family, QStringLiteral("Noto Sans CJK SC")) << "Chinese in Simplified glyph shapes";
}

TEST(Events, DisablingATimerStopsItAtOnce)
{
    Timer timer(20);
    int ticks = 0;
    timer.onTimer([&] {
        if (++ticks == 3)
            timer.setEnabled(false);
    });
    timer.setEnabled(true);
    spin(400);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(timer.tick());
    EXPECT_EQ(ticks, 3);
}

TEST(Events, AHandlerCanOpenTheBoxOfTheHookWithoutNesting)
{
    std::vector<QString> prompts;
    forms::setMsgBoxHook([&](const QString &prompt, int style, const QString &) {
        EXPECT_EQ(style, 48);
        EXPECT_TRUE(forms::handlerRunning());
        prompts.push_back(prompt);
    });
    forms::deliver([] { forms::MsgBox(QStringLiteral("x"), 48, QStringLiteral("提示")); });
    forms::setMsgBoxHook({});
    EXPECT_EQ(prompts, std::vector<QString>{QStringLiteral("x")});
    EXPECT_FALSE(forms::handlerRunning());
}

} // namespace
