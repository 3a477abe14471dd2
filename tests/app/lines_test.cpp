#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/window_driver.h"
#include "trace/geometry.h"
#include "view/drawing_surface.h"

namespace {

const QRgb kLineOnGrey = qRgb(250, 50, 50);  // cyan XOR the background
const QRgb kBlue = qRgb(50, 50, 250);

TEST(FieldLineClick, TracedTwiceLeavesTheDrawingAsItWas) {
    for (const char* zoom : {"Amplia_100", "Amplia_50", "Amplia_25", "Amplia_10"}) {
        WindowDriver driver;
        driver.choose(zoom);
        driver.choose("Obtener_2");
        const QImage before = driver.image().copy();
        const double z = driver.state().ZoomFactor;
        driver.clickAt(0.5, 0.5 / z);
        EXPECT_EQ(driver.pixelAt(0.5, 0.8 / z), kLineOnGrey) << zoom;
        EXPECT_EQ(driver.pixelAt(0.5, 0.2 / z), kLineOnGrey) << zoom;
        EXPECT_NE(driver.image(), before);
        driver.clickAt(0.5, 0.5 / z);
        EXPECT_EQ(driver.image(), before) << zoom;
    }
}

TEST(FieldLineClick, EmptiesTheFieldReadoutsAndKeepsThePotentialText) {
    WindowDriver driver;
    driver.choose("Discretiza_0");
    driver.clickAt(0.6, 0.4);
    driver.choose("Obtener_2");
    driver.clickAt(0.2, 0.7);
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    EXPECT_TRUE(driver.text("CajaEy").isEmpty());
    EXPECT_EQ(driver.text("CajaV"), "18685.2312");
    EXPECT_TRUE(driver.surface().marker()->isHidden());
}

// Every blue pixel of the traced ellipse lies within a pixel of the exact curve.
TEST(EquipotentialClick, EllipseThroughThePointWithinOnePixel) {
    for (const char* zoom : {"Amplia_100", "Amplia_10"}) {
        WindowDriver driver;
        driver.choose(zoom);
        driver.choose("Obtener_3");
        driver.choose("CancelaV");
        driver.choose("Obtener_3");
        driver.choose("AceptaV");  // single lines: the panel goes
        driver.clickAt(0.6, 0.4);
        EXPECT_EQ(driver.pixelAt(0.6, 0.4), kBlue) << zoom;
        EXPECT_EQ(driver.text("CajaV"), "18685.2312");
        const WorldWindow& w = driver.surface().world();
        const double sum = std::hypot(0.6, 0.4) + std::hypot(0.4, 0.4);
        const double a = sum / 2, b = std::sqrt(a * a - 0.25);
        const double metresPerPixel = 1 / w.pixelsPerMetre();
        int blue = 0;
        for (int py = 0; py < driver.image().height(); ++py)
            for (int px = 0; px < driver.image().width(); ++px) {
                if (driver.image().pixel(px, py) != kBlue) continue;
                ++blue;
                const double x = w.fromPixelX(px + 0.5) - 0.5, y = w.fromPixelY(py + 0.5);
                // Distance to the ellipse, approximately, through the gradient of its equation.
                const double f = x * x / (a * a) + y * y / (b * b) - 1;
                const double g = 2 * std::hypot(x / (a * a), y / (b * b));
                EXPECT_LT(std::fabs(f) / g, 1.5 * metresPerPixel) << zoom << " " << px << "," << py;
            }
        EXPECT_GT(blue, 20);
        if (driver.state().ZoomFactor != 0.1) continue;  // at 100 % the vertex is off the surface
        // Closed: the chord from the last angle back to the left vertex is drawn.
        const auto points = EquipotentialEllipse(0.6, 0.4, driver.state().ZoomFactor);
        const WorldPoint last = points[points.size() - 2], first = points.front();
        EXPECT_EQ(driver.pixelAt((last.x + first.x) / 2, (last.y + first.y) / 2), kBlue) << zoom;
    }
}

TEST(EquipotentialClick, ProfileCircleAroundTheAxis) {
    WindowDriver driver;
    driver.choose("Ver_1");
    driver.choose("Obtener_3");
    driver.choose("AceptaV");
    driver.clickAt(0.3, 0.4);
    EXPECT_EQ(driver.pixelAt(0.5, 0), kBlue);
    EXPECT_EQ(driver.pixelAt(0, 0.5 - 0.001), kBlue);
    EXPECT_EQ(driver.text("CajaV"),
              Currency::fromDouble(*PotentialAt(0.5, 0.5, 1e-6))->text('.').c_str());
}

}  // namespace
