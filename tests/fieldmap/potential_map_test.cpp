#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "field/ring_field.h"
#include "field/segment_field.h"
#include "field/shapes.h"
#include "fieldmap/axis_mirror.h"
#include "fieldmap/potential_map.h"
#include "fieldmap/potential_rows.h"

namespace {

struct Comparison {
    std::string mismatches;  // the first pixel that differs, and how many do
    int noValue = 0;
};

// Every pixel against the scalar model at its centre: the same pixels have no
// value, the others agree to `tolerance` relative.
template <class ValueAt>
Comparison CompareWithScalarModel(const FieldModel& model, const WorldWindow& area,
                                  const ValueAt& valueAt, double tolerance = 1e-12) {
    Comparison result;
    int count = 0;
    for (int row = 0; row < area.rows; ++row)
        for (int column = 0; column < area.columns; ++column) {
            const double x = area.xAt(column), y = area.yAt(row), v = valueAt(column, row);
            const auto expected = model.potentialAt({x, y});
            result.noValue += !expected;
            const bool same = expected
                                  ? std::fabs(v - *expected) <= tolerance * std::fabs(*expected)
                                  : std::isnan(v);
            if (!same && count++ == 0)
                result.mismatches =
                    std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(v);
        }
    if (count > 0) result.mismatches += " and " + std::to_string(count - 1) + " more";
    return result;
}

Comparison CompareWithScalarModel(const FieldModel& model, const WorldWindow& area,
                                  double tolerance) {
    const PotentialMap map = ComputePotentialMap(model, area);
    return CompareWithScalarModel(
        model, area, [&map](int column, int row) { return map.at(column, row); }, tolerance);
}

struct MapCase {
    const char* name;
    FieldModel model;
    WorldWindow area;
    bool holdsNoValue = false;
};

// The segment's map is its model's to the last digits; the other shapes'
// maps need only be far within one of the colours' 256 steps, each some 4 % in V.
constexpr double kShapes = 1e-11;
double Tolerance(const FieldModel& model) {
    return model.shape == &UniformSegment() ? 1e-12 : kShapes;
}

// Sizes where pixels mirror each other (500 columns about x = 0.5, 600 rows about y = 0) and rows
// hugging the axis beyond the segment's ends are included.
TEST(PotentialMap, EqualsTheScalarModelAtEveryPixelCentre) {
    using enum View;
    const double lambda = 1e-6;
    const ChargeDistribution *grow = &GrowingSegment(), *ring = &Ring(), *disk = &Disk();
    const auto zoom = &WorldWindow::forZoom;
    const WorldWindow kOnWire{0.3125, 0.6875, 0.375, 0.375, 3, 3};
    const WorldWindow kAlongAxis{-0.5, 0x1p-20, 2, 0x1p-19, 401, 3};
    const WorldWindow kByTheAxis{-1e-3, 1e-3, 2e-3, 2e-3, 7, 7};
    const WorldWindow kProfileWire{-0.0625, 0.5625, 0.125, 0.125, 1, 1};
    const WorldWindow kOnTwoRings{0.3125, 0.25, 0.375, 0.375, 3, 3};
    // Centred on the ring's plane and the axis, pixels 1/128 m wide.
    const WorldWindow kCentred{-0.5, 1, 2, 2, 256, 256};
    const MapCase cases[] = {
        {"exact, 100 %, 500 x 500", {lambda}, zoom(1, 500, 500)},
        {"exact, 100 %, 250 x 600", {lambda}, zoom(1, 250, 600)},
        {"exact, 10 %, 300 x 300, negative", {-5e-6}, zoom(0.1, 300, 300)},
        {"exact, along the axis", {lambda}, kAlongAxis, true},
        {"exact, 1e-9 off the axis", {lambda}, {-0.5, 1e-9, 2, 2e-9, 403, 2}},
        {"exact, profile, 25 %", {lambda, 0, Profile}, zoom(0.25, 240, 240)},
        {"5 charges, on them", {lambda, 5}, {0, 1e-3, 1, 2e-3, 5, 3}, true},
        {"50 charges, 100 %, 250 x 300", {lambda, 50}, zoom(1, 250, 300)},
        {"20 charges, 50 %, 120 x 120", {-lambda, 20}, zoom(0.5, 120, 120)},
        {"10 charges, profile, 100 %", {lambda, 10, Profile}, zoom(1, 126, 126)},
        {"5 charges, profile, by the axis", {lambda, 5, Profile}, kByTheAxis, true},
        // The pixel centre (0.5, 0.5) of this 3 x 3 window lies on the ring's
        // wire, on the disk's rim, on the ring's first charge; (0.5, 0.375)
        // on the disk; (0, 0.5) of the 1-pixel window on the ring in profile.
        {"growing, 100 %", {lambda, 0, Front, grow}, zoom(1, 250, 300)},
        {"growing, along the axis", {lambda, 0, Front, grow}, kAlongAxis, true},
        {"growing, profile, 25 %", {lambda, 0, Profile, grow}, zoom(0.25, 120, 120)},
        {"growing, 20 charges", {-lambda, 20, Front, grow}, zoom(1, 126, 126)},
        {"ring, 100 %", {lambda, 0, Front, ring}, zoom(1, 250, 300)},
        {"ring, 10 %", {-lambda, 0, Front, ring}, zoom(0.1, 120, 120)},
        {"ring, on the wire", {lambda, 0, Front, ring}, kOnWire, true},
        {"ring, profile, 100 %", {lambda, 0, Profile, ring}, zoom(1, 126, 126)},
        {"ring, profile, on the wire", {lambda, 0, Profile, ring}, kProfileWire, true},
        {"ring, 5 charges, on one", {lambda, 5, Front, ring}, kOnWire, true},
        {"ring, 5 charges, about the axis", {lambda, 5, Front, ring}, kCentred},
        {"ring, 50 charges", {lambda, 50, Front, ring}, zoom(1, 126, 126)},
        {"disk, 100 %", {lambda, 0, Front, disk}, zoom(1, 120, 120)},
        {"disk, on it", {lambda, 0, Front, disk}, kOnWire, true},
        {"disk, profile", {-lambda, 0, Profile, disk}, zoom(1, 60, 60), true},
        {"disk, 20 rings", {lambda, 20, Front, disk}, kCentred},
        {"disk, 4 rings, on two", {lambda, 4, Front, disk}, kOnTwoRings, true},
    };
    for (const MapCase& c : cases) {
        const auto [mismatches, noValue] =
            CompareWithScalarModel(c.model, c.area, Tolerance(c.model));
        EXPECT_EQ(mismatches, "") << c.name;
        EXPECT_EQ(noValue > 0, c.holdsNoValue) << c.name;
    }
}

// Whether each pixel of the map about (0.5, 0) equals its mirror image. The
// density that grows along the segment, and five charges round the ring,
// one at the top and none at the bottom, break one of the mirrors.
// Even about the plane: V(1 − x, y) = V(x, y), x = 0.5 the middle of the
// segments, the plane of the ring and the disk.
TEST(PotentialMap, MirrorsAsTheChargeDoes) {
    const double lambda = 1e-6;
    const struct {
        const char* name;
        FieldModel model;
        bool evenAboutThePlane, evenInY;
    } cases[] = {
        {"segment", {lambda}, true, true},
        {"growing", {lambda, 0, View::Front, &GrowingSegment()}, false, true},
        {"growing, 10 charges", {lambda, 10, View::Front, &GrowingSegment()}, false, true},
        {"ring", {lambda, 0, View::Front, &Ring()}, true, true},
        {"ring, 5 charges", {lambda, 5, View::Front, &Ring()}, true, false},
        {"ring, 10 charges", {lambda, 10, View::Front, &Ring()}, true, true},
        {"disk, 5 rings", {lambda, 5, View::Front, &Disk()}, true, true},
    };
    const WorldWindow area{-0.5, 1, 2, 2, 128, 128};
    for (const auto& c : cases) {
        const PotentialMap map = ComputePotentialMap(c.model, area);
        bool evenInX = true, evenInY = true;
        const auto same = [](double a, double b) {
            return !(std::fabs(a - b) > 1e-9 * std::fabs(a));  // no value on both sides too
        };
        for (int row = 0; row < 128; ++row)
            for (int column = 0; column < 128; ++column) {
                evenInX &= same(map.at(column, row), map.at(127 - column, row));
                evenInY &= same(map.at(column, row), map.at(column, 127 - row));
            }
        EXPECT_EQ(evenInX, c.evenAboutThePlane) << c.name;
        EXPECT_EQ(evenInY, c.evenInY) << c.name;
    }
}

// At 100 % the 500 column centres run from -0.0988 m in steps of 0.0024 m:
// about x = 0.5 column i mirrors column 499 - i, and the second half is copied.
// About x = 0.5 the centres 0, 0.3, 0.6, ... pair with none.
TEST(AxisMirror, PairsTheColumnsWhoseCentresMirror) {
    const AxisMirror half(-0.0988, 0.0024, 500, 0.5), none(0, 0.3, 10, 0.5);
    EXPECT_EQ(std::pair(half.copiedBegin(), half.copiedEnd()), std::pair(250, 500));
    EXPECT_EQ(half.mirrorOf(0), 499);
    EXPECT_EQ(none.copiedBegin(), none.copiedEnd());
}

// A CPU without AVX2 gets the same map from narrower instructions, for every shape.
TEST(PotentialMap, EveryInstructionSetGivesTheSameValues) {
    const WorldWindow area = WorldWindow::forZoom(0.5, 61, 67);
    std::vector<double> xs, volts(std::size_t(area.columns));
    for (int column = 0; column < area.columns; ++column) xs.push_back(area.xAt(column));
    for (const PotentialRowVariant& variant : PotentialRowVariants())
        for (const ChargeDistribution* shape : ChargeShapes())
            for (int charges : {0, 20}) {
                const FieldModel model{1e-6, charges, View::Front, shape};
                const auto valueAt = [&](int column, int row) {
                    if (column == 0)
                        variant.row(model, xs.data(), area.yAt(row), volts.data(), xs.size());
                    return volts[std::size_t(column)];
                };
                EXPECT_EQ(CompareWithScalarModel(model, area, valueAt, Tolerance(model)).mismatches,
                          "")
                    << variant.instructions << ", " << shape->words().name << ", " << charges
                    << " charges";
            }
}

}  // namespace
