#include "core/base/Settings.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char* argv[])
{
    // gtest_discover_tests runs this at build time, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    Settings::setRoot();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
