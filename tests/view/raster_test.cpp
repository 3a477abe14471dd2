#include "view/raster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace {

using Pixel = std::pair<int, int>;

std::multiset<Pixel> Line(double x0, double y0, double x1, double y1, int size = 100) {
    std::multiset<Pixel> pixels;
    RasterLine(x0, y0, x1, y1, size, size, [&](int x, int y) { pixels.insert({x, y}); });
    return pixels;
}

TEST(RasterLine, PaintsTheStartPixelButNotTheEndPixel) {
    const auto pixels = Line(10.5, 10.5, 20.5, 14.2);
    EXPECT_EQ(pixels.count({10, 10}), 1u);
    EXPECT_EQ(pixels.count({20, 14}), 0u);
    EXPECT_EQ(pixels.size(), 10u);                  // one pixel per column
    EXPECT_TRUE(Line(5.2, 5.7, 5.9, 5.1).empty());  // start and end share a pixel
}

TEST(RasterLine, ContinuedSegmentsPaintEachVertexOnce) {
    std::multiset<Pixel> all;
    const double path[][2] = {{3.5, 3.5}, {40.2, 10.7}, {41.9, 60.1}, {12.3, 55.5}, {3.5, 3.5}};
    for (int k = 0; k + 1 < 5; ++k)
        for (const Pixel& p : Line(path[k][0], path[k][1], path[k + 1][0], path[k + 1][1]))
            all.insert(p);
    for (const Pixel& p : all) EXPECT_EQ(all.count(p), 1u) << p.first << "," << p.second;
}

TEST(RasterLine, ReversedLineCoversTheSameRunOfPixels) {
    const auto forward = Line(2.5, 3.5, 60.5, 31.5);
    const auto backward = Line(60.5, 31.5, 2.5, 3.5);
    EXPECT_EQ(forward.size(), backward.size());
    EXPECT_EQ(forward.count({2, 3}), 1u);
    EXPECT_EQ(backward.count({60, 31}), 1u);
}

TEST(RasterLine, FarOutsideCoordinatesAreClippedWithoutOverflow) {
    // A line from inside to 10^15 pixels away crosses to the image edge only.
    const auto pixels = Line(50.5, 50.5, 1e15 + 50.5, 50.5);
    EXPECT_EQ(pixels.size(), 50u);
    EXPECT_EQ(Line(50.5, 50.5, 1e300, 1e300).size(), 50u);
    EXPECT_LE(Line(-1e300, -1e300, 1e300, 1e300).size(), 200u);  // no hang, no crash
    EXPECT_TRUE(Line(1e300, 5, 2e300, 5).empty());
    EXPECT_TRUE(Line(std::nan(""), 5, 5, 5).empty());
}

TEST(RasterCircle, EveryPixelOnceAtTheRadius) {
    std::multiset<Pixel> pixels;
    RasterCircle(50.5, 50.5, 20, 100, 100, [&](int x, int y) { pixels.insert({x, y}); });
    for (const Pixel& p : pixels) {
        EXPECT_EQ(pixels.count(p), 1u);
        EXPECT_NEAR(std::hypot(p.first - 50, p.second - 50), 20, 0.75);
    }
    EXPECT_EQ(pixels.count({70, 50}), 1u);
    EXPECT_EQ(pixels.count({50, 30}), 1u);
}

TEST(RasterCircle, CirclesAroundOrAwayFromTheImageDrawNothing) {
    int count = 0;
    RasterCircle(50, 50, 1e12, 100, 100, [&](int, int) { ++count; });
    RasterCircle(-500, 50, 20, 100, 100, [&](int, int) { ++count; });
    EXPECT_EQ(count, 0);
}

}  // namespace
