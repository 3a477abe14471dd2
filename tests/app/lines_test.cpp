#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/window_driver.h"
#include "trace/geometry.h"
#include "view/drawing_surface.h"

namespace {

const QRgb kLineOnGrey = qRgb(250, 50, 50);  // cyan XOR the background
const QRgb kBlue = qRgb(50, 50, 250);

const char* const kZooms[] = {"Amplia_100", "Amplia_50", "Amplia_25", "Amplia_10"};

TEST(FieldLineClick, VerticalAboveTheMiddleAndGoneWhenTracedAgain) {
    for (const char* zoom : kZooms) {
        WindowDriver driver;
        driver.choose("Calcular");
        driver.choose(zoom);
        driver.choose("Obtener_2");
        const QImage before = driver.image().copy();
        const double z = driver.state().ZoomFactor;
        driver.calculateAt(QString::number(0.5), QString::number(0.5 / z));
        for (double y : {0.02, 0.2, 0.8, 1.09})
            EXPECT_EQ(driver.pixelAt(0.5, y / z), kLineOnGrey) << zoom << " " << y;
        EXPECT_TRUE(driver.text("CajaEx").isEmpty());
        EXPECT_TRUE(driver.surface().marker()->isHidden());
        driver.choose("Calcular");
        EXPECT_EQ(driver.image(), before) << zoom;
        driver.choose("Obtener_1");
        EXPECT_TRUE(driver.surface().marker()->isVisible());
    }
}

// From a point typed far outside the window the line still comes in to the segment.
TEST(FieldLineClick, FromADistantTypedPoint) {
    WindowDriver driver;
    driver.choose("Obtener_2");
    driver.calculateAt("150", "150");
    EXPECT_GT(driver.countPixels(kLineOnGrey), 150);
}

// Every blue pixel of the traced ellipse lies within 1.5 pixels of the exact
// curve, and the curve is closed, at every zoom.
TEST(EquipotentialClick, ClosedEllipseThroughThePointAtEveryZoom) {
    for (const char* zoom : kZooms) {
        WindowDriver driver;
        driver.choose(zoom);
        driver.choose("Obtener_3");
        driver.choose("AceptaV");  // single lines: the panel goes
        driver.calculateAt("0.6", "0.4");
        EXPECT_EQ(driver.text("CajaV"), Shown("18685.2312"));
        const double sum = std::hypot(0.6, 0.4) + std::hypot(0.4, 0.4);
        const double a = sum / 2, b = std::sqrt(a * a - 0.25);
        const WorldWindow& w = driver.surface().world();
        int blue = 0;
        for (int py = 0; py < driver.image().height(); ++py)
            for (int px = 0; px < driver.image().width(); ++px) {
                if (driver.image().pixel(px, py) != kBlue) continue;
                ++blue;
                const double x = w.fromPixelX(px + 0.5) - 0.5, y = w.fromPixelY(py + 0.5);
                // Distance to the ellipse, through the gradient of its equation.
                const double f = x * x / (a * a) + y * y / (b * b) - 1;
                const double g = 2 * std::hypot(x / (a * a), y / (b * b));
                ASSERT_LT(std::fabs(f) / g * w.pixelsPerMetre(), 1.5) << zoom;
            }
        EXPECT_GT(blue, 100 * driver.state().ZoomFactor) << zoom;
        EXPECT_TRUE(driver.colourNear(0.6, 0.4, kBlue));
        // The left vertex, where the curve closes, when it is on the surface.
        EXPECT_TRUE(driver.state().ZoomFactor > 0.5 || driver.colourNear(0.5 - a, 0, kBlue));
    }
}

}  // namespace
