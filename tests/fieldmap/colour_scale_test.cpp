#include <gtest/gtest.h>

#include <cmath>

#include "fieldmap/colour_scale.h"
#include "trace/geometry.h"

namespace {

constexpr double kLambda = 1e-6;
constexpr std::uint32_t kSegment = 0xff123456;

// At 100 % on 500 pixels the far corners' pixels are at 7124.2 V and the pixel
// above the middle of the segment at 108581.3 V: the bar spans 1e4 to 1e5,
// each at ln(v/7124.2)/ln(108581.3/7124.2) of the way up.
TEST(ColourScale, TicksAreRoundVoltsInOrder) {
    const WorldWindow area = WorldWindow::forZoom(1, 500, 500);
    const auto up = ColourScale(FieldModel{kLambda, 0, View::Front}, area, kSegment).ticks();
    const auto down = ColourScale(FieldModel{-kLambda, 0, View::Front}, area, kSegment).ticks();
    ASSERT_EQ(up.size(), 4u);
    ASSERT_EQ(down.size(), 4u);
    const double volts[] = {1e4, 2e4, 5e4, 1e5}, positions[] = {0.1245, 0.3789, 0.7153, 0.9698};
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(up[i].volts, volts[i]);
        EXPECT_NEAR(up[i].position, positions[i], 1e-4);
        EXPECT_DOUBLE_EQ(down[3 - i].volts, -volts[i]);
        EXPECT_NEAR(down[3 - i].position, 1 - positions[i], 1e-4);
    }
}

// Beyond either end the end's colour (viridis runs from 440154 to fde725;
// 45 % of the way to white, 9873a1 to fef287); no value takes the given colour.
TEST(ColourScale, EndsAndNoValue) {
    const std::uint32_t kDark = 0xff9873a1u, kBright = 0xfffef287u;
    const WorldWindow area = WorldWindow::forZoom(1, 500, 500);
    const ColourScale up(FieldModel{kLambda}, area, kSegment), down({-kLambda}, area, kSegment);
    EXPECT_EQ(up.colourOf(1e9), kBright);
    EXPECT_EQ(up.colourOf(1), kDark);
    EXPECT_EQ(down.colourOf(-1e9), kDark);
    EXPECT_EQ(down.colourOf(-1), kBright);
    // A potential of the other sign than the density's is weaker than any: the weak end.
    EXPECT_EQ(up.stepOf(-5), 0);
    EXPECT_EQ(down.stepOf(5), ColourScale::kSteps - 1);
    std::uint32_t pixels[3] = {0, 0, 0};
    up.paint({2, 1, {NAN, 1e9}}, pixels, 3);
    EXPECT_EQ(pixels[0], kSegment);
    EXPECT_EQ(pixels[1], kBright);
    EXPECT_EQ(pixels[2], 0u);
}

// The levels of a family of equipotentials (through the bisector in the front
// view, circles in the profile): the colour steps once per level at most
// along each line, moves one way across them, and spans most of the scale.
TEST(ColourScale, ConstantAlongEquipotentialsAndMonotonicAcross) {
    const struct {
        const char* name;
        double lambda;
        View view;
        double zoom;
    } cases[] = {
        {"front, 100 %", kLambda, View::Front, 1},
        {"front, 10 %, negative", -kLambda, View::Front, 0.1},
        {"profile, 50 %", 5 * kLambda, View::Profile, 0.5},
        {"profile, 25 %, negative", -10 * kLambda, View::Profile, 0.25},
    };
    for (const auto& c : cases) {
        const FieldModel model{c.lambda, 0, c.view};
        const ColourScale scale(model, WorldWindow::forZoom(c.zoom, 500, 500), kSegment);
        const auto step = [&](double x, double y) {
            return scale.stepOf(*model.potentialAt({x, y}));
        };
        const EquipotentialScanRange range = ScanRangeFor(c.zoom);
        const double x = c.view == View::Front ? 0.5 : 0;
        int previous = step(x, range.first / 10), first = previous;
        for (double s = range.first / 10; s < range.end; s += range.step) {
            const int level = step(x, s);
            EXPECT_LE(level * c.lambda, previous * c.lambda) << c.name << " at " << s;
            previous = level;
            const auto line = c.view == View::Front
                                  ? EquipotentialEllipse(x, s, c.zoom)
                                  : std::vector<WorldPoint>{{s, 0}, {-s * 0.6, s * 0.8}};
            for (const WorldPoint& p : line)
                EXPECT_NEAR(step(p.x, p.y), level, 1) << c.name << " at " << s;
        }
        EXPECT_GT(std::abs(first - previous), 200) << c.name;
    }
}

}  // namespace
