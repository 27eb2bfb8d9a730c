#include "form1.h"

#include "forms/application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    forms::setUpApplication(app);
    angulon::Form1 form;
    form.window().show();
    return app.exec();
}
