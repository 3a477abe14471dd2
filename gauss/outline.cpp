#include "gauss/outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using std::numbers::pi;

namespace {

// Where the line through a and b meets x = at, as the fraction of the way from a to b.
std::vector<double> FractionsAtX(AxialPoint a, AxialPoint b, double at) {
    if (a.x == b.x) return {};
    return {(at - a.x) / (b.x - a.x)};
}
std::vector<double> FractionsAtRho(AxialPoint a, AxialPoint b, double at) {
    if (a.rho == b.rho) return {};
    return {(at - a.rho) / (b.rho - a.rho)};
}

}  // namespace

std::optional<std::pair<double, double>> LineOnCircle(AxialPoint a, AxialPoint b, double c,
                                                      double r) {
    const double dx = b.x - a.x, drho = b.rho - a.rho;
    const double fx = a.x - c, frho = a.rho;
    const double qa = dx * dx + drho * drho;
    const double qb = fx * dx + frho * drho;
    const double qc = (std::hypot(fx, frho) - r) * (std::hypot(fx, frho) + r);
    // qb² − qa·qc written without its cancellation: |d|²r² − (f × d)².
    const double cross = fx * drho - frho * dx;
    const double discriminant = qa * r * r - cross * cross;
    if (qa == 0 || discriminant < 0) return std::nullopt;
    // The root with no cancellation first, the other from the product of the roots.
    const double q = -(qb + std::copysign(std::sqrt(discriminant), qb));
    const double t1 = q / qa, t2 = q != 0 ? qc / q : t1;
    return std::pair{std::min(t1, t2), std::max(t1, t2)};
}

double OutlinePart::from() const {
    return kind_ == Kind::Side ? surface_.centre - surface_.length / 2 : 0;
}

double OutlinePart::to() const {
    switch (kind_) {
        case Kind::Sphere:
            return pi;
        case Kind::Side:
            return surface_.centre + surface_.length / 2;
        default:
            return surface_.radius;
    }
}

OutlinePoint OutlinePart::at(double t) const {
    const double c = surface_.centre, r = surface_.radius, half = surface_.length / 2;
    switch (kind_) {
        case Kind::Sphere:
            return {c + r * std::cos(t), r * std::sin(t), std::cos(t), std::sin(t),
                    2 * pi * r * r * std::sin(t)};
        case Kind::LowCap:
            return {c - half, t, -1, 0, 2 * pi * t};
        case Kind::HighCap:
            return {c + half, t, 1, 0, 2 * pi * t};
        case Kind::Side:
            break;
    }
    return {t, r, 0, 1, 2 * pi * r};
}

double OutlinePart::metresPerUnit() const { return kind_ == Kind::Sphere ? surface_.radius : 1; }

double OutlinePart::nearest(AxialPoint p, double* distance) const {
    if (kind_ == Kind::Sphere) {
        *distance = std::fabs(std::hypot(p.x - surface_.centre, p.rho) - surface_.radius);
        return std::atan2(p.rho, p.x - surface_.centre);
    }
    const double t = std::clamp(kind_ == Kind::Side ? p.x : p.rho, from(), to());
    const OutlinePoint q = at(t);
    *distance = std::hypot(p.x - q.x, p.rho - q.rho);
    return t;
}

std::vector<double> OutlinePart::crossings(AxialPoint a, AxialPoint b) const {
    std::vector<double> fractions;
    switch (kind_) {
        case Kind::Sphere:
            if (const auto t = LineOnCircle(a, b, surface_.centre, surface_.radius))
                fractions = {t->first, t->second};
            break;
        case Kind::LowCap:
        case Kind::HighCap:
            fractions = FractionsAtX(a, b, at(0).x);
            break;
        case Kind::Side:
            fractions = FractionsAtRho(a, b, surface_.radius);
            break;
    }
    std::vector<double> parameters;
    for (double f : fractions) {
        if (!(f >= 0 && f <= 1)) continue;
        const AxialPoint p{a.x + f * (b.x - a.x), a.rho + f * (b.rho - a.rho)};
        double distance;
        const double t = nearest(p, &distance);
        if (distance <= 1e-12 * (std::fabs(to()) + std::fabs(from()) + surface_.radius))
            parameters.push_back(t);
    }
    return parameters;
}

std::vector<OutlinePart> OutlineOf(const GaussSurface& surface) {
    using Kind = OutlinePart::Kind;
    if (surface.kind == SurfaceKind::Sphere) return {OutlinePart(Kind::Sphere, surface)};
    return {OutlinePart(Kind::LowCap, surface), OutlinePart(Kind::HighCap, surface),
            OutlinePart(Kind::Side, surface)};
}
