// Events one at a time: clicks and ticks reach handlers only while no other
// handler, or the message box it opened, runs.
#include "harness.h"

#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPushButton>

using namespace forms;

TEST(OneEventAtATime, ATickDueWhileAHandlerRunsIsDropped)
{
    Timer timer(20);
    int ticks = 0;
    timer.onTimer([&] {
        if (++ticks == 3)
            timer.setEnabled(false);  // stops at once
    });
    const bool idle = timer.tick();  // not enabled
    timer.setEnabled(true);
    bool nested = true;
    EXPECT_TRUE(deliver([&] { nested = timer.tick(); }));
    EXPECT_FALSE(idle || nested || handlerRunning());
    for (int i = 0; i < 5; ++i) timer.tick();
    EXPECT_EQ(ticks, 3);
}

// The real box, opened by a handler while a 20 ms timer runs, and closed by
// its button from outside once it has been looked at.
TEST(OneEventAtATime, TheMessageBoxHoldsTheClockUntilAnswered)
{
    Timer timer(20);
    int ticks = 0;
    timer.onTimer([&] { ++ticks; });
    timer.setEnabled(true);
    QTimer::singleShot(300, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_TRUE(box && box->buttons().size() == 1);
        QAbstractButton *ok = box->buttons()[0];
        // its title, which no picture of it shows, and Qt's own texts in Chinese
        EXPECT_EQ(box->windowTitle() + ' ' + QCoreApplication::translate("QLineEdit", "&Undo"), "提示 撤消(&U)");
        EXPECT_TRUE(box->icon() == QMessageBox::Warning && box->defaultButton() == ok && box->escapeButton() == ok);
        ok->click();
    });
    deliver([] { MsgBox("角度超出规定范围，请重新输入。", MsgBoxStyle::Exclamation, "提示"); });
    EXPECT_EQ(std::pair(ticks, timer.interval()), std::pair(0, 20));
    for (QDeadlineTimer wait(10000); ticks == 0 && !wait.hasExpired();)  // the clock ticks again
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_GT(ticks, 0);
}
