// Built into a folder with no plots' module where the program looks for one.
#include <gtest/gtest.h>

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
