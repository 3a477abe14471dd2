// Built into a folder with no plots' module where the program looks for one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "tests/support/window_driver.h"

TEST(WithoutThePlotsModule, GraficasSaysSoAndTheWindowGoesOn) {
    WindowDriver driver;
    driver.openPlots();  // Herramientas > Gráficas...
    ASSERT_EQ(driver.messages.size(), 1);
    EXPECT_TRUE(
        driver.messages[0].startsWith(QString::fromUtf8("No se pudieron cargar las gráficas.")));
    EXPECT_EQ(driver.window().findChild<QWidget*>("Graficas"), nullptr);
    driver.calculateAt("0.3", "0.4");
    EXPECT_EQ(driver.messages.size(), 1);
    EXPECT_EQ(driver.settings().point().x, 0.3);
}

TEST(WithoutThePlotsModule, GaussToolSaysSoInPlaceOfItsChart) {
    WindowDriver driver;
    driver.openGaussTool();  // Herramientas > Superficie de Gauss...
    QLabel* note = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!note) note = window->findChild<QLabel*>("gaussPlotMissing");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().startsWith(QString::fromUtf8("No se pudo cargar la gráfica.")));
    EXPECT_FALSE(WindowDriver::gaussReadout("flux").isEmpty());  // the figures all the same
}
