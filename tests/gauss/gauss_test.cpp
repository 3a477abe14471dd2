#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "field/shapes.h"
#include "gauss/flux.h"

namespace {

constexpr double kLambda = 1e-6;  // C/m, or C/m² for the disk
// Q/ε₀ = 4πk·Q for the charges below, in V·m, with k = 9·10⁹ N·m²/C²
// exactly; each by hand from the charge the surface encloses, to 30 digits
// with mpmath: 4π·9e9·1e-6 times 1 m, 0.6 m, 0.64 m, π·0.04 m², π m, π/4 m².
constexpr double kWholeSegment = 113097.335529232551466787181639;
constexpr double kSixTenths = 67858.4013175395283688069904172;
constexpr double kGrowingLastFour = 72382.2947387088344455029873887;  // ∫ 2x dx, 0.6 to 1
constexpr double kDiskInner = 14212.2303375686760638428844503;        // ρ < 0.2 of σ
constexpr double kWholeRing = 355305.758439216894199785227485;
constexpr double kWholeDisk = 88826.4396098042235499463068713;

FieldModel Model(int shape, int charges) {
    return {kLambda, charges, View::Front, ChargeShapes()[shape]};
}
constexpr int kSegment = 0, kGrowing = 1, kRing = 2, kDisk = 3;

// The flux of the whole charge, 4πk·Q, the scale of an empty surface's.
double WholeFlux(int shape) {
    return 4 * std::numbers::pi * 9e9 * kLambda * ChargeShapes()[shape]->chargePerDensity();
}

GaussSurface Sphere(double centre, double radius) {
    return {SurfaceKind::Sphere, centre, radius, 1};
}
GaussSurface Cylinder(double centre, double radius, double length) {
    return {SurfaceKind::Cylinder, centre, radius, length};
}

struct Case {
    const char* what;
    int shape;
    GaussSurface surface;
    double enclosedOverEpsilon0;  // V·m
};

// Surfaces round all of the charge, through it and beside it, for each
// shape; the N-element models enclose the same charge on these surfaces.
const Case kCases[] = {
    {"sphere round the segment", kSegment, Sphere(0.5, 0.8), kWholeSegment},
    {"sphere through the segment", kSegment, Sphere(0.5, 0.3), kSixTenths},
    {"cylinder round the segment", kSegment, Cylinder(0.5, 0.6, 2), kWholeSegment},
    {"cylinder through the segment", kSegment, Cylinder(0.6, 0.3, 0.8), 0.8 * kWholeSegment},
    {"sphere beside the segment", kSegment, Sphere(3, 0.5), 0},
    {"sphere over the growing end", kGrowing, Sphere(0.9, 0.3), kGrowingLastFour},
    {"cylinder round the growing segment", kGrowing, Cylinder(0.5, 0.6, 2), kWholeSegment},
    {"sphere round the ring", kRing, Sphere(0.5, 0.8), kWholeRing},
    {"sphere inside the ring", kRing, Sphere(0.5, 0.3), 0},
    {"cylinder round the ring", kRing, Cylinder(0.5, 0.6, 0.2), kWholeRing},
    {"cylinder across the disk", kDisk, Cylinder(0.5, 0.2, 0.4), kDiskInner},
    {"sphere round the disk", kDisk, Sphere(0.5, 0.8), kWholeDisk},
    {"cylinder beside the disk", kDisk, Cylinder(0.9, 0.3, 0.4), 0},
};

// Gauss's law itself, for the exact model and its elements: the flux of the
// field through the surface is the enclosed charge over ε₀, to 1e-9 of it,
// or of the whole charge's flux where none is enclosed.
TEST(GaussLaw, FluxIsTheEnclosedChargeOverEpsilon0) {
    for (const Case& c : kCases) {
        for (int charges : {0, 5, 50}) {
            const GaussFigures f = GaussLaw(Model(c.shape, charges), c.surface);
            const double scale =
                c.enclosedOverEpsilon0 != 0 ? c.enclosedOverEpsilon0 : WholeFlux(c.shape);
            EXPECT_NEAR(f.enclosedOverEpsilon0, c.enclosedOverEpsilon0, 1e-12 * scale)
                << c.what << ", N = " << charges;
            EXPECT_NEAR(f.total.value, c.enclosedOverEpsilon0, 1e-9 * scale)
                << c.what << ", N = " << charges;
            EXPECT_LT(std::fabs(f.relativeDifference), 1e-9) << c.what << ", N = " << charges;
            EXPECT_LT(f.total.error, 1e-9 * scale) << c.what << ", N = " << charges;
        }
    }
}

// Charge on the surface is half inside it: elements at a pole, on a cap,
// the ring's charges all round its wire; the exact ring, and the disk lying
// in a cap's plane.
TEST(GaussLaw, ChargeOnTheSurfaceCountsHalf) {
    const struct {
        const char* what;
        int shape, charges;
        GaussSurface surface;
        double share;  // of the whole charge's flux
        int onSurface;
    } cases[] = {
        {"element 1 of 5 at a pole", kSegment, 5, Sphere(0.7, 0.4), 0.1 + 0.6, 1},
        {"elements 1 and 3 of 5 on the caps", kSegment, 5, Cylinder(0.3, 0.3, 0.4), 0.4, 2},
        {"the ring's 5 charges on a sphere", kRing, 5, Sphere(0.5, 0.5), 0.5, 5},
        {"the disk's 5 rings on a cap", kDisk, 5, Cylinder(0.25, 1, 0.5), 0.5, 5},
        {"the exact ring on a sphere", kRing, 0, Sphere(0.6, std::sqrt(0.26)), 0.5, 0},
        {"the exact disk in a cap's plane", kDisk, 0, Cylinder(0.3, 0.3, 0.4), 0.5 * 0.36, 0},
    };
    for (const auto& c : cases) {
        const GaussFigures f = GaussLaw(Model(c.shape, c.charges), c.surface);
        const double expected = c.share * WholeFlux(c.shape);
        EXPECT_NEAR(f.enclosedOverEpsilon0, expected, 1e-12 * expected) << c.what;
        EXPECT_NEAR(f.total.value, expected, 1e-9 * expected) << c.what;
        EXPECT_EQ(f.elementsOnSurface, c.onSurface) << c.what;
        EXPECT_EQ(f.chargeOnSurface, c.charges == 0) << c.what;
    }
}

// The flux stays while the surface grows round the same charge, and steps by
// an element's charge as each one crosses it; the exact model's grows
// smoothly with the chord it encloses, 2R·λ, up to R = 0.5.
TEST(GaussLaw, FluxChangesOnlyWithTheEnclosedCharge) {
    const GaussSurface sphere = Sphere(0.5, 1);
    const auto elements = FluxAgainstRadius(Model(kSegment, 5), sphere, 0.05, 1.5, 30);
    // N = 5: 0.2, 0.6 and 1 of Q, and half an element more on the radii 0.2
    // and 0.4 of the sweep, where two elements lie on the sphere.
    std::vector<double> steps;
    for (const FluxAtRadius& point : elements)
        if (steps.empty() || std::fabs(point.flux - steps.back()) > 1e-7 * kWholeSegment)
            steps.push_back(point.flux);
    const double shares[] = {0.2, 0.4, 0.6, 0.8, 1};
    ASSERT_EQ(steps.size(), std::size(shares));
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_NEAR(steps[i], shares[i] * kWholeSegment, 1e-7 * kWholeSegment) << shares[i];
    for (const FluxAtRadius& point : FluxAgainstRadius(Model(kSegment, 0), sphere, 0.05, 1.5, 30))
        EXPECT_NEAR(point.flux, std::min(2 * point.radius, 1.0) * kWholeSegment,
                    1e-7 * kWholeSegment)
            << "R = " << point.radius;
}

// Round the middle of the segment, a cylinder's side takes λ·L/ε₀ of the
// flux as it narrows, the caps the rest. The side's flux by hand:
// 2πkλ·[√((x − a)² + R²) − √((x − b)² + R²)] from x = 0.4 to 0.6, the
// segment from a = 0 to b = 1; mpmath, 30 digits.
TEST(GaussLaw, NarrowCylinderTakesTheLineChargesFluxThroughItsSide) {
    const struct {
        double radius, side, caps;
    } cases[] = {{0.1, 22163.19744708345, 456.26965876306145},
                 {0.01, 22614.756270700857, 4.7108351456546732},
                 {0.001, 22619.41998211215, 0.047123734361059779}};
    for (int charges : {0}) {
        for (const auto& c : cases) {
            const GaussFigures f = GaussLaw(Model(kSegment, charges), Cylinder(0.5, c.radius, 0.2));
            ASSERT_TRUE(f.side && f.lowCap && f.highCap);
            EXPECT_NEAR(f.side->value, c.side, 1e-9 * c.side) << c.radius;
            EXPECT_NEAR(f.lowCap->value, c.caps / 2, 1e-9 * c.side) << c.radius;
            EXPECT_NEAR(f.highCap->value, c.caps / 2, 1e-9 * c.side) << c.radius;
        }
    }
}

// "E times A" is the flux only where |E| is the same all over the surface
// and along its normal: a sphere centred on a point charge. Round the
// segment it overstates the flux, and E·n ranges widely.
TEST(GaussLaw, FieldTimesAreaIsTheFluxOnlyRoundAPointCharge) {
    const GaussFigures point = GaussLaw(Model(kSegment, 1), Sphere(0.5, 0.3));
    EXPECT_NEAR(point.fieldTimesArea, point.total.value, 1e-12 * kWholeSegment);
    EXPECT_NEAR(point.leastNormal, point.greatestNormal, 1e-9 * point.greatestNormal);
    EXPECT_NEAR(point.meanField, 9e9 * kLambda / 0.09, 1e-9 * point.meanField);  // kQ/R²
    const GaussFigures line = GaussLaw(Model(kSegment, 0), Sphere(0.5, 0.3));
    EXPECT_GT(line.fieldTimesArea, 1.05 * line.total.value);
    EXPECT_GT(line.greatestNormal, 1.5 * line.leastNormal);
}

// A thin cylinder round a point charge: |E| peaks a millimetre from it, and
// E·A is, by hand, 4πkq·atan(L/2r) over the side and 2πkq·ln(1 + 4r²/L²)
// over the caps, 176527,598... V·m (mpmath); E·n peaks at kq/r², 9·10⁹ V/m.
// Where the charge lies on the surface, neither has a bound.
TEST(GaussLaw, FieldFiguresFollowTheFieldsPeaks) {
    const GaussFigures thin = GaussLaw(Model(kSegment, 1), Cylinder(0.5, 1e-3, 0.2));
    EXPECT_NEAR(thin.fieldTimesArea, 176527.59814521816, 1e-6 * 176527.6);
    EXPECT_NEAR(thin.greatestNormal, 9e9, 1e-6 * 9e9);
    const GaussFigures on = GaussLaw(Model(kSegment, 5), Sphere(0.7, 0.4));
    EXPECT_EQ(on.greatestNormal, INFINITY);
    EXPECT_EQ(on.meanField, INFINITY);
}

// The surfaces the boxes accept at their limits, a hair round the charge and
// far off it, keep the flux to 1e-9 of the enclosed charge's, or of the whole
// charge's where they enclose little or none.
TEST(GaussLaw, HoldsAtTheLimitsTheBoxesAccept) {
    const GaussSurface surfaces[] = {
        Sphere(-10, 1e-4),       Sphere(10, 10),       Sphere(0.5, 10),          Sphere(0.5, 1e-4),
        Cylinder(0.5, 1e-4, 20), Cylinder(10, 10, 20), Cylinder(-10, 1e-4, 1e-4)};
    for (int shape = 0; shape < 4; ++shape)
        for (int charges : {0, 50})
            for (const GaussSurface& s : surfaces) {
                const GaussFigures f = GaussLaw(Model(shape, charges), s);
                EXPECT_LT(std::fabs(f.relativeDifference), 1e-9)
                    << shape << " N = " << charges << " at " << s.centre << ", " << s.radius;
                EXPECT_TRUE(std::isfinite(f.meanField) && std::isfinite(f.leastNormal));
            }
}

// A sphere a tenth of a millimetre across the segment encloses 2R·λ to all
// but the rounding of its ends' places along the segment: they are found
// without cancellation.
TEST(GaussLaw, TinySphereEnclosesItsChordOfTheSegment) {
    const EnclosedCharge inside = ChargeInside(Model(kSegment, 0), Sphere(0.5, 1e-4));
    EXPECT_NEAR(inside.charge, 2e-4 * kLambda, 1e-12 * 2e-4 * kLambda);
}

// What the boxes, a drag and the command line give is kept within the
// limits; NaN takes the lower one.
TEST(GaussSurface, MeasuresAreKeptWithinTheLimits) {
    const GaussSurface s = WithinLimits({SurfaceKind::Cylinder, 1e9, -1, NAN});
    EXPECT_EQ(s.centre, gauss_limits::kCentreMax);
    EXPECT_EQ(s.radius, gauss_limits::kRadiusMin);
    EXPECT_EQ(s.length, gauss_limits::kLengthMin);
    EXPECT_EQ(WithinLimits(Cylinder(0.3, 0.2, 0.4)), Cylinder(0.3, 0.2, 0.4));
}

}  // namespace
