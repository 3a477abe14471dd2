#include <gtest/gtest.h>

#include <QTest>

#include "field/model_in_use.h"
#include "field/number_text.h"
#include "field/ring_field.h"
#include "field/segment_field.h"
#include "tests/support/window_driver.h"
#include "view/field_arrow.h"

namespace {

// "Calcular" at a typed point shows the read-outs digit for digit; the
// point is used as its text reads, to four decimals. The other charges'
// values are mpmath quadratures at 20 to 30 digits of their Coulomb
// integrals (the disk's over r and φ), for N charges the sum of each
// element's contribution rounded to four decimals; in profile the radial
// field of the charge's plane at r = hypot(z, y), rounded, times z/r and y/r.
TEST(Calcular, ReadoutsOfBothModels) {
    struct Case {
        const char* name;
        int model, density;
        const char *x, *y, *ex, *ey, *v;
        const ChargeDistribution* shape = &UniformSegment();
        View view = View::Front;
    } cases[] = {
        {"start point, 5 charges", 5, 1, "0.6", "0.4", "3428.2045", "34806.7578", "18742.4103"},
        {"near the segment", kExactModel, 5, "0.213", "0,0075", "-153960.1939", "11996011.5189",
         "422385.3564"},
        {"below, 5 charges", 5, 1, "0.8584", "-0.0085", "-883897.4463", "-204166.7864",
         "64357.9404"},
        {"the end, 5 charges", 5, 1, "1", "0", "213095.6916", "0", "32171.4286"},
        {"the start, negative", 5, -1, "0", "0", "213095.6916", "0", "-32171.4286"},
        {"start point, exact, -5", kExactModel, -5, "0,6", "0,4", "-17145.7408", "-173155.171",
         "-93426.1562"},
        {"typed -0,40005 and 0,00015, used as -0,4001 and 0,0002: half away from zero", kExactModel,
         1, "-0,40005", "0,00015", "-16066.2614", "5.1631", "11273.2593"},
        {"ring, exact", kExactModel, 1, "0.8", "0.3", "56564.1681", "2552.7673", "48668.4672",
         &Ring()},
        {"ring, 5 charges", 5, 1, "0.8", "0.3", "59663.2307", "-1287.8247", "48946.6642", &Ring()},
        {"disk, exact", kExactModel, 1, "0.8", "0.3", "22860.8368", "10114.3634", "14441.6735",
         &Disk()},
        {"disk, 5 rings", 5, 1, "0.8", "0.3", "23002.9137", "10246.0115", "14482.624", &Disk()},
        {"growing density, exact", kExactModel, 1, "0.6", "0.4", "-5550.6573", "38813.9225",
         "19624.6305", &GrowingSegment()},
        {"growing density, 5 charges", 5, 1, "0.6", "0.4", "-5525.5688", "39025.5457", "19679.7646",
         &GrowingSegment()},
        {"ring, profile, inside it", 5, 1, "0.3", "0.2", "-76540.3741", "-51026.9161", "67370.4086",
         &Ring(), View::Profile},
        {"disk, profile", 5, 1, "0.6", "0.3", "18743.9491", "9371.9746", "11490.1177", &Disk(),
         View::Profile}};
    for (const Case& c : cases) {
        WindowDriver driver;
        driver.chooseShape(*c.shape);
        driver.chooseDensity(c.density);
        driver.chooseModel(c.model);
        driver.chooseView(c.view);
        driver.calculateAt(c.x, c.y);
        EXPECT_EQ(driver.readout(Ex), Shown(c.ex)) << c.name;
        EXPECT_EQ(driver.readout(Ey), Shown(c.ey)) << c.name;
        EXPECT_EQ(driver.readout(V), Shown(c.v)) << c.name;
        EXPECT_TRUE(driver.messages.isEmpty()) << c.name;
    }
}

// A double-click on a command or on the surface is one press, like a single
// click: the arrow or the line it draws stays, and the arrows of earlier
// points stay.
TEST(Calcular, ADoubleClickIsOnePress) {
    WindowDriver driver;
    driver.doubleClickCalculate();
    EXPECT_EQ(driver.readout(Ex), Shown("3428.2045"));
    EXPECT_TRUE(driver.arrowShaftShows(kFieldOnGrey));
    driver.doubleClickAt(0.2, 0.7);
    EXPECT_TRUE(driver.arrowShaftShows(kFieldOnGrey));
    driver.clickAt(0.8, 0.2);
    const double half = kArrowMetresPerVoltPerMetre / 2;  // the first arrow's shaft
    EXPECT_TRUE(driver.colourNear(0.6 + half * 3428.2045, 0.4 + half * 34806.7578, kFieldOnGrey));
    driver.chooseAction(Action::FieldLine);
    driver.typePoint("0,8", "0,5");
    driver.doubleClickCalculate();
    EXPECT_GT(driver.countPixels(kFieldOnGrey), 100);  // the line
}

// Without the mouse: a point typed, Enter calculates it, and each Enter
// evaluates again: the arrow, drawn with the XOR pen, goes and comes back.
TEST(Calcular, EachEnterEvaluatesTheTypedPointAgain) {
    WindowDriver driver;
    driver.typePoint("0,3", "0.5");
    driver.press(Qt::Key_Return);
    EXPECT_EQ(driver.readout(V), Shown(FieldModel{1e-6, 5}.shownAt({0.3, 0.5})->V));
    EXPECT_TRUE(driver.arrowShaftShows(kFieldOnGrey));
    driver.press(Qt::Key_Return);
    EXPECT_EQ(driver.countPixels(kFieldOnGrey), 0);
    driver.press(Qt::Key_Return);
    EXPECT_TRUE(driver.arrowShaftShows(kFieldOnGrey));
}

// The pointer's pixel read out in metres: at 100 % the surface is 500
// pixels for 1.2 m, 0.0024 m a pixel from (-0.1, 1.1) at the top-left
// corner (pixel 0, which QTest takes for the centre, is left out); a click
// evaluates that pixel and marks it. Over the segment the cross-hair, and
// the read-out stays; not in the profile view.
TEST(Pointer, ReadOutInMetresAndTheCrossHairOverTheSegment) {
    WindowDriver driver;
    for (auto [px, py, x, y] : {std::tuple{1, 1, "-0.0976", "1.0976"},
                                {499, 499, "1.0976", "-0.0976"},
                                {124, 250, "0.1976", "0.5"}}) {
        QTest::mouseMove(&driver.surface(), QPoint(px, py));
        EXPECT_EQ(driver.readout(PointerX), Shown(x)) << px << ", " << py;
        EXPECT_EQ(driver.readout(PointerY), Shown(y)) << px << ", " << py;
    }
    driver.chooseIntegral();
    QTest::mouseClick(&driver.surface(), Qt::LeftButton, {}, QPoint(124, 250));
    EXPECT_EQ(driver.readout(X), Shown("0.1976"));
    EXPECT_EQ(std::pair(driver.settings().point().x, driver.settings().point().y),
              std::pair(0.1976, 0.5));
    EXPECT_EQ(driver.readout(V), Shown("14733.8958"));
    EXPECT_EQ(driver.surface().markerPixel(), driver.pixelOf(0.1976, 0.5));
    EXPECT_EQ(driver.surface().cursor().shape(), Qt::ArrowCursor);
    driver.pointAt(0.5, 0.005);
    EXPECT_EQ(driver.surface().cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(driver.readout(PointerY), Shown("0.5"));  // unchanged over the segment
    driver.chooseView(View::Profile);
    driver.pointAt(0.45, 0.005);
    EXPECT_EQ(driver.surface().cursor().shape(), Qt::ArrowCursor);
}

// The marker follows every keystroke, as far as the typed text is a number.
TEST(Marker, FollowsEveryKeystroke) {
    WindowDriver driver;
    driver.type(X, "0,3");
    for (auto [text, typed] : {std::pair{"0", 0.0}, {"0,", 0.0}, {"0,4", 0.4}, {"-", 0.0}}) {
        driver.type(Y, text);
        EXPECT_EQ(driver.settings().point().y, typed) << text;
        EXPECT_EQ(driver.surface().markerPixel(), driver.pixelOf(0.3, typed)) << text;
    }
    driver.type(X, "1e300");
    EXPECT_TRUE(driver.surface().marker()->isHidden());  // far out of sight
}

// On every charge, as each view draws it, a typed point without a finite
// value in the model in use is refused with the same message, and nothing
// changes: on the segment, its ends and just past one; on the ring's and the
// disk's cut, on the ring's wire and inside the disk in profile; on the
// segment's cross-section in profile.
TEST(Refusal, TypedPointsOnEveryChargeAreRefused) {
    const std::tuple<const ChargeDistribution*, int, View, const char*, const char*> cases[] = {
        {&UniformSegment(), kExactModel, View::Front, "0.5", "0.001"},
        {&UniformSegment(), kExactModel, View::Front, "1", "0"},
        {&UniformSegment(), kExactModel, View::Front, "0", "0"},
        {&UniformSegment(), kExactModel, View::Front, "1.000000000001", "0"},
        {&UniformSegment(), 5, View::Profile, "0,001", "0,001"},
        {&Ring(), 5, View::Front, "0.5", "0.2"},
        {&Ring(), 5, View::Front, "0.502", "0.5"},
        {&Disk(), 5, View::Front, "0.498", "-0.3"},
        {&GrowingSegment(), 5, View::Front, "0.5", "0.001"},
        {&Ring(), 5, View::Profile, "0.3", "0.4"},
        {&Disk(), 5, View::Profile, "0.1", "-0.2"}};
    for (auto [shape, model, view, x, y] : cases) {
        WindowDriver driver;
        driver.chooseShape(*shape);
        driver.chooseModel(model);
        driver.chooseView(view);
        driver.calculateAt("0.8", "0.3");
        const QImage before = driver.image().copy();
        const QString v = driver.readout(V);
        driver.calculateAt(x, y);
        EXPECT_EQ(driver.messages, QStringList{"Datos No Aceptados"}) << x << ", " << y;
        EXPECT_EQ(driver.image(), before) << x << ", " << y;
        EXPECT_EQ(driver.readout(V), v) << x << ", " << y;
    }
}

// A click on the segment's band, at any zoom, is not a point, but one just at its end is.
TEST(Refusal, AClickOnTheBandIsNoPointOneAtItsEndIs) {
    WindowDriver driver;
    driver.chooseIntegral();
    driver.calculate();
    const QImage before = driver.image().copy();
    driver.clickAt(0.45, 0.005);  // the pointer's pixel corner lies inside the band
    EXPECT_EQ(driver.image(), before);
    driver.chooseZoom(10);
    const QImage zoomed = driver.image().copy();
    const QString x = driver.readout(X);
    driver.clickAt(0.45, 0.0005);
    EXPECT_EQ(driver.image(), zoomed);
    EXPECT_EQ(driver.readout(X), x);
    EXPECT_TRUE(driver.readout(Ex).isEmpty());
    driver.chooseZoom(50);
    driver.clickAt(1, 0.001);  // the end of the segment is a pixel corner at 50 %: a point
    EXPECT_EQ(driver.readout(X), Shown("1."));
    EXPECT_EQ(driver.readout(Y), Shown("0.0016"));
    EXPECT_EQ(driver.readout(Ex), Shown("5616000.0115"));  // 9000 (1/0.0016 − 1/1.00000128)
    EXPECT_TRUE(driver.messages.isEmpty());
}

// At 0.5 m from the axis the mid-plane field is 25455.8441 V/m and the
// potential 15864.7246 V; the field points away from the axis for a positive
// density and towards it for a negative one.
TEST(ProfileClick, RadialFieldFromTheMidPlane) {
    for (auto [density, sign] : {std::pair{1, ""}, {-1, "-"}}) {
        const auto signed_ = [sign = QString(sign)](const char* value) {
            return Shown(sign + value);
        };
        WindowDriver driver;
        driver.chooseDensity(density);
        driver.chooseView(View::Profile);
        driver.calculateAt("0.3", "0.4");
        EXPECT_EQ(driver.readout(Ex), signed_("15273.5065")) << density;  // 0.6 E
        EXPECT_EQ(driver.readout(Ey), signed_("20364.6753")) << density;  // 0.8 E
        EXPECT_EQ(driver.readout(V), signed_("15864.7246"));
        EXPECT_TRUE(driver.arrowShaftShows(kFieldOnGrey)) << density;
        driver.calculateAt("0,5", "0");  // on the segment's plane, 0.5 m from its axis
        EXPECT_EQ(driver.readout(Ex), signed_("25455.8441")) << density;
        // The field line: the components of the point before are not left beside it.
        driver.chooseAction(Action::FieldLine);
        driver.calculateAt("0.3", "0.4");
        EXPECT_TRUE(driver.readout(Ex).isEmpty() && driver.readout(Ey).isEmpty());
    }
}

// A click on the cross-section is no point.
TEST(ProfileClick, AClickOnTheCrossSectionIsNoPoint) {
    WindowDriver driver;
    driver.chooseView(View::Profile);
    driver.clickAt(0.003, 0.004);
    EXPECT_EQ(driver.readout(X), Shown("0.6"));
    EXPECT_TRUE(driver.readout(V).isEmpty());
}

// The profile view's field line runs radially out to the edge of the view at
// every zoom; its equipotential is the circle through the point.
TEST(ProfileClick, RadialFieldLineAndCircularEquipotential) {
    WindowDriver driver;
    driver.chooseView(View::Profile);
    driver.chooseAction(Action::FieldLine);
    driver.calculateAt("0.3", "0.4");
    for (double r : {0.25, 1.0}) EXPECT_TRUE(driver.colourNear(0.6 * r, 0.8 * r, kChargeRed));
    driver.chooseZoom(50);  // out to the edge of the wider view too
    driver.calculateAt("0.3", "0.4");
    EXPECT_TRUE(driver.colourNear(0.6 * 2.5, 0.8 * 2.5, kChargeRed));
    driver.chooseAction(Action::Equipotential);
    driver.acceptLines();
    driver.calculateAt("0.3", "0.4");  // the equipotential: the circle of radius 0.5 m
    EXPECT_EQ(driver.readout(V), Shown("15864.7246"));
    for (auto [x, y] : {std::pair{0.5, 0.0}, {0.0, 0.5}, {0.3536, 0.3536}, {0.4, 0.3}})
        EXPECT_TRUE(driver.colourNear(x, y, kBlue)) << x << ", " << y;
    EXPECT_FALSE(driver.colourNear(0.45, 0, kBlue) || driver.colourNear(0.55, 0, kBlue));
}

class ManualSum : public ::testing::Test {
protected:
    ManualSum() {
        driver.chooseManual();
        driver.calculate();  // the start point, nothing evaluated yet
    }
    FieldSample element(int i) const {
        return *FieldModel{1e-6, 5}.shownElementAt(
            i, {driver.settings().point().x, driver.settings().point().y});
    }
    // Draws the totals' arrow once more: if it was the one arrow there, none is left.
    int totalArrowPixelsLeftAfterErasing() {
        const SharedState& s = driver.state();
        const WorldPoint p = driver.settings().point();
        DrawFieldArrow(driver.surface(), {p.x, p.y, 1, true}, s.FieldEx, s.FieldEy, kFieldColour);
        return driver.countPixels(kFieldOnGrey);
    }
    WindowDriver driver;
};

TEST_F(ManualSum, ElementsAddOneByOneOnceEach) {
    EXPECT_TRUE(driver.readout(Ex).isEmpty());
    driver.clickAt(0.25, 0.001);  // element 2: 9000 · 0.2 · (0.3, 0.4) / 0.125 and 9000 · 0.2 / 0.5
    EXPECT_EQ(driver.readout(Ex), "4320");
    EXPECT_EQ(driver.readout(Ey), "5760");
    EXPECT_EQ(driver.readout(V), "3600");
    EXPECT_TRUE(driver.arrowShaftShows(kFieldOnGrey));
    driver.clickAt(0.65, -0.002);  // element 4
    const QImage before = driver.image().copy();
    driver.clickAt(0.3, 0.0);  // element 2 again: nothing
    driver.calculate();        // the same point: nothing, the sum stays
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.readout(Ex), Shown("1751.9757"));
    EXPECT_EQ(driver.readout(Ey), Shown("16032.0971"));
    EXPECT_EQ(driver.readout(V), Shown("7965.6413"));
    EXPECT_EQ(driver.settings().point().x, 0.6);
    EXPECT_EQ(driver.pixelAt(0.3, 0.003), kChargeRed);  // the mark of element 2, its middle fifth
    EXPECT_TRUE(driver.pixelAt(0.275, 0.003) == kBarGrey &&
                driver.pixelAt(0.325, 0.003) == kBarGrey);
    EXPECT_EQ(totalArrowPixelsLeftAfterErasing(), 0);
}

// With element arrows the total's comes with the second element; switched
// on half-way, they still leave one total arrow.
TEST_F(ManualSum, ElementArrowsAndOneTotalArrow) {
    driver.showElementArrows();
    driver.clickAt(0.85, 0.001);  // the last element
    EXPECT_TRUE(
        driver.arrowShaftShows(kElementFieldOnGrey));  // one element: its arrow is the total
    EXPECT_FALSE(driver.arrowShaftShows(kFieldOnGrey));
    driver.clickAt(0.25, 0.001);
    EXPECT_TRUE(driver.arrowShaftShows(kFieldOnGrey));
    EXPECT_EQ(totalArrowPixelsLeftAfterErasing(), 0);
    driver.clear();
    driver.showElementArrows(false);
    driver.clickAt(0.05, 0.001);
    driver.showElementArrows();
    driver.clickAt(0.45, 0.001);
    EXPECT_EQ(totalArrowPixelsLeftAfterErasing(), 0);
}

// Wiped by "Limpiar", the sum is gone: "Calcular" there evaluates the point
// afresh, and the voltmeter hears of it.
TEST_F(ManualSum, AfterLimpiarCalcularEvaluatesAfresh) {
    driver.clickAt(0.25, 0.001);
    driver.clear();
    driver.toggleVoltmeter();
    driver.calculate();
    EXPECT_EQ(WindowDriver::shownLabel("PuntoB"), Shown("0.6; 0.4"));
}

// A sum belongs to one point: the first element after a new point, clicked
// or typed, starts a new sum, whichever element it is; an element on the
// current point is refused before anything changes.
TEST_F(ManualSum, ANewPointStartsANewSum) {
    driver.clickAt(0.25, 0.001);
    driver.clickAt(0.3, 0.5);
    EXPECT_TRUE(driver.readout(Ex).isEmpty());
    EXPECT_EQ(driver.pixelAt(0.3, 0.003), kBarGrey);  // the mark is gone
    driver.clickAt(0.25, 0.001);
    EXPECT_EQ(driver.state().FieldEx, element(2).Ex);
    driver.type(X, "0.1");
    driver.clickAt(0.25, 0.001);  // element 2, taken in the old sum
    EXPECT_EQ(driver.state().FieldEx, element(2).Ex);
    EXPECT_EQ(driver.settings().point().x, 0.1);
    const QString total = driver.readout(V);
    driver.typePoint("0.3", "0");
    const QImage before = driver.image().copy();
    driver.clickAt(0.25, 0.001);
    EXPECT_EQ(driver.messages, QStringList{"Datos No Aceptados"});
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.readout(V), total);
    EXPECT_EQ(driver.state().ElementTaken[2], 1);
}

// Quick clicks on neighbouring elements, the second one arriving as the
// double-click's press, add both: elements 10 and 11 of 50 at (0.3272, 0.5).
TEST_F(ManualSum, QuickClicksOnNeighbouringElementsAddBoth) {
    driver.chooseModel(50);
    driver.typePoint("0,3272", "0,5");
    driver.doubleClickAt(0.199, 0.001, 0.203, 0.001);
    EXPECT_EQ(driver.readout(Ex), Shown("332.9408"));
    EXPECT_EQ(driver.readout(Ey), Shown("1310.2054"));
    EXPECT_EQ(driver.readout(V), Shown("697.667"));
}

// The ring's five charges lie at 0.5 m, 0.1545 m (two) and -0.4045 m (two)
// on its cut, seen edge-on; at 10 % the whole ring shows. A click there
// takes the charge in front (z > 0) and marks the right half of its square,
// the next the one behind and the left half; once all five are in, the sum
// is the five charges' sum that "Calcular" shows, and a click takes no more.
class RingByHand : public ::testing::Test {
protected:
    RingByHand() {
        driver.chooseShape(Ring());
        driver.chooseZoom(10);
        driver.chooseManual();
        driver.calculateAt("0.8", "0.3");
    }
    bool marked(double dx, double y) const {
        const double half = 0.04;  // half the square's half-width at 10 %
        return driver.pixelAt(0.5 + dx * half, y) == kChargeRed;
    }
    WindowDriver driver;
};

TEST_F(RingByHand, TheChargeInFrontFirstThenTheOneBehind) {
    driver.clickAt(0.5, 0.15);
    EXPECT_EQ(driver.state().ElementTaken[2], 1);  // at +72°, in front
    EXPECT_TRUE(marked(1, 0.152) && !marked(-1, 0.152));
    driver.clickAt(0.5, 0.15);
    EXPECT_EQ(driver.state().ElementTaken[5], 1);  // at -72°, behind
    EXPECT_TRUE(marked(1, 0.152) && marked(-1, 0.152));
    driver.clickAt(0.5, 0.47);
    EXPECT_TRUE(marked(1, 0.488) && marked(-1, 0.488));  // the top: one charge, one square
    EXPECT_FALSE(marked(1, -0.4) || marked(-1, -0.4));
}

// Five clicks at one place, at 100 % where two of the five charges lie
// below the window, take all five: the sum is the five charges' model.
TEST(RingByHandAtOnePlace, FiveClicksGiveTheSumOfTheFive) {
    WindowDriver driver;
    driver.chooseShape(Ring());
    driver.chooseManual();
    driver.calculateAt("0.8", "0.3");
    for (int click = 0; click < 5; ++click) driver.clickAt(0.5, 0.0);
    EXPECT_EQ(driver.readout(Ex), Shown("59663.2307"));
    EXPECT_EQ(driver.readout(Ey), Shown("-1287.8247"));
    EXPECT_EQ(driver.readout(V), Shown("48946.6642"));
    const QImage before = driver.image().copy();
    driver.clickAt(0.5, 0.15);
    EXPECT_EQ(driver.image(), before);
    EXPECT_EQ(driver.readout(V), Shown("48946.6642"));
}

// A click at the height of one of the disk's rings on its cut takes that
// ring, marked on both sides of the axis: of five, the third (0.2 to 0.3 m)
// and the first (within 0.1 m), whose contributions at (0.8, 0.3) are, by
// quadrature round each ring, (5599.9686, 3282.2669, 3136.0203) and
// (1116.2912, 1093.2559, 665.2559).
TEST(DiskByHand, AClickTakesTheRingAtItsHeight) {
    WindowDriver driver;
    driver.chooseShape(Disk());
    driver.chooseManual();
    driver.calculateAt("0.8", "0.3");
    driver.clickAt(0.5, 0.25);
    driver.clickAt(0.5, -0.05);
    EXPECT_EQ(driver.readout(Ex), Shown("6716.2598"));
    EXPECT_EQ(driver.readout(Ey), Shown("4375.5228"));
    EXPECT_EQ(driver.readout(V), Shown("3801.2762"));
    for (double y : {0.25, 0.05, -0.05}) EXPECT_EQ(driver.pixelAt(0.5, y), kChargeRed) << y;
    for (double y : {0.15, 0.35, 0.45}) EXPECT_EQ(driver.pixelAt(0.5, y), kBarGrey) << y;
}

TEST(AutomaticSum, FiftyElementsWithTheirArrows) {
    WindowDriver driver;
    driver.chooseModel(50);
    driver.showElementArrows();
    driver.calculate();
    for (int i = 1; i <= 50; ++i) EXPECT_EQ(driver.state().ElementTaken[i], 1);
    EXPECT_GT(driver.countPixels(kElementFieldOnGrey), 50);
}

}  // namespace
