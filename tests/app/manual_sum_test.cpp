#include <gtest/gtest.h>

#include "tests/support/window_driver.h"
#include "view/drawing_surface.h"
#include "view/field_arrow.h"

namespace {

const QRgb kTotalArrowOnGrey = qRgb(200 ^ 50, 200 ^ 250, 200 ^ 250);
const QRgb kElementArrowOnGrey = qRgb(200 ^ 250, 200 ^ 100, 200 ^ 250);

Currency Sum(std::initializer_list<Currency> terms) {
    Currency total;
    for (Currency term : terms) total = *total.plus(term);
    return total;
}

class ManualSum : public ::testing::Test {
protected:
    ManualSum() {
        driver.choose("Manual_1");
        driver.choose("Calcular");  // the start point, nothing evaluated yet
    }
    FieldSample element(int i) const {
        return *ElementContribution(i, 5, driver.state().PointX, driver.state().PointY, 1e-6);
    }
    // Whether the middle of the total arrow's shaft shows the colour.
    bool shaftMiddleIs(QRgb colour) const {
        const SharedState& s = driver.state();
        return driver.colourNear(s.PointX + 3e-6 * s.FieldEx.toDouble(),
                                 s.PointY + 3e-6 * s.FieldEy.toDouble(), colour);
    }
    // Draws the totals' arrow once more: if it was the one arrow there, none is left.
    int totalArrowPixelsLeftAfterErasing() {
        const SharedState& s = driver.state();
        DrawFieldArrow(driver.surface(), {s.PointX, s.PointY, 1, true}, s.FieldEx, s.FieldEy,
                       s.ColorField);
        return driver.countPixels(kTotalArrowOnGrey);
    }
    WindowDriver driver;
};

TEST_F(ManualSum, ElementsAddOneByOneOnceEachWithOneTotalArrow) {
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    driver.clickAt(0.25, 0.001);  // element 2: exactly 4320, 5760, 3600
    EXPECT_EQ(driver.text("CajaEx") + driver.text("CajaEy") + driver.text("CajaV"), "432057603600");
    EXPECT_TRUE(shaftMiddleIs(kTotalArrowOnGrey));
    driver.clickAt(0.65, -0.002);  // element 4
    EXPECT_EQ(driver.text("CajaV"), Shown(Sum({element(2).V, element(4).V})));
    const QImage before = driver.image().copy();
    driver.clickAt(0.3, 0.0);  // element 2 again: nothing
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.state().FieldEx, Sum({element(2).Ex, element(4).Ex}));
    EXPECT_EQ(driver.state().PointX, 0.6);
    EXPECT_EQ(driver.pixelAt(0.3, 0.003), qRgb(200, 50, 50));  // the mark of element 2
    EXPECT_EQ(totalArrowPixelsLeftAfterErasing(), 0);
}

TEST_F(ManualSum, WithElementArrowsTheTotalArrowComesWithTheSecondElement) {
    driver.choose("Ver1");
    driver.clickAt(0.85, 0.001);                      // the last element
    EXPECT_TRUE(shaftMiddleIs(kElementArrowOnGrey));  // one element: its arrow is the total
    EXPECT_FALSE(shaftMiddleIs(kTotalArrowOnGrey));
    driver.clickAt(0.25, 0.001);
    EXPECT_TRUE(shaftMiddleIs(kTotalArrowOnGrey));
    EXPECT_EQ(totalArrowPixelsLeftAfterErasing(), 0);
    // Switched on half-way, the element arrows still leave one total arrow.
    driver.choose("Limpiar");
    driver.choose("Ver1");
    driver.clickAt(0.05, 0.001);
    driver.choose("Ver1");
    driver.clickAt(0.45, 0.001);
    EXPECT_EQ(totalArrowPixelsLeftAfterErasing(), 0);
}

// A sum belongs to one point: the first element after a new point, clicked
// or typed, starts a new sum, whichever element it is.
TEST_F(ManualSum, ANewPointStartsANewSum) {
    driver.clickAt(0.25, 0.001);
    driver.clickAt(0.3, 0.5);
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    EXPECT_EQ(driver.pixelAt(0.3, 0.003), qRgb(180, 180, 180));  // the mark is gone
    driver.clickAt(0.25, 0.001);
    EXPECT_EQ(driver.state().FieldEx, element(2).Ex);
    driver.type("CajaX", "0.1");
    driver.clickAt(0.25, 0.001);  // element 2, taken in the old sum
    EXPECT_EQ(driver.state().FieldEx, element(2).Ex);
    EXPECT_EQ(driver.state().PointX, 0.1);
}

// An element on the current point is refused before anything changes.
TEST_F(ManualSum, ElementAtTheCurrentPointIsRefusedKeepingTheSum) {
    driver.clickAt(0.65, 0.001);
    const QString total = driver.text("CajaV");
    driver.type("CajaX", "0.3");
    driver.type("CajaY", "0");
    const QImage before = driver.image().copy();
    driver.clickAt(0.25, 0.001);
    EXPECT_EQ(driver.messages, QStringList{"Datos No Aceptados"});
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.text("CajaV"), total);
    EXPECT_EQ(driver.state().ElementTaken[4], 1);
}

TEST(AutomaticSum, FiftyElementsWithTheirArrows) {
    WindowDriver driver;
    driver.choose("Discretiza_50");
    driver.choose("Ver1");
    driver.choose("Calcular");
    EXPECT_EQ(driver.text("CajaV"), Shown(PointChargeSum(50, 0.6, 0.4, 1e-6)->V));
    for (int i = 1; i <= 50; ++i) EXPECT_EQ(driver.state().ElementTaken[i], 1);
    EXPECT_GT(driver.countPixels(kElementArrowOnGrey), 50);
}

}  // namespace
