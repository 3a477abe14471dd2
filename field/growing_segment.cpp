// The segment from (0, 0) to (L, 0) with the density growing along it,
// λ(x) = 2λ·x/L: none at the start, 2λ at the end, λL in all.
#include <cmath>

#include "field/axial_field.h"
#include "field/segment_field.h"
#include "field/segment_parts.h"

using segment::kCoulomb;
using segment::kLength;
using namespace segment_parts;

namespace {

// atanh(μ) − μ, 0 ≤ μ ≤ 1, given f = 2·atanh(μ): small μ by its series
// μ³/3 + μ⁵/5 + ..., where the difference would lose the leading digits.
double AtanhExcess(double mu, double f) {
    if (mu > 0.5) return f / 2 - mu;
    const double mu2 = mu * mu;
    double power = mu * mu2, sum = 0;
    for (int k = 3; power > 1e-18 * sum; k += 2, power *= mu2) sum += power / k;
    return sum;
}

// With c = 2λ/L and, as for the uniform segment, r1 and r2 the distances to
// the ends and μ = L/(r1 + r2):
//   V   = k·c·∫ x'/D dx'            = k·c·(L·μ + 2x·(atanh μ − μ)),
//   E_x = k·c·∫ x'(x − x')/D³ dx'   = k·c·(μ²(2x − L)/r2 − 2(atanh μ − μ)),
//   E_ρ = k·c·ρ·∫ x'/D³ dx'         = k·c·ρ·(r1·r2 − v1·v2)/(ρ²·r2),
// v1, v2 the vectors from the ends to the point, v1·v2 = x(x − L) + ρ²;
// where v1·v2 > 0, r1·r2 − v1·v2 = |v1 × v2|²/(r1·r2 + v1·v2) = ρ²L²/(...).
// Far away each is written as what is left when the leading terms cancel.
std::optional<FieldValue> GrowingFieldAt(double x, double rho, double lambda) {
    if (onClosedSegment(x, rho)) return std::nullopt;
    const Distances d = distancesTo(x, rho);
    const double kc = kCoulomb * 2 * lambda / kLength;
    const double mu = kLength / (d.r1 + d.r2);
    const double f = potentialFactor(x, rho, d);
    const double excess = AtanhExcess(mu, f);
    const double dot = x * (x - kLength) + rho * rho;
    double across = 0;
    if (rho > 0)
        across = dot > 0 ? rho * kLength * kLength / (d.r2 * (d.r1 * d.r2 + dot))
                         : (d.r1 * d.r2 - dot) / (rho * d.r2);
    return FiniteField({kc * (mu * mu * (2 * x - kLength) / d.r2 - 2 * excess), kc * across,
                        kc * (kLength * mu + 2 * x * excess)});
}

class GrowingSegmentShape final : public ChargeDistribution {
public:
    std::optional<SpaceField> exactField(SpacePoint p, double density) const override {
        return AroundTheAxis(
            p, [density](double x, double r) { return GrowingFieldAt(x, r, density); });
    }
    std::optional<double> exactPotential(SpacePoint p, double density) const override {
        const auto f = GrowingFieldAt(p.x, AxisDistance(p), density);
        if (!f) return std::nullopt;
        return f->v;
    }
    // N equal pieces, the charge of each λ(to² − from²)/L at its centre.
    ChargeElement element(int i, int n) const override {
        ChargeElement e = uniform().element(i, n);
        e.chargePerDensity = e.length * 2 * e.centre.x / kLength;
        return e;
    }
    std::optional<SpaceField> elementField(int i, int n, SpacePoint p,
                                           double density) const override {
        const double share = 2 * ElementCentre(i, n) / kLength;
        return AroundTheAxis(
            p, [&](double x, double r) { return ElementFieldAt(i, n, x, r, density * share); });
    }
    int elementAt(WorldPoint p, int n) const override { return uniform().elementAt(p, n); }

    // Drawn, refused and crossed as the uniform segment is.
    double band() const override { return uniform().band(); }
    bool onDrawnCharge(View view, WorldPoint p, double zoomFactor) const override {
        return uniform().onDrawnCharge(view, p, zoomFactor);
    }
    bool onChargeAsTyped(WorldPoint p) const override { return uniform().onChargeAsTyped(p); }
    double distanceFromCharge(View view, WorldPoint p) const override {
        return uniform().distanceFromCharge(view, p);
    }
    bool pathMeetsCharge(View view, WorldPoint a, WorldPoint b) const override {
        return uniform().pathMeetsCharge(view, a, b);
    }
    ChargeFigure figure(View view) const override { return uniform().figure(view); }

    // The bisector, where the density is λ: the same line and point charge.
    double bisectorX() const override { return uniform().bisectorX(); }
    PlotLine plotLine() const override { return uniform().plotLine(); }
    BisectorLimits bisectorLimits(double s, double density) const override {
        return uniform().bisectorLimits(s, density);
    }

    std::string densitySymbol() const override { return "λ"; }
    std::string densityUnit() const override { return "C/m"; }
    double chargePerDensity() const override { return uniform().chargePerDensity(); }
    AxialPiece axialPiece() const override { return uniform().axialPiece(); }
    double chargePerDensityAlong(double t0, double t1) const override {  // ∫ 2x/L dx
        return kLength * (t1 * t1 - t0 * t0);
    }
    ShapeWords words() const override {
        return {"Segmento con λ creciente", "lineal",
                "integral exacta sobre el segmento de 1 m con densidad 2λ·x/(1 m)", "Q = λ·1 m",
                "Mediatriz"};
    }
    ConvergenceLaw convergenceLaw() const override { return ConvergenceLaw::InverseSquare; }
    std::string elementsText(const std::string& count) const override {
        return count + " cargas puntuales en los centros de " + count +
               " elementos iguales con la carga de su elemento";
    }

private:
    static const ChargeDistribution& uniform() { return UniformSegment(); }
};

}  // namespace

const ChargeDistribution& GrowingSegment() {
    static const GrowingSegmentShape shape;
    return shape;
}
