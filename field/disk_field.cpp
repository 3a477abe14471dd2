// The disk: radius R in the plane x = 0.5, centred on the axis, uniform σ.
#include <algorithm>
#include <boost/math/special_functions/ellint_rj.hpp>
#include <cmath>
#include <numbers>

#include "field/axial_field.h"
#include "field/quiet_math.h"
#include "field/ring_field.h"

using ring::kPlane;
using ring::kRadius;
using std::numbers::pi;

namespace {

using quiet_math::Quiet;

// Beyond this distance from the centre the field is taken from its
// multipoles, each (R/r)² of the one before.
constexpr double kFar = 4 * kRadius;

// Far away, from the potential on the axis, 2πkσ(√(a² + R²) − |a|) =
// 2πkσ·Σₙ bₙR²ⁿ|a|^(1−2n), bₙ = (½ choose n): off it each power times the
// Legendre polynomial of cos θ = a/r, so V = 2πkσ·Σ bₙR²ⁿ r^(1−2n)P₂ₙ₋₂,
// E along the axis 2πkσ·Σ bₙ(2n − 1)R²ⁿ r^(−2n)P₂ₙ₋₁ and E away from it
// 2πkσ·Σ bₙR²ⁿ r^(−2n) sin θ·P′₂ₙ₋₁.
FieldValue Multipoles(double a, double rho, double ksigma) {
    const double r = std::hypot(a, rho), c = a / r, sine = rho / r,
                 q2 = (kRadius / r) * (kRadius / r);
    double p0 = 1, p1 = c, d0 = 0, d1 = 1;  // P and P′ of degrees 2n − 2 and 2n − 1
    double b = 0.5, power = q2;             // bₙ and (R/r)²ⁿ
    double v = 0, along = 0, away = 0;
    for (int n = 1; n < 200 && power * n * n > 1e-18 * q2; ++n) {
        v += b * power * p0;
        along += b * (2 * n - 1) * power * p1;
        away += b * power * sine * d1;
        for (int l : {2 * n - 1, 2 * n}) {  // on to degrees 2n and 2n + 1
            const double p2 = ((2 * l + 1) * c * p1 - l * p0) / (l + 1);
            const double d2 = d0 + (2 * l + 1) * p1;
            p0 = p1, p1 = p2, d0 = d1, d1 = d2;
        }
        b *= (0.5 - n) / (n + 1);
        power *= q2;
    }
    const double k = 2 * pi * ksigma;
    return {k * along, k * away, k * v * r};
}

// The solid angle the disk subtends, signed as a: E along the axis is kσ
// times it. Over the disk, 1/D³ is the plane Laplacian of a function of the
// distance u from the foot (ρ, 0) of the point, so the integral is one round
// the rim; with m = 4ρR/s², n = 4ρR/(ρ + R)² and K(m) = s·R_F(0, d², s²):
// |Ω| = π(1 + sgn(R − ρ)) − (2|a|/s)·(2R/(R + ρ)·K(m) + (R − ρ)/(R + ρ)·n/3·
// R_J(0, 1 − m, 1, 1 − n)), the last term 0 on the rim's cylinder ρ = R.
double SolidAngle(double a, double rho, double s2, double d2, double rf) {
    if (a == 0) return 0;
    const double s = std::sqrt(s2), sum = kRadius + rho;
    double bracket = 2 * kRadius / sum * s * rf;
    if (rho != kRadius) {
        const double n = 4 * rho * kRadius / (sum * sum), excess = (rho - kRadius) / sum;
        const double rj = boost::math::ellint_rj(0.0, d2 / s2, 1.0, excess * excess, Quiet());
        bracket += (kRadius - rho) / sum * n / 3 * rj;
    }
    const double step = rho < kRadius ? 2 * pi : rho == kRadius ? pi : 0;
    return std::copysign(step - 2 * std::fabs(a) / s * bracket, a);
}

// Near the disk, with the integrals round the rim (field/ring_field.h):
// E away from the axis, kσ·∮(n̂·ρ̂)/D = kσR·∫cos φ dφ/D; along it kσΩ; and V
// from 1/D = ∇²D − a²/D³ over the disk, kσ(R·∫(R − ρ cos φ)dφ/D − aΩ).
std::optional<FieldValue> DiskFieldAt(double a, double rho, double ksigma) {
    if (a == 0 && rho <= kRadius) return std::nullopt;
    if (std::hypot(a, rho) > kFar) return FiniteField(Multipoles(a, rho, ksigma));
    const auto g = AroundCircle(a, rho, kRadius);
    if (!g) return std::nullopt;
    const double d2 = a * a + (rho - kRadius) * (rho - kRadius);
    const double s2 = a * a + (rho + kRadius) * (rho + kRadius);
    const double omega = SolidAngle(a, rho, s2, d2, g->i1 / 4);
    return FiniteField({ksigma * omega, ksigma * kRadius * g->c1,
                        ksigma * (kRadius * (kRadius * g->i1 - rho * g->c1) - a * omega)});
}

class DiskShape final : public ChargeDistribution {
public:
    std::optional<SpaceField> exactField(SpacePoint p, double density) const override {
        const double ksigma = segment::kCoulomb * density;
        return AroundTheAxis(
            p, [ksigma](double x, double rho) { return DiskFieldAt(x - kPlane, rho, ksigma); });
    }
    std::optional<double> exactPotential(SpacePoint p, double density) const override {
        const auto f = exactField(p, density);
        if (!f) return std::nullopt;
        return f->v;
    }
    // N rings of equal width from the centre out, each the charge of its
    // annulus spread on the circle through the middle of its width.
    ChargeElement element(int i, int n) const override {
        const double width = kRadius / n, from = (i - 1) * width, to = i * width;
        return {{kPlane, 0, 0}, from, to, width, pi * (to * to - from * from), (from + to) / 2};
    }
    std::optional<SpaceField> elementField(int i, int n, SpacePoint p,
                                           double density) const override {
        const ChargeElement e = element(i, n);
        const double kq = e.coulombCharge(density);
        return AroundTheAxis(p, [&](double x, double rho) {
            return CircleFieldAt(x - kPlane, rho, e.ringRadius, kq);
        });
    }
    // Its cut in the front view shows each ring at its radius either side.
    int elementAt(WorldPoint p, int n) const override {
        return std::clamp(int(std::fabs(p.y) / kRadius * n) + 1, 1, n);
    }

    double band() const override { return kChargeBand; }
    bool onDrawnCharge(View view, WorldPoint p, double zoomFactor) const override {
        if (view == View::Front) return across_bar::Holds(p, kChargeBand / zoomFactor);
        return std::hypot(p.x, p.y) < kRadius + kChargeBand / zoomFactor;
    }
    bool onChargeAsTyped(WorldPoint p) const override {
        return distanceFromCharge(View::Front, p) < kChargeTypedBand;
    }
    double distanceFromCharge(View view, WorldPoint p) const override {
        if (view == View::Front) return across_bar::DistanceFrom(p);
        return std::max(0.0, std::hypot(p.x, p.y) - kRadius);
    }
    bool pathMeetsCharge(View view, WorldPoint a, WorldPoint b) const override {
        if (view == View::Front) return across_bar::PathMeets(a, b);
        return LeastDistanceFromOrigin(a, b) <= kRadius;
    }
    ChargeFigure figure(View view) const override {
        ChargeFigure f;
        if (view == View::Front)
            f.crossBar = ChargeFigure::CrossBar{kPlane, kRadius, kChargeFill, kChargeBand};
        else
            f.circle = ChargeFigure::Circle{kRadius, kChargeBand, true};
        return f;
    }

    double bisectorX() const override { return kPlane; }
    PlotLine plotLine() const override { return {{kPlane, 0, 0}, {1, 0, 0}}; }
    BisectorLimits bisectorLimits(double s, double density) const override {
        const double kq = segment::kCoulomb * density * chargePerDensity();
        return {NAN, std::fabs(kq / (s * s)), kq / s,
                std::fabs(2 * pi * segment::kCoulomb * density)};
    }

    std::string densitySymbol() const override { return "σ"; }
    std::string densityUnit() const override { return "C/m²"; }
    double chargePerDensity() const override { return pi * kRadius * kRadius; }
    AxialPiece axialPiece() const override { return {kPlane, 0, kPlane, kRadius}; }
    double chargePerDensityAlong(double t0, double t1) const override {  // ∫ 2πρ dρ
        return pi * kRadius * kRadius * (t1 * t1 - t0 * t0);
    }
    ShapeWords words() const override {
        return {"Disco", "disco", "integral exacta sobre el disco de 50 cm de radio",
                "Q = σ·π/4 m²", "Eje del disco"};
    }
    ConvergenceLaw convergenceLaw() const override { return ConvergenceLaw::InverseSquare; }
    std::string elementsText(const std::string& count) const override {
        return count + " anillos concéntricos de igual anchura y carga exacta";
    }
};

}  // namespace

const ChargeDistribution& Disk() {
    static const DiskShape shape;
    return shape;
}
