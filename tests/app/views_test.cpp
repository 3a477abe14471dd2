#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <cmath>

#include "tests/support/window_driver.h"
#include "view/drawing_surface.h"

namespace {

struct ZoomCase {
    const char* option;
    double factor;
    const char* delta;
};

class Zoom : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(Zoom, RedrawsAndKeepsThePoint) {
    WindowDriver driver;
    driver.choose("Discretiza_0");
    driver.clickAt(0.6, 0.4);
    driver.type("Delta", "123");
    driver.choose(GetParam().option);
    const SharedState& s = driver.state();
    EXPECT_EQ(s.ZoomFactor, GetParam().factor);
    EXPECT_EQ(driver.text("Delta"), GetParam().delta);
    EXPECT_EQ(s.PotentialStep, driver.text("Delta").toInt());
    EXPECT_EQ(driver.text("CajaX"), "0.6");
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    const WorldWindow& w = driver.surface().world();
    EXPECT_DOUBLE_EQ(w.left, -0.1 / GetParam().factor);
    EXPECT_DOUBLE_EQ(w.top, 1.1 / GetParam().factor);
    const QRect marker = driver.surface().marker()->geometry();
    EXPECT_NEAR(marker.center().x(), w.toPixelX(0.6), 1);
    EXPECT_NEAR(marker.center().y(), w.toPixelY(0.4), 1);
}

INSTANTIATE_TEST_SUITE_P(Levels, Zoom,
                         ::testing::Values(ZoomCase{"Amplia_50", 0.5, "5000"},
                                           ZoomCase{"Amplia_25", 0.25, "2500"},
                                           ZoomCase{"Amplia_10", 0.1, "1000"}));

TEST(ViewSwitch, ProfileViewForcesTheIntegralAndRenamesTheAxis) {
    WindowDriver driver;
    driver.choose("Discretiza_10");
    driver.clickAt(0.6, 0.4);
    driver.choose("Ver_1");
    MainWindow& w = driver.window();
    EXPECT_FALSE(driver.state().FrontView);
    EXPECT_TRUE(driver.selected("Discretiza_0"));
    EXPECT_FALSE(w.findChild<QGroupBox*>("Frame2")->isEnabled());
    EXPECT_FALSE(driver.button("Ver1")->isEnabled());
    EXPECT_EQ(w.findChild<QLabel*>("Label2")->text(), "Ez");
    EXPECT_EQ(w.findChild<QLabel*>("Label6")->text(), "Z");
    EXPECT_EQ(w.findChild<QLabel*>("xxx")->text(), "Z(m)");
    EXPECT_EQ(driver.box("CajaX")->accessibleName(), "Z(m)");
    const auto tenElements = *PointChargeSum(10, 0.6, 0.4, 1e-6);
    EXPECT_EQ(driver.text("CajaEx").toStdString(), tenElements.Ex.text('.'));  // nothing reset
    EXPECT_EQ(driver.pixelAt(0.01, 0), qRgb(200, 50, 50));                     // the outer ring

    driver.choose("Ver_0");
    EXPECT_TRUE(driver.state().FrontView);
    EXPECT_TRUE(w.findChild<QGroupBox*>("Frame2")->isEnabled());
    EXPECT_EQ(w.findChild<QLabel*>("xxx")->text(), "X(m)");
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    EXPECT_EQ(driver.pixelAt(0.5, 0.003), qRgb(200, 50, 50));  // the integral's red bar
    EXPECT_EQ(driver.state().ElementCount, 10);
}

TEST(ViewSwitch, ManualModeDoesNotSurviveTheIntegralOfTheProfileView) {
    WindowDriver driver;
    driver.choose("Manual_1");
    driver.choose("Ver_1");
    driver.choose("Ver_0");
    EXPECT_TRUE(driver.selected("Discretiza_0"));
    EXPECT_TRUE(driver.selected("Manual_0"));
}

TEST(CoordinateEntry, MarkerFollowsEveryKeystroke) {
    WindowDriver driver;
    QLineEdit* y = driver.box("CajaY");
    y->selectAll();
    QTest::keyClick(y, Qt::Key_Delete);
    const WorldWindow& w = driver.surface().world();
    const double expected[] = {0, 0, 0.4};
    int k = 0;
    for (char c : {'0', '.', '4'}) {
        QTest::keyClick(y, c);
        EXPECT_DOUBLE_EQ(driver.state().PointY, expected[k]);
        EXPECT_NEAR(driver.surface().marker()->geometry().center().y(), w.toPixelY(expected[k]), 1);
        ++k;
    }
    driver.type("CajaX", "0,25");
    EXPECT_EQ(driver.state().PointX, 0.25);
}

TEST(CoordinateEntry, HugeOrOddTextNeverBreaksTheState) {
    WindowDriver driver;
    for (const char* text :
         {"1e300", "1e999", "-1e400", "abc", "", "-", "9999999999999999999999"}) {
        driver.type("CajaX", text);
        driver.type("CajaY", text);
        EXPECT_TRUE(std::isfinite(driver.state().PointX)) << text;
        driver.choose("Amplia_10");
        driver.choose("Amplia_100");
        driver.choose("Calcular");
        EXPECT_TRUE(std::isfinite(driver.state().PointX)) << text;
        EXPECT_TRUE(std::isfinite(driver.state().FieldEx.toDouble())) << text;
    }
    driver.type("CajaX", "1e300");
    driver.type("CajaY", "0.4");
    EXPECT_TRUE(driver.surface().marker()->isHidden());
}

TEST(Pointer, CrossHairOverTheSegmentOnly) {
    WindowDriver driver;
    driver.pointAt(0.5, 0.01);
    EXPECT_EQ(driver.text("MoveX"), "0.5");
    EXPECT_EQ(driver.text("MoveY"), "0.01");
    EXPECT_EQ(driver.surface().cursor().shape(), Qt::ArrowCursor);
    driver.pointAt(0.5, 0.005);
    EXPECT_EQ(driver.surface().cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(driver.text("MoveX"), "0.5");
    EXPECT_EQ(driver.text("MoveY"), "0.01");
    EXPECT_EQ(driver.window().cursor().shape(), Qt::ArrowCursor);  // never the whole window
    driver.choose("Ver_1");
    driver.pointAt(0.5, 0.005);
    EXPECT_EQ(driver.surface().cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(driver.text("MoveY"), "0.005");
}

TEST(Density, ChoiceRedrawsAndTypingIsIgnored) {
    WindowDriver driver;
    driver.clickAt(0.6, 0.4);
    driver.setDensity("-5");
    EXPECT_DOUBLE_EQ(driver.state().Lambda, -5e-6);
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    auto* combo = driver.window().findChild<QComboBox*>("Combo1");
    for (const char* keys : {"7", "a", "-", "1"}) QTest::keyClicks(combo, keys);
    QTest::keyClick(combo, Qt::Key_Backspace);
    EXPECT_EQ(combo->currentText(), "-5");
}

}  // namespace
