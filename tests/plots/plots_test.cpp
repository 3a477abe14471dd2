#include <gtest/gtest.h>

#include <cmath>

#include "plots/bisector.h"
#include "plots/convergence.h"
#include "plots/csv.h"

namespace {

constexpr double kLambda = 1e-6;

// Close to the segment it acts like an infinite line, far away like one
// point charge; the point charges approach the integral from afar.
TEST(Bisector, LimitsAtBothEnds) {
    for (double lambda : {kLambda, -5 * kLambda}) {
        const auto samples = BisectorSamples({lambda, 5});
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
    // One charge, at (0.5; 0), is closer than its width: the models are subtracted.
    const ConvergenceSample one = (*samples)[0];
    EXPECT_NEAR(one.errorE,
                std::hypot(12840.1213 - 3429.1482, 51360.4853 - 34631.0342) /
                    std::hypot(3429.1482, 34631.0342),
                1e-7);
    EXPECT_NEAR(one.errorV, (21828.2063 - 18685.2312) / 18685.2312, 1e-7);
    const ConvergenceSlopes slopes = FittedSlopes(*samples);
    EXPECT_NEAR(slopes.field->slope, -2, 0.02);
    EXPECT_NEAR(slopes.potential->slope, -2, 0.02);
    EXPECT_EQ(slopes.field->fromN, 10);
    EXPECT_FALSE(ConvergenceSamples(0.5, 0, kLambda));  // on the segment
    EXPECT_FALSE(ConvergenceSamples(1, 0, kLambda));    // at its end
}

// Far away the midpoint rule's leading error, by hand: on the bisector at s,
// V_N / V − 1 = 1/(24 N² s²) and 1/(8 N² s²) for |E|; on the axis at r,
// 1/(12 N² r²) and 1/(4 N² r²), to leading order in 1/r. Subtracting the two models would leave
// rounding noise near 1e-11 instead.
TEST(Convergence, FarErrorsAreTheMidpointRulesNotRounding) {
    struct Case {
        const char* name;
        double x, y;
        int n;
        double errorE, errorV;
    } cases[] = {{"bisector, 10 km, N = 200", 0.5, 1e4, 200, 3.125e-14, 1.0416667e-14},
                 {"axis, 1000 km, N = 200", 1e6, 0, 200, 6.25e-18, 2.0833333e-18},
                 {"axis, 1000 km, N = 1", 1e6, 0, 1, 2.5e-13, 8.3333333e-14}};
    for (const Case& c : cases) {
        const auto samples = ConvergenceSamples(c.x, c.y, kLambda);
        ASSERT_TRUE(samples) << c.name;
        const ConvergenceSample sample = (*samples)[c.n - 1];
        EXPECT_NEAR(sample.errorE / c.errorE, 1, 1e-5) << c.name;
        EXPECT_NEAR(sample.errorV / c.errorV, 1, 1e-5) << c.name;
        const ConvergenceSlopes slopes = FittedSlopes(*samples);
        EXPECT_NEAR(slopes.potential->slope, -2, 1e-3) << c.name;
    }
    // 1 mm above the middle the charges pass under the point: no power law.
    EXPECT_FALSE(FittedSlopes(*ConvergenceSamples(0.5, 1e-3, kLambda)).field);
}

// The first line says what was computed, with no comma; an error lost to
// rounding is an empty cell, and the first line says from which N.
TEST(Csv, FirstLineGivesTheContext) {
    const FieldModel model{-5 * kLambda, 20};
    const std::string bisector = BisectorCsv(BisectorSamples(model), model);
    EXPECT_EQ(
        bisector.substr(0, bisector.find('\n') + 6),
        "# Mediatriz x = 0.5 m · λ = -5 µC/m · integral exacta sobre el segmento de 1 m y 20 "
        "cargas puntuales Q/20 en los centros de 20 elementos iguales · Segmento · Q = λ·1 m · k = "
        "9·10⁹ N·m²/C²\ns (m)");
    std::vector<ConvergenceSample> lost{{1, 0.5, NAN}, {2, 0.125, NAN}};
    EXPECT_EQ(ConvergenceCsv(lost, 1e6, -0.25, 10 * kLambda),
              "# Convergencia en x = 1e+06 m y = -0.25 m · λ = 10 µC/m · N cargas puntuales "
              "Q/N en los centros de N elementos iguales frente a la integral exacta sobre el "
              "segmento de 1 m · Segmento · Q = λ·1 m · k = 9·10⁹ N·m²/C² · |E| sin ley de "
              "potencias · V sin ley de potencias · V se pierde en el redondeo desde N = 1 "
              "(celdas vacías)\nN,error relativo |E|,error relativo V\n1,0.5,\n2,0.125,\n");
}

}  // namespace
