#include "plots/convergence.h"

#include <array>
#include <cfloat>
#include <cmath>

#include "field/domain.h"
#include "field/model_text.h"

using segment::kCoulomb;

namespace {

// The series is summed only where every charge is at least its spacing h
// from the point (q = h / 2r ≤ 1/2): each term is then at most about a
// quarter of the one before.
constexpr double kLargestSeriesRatio = 0.5;
// Terms below this fraction of the first are beyond double's precision.
constexpr double kSeriesTail = 1e-18;

constexpr int kMostTerms = 40;

// Legendre polynomials P_m(c) and their derivatives, one degree at a time.
class Legendre {
public:
    explicit Legendre(double c) : c_(c) {}
    double next() {
        const double p = ((2 * m_ + 1) * c_ * p_ - m_ * previous_) / (m_ + 1);
        const double dp = dPrevious_ + (2 * m_ + 1) * p_;
        previous_ = p_, p_ = p, dPrevious_ = dp_, dp_ = dp, ++m_;
        return p_;
    }
    double derivative() const { return dp_; }

private:
    double c_;
    int m_ = 1;
    double previous_ = 1, p_ = c_;  // P_(m−1), P_m
    double dPrevious_ = 0, dp_ = 1;
};

struct Difference {
    double ex, ey, v;  // the point charges minus the integral, divided by k·λ
};

// One charge stands for the integral over its element of width h. Taylor's
// series of 1/r about the element's centre gives the difference term by
// term: ∫ 1/r − h/r = Σ_k≥1 2 q^(2k+1) P_2k(c) / (2k + 1), with q = h / 2r,
// c = cos of the angle from the axis and P the Legendre polynomials; the
// field's terms are the gradient of the potential's.
Difference ElementSeries(double h, double dx, double y) {
    const double r = std::hypot(dx, y), c = dx / r, q = h / (2 * r);
    Legendre p(c);
    Difference d{0, 0, 0};
    double power = q;  // q^(2k+1)
    for (int k = 1; k <= kMostTerms; ++k) {
        power *= q * q;
        if (power < kSeriesTail * q * q * q) break;
        const double even = p.next();  // P_2k
        const double odd = p.next();   // P_(2k+1)
        d.v -= 2 * power * even / (2 * k + 1);
        d.ex -= 2 * power * odd / r;
        d.ey -= 2 * power * p.derivative() / ((2 * k + 1) * r) * (y / r);
    }
    return d;
}

// Whether the elements are the midpoint rule of a uniform density along the
// x axis, each a point charge at the centre of its piece holding that
// piece's charge: then the series above gives the difference.
bool MidpointOfUniformLine(const ChargeElement& e) {
    return e.ringRadius == 0 && e.centre.y == 0 && e.centre.z == 0 &&
           e.chargePerDensity == e.length;
}

std::optional<Difference> SeriesDifference(const ChargeDistribution& shape, int n, double x,
                                           double y) {
    Difference sum{0, 0, 0};
    for (int i = 1; i <= n; ++i) {
        const ChargeElement element = shape.element(i, n);
        const double h = element.length, dx = x - element.centre.x;
        if (!MidpointOfUniformLine(element) || h > kLargestSeriesRatio * 2 * std::hypot(dx, y))
            return std::nullopt;
        const Difference d = ElementSeries(h, dx, y);
        sum = {sum.ex + d.ex, sum.ey + d.ey, sum.v + d.v};
    }
    return sum;
}

// A relative error that is not a normal double, or that rounding of the
// terms summed could have made, is not shown.
double Shown(double error, double noise) {
    return std::isnormal(error) && error > noise ? error : NAN;
}

// The length of a field, that of its part in the plane z = 0 to the last
// bit where it has no other.
double Length(const SpaceField& f) { return std::hypot(std::hypot(f.ex, f.ey), f.ez); }

struct Exact {
    SpaceField value;
    double field;  // |E|
};

// The elements' sum less the integral, at (x, y, 0); empty where an element
// or the sum has no finite value.
std::optional<ConvergenceSample> Subtracted(const ChargeDistribution& shape, int n, double x,
                                            double y, double lambda, const Exact& exact) {
    SpaceField sum{0, 0, 0, 0};
    double sizeE = 0, sizeV = 0;  // the sums of the terms' sizes
    for (int i = 1; i <= n; ++i) {
        const auto term = shape.elementField(i, n, {x, y, 0}, lambda);
        if (!term) return std::nullopt;
        sum = {sum.ex + term->ex, sum.ey + term->ey, sum.ez + term->ez, sum.v + term->v};
        sizeE += Length(*term), sizeV += std::fabs(term->v);
    }
    if (!std::isfinite(sizeE) || !std::isfinite(sizeV)) return std::nullopt;
    const double noise = 8 * (n + 1) * DBL_EPSILON;
    const SpaceField difference{sum.ex - exact.value.ex, sum.ey - exact.value.ey,
                                sum.ez - exact.value.ez, 0};
    const double errorE = Length(difference) / exact.field;
    const double v = std::fabs(exact.value.v);
    const double errorV = std::fabs(sum.v - exact.value.v) / v;
    return ConvergenceSample{n, Shown(errorE, noise * (sizeE + exact.field) / exact.field),
                             Shown(errorV, noise * (sizeV + v) / v)};
}

std::optional<ConvergenceSample> Sample(const ChargeDistribution& shape, int n, double x, double y,
                                        double lambda, const Exact& exact) {
    const auto series = SeriesDifference(shape, n, x, y);
    if (!series) return Subtracted(shape, n, x, y, lambda, exact);
    const double kl = kCoulomb * lambda;
    return ConvergenceSample{n,
                             Shown(std::hypot(kl * series->ex, kl * series->ey) / exact.field, 0),
                             Shown(std::fabs(kl * series->v) / std::fabs(exact.value.v), 0)};
}

// Once a curve has sunk into rounding it stays ended.
void EndCurves(std::vector<ConvergenceSample>& samples) {
    for (std::size_t k = 1; k < samples.size(); ++k) {
        if (std::isnan(samples[k - 1].errorE)) samples[k].errorE = NAN;
        if (std::isnan(samples[k - 1].errorV)) samples[k].errorV = NAN;
    }
}

std::optional<int> FirstNaN(const std::vector<ConvergenceSample>& samples,
                            double ConvergenceSample::*error) {
    for (const ConvergenceSample& sample : samples)
        if (std::isnan(sample.*error)) return sample.n;
    return std::nullopt;
}

}  // namespace

std::string ConvergenceModels(const ChargeDistribution& shape) {
    return shape.elementsText("N") + " frente a la " + model_text::Model(shape, 0) + " · " +
           model_text::Charge(shape) + " · " + model_text::kCoulomb;
}

std::optional<std::vector<ConvergenceSample>> ConvergenceSamples(const ChargeDistribution& shape,
                                                                 double x, double y,
                                                                 double lambda) {
    const auto exact = shape.exactField({x, y, 0}, lambda);
    if (!exact) return std::nullopt;
    const double field = Length(*exact);
    if (field == 0 || exact->v == 0) return std::nullopt;
    std::vector<ConvergenceSample> samples;
    samples.reserve(kConvergenceLargestN);
    for (int n = 1; n <= kConvergenceLargestN; ++n) {
        const auto sample = Sample(shape, n, x, y, lambda, {*exact, field});
        if (!sample) return std::nullopt;
        samples.push_back(*sample);
    }
    EndCurves(samples);
    return samples;
}

std::optional<int> FieldPrecisionLimit(const std::vector<ConvergenceSample>& samples) {
    return FirstNaN(samples, &ConvergenceSample::errorE);
}

std::optional<int> PotentialPrecisionLimit(const std::vector<ConvergenceSample>& samples) {
    return FirstNaN(samples, &ConvergenceSample::errorV);
}

namespace {

// Where a fit may start, and the fewest errors it takes: a geometric fall
// can sink into rounding within a dozen elements, so it is fitted from N = 5
// and over fewer of them.
struct FitRange {
    std::array<int, 4> starts;
    int fewest;
};
constexpr FitRange kPowerFit{{10, 20, 50, 100}, 10};
constexpr FitRange kGeometricFit{{5, 10, 20, 50}, 5};
const double kLawSpread = std::log(1.1);

// The abscissa the law is a straight line against, with log(error): log N
// for a power of N, N itself for a geometric fall.
double Abscissa(ConvergenceLaw law, int n) {
    return law == ConvergenceLaw::Geometric ? double(n) : std::log(n);
}

// Slope and intercept of the line through (abscissa, log error) nearest in
// least squares, over the shown errors from fromN on; none where every error
// does not lie within 10 % of it.
std::optional<FittedSlope> Line(const std::vector<ConvergenceSample>& samples,
                                double ConvergenceSample::*error, ConvergenceLaw law, int fromN) {
    double count = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    int toN = fromN;
    for (const ConvergenceSample& sample : samples) {
        if (sample.n < fromN || !(sample.*error > 0)) continue;
        const double lx = Abscissa(law, sample.n), ly = std::log(sample.*error);
        count += 1, sx += lx, sy += ly, sxx += lx * lx, sxy += lx * ly, toN = sample.n;
    }
    const double spread = count * sxx - sx * sx;
    const FitRange range = law == ConvergenceLaw::Geometric ? kGeometricFit : kPowerFit;
    if (count < range.fewest || !(spread > 0)) return std::nullopt;
    const double slope = (count * sxy - sx * sy) / spread, intercept = (sy - slope * sx) / count;
    for (const ConvergenceSample& sample : samples) {
        if (sample.n < fromN || !(sample.*error > 0)) continue;
        const double off = std::log(sample.*error) - intercept - slope * Abscissa(law, sample.n);
        if (std::fabs(off) > kLawSpread) return std::nullopt;
    }
    return FittedSlope{slope, fromN, toN};
}

std::optional<FittedSlope> Fitted(const std::vector<ConvergenceSample>& samples,
                                  double ConvergenceSample::*error, ConvergenceLaw law) {
    for (int fromN : (law == ConvergenceLaw::Geometric ? kGeometricFit : kPowerFit).starts)
        if (const auto fit = Line(samples, error, law, fromN)) return fit;
    return std::nullopt;
}

}  // namespace

ConvergenceSlopes FittedSlopes(const std::vector<ConvergenceSample>& samples, ConvergenceLaw law) {
    return {law, Fitted(samples, &ConvergenceSample::errorE, law),
            Fitted(samples, &ConvergenceSample::errorV, law)};
}

double TenfoldStep(const FittedSlope& fit) { return -std::log(10.0) / fit.slope; }
