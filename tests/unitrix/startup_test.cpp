#include "form1.h"

#include <gtest/gtest.h>

TEST(UnitrixStartup, Builds)
{
    unitrix::Form1 form;
    EXPECT_EQ(form.window().windowTitle(), QStringLiteral("Zentrak"));
}
