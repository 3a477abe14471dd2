#pragma once

#include <optional>
#include <string>
#include <vector>

#include "field/charge_distribution.h"

// How the point-charge model approaches the integral at one point as the
// number of charges grows: the midpoint rule of the integral, so the error
// falls as 1/N² away from the segment.
struct ConvergenceSample {
    int n;
    double errorE;  // |E_N − E| / |E|, the field as a vector; NaN below double's rounding
    double errorV;  // |V_N − V| / |V|; NaN below double's rounding
};

constexpr int kConvergenceLargestN = 200;

// The models compared, with the charge and the constant they use.
std::string ConvergenceModels(const ChargeDistribution& shape);

// N = 1 to 200 at (x, y). Where the charges are far apart from the point the
// errors come from the midpoint rule's own error series, free of the
// cancellation of subtracting two nearly equal values; elsewhere from that
// subtraction, and a curve ends (NaN from there on) where the difference
// sinks into rounding. Empty where either model has no finite value or the
// exact field or potential is zero there.
std::optional<std::vector<ConvergenceSample>> ConvergenceSamples(double x, double y, double lambda);

// The first N whose error is NaN, or none when the whole curve is shown.
std::optional<int> FieldPrecisionLimit(const std::vector<ConvergenceSample>& samples);
std::optional<int> PotentialPrecisionLimit(const std::vector<ConvergenceSample>& samples);

// Least-squares slope of log(error) against log(N) from N = fromN to 200,
// for the first fromN of 10, 20, 50 or 100 where every error lies within 10 %
// of that power law; none where no such range exists.
struct FittedSlope {
    double slope;
    int fromN;
};
struct ConvergenceSlopes {
    std::optional<FittedSlope> field;
    std::optional<FittedSlope> potential;
};
ConvergenceSlopes FittedSlopes(const std::vector<ConvergenceSample>& samples);
