#pragma once

#include <optional>
#include <vector>

// How the point-charge model approaches the integral at one point as the
// number of charges grows: the midpoint rule of the integral, so the error
// falls as 1/N² away from the segment.
struct ConvergenceSample {
    int n;
    double errorE;  // |E_N − E| / |E|, the field as a vector
    double errorV;  // |V_N − V| / |V|
};

constexpr int kConvergenceLargestN = 200;

// N = 1 to 200 at (x, y), in doubles; empty where either model has no
// finite value or the exact field or potential is zero there.
std::optional<std::vector<ConvergenceSample>> ConvergenceSamples(double x, double y, double lambda);

// Least-squares slope of log(error) against log(N) over N = 10 to 200.
struct ConvergenceSlopes {
    double field;
    double potential;
};
ConvergenceSlopes FittedSlopes(const std::vector<ConvergenceSample>& samples);
