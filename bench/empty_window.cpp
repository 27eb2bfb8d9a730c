// An empty window with the programs' Qt setup: the yardstick for their
// start-up time and memory. usage: empty_window WIDTH HEIGHT
#include "forms/application.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    forms::setUpApplication(app);
    const QStringList args = QApplication::arguments();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(args.size() > 2 ? args[1].toInt() : 740, args.size() > 2 ? args[2].toInt() : 559);
    window.show();
    return app.exec();
}
