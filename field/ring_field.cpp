#include "field/ring_field.h"

#include <algorithm>
#include <boost/math/special_functions/ellint_rd.hpp>
#include <boost/math/special_functions/ellint_rf.hpp>
#include <cmath>
#include <numbers>

#include "field/axial_field.h"
#include "field/quiet_math.h"

using std::numbers::pi;

namespace {

using quiet_math::Quiet;

// Where 2ρr/(a² + ρ² + r²) is below this, the series; above it the
// differences of Carlson's integrals lose at most a digit.
constexpr double kSeriesLimit = 0.25;

// With D² = A(1 − t·cos φ): (1 − t·cos φ)^(−ν) = Σ (ν)ₙ/n!·tⁿcosⁿφ, and the
// mean of cosⁿφ over a turn is (n − 1)!!/n!! for even n, 0 for odd n.
CircleIntegrals Series(double sum, double t, double rho, double r) {
    double i1 = 0, c1 = 0, i3 = 0, c3 = 0;
    double h1 = 1, h3 = 1, mean = 1, power = 1;  // (½)ₙ/n!, (3/2)ₙ/n!, mean of cosⁿ, tⁿ
    for (int n = 0; n < 200; n += 2) {
        i1 += h1 * mean * power;
        i3 += h3 * mean * power;
        h1 *= (0.5 + n) / (n + 1);
        h3 *= (1.5 + n) / (n + 1);
        power *= t;
        mean *= (n + 1.0) / (n + 2);
        c1 += h1 * mean * power;
        c3 += h3 * mean * power;
        h1 *= (1.5 + n) / (n + 2);
        h3 *= (2.5 + n) / (n + 2);
        power *= t;
        if (h3 * mean * power < 1e-17 * i3) break;
    }
    const double root = std::sqrt(sum), first = 2 * pi / root, third = first / sum;
    return {first * i1, first * c1, third * i3, third * (rho * i3 - r * c3)};
}

// With d and s the least and greatest distances to the circle, D² runs from
// d² to s²: ∫dφ/D = 4R_F(0, d², s²); since ∂R_F(x, y, z)/∂z = −R_D(x, y, z)/6,
// differentiating under the integral gives the others with R_D(0, d², s²)
// and R_D(0, s², d²), each a sum of positive terms or a difference that the
// series above takes over where it would cancel.
CircleIntegrals Carlson(double d2, double s2, double rho, double r) {
    const double rf = boost::math::ellint_rf(0.0, d2, s2, Quiet());
    const double far = boost::math::ellint_rd(0.0, d2, s2, Quiet());
    const double near = boost::math::ellint_rd(0.0, s2, d2, Quiet());
    return {4 * rf, 8.0 / 3 * s2 * far - 4 * rf, 4.0 / 3 * (near + far),
            4.0 / 3 * ((rho - r) * near + (rho + r) * far)};
}

}  // namespace

std::optional<CircleIntegrals> AroundCircle(double a, double rho, double r) {
    // Lengths scaled by a power of two, exactly, so that no square overflows.
    const int e = std::ilogb(std::max({std::fabs(a), rho, r}));
    a = std::ldexp(a, -e);
    rho = std::ldexp(rho, -e);
    r = std::ldexp(r, -e);
    const double d2 = a * a + (rho - r) * (rho - r);
    if (!(d2 > 0)) return std::nullopt;
    const double s2 = a * a + (rho + r) * (rho + r), sum = a * a + rho * rho + r * r;
    const double t = 2 * rho * r / sum;
    const CircleIntegrals g = t < kSeriesLimit ? Series(sum, t, rho, r) : Carlson(d2, s2, rho, r);
    return CircleIntegrals{std::ldexp(g.i1, -e), std::ldexp(g.c1, -e), std::ldexp(g.i3, -3 * e),
                           std::ldexp(g.radial3, -2 * e)};
}

// V = k·λ·r·∫dφ/D, E along the axis k·λ·r·a·∫dφ/D³, E away from it
// k·λ·r·∫(ρ − r·cos φ)dφ/D³, with k·λ·r = kq/2π.
std::optional<FieldValue> CircleFieldAt(double a, double rho, double r, double kq) {
    const auto g = AroundCircle(a, rho, r);
    if (!g) return std::nullopt;
    const double klr = kq / (2 * pi);
    return FiniteField({klr * a * g->i3, klr * g->radial3, klr * g->i1});
}

namespace across_bar {

using ring::kPlane;
using ring::kRadius;

bool Holds(WorldPoint p, double halfWidth) {
    return std::fabs(p.x - kPlane) < halfWidth && std::fabs(p.y) < kRadius;
}

double DistanceFrom(WorldPoint p) {
    return std::hypot(p.x - kPlane, std::max(0.0, std::fabs(p.y) - kRadius));
}

bool PathMeets(WorldPoint a, WorldPoint b) {
    if ((a.x > kPlane && b.x > kPlane) || (a.x < kPlane && b.x < kPlane)) return false;
    if (a.x == b.x)  // along the bar's line
        return std::max(a.y, b.y) >= -kRadius && std::min(a.y, b.y) <= kRadius;
    const double y = a.y + (b.y - a.y) * ((kPlane - a.x) / (b.x - a.x));
    return std::fabs(y) <= kRadius;
}

}  // namespace across_bar

double LeastDistanceFromOrigin(WorldPoint a, WorldPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    const double along = length2 > 0 ? std::clamp(-(a.x * dx + a.y * dy) / length2, 0.0, 1.0) : 0;
    return std::hypot(a.x + along * dx, a.y + along * dy);
}

namespace {

using ring::kPlane;
using ring::kRadius;

// A point charge kq at c: its field and potential at p, not rounded.
std::optional<SpaceField> PointChargeField(SpacePoint c, double kq, SpacePoint p) {
    const double dx = p.x - c.x, dy = p.y - c.y, dz = p.z - c.z;
    const double s = dx * dx + dy * dy + dz * dz;
    const double cube = std::pow(s, 3.0 / 2);
    const SpaceField f{kq * dx / cube, kq * dy / cube, kq * dz / cube, kq / std::sqrt(s)};
    if (!std::isfinite(f.ex) || !std::isfinite(f.ey) || !std::isfinite(f.ez) || !std::isfinite(f.v))
        return std::nullopt;
    return f;
}

// The ring: its wire of radius R in the plane x = 0.5, uniform λ.
class RingShape final : public ChargeDistribution {
public:
    std::optional<SpaceField> exactField(SpacePoint p, double density) const override {
        const double kq = segment::kCoulomb * density * chargePerDensity();
        return AroundTheAxis(
            p, [kq](double x, double rho) { return CircleFieldAt(x - kPlane, rho, kRadius, kq); });
    }
    std::optional<double> exactPotential(SpacePoint p, double density) const override {
        const auto f = exactField(p, density);
        if (!f) return std::nullopt;
        return f->v;
    }
    // N equal charges around the ring from the top, (x, y, z) = (0.5, R, 0),
    // towards +z; the second half is the mirror image of the first in the
    // plane z = 0, so that the plane stays one of symmetry digit for digit.
    ChargeElement element(int i, int n) const override {
        const int turn = i - 1, mirrored = 2 * turn > n ? n - turn : turn;
        const double angle = 2 * pi * mirrored / n;
        double y = kRadius * std::cos(angle), z = kRadius * std::sin(angle);
        if (2 * mirrored == n) y = -kRadius, z = 0;
        if (mirrored != turn) z = -z;
        const double arc = 2 * pi * kRadius / n, middle = 2 * pi * turn / n;
        return {{kPlane, y, z}, middle - pi / n, middle + pi / n, arc, arc};
    }
    std::optional<SpaceField> elementField(int i, int n, SpacePoint p,
                                           double density) const override {
        const ChargeElement e = element(i, n);
        return PointChargeField(e.centre, e.coulombCharge(density), p);
    }
    // Seen edge-on from the front, the charges at the angles θ and −θ fall
    // on the same height R·cos θ: a click takes the one in front (z ≥ 0).
    int elementAt(WorldPoint p, int n) const override {
        const double angle = std::acos(std::clamp(p.y / kRadius, -1.0, 1.0));
        const int turn = int(std::lround(angle * n / (2 * pi)));
        return (2 * turn > n ? n - turn : turn) + 1;
    }

    double band() const override { return kChargeBand; }
    bool onDrawnCharge(View view, WorldPoint p, double zoomFactor) const override {
        if (view == View::Front) return across_bar::Holds(p, kChargeBand / zoomFactor);
        return std::fabs(std::hypot(p.x, p.y) - kRadius) < kChargeBand / zoomFactor;
    }
    bool onChargeAsTyped(WorldPoint p) const override {
        return distanceFromCharge(View::Front, p) < kChargeTypedBand;
    }
    double distanceFromCharge(View view, WorldPoint p) const override {
        if (view == View::Front) return across_bar::DistanceFrom(p);
        return std::fabs(std::hypot(p.x, p.y) - kRadius);
    }
    // Only the wire has no value: in the front view the two points where it
    // crosses the plane z = 0.
    bool pathMeetsCharge(View view, WorldPoint a, WorldPoint b) const override {
        if (view == View::Profile)
            return LeastDistanceFromOrigin(a, b) <= kRadius &&
                   std::max(std::hypot(a.x, a.y), std::hypot(b.x, b.y)) >= kRadius;
        for (double y : {kRadius, -kRadius}) {
            const double ax = a.x - kPlane, ay = a.y - y, bx = b.x - kPlane, by = b.y - y;
            if (ax * by == ay * bx && ax * bx + ay * by <= 0) return true;
        }
        return false;
    }
    ChargeFigure figure(View view) const override {
        ChargeFigure f;
        if (view == View::Front)
            f.crossBar = ChargeFigure::CrossBar{kPlane, kRadius, 0, kChargeBand};
        else
            f.circle = ChargeFigure::Circle{kRadius, kChargeBand, false};
        return f;
    }

    double bisectorX() const override { return kPlane; }
    PlotLine plotLine() const override { return {{kPlane, 0, 0}, {1, 0, 0}}; }
    BisectorLimits bisectorLimits(double s, double density) const override {
        const double kq = segment::kCoulomb * density * kCharge;
        return {NAN, std::fabs(kq / (s * s)), kq / s};
    }

    std::string densitySymbol() const override { return "λ"; }
    std::string densityUnit() const override { return "C/m"; }
    double chargePerDensity() const override { return kCharge; }
    AxialPiece axialPiece() const override { return {kPlane, kRadius, kPlane, kRadius}; }
    double chargePerDensityAlong(double t0, double t1) const override {
        return kCharge * (t1 - t0);
    }
    ShapeWords words() const override {
        return {"Anillo", "anillo", "integral exacta sobre el anillo de 50 cm de radio",
                "Q = λ·π m", "Eje del anillo"};
    }
    ConvergenceLaw convergenceLaw() const override { return ConvergenceLaw::Geometric; }
    std::string elementsText(const std::string& count) const override {
        return count + " cargas puntuales Q/" + count + " igualmente espaciadas en el anillo";
    }

private:
    static constexpr double kCharge = 2 * pi * kRadius;  // over λ, m
};

}  // namespace

const ChargeDistribution& Ring() {
    static const RingShape shape;
    return shape;
}
