// An empty window with the programs' Qt setup: the yardstick for their
// start-up time and memory. usage: empty_window WIDTH HEIGHT [CAPTION]
// With a caption it shows that one label in the Song face the windows use,
// which tells how much of a window's start-up its Chinese text alone costs.
#include "forms/application.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    forms::setUpApplication(app);
    const QStringList args = QApplication::arguments();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(args.size() > 2 ? args[1].toInt() : 740, args.size() > 2 ? args[2].toInt() : 559);
    if (args.size() > 3) {
        auto *caption = new QLabel(args[3], &window);
        QFont song(QStringLiteral("宋体"));
        song.setPixelSize(14);
        caption->setFont(song);
        caption->move(20, 20);
    }
    window.show();
    return app.exec();
}
