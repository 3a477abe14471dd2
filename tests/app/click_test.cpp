#include <gtest/gtest.h>

#include "field/number_text.h"
#include "tests/support/window_driver.h"
#include "view/field_arrow.h"

namespace {

// "Calcular" at a typed point shows the read-outs digit for digit: model,
// density, the point typed with either separator, then Ex, Ey and V.
TEST(Calcular, ReadoutsOfBothModels) {
    const char* const cases[][5] = {
        {"Discretiza_5", "1", "0.6", "0.4", "3428.2045 34806.7578 18742.4103"},
        {"Discretiza_0", "1", "0,6", "0,4", "3429.1482 34631.0342 18685.2312"},
        {"Discretiza_0", "5", "0.213", "0,0075", "-153960.1939 11996011.5189 422385.3564"},
        {"Discretiza_5", "1", "0.8584", "-0.0085", "-883897.4463 -204166.7864 64357.9404"},
        {"Discretiza_5", "1", "1", "0", "213095.6916 0 32171.4286"},
        {"Discretiza_5", "-1", "0", "0", "213095.6916 0 -32171.4286"},
        {"Discretiza_0", "-5", "0.6", "0.4", "-17145.7408 -173155.171 -93426.1562"},
        {"Discretiza_0", "1", "-1", "0", "-4500 0 6238.3246"},
        {"Discretiza_0", "1", "0.5", "0.3", "0 51449.5755 23108.3219"}};
    for (auto [model, density, x, y, readouts] : cases) {
        WindowDriver driver;
        driver.setDensity(density);
        driver.choose(model);
        driver.calculateAt(x, y);
        EXPECT_EQ(driver.text("CajaEx") + " " + driver.text("CajaEy") + " " + driver.text("CajaV"),
                  Shown(readouts));
        EXPECT_TRUE(driver.messages.isEmpty());
    }
}

// The pointer's read-out and its cross-hair over the segment only; a click
// evaluates the point its coordinate boxes show, four decimals, and a
// double-click keeps the arrow; the marker follows every keystroke.
TEST(Click, EvaluatesTheShownPointAndADoubleClickKeepsTheArrow) {
    WindowDriver driver;
    const QPointF pointer = driver.pointAt(0.5, 0.0125);
    EXPECT_EQ(driver.text("MoveX") + driver.text("MoveY"),
              ShownCoordinate(pointer.x()) + ShownCoordinate(pointer.y()));
    EXPECT_EQ(driver.surface().cursor().shape(), Qt::ArrowCursor);
    driver.pointAt(0.5, 0.005);
    EXPECT_EQ(driver.surface().cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(driver.text("MoveY"), ShownCoordinate(pointer.y()));  // unchanged over the segment
    driver.choose("Discretiza_0");
    const QPointF p = driver.clickAt(0.1234, 0.6543);
    const double x = Val(FormatCoordinate(p.x(), '.')), y = Val(FormatCoordinate(p.y(), '.'));
    EXPECT_EQ(driver.text("CajaX"), ShownCoordinate(p.x()));
    EXPECT_EQ(std::pair(driver.state().PointX, driver.state().PointY), std::pair(x, y));
    EXPECT_EQ(driver.text("CajaV"), Shown(ComputeField(x, y, 1e-6)->V));
    EXPECT_EQ(driver.surface().markerPixel(), driver.pixelOf(x, y));
    driver.choose("Limpiar");
    driver.doubleClickAt(0.6, 0.4);
    const SharedState& s = driver.state();
    const QPointF shaft(s.PointX + 3e-6 * s.FieldEx.toDouble(),
                        s.PointY + 3e-6 * s.FieldEy.toDouble());
    EXPECT_TRUE(driver.colourNear(shaft.x(), shaft.y(), kFieldOnGrey));
    driver.clickAt(0.2, 0.7);  // the arrows of earlier points stay
    EXPECT_TRUE(driver.colourNear(shaft.x(), shaft.y(), kFieldOnGrey));
    driver.choose("Ver_1");
    driver.pointAt(0.45, 0.005);
    EXPECT_EQ(driver.surface().cursor().shape(), Qt::ArrowCursor);
    driver.type("CajaX", "0,3");
    for (auto [text, typed] : {std::pair{"0", 0.0}, {"0,", 0.0}, {"0,4", 0.4}, {"-", 0.0}}) {
        driver.type("CajaY", text);
        EXPECT_EQ(driver.state().PointY, typed) << text;
        EXPECT_EQ(driver.surface().markerPixel(), driver.pixelOf(0.3, typed)) << text;
    }
    driver.type("CajaX", "1e300");
    EXPECT_TRUE(driver.surface().marker()->isHidden());  // far out of sight
}

// Points without a finite value in the model in use are refused and change
// nothing; a click on the segment's band, at any zoom, is not a point, but
// one just at its end is.
TEST(Refusal, ShowsTheMessageAndLeavesEverythingAsItWas) {
    WindowDriver driver;
    driver.choose("Discretiza_0");
    driver.choose("Calcular");
    const QImage before = driver.image().copy();
    for (auto [x, y] : {std::pair{"0.5", "0.001"}, {"1", "0"}, {"0", "0"}, {"1.000000000001", "0"}})
        driver.calculateAt(x, y);
    EXPECT_EQ(driver.messages, QStringList(4, "Datos No Aceptados"));
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.text("CajaEx"), Shown("3429.1482"));
    driver.clickAt(0.45, 0.005);  // the pointer's pixel corner lies inside the band
    EXPECT_EQ(driver.image(), before);
    driver.choose("Amplia_10");
    const QImage zoomed = driver.image().copy();
    const QString x = driver.text("CajaX");
    driver.clickAt(0.45, 0.0005);
    EXPECT_EQ(driver.image(), zoomed);
    EXPECT_EQ(driver.text("CajaX") + driver.text("CajaEx"), x);
    driver.choose("Amplia_50");
    driver.clickAt(1, 0.001);  // the end of the segment is a pixel corner at 50 %: a point
    EXPECT_EQ(driver.text("CajaX") + driver.text("CajaEx"), Shown("1.5616000.0115"));
    EXPECT_EQ(driver.messages.size(), 4);
}

TEST(ProfileClick, RadialFieldFromTheMidPlaneAndItsFieldLine) {
    for (const char* density : {"1", "-1"}) {
        WindowDriver driver;
        driver.setDensity(density);
        driver.choose("Ver_1");
        driver.clickAt(0.003, 0.004);  // on the cross-section: nothing happens
        EXPECT_EQ(driver.text("CajaX"), Shown("0.6"));
        driver.calculateAt("0.3", "0.4");
        const auto mid = *ComputeField(0.5, 0.5, driver.settings().lambda());
        const double e = std::fabs(mid.Ey.toDouble());
        EXPECT_EQ(driver.text("CajaEx"), Shown(*Currency::fromDouble(0.6 * e)));
        EXPECT_EQ(driver.text("CajaEy"), Shown(*Currency::fromDouble(0.8 * e)));
        EXPECT_EQ(driver.text("CajaV"), Shown(mid.V));
        EXPECT_TRUE(driver.colourNear(0.3 + 0.6 * 3e-6 * e, 0.4 + 0.8 * 3e-6 * e, kFieldOnGrey));
    }
    WindowDriver driver;
    driver.choose("Ver_1");
    driver.choose("Obtener_2");
    driver.calculateAt("0.3", "0.4");
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    for (double r : {0.25, 1.0}) EXPECT_TRUE(driver.colourNear(0.6 * r, 0.8 * r, kChargeRed));
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
        return driver.countPixels(kFieldOnGrey);
    }
    WindowDriver driver;
};

TEST_F(ManualSum, ElementsAddOneByOneOnceEachWithOneTotalArrow) {
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    driver.clickAt(0.25, 0.001);  // element 2: exactly 4320, 5760, 3600
    EXPECT_EQ(driver.text("CajaEx") + driver.text("CajaEy") + driver.text("CajaV"), "432057603600");
    EXPECT_TRUE(shaftMiddleIs(kFieldOnGrey));
    driver.clickAt(0.65, -0.002);  // element 4
    EXPECT_EQ(driver.text("CajaV"), Shown(*element(2).V.plus(element(4).V)));
    const QImage before = driver.image().copy();
    driver.clickAt(0.3, 0.0);  // element 2 again: nothing
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.state().FieldEx, *element(2).Ex.plus(element(4).Ex));
    EXPECT_EQ(driver.state().PointX, 0.6);
    EXPECT_EQ(driver.pixelAt(0.3, 0.003), kChargeRed);  // the mark of element 2, its middle fifth
    EXPECT_TRUE(driver.pixelAt(0.275, 0.003) == kBarGrey &&
                driver.pixelAt(0.325, 0.003) == kBarGrey);
    EXPECT_EQ(totalArrowPixelsLeftAfterErasing(), 0);
    driver.choose("Limpiar");
    driver.choose("Ver1");        // with element arrows, the total's comes with the second element
    driver.clickAt(0.85, 0.001);  // the last element
    EXPECT_TRUE(shaftMiddleIs(kElementFieldOnGrey));  // one element: its arrow is the total
    EXPECT_FALSE(shaftMiddleIs(kFieldOnGrey));
    driver.clickAt(0.25, 0.001);
    EXPECT_TRUE(shaftMiddleIs(kFieldOnGrey));
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
// or typed, starts a new sum, whichever element it is; an element on the
// current point is refused before anything changes.
TEST_F(ManualSum, ANewPointStartsANewSum) {
    driver.clickAt(0.25, 0.001);
    driver.clickAt(0.3, 0.5);
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    EXPECT_EQ(driver.pixelAt(0.3, 0.003), kBarGrey);  // the mark is gone
    driver.clickAt(0.25, 0.001);
    EXPECT_EQ(driver.state().FieldEx, element(2).Ex);
    driver.type("CajaX", "0.1");
    driver.clickAt(0.25, 0.001);  // element 2, taken in the old sum
    EXPECT_EQ(driver.state().FieldEx, element(2).Ex);
    EXPECT_EQ(driver.state().PointX, 0.1);
    const QString total = driver.text("CajaV");
    driver.type("CajaX", "0.3");
    driver.type("CajaY", "0");
    const QImage before = driver.image().copy();
    driver.clickAt(0.25, 0.001);
    EXPECT_EQ(driver.messages, QStringList{"Datos No Aceptados"});
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.text("CajaV"), total);
    EXPECT_EQ(driver.state().ElementTaken[2], 1);
}

TEST(AutomaticSum, FiftyElementsWithTheirArrows) {
    WindowDriver driver;
    driver.choose("Discretiza_50");
    driver.choose("Ver1");
    driver.choose("Calcular");
    EXPECT_EQ(driver.text("CajaV"), Shown(PointChargeSum(50, 0.6, 0.4, 1e-6)->V));
    for (int i = 1; i <= 50; ++i) EXPECT_EQ(driver.state().ElementTaken[i], 1);
    EXPECT_GT(driver.countPixels(kElementFieldOnGrey), 50);
}

}  // namespace
