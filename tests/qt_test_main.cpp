#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

// Widget tests run headless unless a platform is chosen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());  // a point as decimal separator unless a test says otherwise
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
