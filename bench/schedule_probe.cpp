// How long P takes to turn to α in the real window, on the real event loop and
// timers: from "确定" to the tick on which Timer1 switches itself off.
// usage: schedule_probe [ALPHA]   prints: milliseconds
#include "unitrix/form1.h"

#include "forms/application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    forms::setUpApplication(app);
    const QString alpha = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("1800");
    unitrix::Form1 form;
    form.window().show();

    QElapsedTimer clock;
    QTimer poll;  // the probe only looks; the program's timers are untouched
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (form.Timer1.isEnabled())
            return;
        std::printf("%.1f\n", clock.nsecsElapsed() / 1e6);
        app.quit();
    });
    // Half a second for the window to map and paint, then "确定".
    QTimer::singleShot(500, [&] {
        form.Text1.setText(alpha);
        clock.start();
        form.window().click("Command1");
        poll.start();
    });
    return app.exec();
}
