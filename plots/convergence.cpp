#include "plots/convergence.h"

#include <cmath>

#include "field/segment_field.h"

std::optional<std::vector<ConvergenceSample>> ConvergenceSamples(double x, double y,
                                                                 double lambda) {
    const auto exact = ExactFieldAt(x, y, lambda);
    if (!exact) return std::nullopt;
    const double field = std::hypot(exact->ex, exact->ey);
    if (field == 0 || exact->v == 0) return std::nullopt;
    std::vector<ConvergenceSample> samples;
    samples.reserve(kConvergenceLargestN);
    for (int n = 1; n <= kConvergenceLargestN; ++n) {
        const auto charges = PointChargeFieldAt(n, x, y, lambda);
        if (!charges) return std::nullopt;
        samples.push_back({n, std::hypot(charges->ex - exact->ex, charges->ey - exact->ey) / field,
                           std::fabs(charges->v - exact->v) / std::fabs(exact->v)});
    }
    return samples;
}

namespace {

// Slope of the line through (log n, log error) nearest in least squares;
// errors of exactly zero carry no slope and are left out.
double Slope(const std::vector<ConvergenceSample>& samples, double ConvergenceSample::*error) {
    double count = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const ConvergenceSample& sample : samples) {
        if (sample.n < 10 || !(sample.*error > 0)) continue;
        const double lx = std::log(sample.n), ly = std::log(sample.*error);
        count += 1;
        sx += lx;
        sy += ly;
        sxx += lx * lx;
        sxy += lx * ly;
    }
    const double spread = count * sxx - sx * sx;
    return spread > 0 ? (count * sxy - sx * sy) / spread : 0;
}

}  // namespace

ConvergenceSlopes FittedSlopes(const std::vector<ConvergenceSample>& samples) {
    return {Slope(samples, &ConvergenceSample::errorE), Slope(samples, &ConvergenceSample::errorV)};
}
