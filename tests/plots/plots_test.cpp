#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "field/ring_field.h"
#include "field/segment_field.h"
#include "plots/bisector.h"
#include "plots/convergence.h"
#include "plots/csv.h"

namespace {

constexpr double kLambda = 1e-6;

// The plotted line of each shape: its exact |E| and V at s = 1 mm and 1 m
// (samples 0 and 144) for a density of 1e-6, by mpmath quadrature of
// Coulomb's law over the charge at 30 digits, the segments' at (0.5, s, 0)
// on their bisector, the ring's and the disk's at (0.5 + s, 0, 0) on their
// axis. The growing density's V there is the uniform one's, its field not.
TEST(Bisector, FollowsEachShapesLine) {
    struct Case {
        const ChargeDistribution& shape;
        int sample;
        double exactE, exactV;
    } cases[] = {{UniformSegment(), 0, 17999964.000108, 124339.613021651},
                 {UniformSegment(), 144, 8049.84471899924, 8661.81285107286},
                 {GrowingSegment(), 0, 18001220.4166551, 124339.613021651},
                 {GrowingSegment(), 144, 8142.35960755202, 8661.81285107286},
                 {Ring(), 0, 226.193313897225, 56548.55466762},
                 {Ring(), 144, 20231.4664253973, 25289.3330317466},
                 {Disk(), 0, 56435.570655281, 28217.8417631547},
                 {Disk(), 144, 5970.00170112305, 6674.66481475026}};
    for (const Case& c : cases) {
        const std::string name = c.shape.words().name + " s[" + std::to_string(c.sample) + "]";
        const auto samples = BisectorSamples({kLambda, 5, View::Front, &c.shape});
        ASSERT_EQ(samples.size(), 241u) << name;
        EXPECT_NEAR(samples[c.sample].exactE / c.exactE, 1, 1e-12) << name;
        EXPECT_NEAR(samples[c.sample].exactV / c.exactV, 1, 1e-12) << name;
    }
    const auto samples = BisectorSamples({kLambda, 5});
    EXPECT_DOUBLE_EQ(samples.front().s, 1e-3);
    EXPECT_NEAR(samples.back().s, 100, 1e-9);
    EXPECT_NEAR(samples[48].s, 1e-2, 1e-12);  // 48 samples a decade
}

// Near the charge a segment acts like an infinite line of its density at the
// bisector (2kλ/s; the growing one's is λ there too) and the disk like an
// infinite plane (σ/2ε₀ = 2πkσ); far away each acts like one point charge Q
// (λ·1 m, λ·π m, σ·π/4 m²). A limit the shape has none of is NaN. Potentials
// keep their sign.
TEST(Bisector, LimitsAtBothEnds) {
    const double twoPiK = 2 * std::numbers::pi * 9e9;
    struct Case {
        const ChargeDistribution& shape;
        double charge;  // Q over the density
        bool line, plane;
        double nearTolerance;  // of the exact |E| at 1 mm against the near limit
    } cases[] = {{UniformSegment(), 1, true, false, 1e-5},
                 {GrowingSegment(), 1, true, false, 1e-4},
                 {Ring(), std::numbers::pi, false, false, 0},
                 {Disk(), std::numbers::pi / 4, false, true, 3e-3}};
    for (const Case& c : cases)
        for (double density : {kLambda, -5 * kLambda}) {
            const std::string name = c.shape.words().name + " " + std::to_string(density);
            const auto samples = BisectorSamples({density, 5, View::Front, &c.shape});
            const BisectorSample near = samples.front(), far = samples.back();
            const double d = std::fabs(density);
            EXPECT_EQ(std::isnan(near.lineE), !c.line) << name;
            EXPECT_EQ(std::isnan(near.planeE), !c.plane) << name;
            const double limit = c.line ? 2 * 9e9 * d / 1e-3 : twoPiK * d;
            if (c.line || c.plane) {
                EXPECT_NEAR((c.line ? near.lineE : near.planeE) / limit, 1, 1e-12) << name;
                EXPECT_NEAR(near.exactE / limit, 1, c.nearTolerance) << name;
            }
            EXPECT_NEAR(far.pointE / (9e9 * d * c.charge / 1e4), 1, 1e-9) << name;
            EXPECT_NEAR(far.exactE / far.pointE, 1, 1e-4) << name;
            EXPECT_NEAR(far.exactV / far.pointV, 1, 1e-4) << name;
            EXPECT_NEAR(far.chargesE / far.pointE, 1, 1e-4) << name;
            EXPECT_EQ(far.exactV > 0, density > 0) << name;
        }
}

// At the start point the field error of 5 point charges is the one its
// four-decimal read-outs show: (3428.2045, 34806.7578) against (3429.1482, 34631.0342).
TEST(Convergence, MidpointRuleFallsAsOneOverNSquared) {
    const auto samples = ConvergenceSamples(UniformSegment(), 0.6, 0.4, kLambda);
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
    const ConvergenceSlopes slopes = FittedSlopes(*samples, ConvergenceLaw::InverseSquare);
    EXPECT_NEAR(slopes.field->slope, -2, 0.02);
    EXPECT_NEAR(slopes.potential->slope, -2, 0.02);
    EXPECT_EQ(slopes.field->fromN, 10);
    EXPECT_FALSE(ConvergenceSamples(UniformSegment(), 0.5, 0, kLambda));  // on the segment
    EXPECT_FALSE(ConvergenceSamples(UniformSegment(), 1, 0, kLambda));    // at its end
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
        const auto samples = ConvergenceSamples(UniformSegment(), c.x, c.y, kLambda);
        ASSERT_TRUE(samples) << c.name;
        const ConvergenceSample sample = (*samples)[c.n - 1];
        EXPECT_NEAR(sample.errorE / c.errorE, 1, 1e-5) << c.name;
        EXPECT_NEAR(sample.errorV / c.errorV, 1, 1e-5) << c.name;
        const ConvergenceSlopes slopes = FittedSlopes(*samples, ConvergenceLaw::InverseSquare);
        EXPECT_NEAR(slopes.potential->slope, -2, 1e-3) << c.name;
    }
    // 1 mm above the middle the charges pass under the point: no power law.
    EXPECT_FALSE(FittedSlopes(*ConvergenceSamples(UniformSegment(), 0.5, 1e-3, kLambda),
                              ConvergenceLaw::InverseSquare)
                     .field);
}

// Each shape's own law at the front-plane point (0.8, 0.5): the relative
// error of V for N = 5, 10, 20, 50, by mpmath at 30 digits (the N elements'
// sum against the quadrature of Coulomb's law over the charge). The ring's
// equal charges are the trapezoidal rule of a periodic integrand and fall
// geometrically, below double rounding before N = 50 (NaN); the others are
// midpoint rules, slope -2. The ring's tenfold step ΔN is the least-squares
// fit of ln(error) against N of those mpmath errors over the N the fit takes
// (20 to 53 for |E|, 20 to 46 for V; ln 10 / acosh(0.59 / 0.5) = 3.89 as N
// grows).
TEST(Convergence, EachShapeFallsByItsOwnLaw) {
    struct Case {
        const ChargeDistribution& shape;
        double errorV[4];
        double fieldRate = -2, potentialRate = -2;  // the slope, or the ring's ΔN
        int fromN = 10, fieldToN = 200, potentialToN = 200;
    } cases[] = {
        {UniformSegment(), {2.3069006e-3, 5.6994121e-4, 1.4207968e-4, 2.2714807e-5}},
        {GrowingSegment(), {9.2600972e-4, 2.2447048e-4, 5.5721217e-5, 8.8981188e-6}},
        {Ring(), {2.8696056e-2, 1.0377945e-3, 2.0010576e-6, NAN}, 3.9874321, 3.7945595, 20, 53, 46},
        {Disk(), {1.1108362e-3, 2.7884173e-4, 6.9778843e-5, 1.1167654e-5}}};
    for (const Case& c : cases) {
        const std::string name = c.shape.words().name;
        const auto samples = ConvergenceSamples(c.shape, 0.8, 0.5, kLambda);
        ASSERT_TRUE(samples) << name;
        for (std::size_t k = 0; k < 4; ++k) {
            const int n = kElementCountChoices[k];
            const double shown = (*samples)[std::size_t(n - 1)].errorV;
            if (std::isnan(c.errorV[k]))
                EXPECT_TRUE(std::isnan(shown)) << name << " N = " << n;
            else
                EXPECT_NEAR(shown / c.errorV[k], 1, 1e-6) << name << " N = " << n;
        }
        const ConvergenceLaw law = c.shape.convergenceLaw();
        const ConvergenceSlopes fits = FittedSlopes(*samples, law);
        ASSERT_TRUE(fits.field && fits.potential) << name;
        const bool geometric = law == ConvergenceLaw::Geometric;
        EXPECT_EQ(geometric, &c.shape == &Ring()) << name;
        const auto rate = [&](const FittedSlope& fit) {
            return geometric ? TenfoldStep(fit) : fit.slope;
        };
        EXPECT_NEAR(rate(*fits.field) / c.fieldRate, 1, 2e-3) << name;
        EXPECT_NEAR(rate(*fits.potential) / c.potentialRate, 1, 2e-3) << name;
        EXPECT_EQ(fits.field->fromN, c.fromN) << name;
        EXPECT_EQ(fits.field->toN, c.fieldToN) << name;
        EXPECT_EQ(fits.potential->toN, c.potentialToN) << name;
    }
}

// The first lines name the line plotted, its density (symbol, value, unit)
// and Q in µC, the models with the shape and k, and head only the columns
// the shape has, each row as many cells; an error lost to rounding is an
// empty cell, and the first line says from which N.
TEST(Csv, FirstLinesGiveTheContext) {
    struct Case {
        const ChargeDistribution& shape;
        double density;
        int n;
        const char* lines;
    } cases[] = {
        {UniformSegment(), -5 * kLambda, 20,
         "# Mediatriz x = 0.5 m · λ = -5 µC/m · Q = -5 µC · integral exacta sobre el segmento de 1 "
         "m y 20 cargas puntuales Q/20 en los centros de 20 elementos iguales · Segmento · Q = λ·1 "
         "m · k = 9·10⁹ N·m²/C²\n"
         "s (m),|E| exacto (V/m),|E| cargas puntuales N=20 (V/m),|E| línea infinita (V/m),"
         "|E| carga puntual (V/m),V exacto (V),V cargas puntuales N=20 (V),V carga puntual (V)\n"},
        {Ring(), kLambda, 0,
         "# Eje del anillo · λ = 1 µC/m · Q = 3.141592653589793 µC · integral exacta sobre el "
         "anillo de 50 cm de radio · Anillo · Q = λ·π m · k = 9·10⁹ N·m²/C²\n"
         "s (m),|E| exacto (V/m),|E| carga puntual (V/m),V exacto (V),V carga puntual (V)\n"},
        {Disk(), 10 * kLambda, 5,
         "# Eje del disco · σ = 10 µC/m² · Q = 7.853981633974483 µC · integral exacta sobre el "
         "disco de 50 cm de radio y 5 anillos concéntricos de igual anchura y carga exacta · Disco "
         "· Q = σ·π/4 m² · k = 9·10⁹ N·m²/C²\n"
         "s (m),|E| exacto (V/m),|E| anillos N=5 (V/m),|E| carga puntual (V/m),|E| plano infinito "
         "(V/m),V exacto (V),V anillos N=5 (V),V carga puntual (V)\n"}};
    for (const Case& c : cases) {
        const FieldModel model{c.density, c.n, View::Front, &c.shape};
        const std::string csv = BisectorCsv(BisectorSamples(model), model);
        const std::string lines = c.lines;
        EXPECT_EQ(csv.substr(0, lines.size()), lines);
        const std::string header = lines.substr(lines.find('\n'));
        const std::string row =
            csv.substr(lines.size(), csv.find('\n', lines.size()) - lines.size());
        EXPECT_EQ(std::ranges::count(row, ','), std::ranges::count(header, ','))
            << c.shape.words().name << ": " << row;
    }
    std::vector<ConvergenceSample> lost{{1, 0.5, NAN}, {2, 0.125, NAN}};
    EXPECT_EQ(ConvergenceCsv(lost, UniformSegment(), 1e6, -0.25, 10 * kLambda),
              "# Convergencia en x = 1e+06 m y = -0.25 m · λ = 10 µC/m · Q = 10 µC · N cargas "
              "puntuales Q/N en los centros de N elementos iguales frente a la integral exacta "
              "sobre el segmento de 1 m · Segmento · Q = λ·1 m · k = 9·10⁹ N·m²/C² · |E| sin ley "
              "de potencias · V sin ley de potencias · V se pierde en el redondeo desde N = 1 "
              "(celdas vacías)\nN,error relativo |E|,error relativo V\n1,0.5,\n2,0.125,\n");
    const std::string ring =
        ConvergenceCsv(*ConvergenceSamples(Ring(), 0.8, 0.5, kLambda), Ring(), 0.8, 0.5, kLambda);
    EXPECT_NE(ring.find("Anillo · Q = λ·π m · k = 9·10⁹ N·m²/C² · |E| cae ×10 cada ΔN ≈ 3.99 de "
                        "N = 20 a 53 · V cae ×10 cada ΔN ≈ 3.79 de N = 20 a 46 · |E| se pierde "
                        "en el redondeo desde N = 54 (celdas vacías) · V se pierde en el "
                        "redondeo desde N = 47 (celdas vacías)\n"),
              std::string::npos)
        << ring.substr(0, ring.find('\n'));
}

}  // namespace
