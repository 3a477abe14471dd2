#include <gtest/gtest.h>

#include <cmath>

#include "field/ring_field.h"
#include "field/segment_field.h"
#include "fieldmap/voltmeter.h"

namespace {

constexpr double kLambda = 1e-6;  // k·λ = 9000 V

struct ReadingCase {
    const char* name;
    double lambda;
    int charges;
    View view;
    double ax, ay, bx, by;
    double va, vb;  // V, hand-worked
    double deltaV;  // in the read-outs' rounding
    const ChargeDistribution* shape = &UniformSegment();
};

// On the bisector V = kλ·ln((r + 0.5)/(r − 0.5)): at (0.5, 0.9375) r = 1.0625
// and V = kλ·ln(25/9); at (0.5, 1.2) r = 1.3 and V = kλ·ln(2.25). The focal
// ellipse through the first meets the axis at (1.5625, 0), where
// V = kλ·ln(x/(x − 1)) is the same. Five charges of kλ/5 at 0.1, 0.3, ... 0.9:
// at (2, 0) V = 1800·Σ 1/(2 − c); in the profile view (0.3, 0.4) is 0.5 from
// the axis, V = 1800·Σ 1/√((0.5 − c)² + 0.25). On the axis of the ring,
// Q = λ·π m, V = kQ/√(a² + R²): kλπ/0.5 at its centre, kλπ/√1.25 at a = 1;
// of the disk 2πkσ(√(a² + R²) − a): at a = 0.5 and 1. In the ring's plane at
// ρ = 0.25 (the profile view), mpmath's quadrature of kλR∫dφ/D to 30 digits.
TEST(Voltmeter, ReadsPotentialsDifferenceWorkAndIntegral) {
    const ReadingCase cases[] = {
        {"exact, down the bisector", kLambda, 0, View::Front, 0.5, 0.9375, 0.5, 1.2, 9194.8612,
         7298.3719, -1896.4893},
        {"exact, along an equipotential", kLambda, 0, View::Front, 0.5, 0.9375, 1.5625, 0,
         9194.8612, 9194.8612, 0},
        {"exact, negative density", -kLambda, 0, View::Front, 0.5, 1.2, 0.5, 0.9375, -7298.3719,
         -9194.8612, -1896.4893},
        {"exact, profile", kLambda, 0, View::Profile, 0.72, 0.96, 0, 0.9375, 7298.3719, 9194.8612,
         1896.4893},
        {"5 charges, beyond the end to the profile's radius", kLambda, 5, View::Front, 2, 0, 0.5,
         0.5, 6227.1710, 15907.2876, 9680.1166},
        {"5 charges, profile", kLambda, 5, View::Profile, 0.3, 0.4, -0.4, -0.3, 15907.2876,
         15907.2876, 0},
        {"ring, along the axis", kLambda, 0, View::Front, 0.5, 0, 1.5, 0, 56548.6678, 25289.3330,
         -31259.3348, &Ring()},
        {"ring, profile, from the centre", kLambda, 0, View::Profile, 0, 0, 0, 0.25, 56548.6678,
         60687.0128, 4138.3450, &Ring()},
        {"disk, along the axis", kLambda, 0, View::Front, 1, 0, 1.5, 0, 11711.6126, 6674.6648,
         -5036.9478, &Disk()},
    };
    for (const ReadingCase& c : cases) {
        const FieldModel model{c.lambda, c.charges, c.view, c.shape};
        const WorldPoint a{c.ax, c.ay}, b{c.bx, c.by};
        const auto reading = ReadVoltmeter(model, a, b, 2);
        ASSERT_TRUE(reading) << c.name;
        EXPECT_NEAR(reading->va.toDouble(), c.va, 3e-4) << c.name;
        EXPECT_NEAR(reading->vb.toDouble(), c.vb, 3e-4) << c.name;
        EXPECT_NEAR(reading->deltaV.toDouble(), c.deltaV, 5e-4) << c.name;
        EXPECT_DOUBLE_EQ(reading->work, 2 * reading->deltaV.toDouble()) << c.name;
        ASSERT_TRUE(reading->lineIntegral) << c.name;
        const double exactDelta = *model.potentialAt(b) - *model.potentialAt(a);
        EXPECT_NEAR(reading->lineIntegral->volts, exactDelta, 1e-6 * std::fabs(c.va)) << c.name;
    }
}

struct IntegralCase {
    const char* name;
    FieldModel model;
    WorldPoint a;
    WorldPoint b;
};

// Paths that pass a millimetre or a tenth of one from the charges, the axis
// or the segment's ends, where the field changes a thousand times faster
// than along most of the way, and paths from 1e9 m away, the farthest point
// the boxes take, whose field falls by 1e18 along the way. The reference is
// the difference of the unrounded potentials of the model at the two ends.
// The integral is within its error bound of it, and the bound is below half
// the read-outs' last digit, 5e-5 V.
TEST(Voltmeter, IntegralEqualsTheDifferenceNearAndFar) {
    using enum View;
    const ChargeDistribution *grow = &GrowingSegment(), *ring = &Ring(), *disk = &Disk();
    constexpr WorldPoint kFar{1e9, 1e9};
    const IntegralCase cases[] = {
        {"exact, along the segment", {kLambda}, {-0.09, 0.001}, {1.2, 0.001}},
        {"exact, from beside the middle", {kLambda}, {0.31, 0.0005}, {0.2, 0.3}},
        {"exact, a tenth of a millimetre above it", {kLambda}, {-0.09, 1e-4}, {1.2, 1e-4}},
        {"exact, slanting down to above the middle", {kLambda}, {-1, 0.2}, {0.5, 1e-4}},
        {"exact, past the end", {-kLambda}, {1.001, 0.5}, {1.001, -0.3}},
        {"exact, across the axis 0.1 mm past the end", {kLambda}, {1.0001, 0.5}, {1.0001, -0.3}},
        {"exact, from far to beside the segment", {kLambda}, kFar, {0.6, 0.01}},
        {"exact, from far to the end", {kLambda}, {-1e9, 1e9}, {1.0001, 0}},
        {"50 charges, along them", {kLambda, 50}, {-0.09, 0.001}, {1.2, 0.001}},
        {"50 charges, beside one", {kLambda, 50}, {0.31, 0.0005}, {0.2, 0.3}},
        {"50 charges, from far to beside them", {kLambda, 50}, kFar, {0.6, 0.01}},
        {"5 charges, across the axis between two", {kLambda, 5}, {0.4, 0.3}, {0.45, -0.2}},
        {"5 charges, across the axis beside one", {kLambda, 5}, {0.5001, 0.3}, {0.5001, -0.2}},
        {"5 charges, from far to beside one", {kLambda, 5}, {1e9, -1e9}, {0.5, 1e-4}},
        {"20 charges, profile, past the axis", {kLambda, 20, Profile}, {-1, 0.001}, {1, 0.001}},
        {"5 charges, profile, from far to beside the axis", {kLambda, 5, Profile}, kFar, {1e-4, 0}},
        {"exact, profile, from far to beside the axis", {-kLambda, 0, Profile}, kFar, {0, -1e-4}},
        {"exact, profile, past the axis", {kLambda, 0, Profile}, {-0.3, 1e-4}, {0.2, 1e-4}},
        {"growing, along it", {kLambda, 0, Front, grow}, {-0.09, 0.001}, {1.2, 0.001}},
        {"growing, 10 charges, beside one", {kLambda, 10, Front, grow}, {0.35, 5e-4}, {0.2, 0.3}},
        {"ring, past the wire", {kLambda, 0, Front, ring}, {0.4, 0.5001}, {0.6, 0.5001}},
        {"ring, across its plane", {kLambda, 0, Front, ring}, {0.3, 0.1}, {0.7, -0.1}},
        {"ring, from far to the wire", {-kLambda, 0, Front, ring}, kFar, {0.5, 0.5001}},
        {"ring, 5 charges, past the top", {kLambda, 5, Front, ring}, {0.4, 0.5001}, {0.6, 0.5001}},
        {"ring, 20 charges, from far", {kLambda, 20, Front, ring}, kFar, {0.5, 0.3}},
        {"ring, profile, through the centre", {kLambda, 0, Profile, ring}, {-0.3, 0}, {0.2, 0}},
        {"ring, profile, past the wire",
         {kLambda, 0, Profile, ring},
         {0.5001, -0.3},
         {0.5001, 0.01}},
        {"disk, along its face", {kLambda, 0, Front, disk}, {0.5001, -0.4}, {0.5001, 0.4}},
        {"disk, past the rim", {kLambda, 0, Front, disk}, {0.4, 0.5001}, {0.6, 0.5001}},
        {"disk, from far to its centre", {kLambda, 0, Front, disk}, kFar, {0.5001, 0}},
        {"disk, 20 rings, between two", {kLambda, 20, Front, disk}, {0.4, 0.025}, {0.6, 0.025}},
        {"disk, 5 rings, past one", {kLambda, 5, Front, disk}, {0.4, 0.1502}, {0.6, 0.1502}},
        {"disk, profile, past the rim", {kLambda, 0, Profile, disk}, {0.5001, -0.3}, {0.5001, 0.3}},
    };
    for (const IntegralCase& c : cases) {
        const double exactDelta = *c.model.potentialAt(c.b) - *c.model.potentialAt(c.a);
        const PathIntegral integral = MinusLineIntegral(c.model, c.a, c.b);
        EXPECT_LT(integral.error, 5e-5) << c.name;
        // The reference's own rounding: some units of the last place of V(B).
        const double reference = 1e-14 * std::fabs(*c.model.potentialAt(c.b));
        EXPECT_NEAR(integral.volts, exactDelta, integral.error + reference) << c.name;
    }
}

struct PathCase {
    const char* name;
    View view;
    WorldPoint a;
    WorldPoint b;
    bool meets;
    int charges = 0;
    const ChargeDistribution* shape = &UniformSegment();
};

// A path that crosses or touches the charge gets no integral; with elements,
// one that passes through one where it meets the plane: the ring's charge at
// the top (0.5, 0.5, 0), not the second, seen edge-on at y = R·cos 72° but
// 0.48 m in front; the disk's 5 rings, of radii 0.05, 0.15, ... 0.45.
TEST(Voltmeter, RefusesTheIntegralAcrossTheCharge) {
    using enum View;
    const ChargeDistribution *ring = &Ring(), *disk = &Disk();
    const PathCase cases[] = {
        {"across the middle", Front, {0.5, 0.5}, {0.3, -0.5}, true},
        {"through the start", Front, {-0.5, 0.5}, {0.5, -0.5}, true},
        {"through the end", Front, {1.5, -0.5}, {0.5, 0.5}, true},
        {"along the axis over it", Front, {-1, 0}, {2, 0}, true},
        {"along the axis beyond it", Front, {1.5, 0}, {2, 0}, false},
        {"across the axis beyond the end", Front, {1.2, 0.5}, {1.2, -0.5}, false},
        {"slanting across the axis before the start", Front, {0.2, 0.1}, {-1.8, -0.1}, false},
        {"above it", Front, {-0.5, 0.01}, {1.5, 0.01}, false},
        {"profile, through the axis", Profile, {0.1, 0.1}, {-0.2, -0.2}, true},
        {"profile, beside the axis", Profile, {0.1, 0.1}, {-0.1, 0.1}, false},
        {"profile, along a radius", Profile, {0.1, 0.1}, {0.2, 0.2}, false},
        {"5 charges, through one", Front, {0.5, 0.5}, {0.5, -0.5}, true, 5},
        {"5 charges, between two", Front, {0.4, 0.5}, {0.4, -0.5}, false, 5},
        {"5 charges, past one", Front, {0.7002, 0.5}, {0.7002, -0.5}, false, 5},
        {"ring, 5 charges, through the top one", Front, {0.4, 0.5}, {0.6, 0.5}, true, 5, ring},
        {"ring, 5 charges, one seen edge-on", Front, {0.4, 0.1545}, {0.6, 0.1545}, false, 5, ring},
        {"disk, 5 rings, through one", Front, {0.4, 0.15}, {0.6, 0.15}, true, 5, disk},
        {"disk, 5 rings, between two", Front, {0.4, 0.1}, {0.6, 0.1}, false, 5, disk},
    };
    for (const PathCase& c : cases) {
        const auto reading = ReadVoltmeter({kLambda, c.charges, c.view, c.shape}, c.a, c.b, 1);
        ASSERT_TRUE(reading) << c.name;
        EXPECT_EQ(!reading->lineIntegral, c.meets) << c.name;
    }
    EXPECT_FALSE(ReadVoltmeter({kLambda}, {0.5, 0.5}, {1, 0}, 1)) << "B on the segment's end";
    EXPECT_FALSE(ReadVoltmeter({kLambda, 5}, {0.5, 0}, {1, 1}, 1)) << "A on a charge";
}

}  // namespace
