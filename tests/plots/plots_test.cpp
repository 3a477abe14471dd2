#include <gtest/gtest.h>

#include <cmath>

#include "plots/bisector.h"
#include "plots/convergence.h"

namespace {

constexpr double kLambda = 1e-6;

// Close to the segment it acts like an infinite line, far away like one
// point charge; the point charges approach the integral from afar.
TEST(Bisector, LimitsAtBothEnds) {
    for (double lambda : {kLambda, -5 * kLambda}) {
        const auto samples = BisectorSamples(lambda, 5);
        ASSERT_EQ(samples.size(), 241u);
        EXPECT_DOUBLE_EQ(samples.front().s, 1e-3);
        EXPECT_NEAR(samples.back().s, 100, 1e-9);
        EXPECT_NEAR(samples[48].s, 1e-2, 1e-12);  // 48 samples a decade
        const BisectorSample near = samples.front(), far = samples.back();
        EXPECT_NEAR(near.exactE / near.lineE, 1, 1e-5);
        EXPECT_NEAR(near.lineE, 2 * 9e9 * std::fabs(lambda) / 1e-3, 1e-3);
        EXPECT_NEAR(far.exactE / far.pointE, 1, 1e-4);
        EXPECT_NEAR(far.exactV / far.pointV, 1, 1e-4);
        EXPECT_NEAR(far.chargesE / far.pointE, 1, 1e-4);
        EXPECT_EQ(far.exactV > 0, lambda > 0);  // potentials keep their sign
        EXPECT_GT(near.exactE, 0);
    }
}

// At the start point the field error of 5 point charges is the one its
// four-decimal read-outs show: (3428.2045, 34806.7578) against (3429.1482, 34631.0342).
TEST(Convergence, MidpointRuleFallsAsOneOverNSquared) {
    const auto samples = ConvergenceSamples(0.6, 0.4, kLambda);
    ASSERT_TRUE(samples);
    ASSERT_EQ(samples->size(), 200u);
    const ConvergenceSample five = (*samples)[4];
    EXPECT_EQ(five.n, 5);
    EXPECT_NEAR(five.errorE, std::hypot(0.9437, 175.7236) / std::hypot(3429.1482, 34631.0342),
                1e-7);
    EXPECT_NEAR(five.errorV, (18742.4103 - 18685.2312) / 18685.2312, 1e-7);
    const ConvergenceSlopes slopes = FittedSlopes(*samples);
    EXPECT_NEAR(slopes.field, -2, 0.02);
    EXPECT_NEAR(slopes.potential, -2, 0.02);
    EXPECT_FALSE(ConvergenceSamples(0.5, 0, kLambda));  // on the segment
    EXPECT_FALSE(ConvergenceSamples(1, 0, kLambda));    // at its end
}

}  // namespace
