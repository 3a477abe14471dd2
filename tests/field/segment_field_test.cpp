#include "field/segment_field.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kLambda = 1e-6;

std::string Text(Currency c) { return c.text('.'); }

// The potential in long double through the focal-sum form, which does not
// cancel off the ends of the segment, as a reference.
long double ReferencePotential(long double x, long double y) {
    const long double sum = std::hypot(x, y) + std::hypot(x - 1, y);
    return 9e9L * kLambda * std::log((sum + 1) / (sum - 1));
}

TEST(ComputeField, ValuesAtTheStartPoint) {
    const auto f = ComputeField(0.6, 0.4, kLambda);
    ASSERT_TRUE(f);
    EXPECT_EQ(Text(f->Ex), "3429.1482");
    EXPECT_EQ(Text(f->Ey), "34631.0342");
    EXPECT_EQ(Text(f->V), "18685.2312");
    EXPECT_EQ(*Currency::fromDouble(*PotentialAt(0.6, 0.4, kLambda)), f->V);
}

TEST(ComputeField, OnTheAxisOutsideTheSegment) {
    const auto beyond = ComputeField(2, 0, kLambda);
    ASSERT_TRUE(beyond);
    EXPECT_EQ(beyond->V, *Currency::fromDouble(9000 * std::log(2.0)));
    EXPECT_EQ(beyond->Ey, Currency());
    const auto before = ComputeField(-1, 0, kLambda);
    ASSERT_TRUE(before);
    EXPECT_EQ(Text(before->Ex), "-4500");
    EXPECT_EQ(before->V, *Currency::fromDouble(9000 * std::log(2.0)));
}

TEST(ComputeField, NoValueOnTheClosedSegmentOrBeyondTheCurrencyRange) {
    for (auto [x, y] : {std::pair{1.0, 0.0},
                        {0.5, 0.0},
                        {0.0, 0.0},
                        {1 + 1e-13, 0.0},
                        {-1e-13, 0.0},
                        {0.5, 1e-200},
                        {1e308, 1e308}})
        EXPECT_FALSE(ComputeField(x, y, kLambda)) << x << ", " << y;
    EXPECT_FALSE(PotentialAt(0.5, 0, kLambda));
}

// Near the axis beyond the ends the written formula cancels; the read-outs
// must still carry four good decimals.
TEST(ComputeField, PotentialKeepsItsDigitsNearTheAxis) {
    for (auto [x, y] :
         {std::pair{2.0, 1e-4}, {1.5, 1e-6}, {-0.5, 1e-5}, {0.5, 1e-3}, {3.0, 1e-9}}) {
        const auto v = PotentialAt(x, y, kLambda);
        ASSERT_TRUE(v);
        EXPECT_NEAR(*v, static_cast<double>(ReferencePotential(x, y)), 2e-5) << x << ", " << y;
    }
}

TEST(ComputeField, SignAndScaleOfTheDensity) {
    for (auto [x, y] : {std::pair{0.6, 0.4}, {-0.3, 0.2}, {1.7, -0.9}, {0.5, 2.0}}) {
        const auto one = *ComputeField(x, y, kLambda);
        const auto minus = *ComputeField(x, y, -kLambda);
        const auto ten = *ComputeField(x, y, 10 * kLambda);
        EXPECT_EQ(minus.Ex.tenThousandths(), -one.Ex.tenThousandths());
        EXPECT_EQ(minus.Ey.tenThousandths(), -one.Ey.tenThousandths());
        EXPECT_EQ(minus.V.tenThousandths(), -one.V.tenThousandths());
        EXPECT_NEAR(ten.V.toDouble(), 10 * one.V.toDouble(), 10 * 0.0001);
        EXPECT_NEAR(ten.Ey.toDouble(), 10 * one.Ey.toDouble(), 10 * 0.0001);
    }
}

TEST(ElementContribution, ElementTwoOfFiveAtTheStartPointIsExact) {
    const auto e = *ElementContribution(2, 5, 0.6, 0.4, kLambda);
    EXPECT_EQ(e.Ex, *Currency::fromDouble(9e9 * 1e-6 * 0.2 * 0.3 / 0.125));
    EXPECT_EQ(e.Ey, *Currency::fromDouble(9e9 * 1e-6 * 0.2 * 0.4 / 0.125));
    EXPECT_EQ(e.V, *Currency::fromDouble(9e9 * 1e-6 * 0.2 / 0.5));
    const auto mirror = *ElementContribution(5, 5, 0.6, 0.4, kLambda);
    EXPECT_EQ(mirror.Ex.tenThousandths(), -e.Ex.tenThousandths());
    EXPECT_EQ(mirror.V, e.V);
    EXPECT_DOUBLE_EQ(ElementCentre(1, 5), 0.1);
}

TEST(PointChargeSum, FiveElementsAtTheStartPoint) {
    const auto s = *PointChargeSum(5, 0.6, 0.4, kLambda);
    EXPECT_EQ(Text(s.Ex), "3428.2045");
    EXPECT_EQ(Text(s.Ey), "34806.7578");
    EXPECT_EQ(Text(s.V), "18742.4103");
}

TEST(PointChargeSum, ApproachesTheIntegralAsElementsGrow) {
    const auto exact = *ComputeField(0.6, 0.4, kLambda);
    double previous = 1e9;
    for (int n : {5, 10, 20, 50}) {
        const auto s = *PointChargeSum(n, 0.6, 0.4, kLambda);
        const double error = std::fabs(s.Ey.toDouble() - exact.Ey.toDouble());
        EXPECT_LT(error, previous) << n;
        previous = error;
    }
    const auto fifty = *PointChargeSum(50, 0.6, 0.4, kLambda);
    EXPECT_NEAR(fifty.Ex.toDouble(), exact.Ex.toDouble(), 1e-4 * exact.Ex.toDouble());
    EXPECT_NEAR(fifty.Ey.toDouble(), exact.Ey.toDouble(), 1e-4 * exact.Ey.toDouble());
    EXPECT_NEAR(fifty.V.toDouble(), exact.V.toDouble(), 1e-4 * exact.V.toDouble());
}

TEST(PointChargeSum, NoValueAtAnElementCentre) {
    EXPECT_FALSE(PointChargeSum(5, 0.3, 0, kLambda));
    EXPECT_FALSE(PointChargeSum(5, 0.3, 1e-12, kLambda));
    EXPECT_FALSE(ElementContribution(2, 5, 0.3, 0, kLambda));
}

}  // namespace
