#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/window_driver.h"
#include "view/gauss_cut.h"

namespace {

const QRgb kBackground = qRgb(200, 200, 200);

// The start surface, a sphere of 0.8 m round (0.5, 0), at 60° from the axis:
// (0.5 ± 0.4, 0.8·sin 60°).
const double kRise = 0.8 * std::sqrt(3.0) / 2;

// Whether the picture shows the colour within a pixel of a world point.
bool ShowsNear(const WindowDriver& driver, double x, double y, QRgb colour) {
    const QImage shown = driver.surface().picture();
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = driver.pixelOf(x, y) + QPoint(dx, dy);
            if (shown.valid(p) && shown.pixel(p) == colour) return true;
        }
    return false;
}

// With the map on, the tool shows the start surface's circle over it; the
// field arrow drawn across the circle stays on top, and drawn again (the
// XOR pen) leaves the picture as it was; closing the tool leaves the picture
// exactly as before it opened.
TEST(GaussCut, UnderTheDrawingAndGoneWhenClosed) {
    WindowDriver driver;
    driver.toggleMap();
    driver.calculate();  // the start point's arrow, drawn and wiped by the XOR pen
    driver.calculate();
    const QImage before = driver.surface().picture();
    driver.openGaussTool();
    EXPECT_TRUE(ShowsNear(driver, 0.9, kRise, kGaussColour));
    EXPECT_TRUE(ShowsNear(driver, 0.1, kRise, kGaussColour));
    EXPECT_FALSE(ShowsNear(driver, 0.5, 0.4, kGaussColour));
    driver.dragSurfaceSize(0.42);  // through the start point's arrow, at 0.41 m from (0.5, 0)
    const QImage circle = driver.surface().picture();
    driver.calculate();
    const QImage drawing = driver.image(), shown = driver.surface().picture();
    int covered = 0;
    for (int py = 0; py < shown.height(); ++py)
        for (int px = 0; px < shown.width(); ++px)
            if (drawing.pixel(px, py) != kBackground) {
                ASSERT_EQ(shown.pixel(px, py), drawing.pixel(px, py)) << px << ", " << py;
                covered += circle.pixel(px, py) == kGaussColour;
            }
    EXPECT_GT(covered, 0);  // the arrow crosses the circle
    driver.calculate();
    EXPECT_EQ(driver.surface().picture(), circle);
    driver.closeGaussTool();
    EXPECT_EQ(driver.surface().picture(), before);
}

// Dragging the centre handle moves the centre along the axis, and the size
// handle sets the radius to the pointer's height, or in the profile view to
// its distance from the axis; the circle follows, also at another zoom, and
// no press of a drag evaluates a point. Closed, the tool takes no press: a click there evaluates
// it.
TEST(GaussDrag, HandlesSetTheSurface) {
    WindowDriver driver;
    driver.openGaussTool();
    const double pixel = driver.metresPerPixel();
    driver.dragSurfaceCentre(0.3);
    EXPECT_NEAR(driver.settings().gaussSurface().centre, 0.3, pixel);
    EXPECT_EQ(driver.settings().gaussSurface().radius, 0.8);
    driver.dragSurfaceSize(0.5);
    EXPECT_NEAR(driver.settings().gaussSurface().radius, 0.5, pixel);
    const double centre = driver.settings().gaussSurface().centre;
    const double radius = driver.settings().gaussSurface().radius;
    const double rise = radius * std::sqrt(3.0) / 2;
    EXPECT_TRUE(ShowsNear(driver, centre + radius / 2, rise, kGaussColour));
    EXPECT_FALSE(ShowsNear(driver, 0.9, kRise, kGaussColour));
    driver.chooseZoom(50);  // the circle stays where it is in the world
    EXPECT_TRUE(ShowsNear(driver, centre - radius / 2, rise, kGaussColour));
    EXPECT_TRUE(ShowsNear(driver, centre, radius, qRgb(255, 255, 255)));  // the handle's middle
    driver.chooseView(View::Profile);
    driver.dragSurfaceSize(0.6);
    EXPECT_NEAR(driver.settings().gaussSurface().radius, 0.6, pixel);
    EXPECT_EQ(driver.settings().gaussSurface().centre, centre);
    EXPECT_EQ(driver.readout(V), "");
    driver.closeGaussTool();
    driver.clickAt(0, driver.settings().gaussSurface().radius);
    EXPECT_NE(driver.readout(V), "");
}

// A click away from the handles, on the circle or inside it, evaluates the
// point as it would without the tool.
TEST(GaussDrag, AClickOffTheHandlesEvaluatesThePoint) {
    for (WorldPoint p : {WorldPoint{0.9, 0.7}, WorldPoint{0.6, 0.4}}) {
        WindowDriver driver;
        driver.openGaussTool();
        const QPointF clicked = driver.clickAt(p.x, p.y);
        EXPECT_EQ(driver.settings().evaluatedPoint().x, ShownValue(clicked.x())) << p.x;
        EXPECT_EQ(driver.settings().evaluatedPoint().y, ShownValue(clicked.y())) << p.x;
        EXPECT_NE(driver.readout(V), "") << p.x;
        EXPECT_EQ(driver.settings().gaussSurface(), GaussSurface()) << p.x;
    }
}

// Over a handle the pointer shows what it moves; over the charge, which no
// handle covers, it stays a cross-hair; elsewhere, and once the tool is closed, it is
// what it was. (Not on scaled screens: the offscreen screen, smaller than the
// window there, takes no pointer moves below its edge.)
TEST(GaussPointer, ShowsWhatAHandleMoves) {
    WindowDriver driver;
    const auto shape = [&] { return driver.surface().cursor().shape(); };
    driver.pointAt(0.5, 0);
    EXPECT_EQ(shape(), Qt::CrossCursor);
    driver.openGaussTool();
    driver.pointAt(0.5, 0.8);
    EXPECT_EQ(shape(), Qt::SizeVerCursor);
    driver.pointAt(0.5, 0.4);  // the centre's handle, at half the radius above it
    EXPECT_EQ(shape(), Qt::OpenHandCursor);
    driver.pointAt(0.5, 0);  // the charge, bare of handles
    EXPECT_EQ(shape(), Qt::CrossCursor);
    driver.pointAt(0.3, 0.3);
    EXPECT_EQ(shape(), Qt::ArrowCursor);
    driver.pointAt(0.5, 0.8);
    driver.closeGaussTool();
    driver.pointAt(0.5, 0.79);
    EXPECT_EQ(shape(), Qt::ArrowCursor);
}

}  // namespace
