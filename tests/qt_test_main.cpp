#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/other_threads.h"

// Widget tests run headless unless a platform is chosen, in the environment's locale.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int status = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    waitUntilTheOnlyThread();
    return status;
}
