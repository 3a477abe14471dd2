#pragma once

#include <functional>
#include <vector>

// Adaptive Gauss–Kronrod quadrature (7 Gauss points inside 15 Kronrod ones)
// with a global error bound: the interval with the largest error estimate is
// halved until the estimates add up to no more than the tolerance, or until
// the budget of integrand evaluations is spent.
struct Quadrature {
    double value = 0;
    double error = 0;     // the sum of the intervals' estimates
    double absolute = 0;  // ∫|f|, the scale rounding errors are measured against
    int evaluations = 0;
};

// ∫ f from the first break to the last; the breaks, in increasing order,
// are where f may peak, be singular or jump, and are never evaluated.
using Integrand = std::function<double(double)>;
Quadrature Integrate(const Integrand& f, const std::vector<double>& breaks, double tolerance,
                     int budget);
