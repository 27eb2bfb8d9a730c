#include "form1.h"

#include "forms/application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zentrak.unitrix"));  // matches the menu entry
    forms::setUpApplication(app);
    unitrix::Form1 form;
    form.window().show();
    return app.exec();
}
