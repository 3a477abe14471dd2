#include "gauss/quadrature.h"

#include <algorithm>
#include <boost/math/quadrature/gauss.hpp>
#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <cmath>
#include <limits>
#include <queue>

namespace {

using Kronrod = boost::math::quadrature::gauss_kronrod<double, 15>;
using Gauss = boost::math::quadrature::gauss<double, 7>;
constexpr int kRuleEvaluations = 15;

struct Interval {
    double from;
    double to;
    double value;
    double error;
    double absolute;
    bool operator<(const Interval& other) const { return error < other.error; }
};

// The Kronrod abscissae are 0 and then ±x[j]; the Gauss points are those
// with even j. The error estimate is QUADPACK's: |K − G| scaled by how much
// the integrand varies over the interval, (200·|K − G|/∫|f − mean|)^1.5 of
// that variation, which follows the true error of K closely where the
// integrand is smooth and never falls below the rounding of the sum.
Interval Rule(const Integrand& f, double from, double to) {
    const auto& x = Kronrod::abscissa();
    const auto& wk = Kronrod::weights();
    const auto& wg = Gauss::weights();
    const double middle = (from + to) / 2;
    const double half = (to - from) / 2;
    double values[2 * 8 - 1];  // the centre, then the pairs left and right
    values[0] = f(middle);
    double kronrod = wk[0] * values[0];
    double gauss = wg[0] * values[0];
    double absolute = wk[0] * std::fabs(values[0]);
    for (std::size_t j = 1; j < x.size(); ++j) {
        const double left = values[2 * j - 1] = f(middle - half * x[j]);
        const double right = values[2 * j] = f(middle + half * x[j]);
        kronrod += wk[j] * (left + right);
        if (j % 2 == 0) gauss += wg[j / 2] * (left + right);
        absolute += wk[j] * (std::fabs(left) + std::fabs(right));
    }
    const double mean = kronrod / 2;
    double variation = wk[0] * std::fabs(values[0] - mean);
    for (std::size_t j = 1; j < x.size(); ++j)
        variation +=
            wk[j] * (std::fabs(values[2 * j - 1] - mean) + std::fabs(values[2 * j] - mean));
    variation *= std::fabs(half);
    double error = std::fabs((kronrod - gauss) * half);
    if (variation > 0 && error > 0)
        error = variation * std::min(1.0, std::pow(200 * error / variation, 1.5));
    const double rounding =
        50 * std::numeric_limits<double>::epsilon() * absolute * std::fabs(half);
    return {from, to, kronrod * half, std::max(error, rounding), absolute * std::fabs(half)};
}

}  // namespace

Quadrature Integrate(const Integrand& f, const std::vector<double>& breaks, double tolerance,
                     int budget) {
    std::priority_queue<Interval> intervals;  // the worst first
    Quadrature sum;
    for (std::size_t i = 1; i < breaks.size(); ++i) {
        if (!(breaks[i] > breaks[i - 1])) continue;
        const Interval interval = Rule(f, breaks[i - 1], breaks[i]);
        intervals.push(interval);
        sum.evaluations += kRuleEvaluations;
        sum.error += interval.error;
        sum.absolute += interval.absolute;
    }
    // Rounding in the integrand's values bounds what halving can gain.
    const auto floor = [&] { return 64 * std::numeric_limits<double>::epsilon() * sum.absolute; };
    while (!intervals.empty() && sum.error > std::max(tolerance, floor()) &&
           sum.evaluations + 2 * kRuleEvaluations <= budget) {
        const Interval worst = intervals.top();
        const double middle = (worst.from + worst.to) / 2;
        if (!(middle > worst.from && middle < worst.to)) break;  // no room left to halve
        intervals.pop();
        const Interval left = Rule(f, worst.from, middle);
        const Interval right = Rule(f, middle, worst.to);
        sum.evaluations += 2 * kRuleEvaluations;
        sum.error += left.error + right.error - worst.error;
        sum.absolute += left.absolute + right.absolute - worst.absolute;
        intervals.push(left);
        intervals.push(right);
    }
    sum.error = sum.absolute = 0;  // added afresh, free of the running sums' rounding
    for (; !intervals.empty(); intervals.pop()) {
        sum.value += intervals.top().value;
        sum.error += intervals.top().error;
        sum.absolute += intervals.top().absolute;
    }
    return sum;
}
