// The one test main: Qt on the offscreen platform, the program's application in headless mode
// on the virtual clock.
#include "Harness.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    wb::prepareQtEnvironment(true);
    QApplication app(argc, argv);
    wb::Application.setHeadless(&wbtest::events(), &wbtest::events());
    wb::Application.Initialize();
    wb::Screen.setSize(1024, 768);
    const int code = RUN_ALL_TESTS();
    wb::Application.reset();
    return code;
}
