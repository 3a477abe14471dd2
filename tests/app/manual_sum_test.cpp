#include <gtest/gtest.h>

#include "tests/support/window_driver.h"
#include "view/drawing_surface.h"
#include "view/field_arrow.h"

namespace {

const QRgb kTotalArrowOnGrey = qRgb(200 ^ 50, 200 ^ 250, 200 ^ 250);

class ManualSum : public ::testing::Test {
protected:
    ManualSum() {
        driver.choose("Manual_1");
        driver.clickAt(0.6, 0.4);
    }
    // Whether the middle of the total arrow's shaft shows the colour.
    bool shaftMiddleIs(QRgb colour) {
        const SharedState& s = driver.state();
        return driver.colourNear(s.PointX + 3e-6 * s.FieldEx.toDouble(),
                                 s.PointY + 3e-6 * s.FieldEy.toDouble(), colour);
    }
    WindowDriver driver;
};

TEST_F(ManualSum, ElementsAreAddedOneByOneAndOnlyOnce) {
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    driver.clickAt(0.25, 0.001);  // element 2
    EXPECT_EQ(driver.text("CajaEx"), "4320");
    EXPECT_EQ(driver.text("CajaEy"), "5760");
    EXPECT_EQ(driver.text("CajaV"), "3600");
    driver.clickAt(0.65, -0.002);  // element 4
    const auto e4 = *ElementContribution(4, 5, 0.6, 0.4, 1e-6);
    EXPECT_EQ(driver.state().FieldEx, Currency::fromDouble(4320)->plus(e4.Ex));
    EXPECT_EQ(driver.text("CajaV"), Currency::fromDouble(3600)->plus(e4.V)->text('.').c_str());
    const QImage before = driver.image().copy();
    driver.clickAt(0.3, 0.0);  // element 2 again
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.text("CajaV"), Currency::fromDouble(3600)->plus(e4.V)->text('.').c_str());
    EXPECT_EQ(driver.state().PointX, 0.6);
}

TEST_F(ManualSum, ExactlyOneTotalArrowAtEveryStep) {
    driver.clickAt(0.25, 0.001);
    EXPECT_TRUE(shaftMiddleIs(kTotalArrowOnGrey));
    driver.clickAt(0.65, 0.001);
    EXPECT_TRUE(shaftMiddleIs(kTotalArrowOnGrey));
    driver.clickAt(0.85, 0.001);
    EXPECT_TRUE(shaftMiddleIs(kTotalArrowOnGrey));
}

TEST_F(ManualSum, WithElementArrowsTheTotalArrowAppearsWithTheSecondElement) {
    driver.choose("Ver1");
    driver.clickAt(0.25, 0.001);
    // One element: its own arrow is the total, drawn once in the element colour.
    EXPECT_TRUE(shaftMiddleIs(qRgb(200 ^ 250, 200 ^ 100, 200 ^ 250)));
    EXPECT_FALSE(shaftMiddleIs(kTotalArrowOnGrey));
    driver.clickAt(0.65, 0.001);
    EXPECT_TRUE(shaftMiddleIs(kTotalArrowOnGrey));
    // Removing the total arrow by drawing it again leaves no trace of another one.
    const SharedState& s = driver.state();
    DrawFieldArrow(driver.surface(), {s.PointX, s.PointY, 1, true}, s.FieldEx, s.FieldEy,
                   s.ColorField);
    EXPECT_EQ(driver.countPixels(kTotalArrowOnGrey), 0);
}

TEST_F(ManualSum, ANewPointStartsANewSum) {
    driver.clickAt(0.25, 0.001);
    driver.clickAt(0.3, 0.5);
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    EXPECT_EQ(driver.state().ElementTaken[2], 0);
    EXPECT_EQ(driver.pixelAt(0.3, 0.004), qRgb(180, 180, 180));  // the mark is gone
    driver.clickAt(0.25, 0.001);
    EXPECT_EQ(driver.state().FieldEx, ElementContribution(2, 5, 0.3, 0.5, 1e-6)->Ex);
}

TEST_F(ManualSum, ATypedPointNeverMixesWithTheOldSum) {
    driver.clickAt(0.25, 0.001);
    driver.type("CajaX", "0.1");
    driver.clickAt(0.65, 0.001);
    EXPECT_EQ(driver.state().ElementTaken[2], 0);
    EXPECT_EQ(driver.state().FieldEx, ElementContribution(4, 5, 0.1, 0.4, 1e-6)->Ex);
}

TEST_F(ManualSum, ElementAtTheCurrentPointIsRefused) {
    driver.type("CajaX", "0.3");
    driver.type("CajaY", "0");
    const QImage before = driver.image().copy();
    driver.clickAt(0.25, 0.001);
    EXPECT_EQ(driver.messages, QStringList{"Datos No Aceptados"});
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.state().ElementTaken[2], 0);
    EXPECT_TRUE(driver.text("CajaV").isEmpty());
}

TEST_F(ManualSum, ChoosingTheIntegralPrevails) {
    driver.choose("Discretiza_0");
    EXPECT_TRUE(driver.selected("Discretiza_0"));
    EXPECT_TRUE(driver.selected("Manual_0"));
    EXPECT_EQ(driver.pixelAt(0.5, 0.003), qRgb(200, 50, 50));
    // And choosing "Manual" with the integral falls back to five elements.
    driver.choose("Manual_1");
    EXPECT_TRUE(driver.selected("Discretiza_5"));
    EXPECT_EQ(driver.state().ElementCount, 5);
}

}  // namespace

namespace {

TEST_F(ManualSum, SwitchingElementArrowsOnHalfWayLeavesOneTotalArrow) {
    driver.clickAt(0.25, 0.001);  // total arrow drawn
    driver.choose("Ver1");
    driver.clickAt(0.65, 0.001);
    const SharedState& s = driver.state();
    DrawFieldArrow(driver.surface(), {s.PointX, s.PointY, 1, true}, s.FieldEx, s.FieldEy,
                   s.ColorField);
    EXPECT_EQ(driver.countPixels(kTotalArrowOnGrey), 0);
}

}  // namespace
