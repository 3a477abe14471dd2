#pragma once

#include <optional>
#include <string>
#include <vector>

#include "field/charge_distribution.h"

// How the N-element model approaches the integral at one point as the
// number of elements grows: for the segments and the disk's rings the
// midpoint rule of the integral, whose error falls as 1/N² away from the
// charge; for the ring's equal charges the trapezoidal rule of a periodic
// integrand, whose error falls geometrically (field/charge_distribution.h).
struct ConvergenceSample {
    int n;
    double errorE;  // |E_N − E| / |E|, the field as a vector; NaN below double's rounding
    double errorV;  // |V_N − V| / |V|; NaN below double's rounding
};

constexpr int kConvergenceLargestN = 200;

// The models compared, with the charge and the constant they use.
std::string ConvergenceModels(const ChargeDistribution& shape);

// N = 1 to 200 at (x, y) of the plane z = 0. Where the elements are point
// charges along a uniform line (the segment) and far apart from the point,
// the errors come from the midpoint rule's own error series, free of the
// cancellation of subtracting two nearly equal values; elsewhere from that
// subtraction, and a curve ends (NaN from there on) where the difference
// sinks into rounding. Empty where either model has no finite value or the
// exact field or potential is zero there.
std::optional<std::vector<ConvergenceSample>> ConvergenceSamples(const ChargeDistribution& shape,
                                                                 double x, double y, double lambda);

// The first N whose error is NaN, or none when the whole curve is shown.
std::optional<int> FieldPrecisionLimit(const std::vector<ConvergenceSample>& samples);
std::optional<int> PotentialPrecisionLimit(const std::vector<ConvergenceSample>& samples);

// The shape's law fitted to the shown errors: the least-squares slope of
// log(error) against log(N) for a power of N, against N for a geometric fall,
// from N = fromN to the last shown N, toN, for the first fromN where every
// error lies within 10 % of that law: of 10, 20, 50 or 100 with at least ten
// errors shown for a power, of 5, 10, 20 or 50 with at least five for a
// geometric fall; none where no such range exists.
struct FittedSlope {
    double slope;
    int fromN;
    int toN;
};
struct ConvergenceSlopes {
    ConvergenceLaw law;
    std::optional<FittedSlope> field;
    std::optional<FittedSlope> potential;
};
ConvergenceSlopes FittedSlopes(const std::vector<ConvergenceSample>& samples, ConvergenceLaw law);

// A geometric fall's ΔN: the elements added for each tenfold fall of the error.
double TenfoldStep(const FittedSlope& fit);
