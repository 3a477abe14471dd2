#include "view/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "view/pixel_index.h"

namespace {

// Lines are clipped to the image grown by this margin before they are made
// integer: far enough out that the clipped line crosses the image on the same
// pixels, near enough that all arithmetic stays small.
constexpr double kClipMargin = 4096;

struct Segment {
    double x0, y0, x1, y1;
};

// Liang–Barsky clipping to [lo, hiX] × [lo, hiY]; false when nothing is left.
// The parameter runs from the end nearer the image (which lies near the
// origin), which keeps the clipped points exact when the other end lies
// astronomically far away.
bool clip(Segment& s, double lo, double hiX, double hiY) {
    const bool swapped = std::abs(s.x1) + std::abs(s.y1) < std::abs(s.x0) + std::abs(s.y0);
    if (swapped) s = {s.x1, s.y1, s.x0, s.y0};
    const double dx = s.x1 - s.x0;
    const double dy = s.y1 - s.y0;
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x0 - lo, hiX - s.x0, s.y0 - lo, hiY - s.y0};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const Segment whole = s;
    s.x0 = whole.x0 + t0 * dx, s.y0 = whole.y0 + t0 * dy;  // exact for t0 = 0
    if (t1 < 1) s.x1 = whole.x0 + t1 * dx, s.y1 = whole.y0 + t1 * dy;
    if (swapped) s = {s.x1, s.y1, s.x0, s.y0};
    return true;
}

constexpr double kLargestCircle = 1e6;

// Steps i in [first, last) along the major axis keep `start + sign*i` in [0, limit).
void majorRange(std::int64_t start, int sign, std::int64_t steps, int limit, std::int64_t& first,
                std::int64_t& last) {
    if (sign > 0) {
        first = std::max<std::int64_t>(0, -start);
        last = std::min<std::int64_t>(steps, limit - start);
    } else {
        first = std::max<std::int64_t>(0, start - (limit - 1));
        last = std::min<std::int64_t>(steps, start + 1);
    }
}

}  // namespace

bool ClipLine(double& x0, double& y0, double& x1, double& y1, double lo, double hiX, double hiY) {
    Segment s{x0, y0, x1, y1};
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1) ||
        !clip(s, lo, hiX, hiY))
        return false;
    x0 = s.x0, y0 = s.y0, x1 = s.x1, y1 = s.y1;
    return true;
}

void RasterLine(double x0, double y0, double x1, double y1, int width, int height,
                const PixelSink& plot) {
    if (!ClipLine(x0, y0, x1, y1, -kClipMargin, width + kClipMargin, height + kClipMargin)) return;
    const std::int64_t ax = PixelIndex(x0), ay = PixelIndex(y0);
    const std::int64_t bx = PixelIndex(x1), by = PixelIndex(y1);
    const std::int64_t dx = std::abs(bx - ax), dy = std::abs(by - ay);
    const int sx = bx >= ax ? 1 : -1, sy = by >= ay ? 1 : -1;
    const bool xMajor = dx >= dy;
    const std::int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    std::int64_t first = 0, last = 0;
    majorRange(xMajor ? ax : ay, xMajor ? sx : sy, major, xMajor ? width : height, first, last);
    for (std::int64_t i = first; i < last; ++i) {
        // The minor coordinate of step i, rounded half up: the Bresenham pixel.
        const std::int64_t offset = (2 * i * minor + major) / (2 * major);
        const std::int64_t px = xMajor ? ax + sx * i : ax + sx * offset;
        const std::int64_t py = xMajor ? ay + sy * offset : ay + sy * i;
        if (px >= 0 && px < width && py >= 0 && py < height)
            plot(static_cast<int>(px), static_cast<int>(py));
    }
}

void RasterCircle(double cx, double cy, double radius, int width, int height,
                  const PixelSink& plot) {
    // A visible circle larger than this needs its centre far off the image,
    // which no figure of the program has; walking it would take too long.
    if (!std::isfinite(cx) || !std::isfinite(cy) || !(radius >= 0 && radius <= kLargestCircle))
        return;

    const std::int64_t ox = PixelIndex(cx), oy = PixelIndex(cy);
    // Midpoint circle: one octant, mirrored around the centre, skipping the
    // mirror images that coincide on the axes and on the diagonals.
    std::int64_t x = std::llround(radius), y = 0;
    std::int64_t error = 1 - x;
    while (x >= y) {
        const std::int64_t pts[8][2] = {{ox + x, oy + y}, {ox + y, oy + x}, {ox - y, oy + x},
                                        {ox - x, oy + y}, {ox - x, oy - y}, {ox - y, oy - x},
                                        {ox + y, oy - x}, {ox + x, oy - y}};
        for (int k = 0; k < 8; ++k) {
            const bool duplicate =
                (y == 0 && (k == 2 || k == 4 || k == 6 || k == 7)) || (x == y && k % 2 == 1);
            const auto [px, py] = pts[k];
            if (!duplicate && px >= 0 && px < width && py >= 0 && py < height)
                plot(int(px), int(py));
        }
        ++y;
        if (error < 0) {
            error += 2 * y + 1;
        } else {
            --x;
            error += 2 * (y - x) + 1;
        }
    }
}
