#include "field/segment_field.h"

#include <algorithm>
#include <cmath>

#include "field/charge_distribution.h"
#include "field/segment_parts.h"

using segment::kCoulomb;
using segment::kLength;

namespace segment_parts {

namespace {

// Cancellation beyond this factor would cost digits that the read-outs show,
// so such points use the algebraically equal cancellation-free forms.
constexpr double kCancellationLimit = 1e3;

double distance(double dx, double dy) {
    const double r = std::sqrt(dx * dx + dy * dy);
    return std::isfinite(r) && r > 0 ? r : std::hypot(dx, dy);  // no overflow or underflow
}

// r1 − r2 without subtracting the two: (r1² − r2²) / (r1 + r2).
double distanceExcess(double x, Distances d) { return kLength * (2 * x - kLength) / (d.r1 + d.r2); }

}  // namespace

bool onClosedSegment(double x, double y) { return y == 0.0 && x >= 0.0 && x <= kLength; }

Distances distancesTo(double x, double y) { return {distance(x, y), distance(x - kLength, y)}; }

double potentialFactor(double x, double y, Distances d) {
    const double nearTerm = d.r1 - x;
    // Before the start both terms are large and alike far away: their ratio
    // is taken through its excess over 1, (r2 − r1 + L) / (r1 − x).
    if (x < 0) return std::log1p((kLength - distanceExcess(x, d)) / nearTerm);
    // r1 − x cancels when x > 0 near the axis; r2 + L − x cancels only beyond
    // the far end, where r1 − x cancels even more, so one test covers both.
    if (nearTerm * kCancellationLimit > d.r1)
        return std::log(2 * d.r2 + 2 * kLength - 2 * x) - std::log(2 * d.r1 - 2 * x);
    // Same value through r − x = y² / (r + x); beyond the far end the y² cancel,
    // which also gives the axis its finite limit ln(x / (x − L)), again
    // through the ratio's excess over 1.
    if (x > kLength) return std::log1p((distanceExcess(x, d) + kLength) / (d.r2 + x - kLength));
    return std::log((d.r2 + kLength - x) * (d.r1 + x) / (y * y));
}

}  // namespace segment_parts

namespace {

using namespace segment_parts;

// 1/r2 − 1/r1, the field along the segment divided by k·λ; far away the two
// terms cancel, and their difference is (r1 − r2) / (r1 r2).
double alongFactor(double x, Distances d) {
    const double direct = 1 / d.r2 - 1 / d.r1;
    if (std::fabs(direct) * kCancellationLimit > 1 / d.r1) return direct;
    return distanceExcess(x, d) / (d.r1 * d.r2);
}

// Ey divided by k·λ; y is not 0.
double perpendicularFactor(double x, double y, Distances d) {
    const double nearCos = x / d.r1;
    const double farCos = (kLength - x) / d.r2;
    const double sum = nearCos + farCos;
    if (std::fabs(sum) * kCancellationLimit > std::fabs(nearCos) + std::fabs(farCos))
        return y * (x / (y * y * d.r1) + (kLength - x) / (y * y * d.r2));
    // Off either end near the axis the two cosines nearly cancel; 1 − |cos| = y² / (r (r + |x|)).
    if (x > kLength) return y * (1 / (d.r2 * (d.r2 + x - kLength)) - 1 / (d.r1 * (d.r1 + x)));
    return y * (1 / (d.r1 * (d.r1 - x)) - 1 / (d.r2 * (d.r2 + kLength - x)));
}

std::optional<FieldValue> finite(FieldValue f) {
    if (!std::isfinite(f.ex) || !std::isfinite(f.ey) || !std::isfinite(f.v)) return std::nullopt;
    return f;
}

}  // namespace

std::optional<FieldValue> ExactFieldAt(double x, double y, double lambda) {
    if (onClosedSegment(x, y)) return std::nullopt;
    const Distances d = distancesTo(x, y);
    const double kl = kCoulomb * lambda;
    const double ex = kl * alongFactor(x, d);
    const double ey = y == 0.0 ? 0.0 : kl * perpendicularFactor(x, y, d);
    return finite({ex, ey, kl * potentialFactor(x, y, d)});
}

std::optional<FieldSample> ComputeField(double x, double y, double lambda) {
    const auto f = ExactFieldAt(x, y, lambda);
    return f ? Rounded(*f) : std::nullopt;
}

std::optional<double> PotentialAt(double x, double y, double lambda) {
    if (onClosedSegment(x, y)) return std::nullopt;
    const double v = kCoulomb * lambda * potentialFactor(x, y, distancesTo(x, y));
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

double ElementCentre(int i, int n) {
    const double d = kLength / n;
    return (i - 1) * d + d / 2;
}

std::optional<FieldValue> ElementFieldAt(int i, int n, double x, double y, double lambda) {
    const double d = kLength / n;
    const double dx = x - ElementCentre(i, n);
    const double s = dx * dx + y * y;
    // k·λ·d·Δx / s^(3/2), evaluated left to right: the order fixes the last bit.
    const double kld = kCoulomb * lambda * d;
    const double cube = std::pow(s, 3.0 / 2);
    return finite({kld * dx / cube, kld * y / cube, kld / std::pow(s, 1.0 / 2)});
}

namespace {

// The segment lies on the x axis and looks the same from every side: at a
// point off the plane z = 0 its field is the plane's at the same distance
// from the axis, turned along the radius. In the plane itself the plane's
// formulas give every digit, the sign of y included.
template <class PlaneField>
std::optional<SpaceField> AroundAxis(SpacePoint p, const PlaneField& plane) {
    if (p.z == 0) {
        const std::optional<FieldValue> f = plane(p.x, p.y);
        if (!f) return std::nullopt;
        return SpaceField{f->ex, f->ey, 0, f->v};
    }
    const double r = std::hypot(p.z, p.y);
    const std::optional<FieldValue> f = plane(p.x, r);
    if (!f) return std::nullopt;
    return SpaceField{f->ex, f->ey * p.y / r, f->ey * p.z / r, f->v};
}

double AxisDistance(SpacePoint p) { return p.z == 0 ? p.y : std::hypot(p.z, p.y); }

// The segment with its uniform density: the program's charge.
class UniformSegmentShape final : public ChargeDistribution {
public:
    std::optional<SpaceField> exactField(SpacePoint p, double density) const override {
        return AroundAxis(p, [density](double x, double r) { return ExactFieldAt(x, r, density); });
    }
    std::optional<double> exactPotential(SpacePoint p, double density) const override {
        return PotentialAt(p.x, AxisDistance(p), density);
    }
    ChargeElement element(int i, int n) const override {
        const double d = kLength / n, from = (i - 1) * d;
        return {{ElementCentre(i, n), 0, 0}, from, from + d, d, d};
    }
    std::optional<SpaceField> elementField(int i, int n, SpacePoint p,
                                           double density) const override {
        return AroundAxis(p,
                          [&](double x, double r) { return ElementFieldAt(i, n, x, r, density); });
    }
    int elementAt(WorldPoint p, int n) const override { return int(p.x / kLength * n) + 1; }

    double band() const override { return kChargeBand; }
    bool onDrawnCharge(View view, WorldPoint p, double zoomFactor) const override {
        // Seen end-on the segment is a point, and its band keeps its size in
        // metres at every zoom.
        if (view == View::Profile) return std::hypot(p.x, p.y) < kChargeBand;
        const double half = kChargeBand / zoomFactor;
        return p.x > 0 && p.x < kLength && p.y > -half && p.y < half;
    }
    bool onChargeAsTyped(WorldPoint p) const override {
        return std::abs(p.y) < kChargeTypedBand && p.x > 0 && p.x < kLength;
    }
    double distanceFromCharge(View view, WorldPoint p) const override {
        if (view == View::Profile) return std::hypot(p.x, p.y);
        return std::hypot(p.x - std::clamp(p.x, 0.0, kLength), p.y);
    }
    bool pathMeetsCharge(View view, WorldPoint a, WorldPoint b) const override {
        if (view == View::Profile)  // the segment is seen end-on at the origin
            return a.x * b.y == a.y * b.x && a.x * b.x + a.y * b.y <= 0;
        if ((a.y > 0 && b.y > 0) || (a.y < 0 && b.y < 0)) return false;
        if (a.y == b.y)  // along the axis
            return std::max(a.x, b.x) >= 0 && std::min(a.x, b.x) <= kLength;
        const double x = a.x + (b.x - a.x) * (a.y / (a.y - b.y));
        return x >= 0 && x <= kLength;
    }
    ChargeFigure figure(View view) const override {
        if (view == View::Profile) return {std::nullopt, {0.01, 0.005, 0.002}};
        return {ChargeFigure::Bar{0, kLength, kChargeFill, kChargeBand}, {}};
    }

    double bisectorX() const override { return segment::kMiddle; }
    PlotLine plotLine() const override { return {{segment::kMiddle, 0, 0}, {0, 1, 0}}; }
    BisectorLimits bisectorLimits(double s, double density) const override {
        const double charge = density * chargePerDensity();
        return {std::fabs(2 * kCoulomb * density / s), std::fabs(kCoulomb * charge / (s * s)),
                kCoulomb * charge / s};
    }

    std::string densitySymbol() const override { return "λ"; }
    std::string densityUnit() const override { return "C/m"; }
    double chargePerDensity() const override { return kLength; }
    AxialPiece axialPiece() const override { return {0, 0, kLength, 0}; }
    double chargePerDensityAlong(double t0, double t1) const override {
        return kLength * (t1 - t0);
    }
    ShapeWords words() const override {
        return {"Segmento", "segmento", "integral exacta sobre el segmento de 1 m", "Q = λ·1 m",
                "Mediatriz"};
    }
    ConvergenceLaw convergenceLaw() const override { return ConvergenceLaw::InverseSquare; }
    std::string elementsText(const std::string& count) const override {
        return count + " cargas puntuales Q/" + count + " en los centros de " + count +
               " elementos iguales";
    }
};

}  // namespace

const ChargeDistribution& UniformSegment() {
    static const UniformSegmentShape shape;
    return shape;
}
