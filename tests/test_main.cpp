// Every suite runs headless against the real widgets, on a screen large
// enough for either window at twice its size.
#include "forms/application.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TEST_SCREEN);
    QApplication app(argc, argv);
    forms::setUpApplication(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
