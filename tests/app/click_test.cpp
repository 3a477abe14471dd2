#include <gtest/gtest.h>

#include <QCheckBox>

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
        ReadoutCase{"Discretiza_0", "5", "17145.7408", "173155.171", "93426.1562"},
        ReadoutCase{"Discretiza_5", "-1", "-3428.2045", "-34806.7578", "-18742.4103"}));

TEST(Click, EvaluatesTheShownFourDecimalPoint) {
    WindowDriver driver;
    driver.choose("Discretiza_0");
    driver.clickAt(0.123456, 0.654321);
    EXPECT_EQ(driver.text("CajaX"), "0.1235");
    EXPECT_EQ(driver.text("CajaY"), "0.6543");
    EXPECT_EQ(driver.state().PointX, 0.1235);
    EXPECT_EQ(driver.state().PointY, 0.6543);
    const auto expected = *ComputeField(0.1235, 0.6543, 1e-6);
    EXPECT_EQ(driver.state().Potential, expected.V);
    // A pointer a hair away from the shown point still evaluates the shown point.
    driver.clickAt(0.60003, 0.4);
    EXPECT_EQ(driver.text("CajaX"), "0.6");
    EXPECT_EQ(driver.state().PointX, 0.6);
}

TEST(Click, OnTheSegmentBandInAutomaticModeChangesNothing) {
    WindowDriver driver;
    driver.clickAt(0.6, 0.4);
    const QImage before = driver.image().copy();
    const SharedState stateBefore = driver.state();
    driver.clickAt(0.45, 0.005);
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.state().PointX, stateBefore.PointX);
    EXPECT_EQ(driver.text("CajaX"), "0.6");
    EXPECT_EQ(driver.text("CajaEx"), "3428.2045");
}

TEST(Click, BandReachesFurtherAtTenPercent) {
    WindowDriver driver;
    driver.choose("Manual_1");
    driver.choose("Amplia_10");
    driver.clickAt(0.45, 0.07);  // inside the band at 10 %: element 3
    EXPECT_EQ(driver.state().ElementTaken[3], 1);
}

// Points where the model has no finite value are refused and change nothing.
class RefusedPoint : public ::testing::TestWithParam<std::pair<double, double>> {};

TEST_P(RefusedPoint, ShowsTheMessageAndLeavesEverythingAsItWas) {
    WindowDriver driver;
    driver.choose("Discretiza_0");
    driver.clickAt(0.6, 0.4);
    const QImage before = driver.image().copy();
    driver.clickAt(GetParam().first, GetParam().second);
    EXPECT_EQ(driver.messages, QStringList{"Datos No Aceptados"});
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.text("CajaX"), "0.6");
    EXPECT_EQ(driver.text("CajaEx"), "3429.1482");
    EXPECT_EQ(driver.state().PointX, 0.6);
}

INSTANTIATE_TEST_SUITE_P(Ends, RefusedPoint,
                         ::testing::Values(std::pair{1.00003, 0.00002}, std::pair{-0.00004, 0.0},
                                           std::pair{1.0, 0.0}));

TEST(Calcular, TypedPointsOnTheSegmentOrWithoutValueAreRefused) {
    WindowDriver driver;
    const QImage before = driver.image().copy();
    for (auto [x, y] : {std::pair{"0.5", "0.001"}, {"1", "0"}, {"1.000000000001", "0"}}) {
        driver.messages.clear();
        driver.calculateAt(x, y);
        EXPECT_EQ(driver.messages, QStringList{"Datos No Aceptados"}) << x;
        EXPECT_EQ(driver.image(), before) << x;
        EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    }
}

TEST(Calcular, RunsTheClickActionAtTheTypedPoint) {
    WindowDriver driver;
    driver.choose("Calcular");  // straight after start-up: (0.6, 0.4)
    EXPECT_EQ(driver.text("CajaV"), "18742.4103");
    driver.calculateAt("0,25", "0.5");
    EXPECT_EQ(driver.state().PointX, 0.25);
    EXPECT_EQ(driver.text("CajaV"), PointChargeSum(5, 0.25, 0.5, 1e-6)->V.text('.').c_str());
    // A typed point just above the segment, outside the refused strip, is a point.
    driver.calculateAt("0.5", "0.005");
    EXPECT_FALSE(driver.text("CajaV").isEmpty());
    EXPECT_TRUE(driver.messages.isEmpty());
}

TEST(Click, FiftyElementsWithTheirArrows) {
    WindowDriver driver;
    driver.choose("Discretiza_50");
    driver.choose("Ver1");
    driver.clickAt(0.6, 0.4);
    for (int i = 1; i <= 50; ++i) EXPECT_EQ(driver.state().ElementTaken[i], 1);
    const auto sum = *PointChargeSum(50, 0.6, 0.4, 1e-6);
    EXPECT_EQ(driver.state().FieldEy, sum.Ey);
    EXPECT_EQ(driver.text("CajaV"), sum.V.text('.').c_str());
    // The marks: fifty red runs along the bar.
    const WorldWindow& w = driver.surface().world();
    const int row = int(std::floor(w.toPixelY(0.004)));
    int runs = 0;
    bool inRun = false;
    for (int px = 0; px < driver.image().width(); ++px) {
        const bool red = driver.image().pixel(px, row) == qRgb(200, 50, 50);
        runs += red && !inRun;
        inRun = red;
    }
    EXPECT_EQ(runs, 50);
    EXPECT_GT(driver.countPixels(qRgb(200 ^ 250, 200 ^ 100, 200 ^ 250)), 0);  // element arrows
}

TEST(Click, LineModeSwitchesToTheIntegralAndClearsVer1) {
    WindowDriver driver;
    driver.choose("Discretiza_20");
    driver.choose("Ver1");
    driver.choose("Obtener_2");
    EXPECT_TRUE(driver.selected("Discretiza_0"));
    driver.choose("Discretiza_20");  // falls back to the integral in a line mode
    EXPECT_TRUE(driver.selected("Discretiza_0"));
    EXPECT_EQ(driver.state().ElementCount, 20);
    driver.clickAt(0.5, 0.5);
    EXPECT_FALSE(driver.selected("Ver1"));
    EXPECT_TRUE(driver.selected("Manual_0"));
}

TEST(ProfileClick, RadialFieldFromTheMidPlane) {
    for (double lambda : {1.0, -1.0}) {
        WindowDriver driver;
        driver.setDensity(lambda > 0 ? "1" : "-1");
        driver.choose("Ver_1");
        driver.clickAt(0.3, 0.4);
        const auto mid = *ComputeField(0.5, 0.5, lambda * 1e-6);
        const double e = std::fabs(mid.Ey.toDouble());
        EXPECT_EQ(driver.state().ProfileRadius, 0.5);
        EXPECT_EQ(driver.text("CajaEx"), Currency::fromDouble(0.6 * e)->text('.').c_str());
        EXPECT_EQ(driver.text("CajaEy"), Currency::fromDouble(0.8 * e)->text('.').c_str());
        EXPECT_EQ(driver.text("CajaV"), mid.V.text('.').c_str());
    }
}

TEST(ProfileClick, NearTheAxisNothingHappens) {
    WindowDriver driver;
    driver.choose("Ver_1");
    const QImage before = driver.image().copy();
    driver.clickAt(0.003, 0.004);
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.text("CajaX"), "0.6");
}

TEST(ProfileClick, FieldLineIsARadialLineWithAHead) {
    WindowDriver driver;
    driver.choose("Ver_1");
    driver.choose("Obtener_2");
    driver.clickAt(0.3, 0.4);
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    EXPECT_TRUE(driver.colourNear(0.15, 0.2, qRgb(200, 50, 50)));
    EXPECT_TRUE(driver.colourNear(0.6, 0.8, qRgb(200, 50, 50)));
}

}  // namespace
