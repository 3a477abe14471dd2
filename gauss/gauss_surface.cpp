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

Side SideOf(const GaussSurface& s, double x, double rho) {
    const double size = s.kind == SurfaceKind::Sphere ? s.radius : std::max(s.radius, s.length);
    const double tolerance = 1e-12 * size;
    double outside;  // how far out of the surface, negative inside
    if (s.kind == SurfaceKind::Sphere) {
        outside = std::hypot(x - s.centre, rho) - s.radius;
    } else {
        outside = std::max(std::fabs(x - s.centre) - s.length / 2, rho - s.radius);
    }
    if (outside < -tolerance) return Side::Inside;
    return outside <= tolerance ? Side::On : Side::Outside;
}
