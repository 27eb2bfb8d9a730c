#include "form1.h"

#include "forms/application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zentrak.angulon"));  // matches the menu entry
    forms::setUpApplication(app);
    angulon::Form1 form;
    form.window().show();
    return app.exec();
}
