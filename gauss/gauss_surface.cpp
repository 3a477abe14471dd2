#include "gauss/gauss_surface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using std::numbers::pi;

GaussSurface WithinLimits(GaussSurface surface) {
    using namespace gauss_limits;
    // NaN is not inside the limits either: it takes the lower one.
    const auto within = [](double value, double low, double high) {
        return value >= low ? std::min(value, high) : low;
    };
    surface.centre = within(surface.centre, kCentreMin, kCentreMax);
    surface.radius = within(surface.radius, kRadiusMin, kRadiusMax);
    surface.length = within(surface.length, kLengthMin, kLengthMax);
    return surface;
}

double SurfaceArea(const GaussSurface& s) {
    if (s.kind == SurfaceKind::Sphere) return 4 * pi * s.radius * s.radius;
    return 2 * pi * s.radius * (s.radius + s.length);
}

double SurfaceSize(const GaussSurface& s) {
    return s.kind == SurfaceKind::Sphere ? s.radius : std::max(s.radius, s.length / 2);
}

double OutwardDistance(const GaussSurface& s, double x, double rho) {
    if (s.kind == SurfaceKind::Sphere) return std::hypot(x - s.centre, rho) - s.radius;
    return std::max(std::fabs(x - s.centre) - s.length / 2, rho - s.radius);
}

Side SideOf(const GaussSurface& s, double x, double rho) {
    const double tolerance = 1e-12 * SurfaceSize(s);
    const double outside = OutwardDistance(s, x, rho);
    if (outside < -tolerance) return Side::Inside;
    return outside <= tolerance ? Side::On : Side::Outside;
}

GaussSurface Grown(GaussSurface surface, double by) {
    surface.radius += by;
    surface.length += 2 * by;
    return surface;
}
