#include <gtest/gtest.h>

#include "tests/support/window_driver.h"
#include "view/drawing_surface.h"

namespace {

struct ReadoutCase {
    const char* model;    // Discretiza option
    const char* density;  // Combo1 item
    const char* ex;
    const char* ey;
    const char* v;
};

class FieldAtStartPoint : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(FieldAtStartPoint, ClickShowsTheReadouts) {
    WindowDriver driver;
    const ReadoutCase& c = GetParam();
    driver.setDensity(c.density);
    driver.choose(c.model);
    driver.clickAt(0.6, 0.4);
    EXPECT_EQ(driver.text("CajaEx"), c.ex);
    EXPECT_EQ(driver.text("CajaEy"), c.ey);
    EXPECT_EQ(driver.text("CajaV"), c.v);
}

INSTANTIATE_TEST_SUITE_P(
    Models, FieldAtStartPoint,
    ::testing::Values(
        ReadoutCase{"Discretiza_5", "1", "3428.2045", "34806.7578", "18742.4103"},
        ReadoutCase{"Discretiza_0", "1", "3429.1482", "34631.0342", "18685.2312"},
        ReadoutCase{"Discretiza_0", "-5", "-17145.7408", "-173155.171", "-93426.1562"},
        ReadoutCase{"Discretiza_5", "-1", "-3428.2045", "-34806.7578", "-18742.4103"}));

TEST(Click, EvaluatesTheShownFourDecimalPoint) {
    WindowDriver driver;
    driver.choose("Discretiza_0");
    driver.clickAt(0.123456, 0.654321);
    EXPECT_EQ(driver.text("CajaX"), "0.1235");
    EXPECT_EQ(driver.state().PointY, 0.6543);
    EXPECT_EQ(driver.state().Potential, ComputeField(0.1235, 0.6543, 1e-6)->V);
    driver.clickAt(0.60003, 0.4);  // the text stays "0.6": the point must still be 0.6
    EXPECT_EQ(driver.state().PointX, 0.6);
}

TEST(Click, OnTheSegmentBandInAutomaticModeChangesNothing) {
    WindowDriver driver;
    driver.clickAt(0.6, 0.4);
    const QImage before = driver.image().copy();
    driver.clickAt(0.45, 0.005);
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.state().PointX, 0.6);
    EXPECT_EQ(driver.text("CajaEx"), "3428.2045");
}

// Points where the field has no finite value are refused and change nothing,
// clicked at the ends or typed on the segment.
TEST(Refusal, ShowsTheMessageAndLeavesEverythingAsItWas) {
    WindowDriver driver;
    driver.choose("Discretiza_0");
    driver.clickAt(0.6, 0.4);
    const QImage before = driver.image().copy();
    for (auto [x, y] : {std::pair{1.00003, 0.00002}, {-0.00004, 0.0}, {1.0, 0.0}})
        driver.clickAt(x, y);
    for (auto [x, y] : {std::pair{"0.5", "0.001"}, {"1", "0"}, {"1.000000000001", "0"}})
        driver.calculateAt(x, y);
    EXPECT_EQ(driver.messages.size(), 6);
    EXPECT_EQ(driver.messages.first(), "Datos No Aceptados");
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.text("CajaEx"), "3429.1482");
}

TEST(Calcular, RunsTheClickActionAtTheTypedPoint) {
    WindowDriver driver;
    driver.choose("Calcular");  // straight after start-up: (0.6, 0.4)
    EXPECT_EQ(driver.text("CajaV"), "18742.4103");
    driver.calculateAt("0,25", "0.5");
    EXPECT_EQ(driver.text("CajaV").toStdString(), PointChargeSum(5, 0.25, 0.5, 1e-6)->V.text('.'));
    driver.calculateAt("0.5", "0.005");  // above the refused strip: a point, not the segment
    EXPECT_FALSE(driver.text("CajaV").isEmpty());
    EXPECT_TRUE(driver.messages.isEmpty());
}

TEST(Click, FiftyElementsWithTheirArrows) {
    WindowDriver driver;
    driver.choose("Discretiza_50");
    driver.choose("Ver1");
    driver.clickAt(0.6, 0.4);
    for (int i = 1; i <= 50; ++i) EXPECT_EQ(driver.state().ElementTaken[i], 1);
    EXPECT_EQ(driver.text("CajaV").toStdString(), PointChargeSum(50, 0.6, 0.4, 1e-6)->V.text('.'));
    EXPECT_GT(driver.countPixels(qRgb(200 ^ 250, 200 ^ 100, 200 ^ 250)), 0);  // element arrows
}

TEST(Click, LineModeSwitchesToTheIntegralAndClearsVer1) {
    WindowDriver driver;
    driver.choose("Discretiza_20");
    driver.choose("Ver1");
    driver.choose("Obtener_2");
    driver.choose("Discretiza_20");  // falls back to the integral in a line mode
    EXPECT_TRUE(driver.selected("Discretiza_0"));
    EXPECT_EQ(driver.state().ElementCount, 20);
    driver.clickAt(0.5, 0.5);
    EXPECT_FALSE(driver.selected("Ver1"));
}

TEST(ProfileClick, RadialFieldFromTheMidPlane) {
    for (double lambda : {1.0, -1.0}) {
        WindowDriver driver;
        driver.setDensity(lambda > 0 ? "1" : "-1");
        driver.choose("Ver_1");
        driver.clickAt(0.003, 0.004);  // on the cross-section: nothing happens
        EXPECT_EQ(driver.text("CajaX"), "0.6");
        driver.clickAt(0.3, 0.4);
        const auto mid = *ComputeField(0.5, 0.5, lambda * 1e-6);
        const double e = std::fabs(mid.Ey.toDouble());
        EXPECT_EQ(driver.text("CajaEx").toStdString(), Currency::fromDouble(0.6 * e)->text('.'));
        EXPECT_EQ(driver.text("CajaEy").toStdString(), Currency::fromDouble(0.8 * e)->text('.'));
        EXPECT_EQ(driver.text("CajaV").toStdString(), mid.V.text('.'));
    }
}

TEST(ProfileClick, FieldLineIsARadialLine) {
    WindowDriver driver;
    driver.choose("Ver_1");
    driver.choose("Obtener_2");
    driver.clickAt(0.3, 0.4);
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    EXPECT_TRUE(driver.colourNear(0.15, 0.2, qRgb(200, 50, 50)));
    EXPECT_TRUE(driver.colourNear(0.6, 0.8, qRgb(200, 50, 50)));
}

}  // namespace
