#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <numbers>

#include "field/ring_field.h"
#include "field/segment_field.h"
#include "tests/support/window_driver.h"
#include "trace/geometry.h"

namespace {

// At every zoom the field line above the middle goes up the bisector and
// into the bar, switching the element arrows off and hiding the marker;
// traced again, it is gone.
TEST(LineClick, FieldLineUpTheBisectorAtEveryZoom) {
    for (int zoom : kZoomPercentChoices) {
        WindowDriver driver;
        driver.showElementArrows();
        driver.chooseZoom(zoom);
        driver.chooseAction(Action::FieldLine);
        const QImage before = driver.image().copy();
        const double z = driver.settings().zoomFactor();
        driver.calculateAt(QString::number(0.5), QString::number(0.5 / z));
        for (double y : {0.02, 0.2, 0.8, 1.09})
            EXPECT_EQ(driver.pixelAt(0.5, y / z), kFieldOnGrey) << zoom << " " << y;
        const QPoint intoTheBar = driver.pixelOf(0.5, 0) - QPoint(0, 1);
        EXPECT_EQ(driver.image().pixel(intoTheBar), qRgb(250, 200, 200)) << zoom;
        EXPECT_TRUE(driver.readout(Ex).isEmpty() && !driver.elementArrowsShown());
        EXPECT_TRUE(driver.surface().marker()->isHidden());
        driver.calculate();
        EXPECT_EQ(driver.image(), before) << zoom;
        driver.chooseAction(Action::FieldAndPotential);
        EXPECT_TRUE(driver.surface().marker()->isVisible());
    }
}

// In the profile view a field line runs along the radius between the
// charges that bound it: inside the ring from the axis to the wire, outside
// it from the wire outwards (along the diagonal 3:4, radii in m).
TEST(LineClick, ProfileFieldLineBetweenTheChargesThatBoundIt) {
    struct Row {
        double through, drawn, clear;
    } const rows[] = {{0.2, 0.1, 0.7}, {0.8, 0.7, 0.3}};
    for (const Row& row : rows) {
        WindowDriver driver;
        driver.chooseShape(Ring());
        driver.chooseView(View::Profile);
        driver.chooseAction(Action::FieldLine);
        driver.clickAt(0.6 * row.through, 0.8 * row.through);
        EXPECT_TRUE(driver.colourNear(0.6 * row.drawn, 0.8 * row.drawn, kChargeRed)) << row.through;
        EXPECT_FALSE(driver.colourNear(0.6 * row.clear, 0.8 * row.clear, kChargeRed))
            << row.through;
    }
}

// For every shape, and for the segment at the least and greatest zoom, a
// click draws the closed curve of the clicked point's potential, shown in
// "V" (the segment's the ellipse with foci at its ends). The reference: on
// rays from a point inside the curve, every 10°, where V first falls below
// that level going outwards (bisection on the shape's exact potential, itself
// checked against quadrature), the curve is drawn wherever that point is in
// the window; the ring's levels above its centre's loop round one cut, the
// disk's between its rim's and its centre's meet the disk and are drawn on
// both sides.
TEST(LineClick, EquipotentialOfEveryShapeClosedAtItsLevel) {
    const struct {
        const ChargeDistribution& shape;
        int zoom;
        WorldPoint at, inside;
    } cases[] = {{UniformSegment(), 100, {0.6, 0.4}, {0.5, 0}},
                 {UniformSegment(), 10, {0.6, 0.4}, {0.5, 0}},
                 {GrowingSegment(), 100, {0.9, 0.5}, {0.5, 0}},
                 {Ring(), 50, {1.2, 0}, {0.5, 0}},
                 {Ring(), 100, {0.53, 0.5}, {0.5, 0.5}},
                 {Disk(), 100, {1.0, 0.2}, {0.5, 0}},
                 {Disk(), 100, {0.55, 0}, {0.5, 0}}};
    for (const auto& c : cases) {
        WindowDriver driver;
        driver.chooseShape(c.shape);
        driver.chooseZoom(c.zoom);
        driver.chooseAction(Action::Equipotential);
        driver.acceptLines();
        driver.calculateAt(QString::number(c.at.x), QString::number(c.at.y));
        const auto potential = [&c](double x, double y) {
            return c.shape.exactPotential({x, y, 0}, 1e-6).value_or(INFINITY);
        };
        const double level = potential(c.at.x, c.at.y), z = driver.settings().zoomFactor();
        const std::string name = c.shape.words().name;
        EXPECT_EQ(driver.readout(V), Shown(*Currency::fromDouble(level))) << name;
        for (int degrees = 5; degrees < 360; degrees += 10) {
            const double cx = std::cos(degrees * std::numbers::pi / 180),
                         cy = std::sin(degrees * std::numbers::pi / 180);
            double low = 0.001, high = low;
            while (potential(c.inside.x + high * cx, c.inside.y + high * cy) >= level)
                low = high, high += 0.002;
            while (high - low > 1e-7) {
                const double r = (low + high) / 2;
                (potential(c.inside.x + r * cx, c.inside.y + r * cy) >= level ? low : high) = r;
            }
            const double x = c.inside.x + low * cx, y = c.inside.y + low * cy;
            EXPECT_TRUE(OutsideWorldWindow(x, y, z) || driver.colourNear(x, y, kBlue))
                << name << " at " << degrees << "°: " << x << " " << y;
        }
    }
}

class Family : public ::testing::Test {
protected:
    void openSetPanel(const QString& step) {
        driver.chooseAction(Action::Equipotential);
        driver.chooseSetOfLines();
        driver.type(Step, step);
    }
    // Lines of the set met going out along the line the set scans from
    // (0.5, 0), one per line: up the bisector, or right along the axis.
    int crossings(const ChargeDistribution& shape = UniformSegment()) const {
        const bool across = shape.plotLine().direction.x > 0;
        return crossingsFrom(driver.pixelOf(0.5, 0), across ? QPoint(1, 0) : QPoint(0, -1));
    }
    int crossingsFrom(QPoint p, QPoint step) const {
        int lines = 0;
        for (; driver.image().valid(p + step); p += step)
            lines += driver.image().pixel(p + step) == kBlue && driver.image().pixel(p) != kBlue;
        return lines;
    }
    WindowDriver driver;
};

// The first line at the first scan position, then one wherever |V| has
// fallen by the step: the distances of the lines from (0.5, 0) in metres,
// at every zoom and for every shape. The references scan V on the line in
// closed form with the same rule: 2kλ·asinh(0.5 m/s) up the bisector, for
// the growing density too (its part odd about x = 0.5 adds nothing there);
// along the axis kλ·2πR/√(R² + s²) for the ring, 2πkσ(√(s² + R²) − s) for
// the disk.
TEST_F(Family, LinesAtEveryZoomForEveryShape) {
    const struct {
        int zoom;
        const char *step, *heights;
        const ChargeDistribution& shape = UniformSegment();
    } cases[] = {
        {100, "10000", "0.05 0.09 0.16 0.3 0.63"},
        {100, "3000", "0.05 0.06 0.08 0.1 0.12 0.15 0.18 0.22 0.27 0.33 0.41 0.52 0.68 0.93"},
        {50, "5000", "0.05 0.07 0.11 0.15 0.21 0.29 0.41 0.61 1.03"},
        {25, "2500", "0.1 0.14 0.18 0.22 0.26 0.34 0.42 0.54 0.7 0.94 1.34 2.22"},
        {10, "1000", "0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1.1 1.3 1.6 2 2.6 3.7 6.4"},
        {100, "1000000", "0.05"},
        {100, "10000", "0.05 0.09 0.16 0.3 0.63", GrowingSegment()},
        {25, "2500",
         "0.1 0.22 0.3 0.38 0.46 0.54 0.62 0.7 0.82 0.94 1.1 1.26 1.46 1.74 2.1 2.66 3.54", Ring()},
        {50, "5000", "0.05 0.17 0.33 0.61 1.35", Disk()}};
    for (const auto& [zoom, step, heights, shape] : cases) {
        driver.chooseShape(shape);
        driver.chooseZoom(zoom);
        openSetPanel(step);
        driver.acceptLines();
        const QStringList expected = QString(heights).split(' ');
        const std::string name = shape.words().name + " " + step;
        EXPECT_EQ(crossings(shape), expected.size()) << zoom << " " << name;
        const SpacePoint along = shape.plotLine().direction;
        for (const QString& s : expected)
            EXPECT_TRUE(
                driver.colourNear(0.5 + along.x * s.toDouble(), along.y * s.toDouble(), kBlue))
                << zoom << " " << name << " " << s.toStdString();
        EXPECT_EQ(driver.readout(Y), Shown("0.4"));  // the user's point stays
        const auto first = Currency::fromDouble(*PotentialAt(0.5, 0.05, 1e-6));
        EXPECT_TRUE(expected.size() > 1 || driver.state().Potential == first);  // set by it alone
        EXPECT_TRUE(driver.linePanelShown());
        driver.cancelLines();
        driver.clear();
    }
}

// A step that is not a whole number of volts from 1 up, once rounded (halves
// to the even neighbour), is refused and draws nothing, by "Aceptar", by
// "Calcular" and by Enter in the box.
TEST_F(Family, StepBelowOneVoltOrTooLargeRefused) {
    openSetPanel("");
    for (const char* step : {"0", "-5000", "abc", ",", "", "0,5", "-0.6", "1e10"}) {
        driver.type(Step, step);
        driver.messages.clear();
        driver.acceptLines();
        driver.calculate();
        driver.enterIn(Step);
        EXPECT_EQ(driver.messages, QStringList(3, "Datos No Aceptados")) << step;
        EXPECT_EQ(driver.countPixels(kBlue), 0) << step;
    }
}

// The smallest step, 1 V, puts a line at every scan position.
TEST_F(Family, OneVoltStepALineAtEveryScanPosition) {
    openSetPanel("0,6");  // rounds to 1 V
    driver.acceptLines();
    EXPECT_TRUE(driver.messages.isEmpty());
    EXPECT_EQ(driver.settings().potentialStep(), 1);
    EXPECT_GE(crossings(), 60);  // neighbouring lines merge on screen
}

// In the profile view the set is circles round the axis, scanned outwards
// from the charge's circle; levels go by magnitude, so a negative density
// gives the same circles. Radii worked as for the front view from V in the
// charge's plane: 2kλ·asinh(0.5 m/r) for the segment, kλ·4R/(r + R)·K(m),
// m = 4Rr/(r + R)², for the ring and 4kσr(E(q) − (1 − q)K(q)), q = R²/r²,
// for the disk (K, E the complete elliptic integrals, by mpmath).
TEST_F(Family, ProfileViewCirclesByMagnitude) {
    const struct {
        const ChargeDistribution& shape;
        int density, zoom;
        const char *step, *radii;
    } cases[] = {
        {UniformSegment(), -1, 100, "10000", "0.05 0.09 0.16 0.3 0.63"},
        {Ring(), 1, 50, "5000", "0.55 0.57 0.59 0.63 0.67 0.73 0.81 0.91 1.05 1.25 1.57 2.13"},
        {Disk(), -1, 50, "5000", "0.55 0.77 1.51"}};
    for (const auto& c : cases) {
        driver.chooseShape(c.shape);
        driver.chooseView(View::Profile);
        driver.chooseZoom(c.zoom);
        driver.chooseDensity(c.density);
        openSetPanel(c.step);
        driver.acceptLines();
        const QStringList radii = QString(c.radii).split(' ');
        const std::string name = c.shape.words().name;
        for (const QString& r : radii)
            EXPECT_TRUE(driver.colourNear(r.toDouble(), 0, kBlue)) << name;
        const QPoint axis = driver.pixelOf(0, 0.001);
        EXPECT_EQ(crossingsFrom(axis, QPoint(1, 0)), radii.size()) << name;
        const SharedState& s = driver.state();
        EXPECT_NEAR(s.ProfileRadius, radii.back().toDouble(), 1e-9) << name;
        const auto last = c.shape.exactPotential({0.5, s.ProfileRadius, 0}, c.density * 1e-6);
        EXPECT_EQ(driver.readout(V), Shown(*Currency::fromDouble(*last))) << name;
        driver.cancelLines();
        driver.clear();
    }
}

// What the user does while a set is drawn: each action runs at the set's
// fifth yield to the event loop.
class DuringASet : public Family {
protected:
    void startSetAnd(const std::function<void()>& action, const char* step = "1") {
        openSetPanel(step);
        int yields = 0;
        QTimer timer;
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (++yields == 5) action();
        });
        timer.start();
        driver.acceptLines();
    }
};

// "Limpiar" wipes the lines drawn so far and lets the set go on, as does a
// second set started inside the first.
TEST_F(DuringASet, LimpiarOrASecondSetLetsItGoOn) {
    startSetAnd([this] { driver.clear(); });
    EXPECT_TRUE(driver.colourNear(0.5, 1.0, kBlue));    // lines after the clear
    EXPECT_FALSE(driver.colourNear(0.5, 0.05, kBlue));  // but not those before it
    EXPECT_FALSE(driver.readout(V).isEmpty());
    driver.clear();
    startSetAnd([this] { driver.acceptLines(); });
    EXPECT_TRUE(driver.colourNear(0.5, 1.0, kBlue));
}

// The scan keeps its heights; its levels now step by 5000 V.
TEST_F(DuringASet, ANewZoomLetsItGoOnAtTheNewStep) {
    startSetAnd([this] { driver.chooseZoom(50); }, "10000");
    EXPECT_EQ(driver.readout(Step), "5000");
    for (double s : {0.16, 0.22, 0.31, 0.44, 0.67}) EXPECT_TRUE(driver.colourNear(0.5, s, kBlue));
    EXPECT_FALSE(driver.colourNear(0.5, 0.63, kBlue));  // where a step of 10000 V would be
}

// A new density or view ends it, and "Salir" with the window.
TEST_F(DuringASet, ANewDensityOrViewOrSalirEndsIt) {
    startSetAnd([this] {
        driver.cancelLines();
        driver.chooseDensity(5);
    });
    EXPECT_EQ(driver.countPixels(kBlue), 0);
    startSetAnd([this] { driver.chooseView(View::Profile); });
    EXPECT_EQ(driver.countPixels(kBlue), 0);
    startSetAnd([this] { driver.exit(); });
    EXPECT_FALSE(driver.window().isVisible());
    EXPECT_FALSE(driver.colourNear(0.5, 0.5, kBlue));  // lines further out never came
}

// The read-outs belong to one point: the set stops writing them once the
// user has evaluated a point, or started a manual sum, meanwhile.
TEST_F(DuringASet, ReadoutsStayThoseOfAPointEvaluatedMeanwhile) {
    startSetAnd([this] {
        driver.cancelLines();
        driver.calculateAt("0.6", "0.4");
    });
    EXPECT_EQ(driver.readout(Ex), Shown("3429.1482"));
    EXPECT_EQ(driver.readout(V), Shown("18685.2312"));
    EXPECT_TRUE(driver.colourNear(0.5, 1.0, kBlue));  // the set went on drawing
    startSetAnd([this] {
        driver.cancelLines();
        driver.chooseManual();
        driver.clickAt(0.25, 0.001);
    });
    EXPECT_EQ(driver.readout(V), "3600");
}

}  // namespace
