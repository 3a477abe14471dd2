#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "tests/support/window_driver.h"
#include "view/drawing_surface.h"

namespace {

TEST(Copy, PutsTheRetainedImageOnTheClipboard) {
    WindowDriver driver;
    driver.clickAt(0.6, 0.4);
    driver.choose("Copiar");
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), driver.surface().size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), driver.image());
    EXPECT_TRUE(driver.messages.isEmpty());
}

TEST(Clear, FrontViewResetsProfileViewKeepsTheReadouts) {
    WindowDriver driver;
    const QImage frame = driver.image().copy();
    driver.clickAt(0.6, 0.4);
    driver.choose("Limpiar");
    EXPECT_EQ(driver.image(), frame);
    EXPECT_TRUE(driver.text("CajaV").isEmpty());
    EXPECT_EQ(driver.state().ElementTaken[1], 0);
    driver.choose("Ver_1");
    driver.clickAt(0.3, 0.4);
    const QString readout = driver.text("CajaV");
    driver.choose("Limpiar");
    EXPECT_EQ(driver.text("CajaV"), readout);
    EXPECT_EQ(driver.pixelAt(0.3, 0.4), qRgb(200, 200, 200));
}

TEST(OperationMode, FallsBackToFiveElementsFromTheIntegral) {
    WindowDriver driver;
    driver.choose("Discretiza_0");
    driver.choose("Manual_1");
    EXPECT_TRUE(driver.selected("Discretiza_5"));
    EXPECT_EQ(driver.state().ElementCount, 5);
    driver.choose("Discretiza_20");
    driver.choose("Manual_0");
    EXPECT_EQ(driver.state().ElementCount, 20);
    EXPECT_TRUE(driver.selected("Discretiza_20"));
}

TEST(About, NineLinesTitledTervik) {
    WindowDriver driver;
    driver.window().findChild<QAction*>("menu_acerca")->trigger();
    ASSERT_EQ(driver.messages.size(), 1);
    const QStringList lines = driver.messages.first().split("\r\n");
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], QString::fromUtf8("Programa para Enseñanza de la Física"));
    EXPECT_EQ(lines[1], "Marnel");
    EXPECT_TRUE(lines[4].isEmpty());
    EXPECT_TRUE(lines[5].startsWith(' '));
    EXPECT_EQ(lines[8], "nuevas versiones y otros programas");
}

TEST(Exit, MenuAndButtonCloseTheWindow) {
    for (bool menu : {false, true}) {
        WindowDriver driver;
        if (menu)
            driver.window().findChild<QAction*>("menu_salir")->trigger();
        else
            driver.choose("Command2");
        EXPECT_FALSE(driver.window().isVisible());
    }
}

}  // namespace
