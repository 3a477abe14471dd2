#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fieldmap/axis_mirror.h"
#include "fieldmap/potential_map.h"
#include "fieldmap/potential_rows.h"

namespace {

struct Comparison {
    std::string mismatches;  // the first pixel that differs, and how many do
    int noValue = 0;
};

// Every pixel against the scalar model at its centre: the same pixels have no
// value, the others agree to 1e-12 relative.
template <class ValueAt>
Comparison CompareWithScalarModel(const FieldModel& model, const WorldWindow& area,
                                  const ValueAt& valueAt) {
    Comparison result;
    int count = 0;
    for (int row = 0; row < area.rows; ++row)
        for (int column = 0; column < area.columns; ++column) {
            const double x = area.xAt(column), y = area.yAt(row), v = valueAt(column, row);
            const auto expected = model.potentialAt({x, y});
            result.noValue += !expected;
            const bool same =
                expected ? std::fabs(v - *expected) <= 1e-12 * std::fabs(*expected) : std::isnan(v);
            if (!same && count++ == 0)
                result.mismatches =
                    std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(v);
        }
    if (count > 0) result.mismatches += " and " + std::to_string(count - 1) + " more";
    return result;
}

Comparison CompareWithScalarModel(const FieldModel& model, const WorldWindow& area) {
    const PotentialMap map = ComputePotentialMap(model, area);
    return CompareWithScalarModel(model, area,
                                  [&map](int column, int row) { return map.at(column, row); });
}

struct MapCase {
    const char* name;
    FieldModel model;
    WorldWindow area;
    bool holdsNoValue = false;
};

// Sizes where pixels mirror each other (500 columns about x = 0.5, 600 rows about y = 0) and rows
// hugging the axis beyond the segment's ends are included.
TEST(PotentialMap, EqualsTheScalarModelAtEveryPixelCentre) {
    using enum View;
    const double lambda = 1e-6;
    const MapCase cases[] = {
        {"exact, 100 %, 500 x 500", {lambda}, WorldWindow::forZoom(1, 500, 500)},
        {"exact, 100 %, 250 x 600", {lambda}, WorldWindow::forZoom(1, 250, 600)},
        {"exact, 10 %, 300 x 300, negative", {-5e-6}, WorldWindow::forZoom(0.1, 300, 300)},
        {"exact, along the axis", {lambda}, {-0.5, 0x1p-20, 2, 0x1p-19, 401, 3}, true},
        {"exact, 1e-9 off the axis", {lambda}, {-0.5, 1e-9, 2, 2e-9, 403, 2}},
        {"exact, profile, 25 %", {lambda, 0, Profile}, WorldWindow::forZoom(0.25, 240, 240)},
        {"5 charges, on them", {lambda, 5}, {0, 1e-3, 1, 2e-3, 5, 3}, true},
        {"50 charges, 100 %, 250 x 300", {lambda, 50}, WorldWindow::forZoom(1, 250, 300)},
        {"20 charges, 50 %, 120 x 120", {-lambda, 20}, WorldWindow::forZoom(0.5, 120, 120)},
        {"10 charges, profile, 100 %", {lambda, 10, Profile}, WorldWindow::forZoom(1, 126, 126)},
        {"5 charges, profile, near the axis",
         {lambda, 5, Profile},
         {-1e-3, 1e-3, 2e-3, 2e-3, 7, 7},
         true},
    };
    for (const MapCase& c : cases) {
        const auto [mismatches, noValue] = CompareWithScalarModel(c.model, c.area);
        EXPECT_EQ(mismatches, "") << c.name;
        EXPECT_EQ(noValue > 0, c.holdsNoValue) << c.name;
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

// A CPU without AVX2 gets the same map from narrower instructions.
TEST(PotentialMap, EveryInstructionSetGivesTheSameValues) {
    const WorldWindow area = WorldWindow::forZoom(0.5, 61, 67);
    std::vector<double> xs, volts(std::size_t(area.columns));
    for (int column = 0; column < area.columns; ++column) xs.push_back(area.xAt(column));
    for (const PotentialRowVariant& variant : PotentialRowVariants())
        for (int charges : {0, 20}) {
            const FieldModel model{1e-6, charges};
            const auto valueAt = [&](int column, int row) {
                if (column == 0)
                    variant.row(model, xs.data(), area.yAt(row), volts.data(), xs.size());
                return volts[std::size_t(column)];
            };
            EXPECT_EQ(CompareWithScalarModel(model, area, valueAt).mismatches, "")
                << variant.instructions << ", " << charges << " charges";
        }
}

}  // namespace
