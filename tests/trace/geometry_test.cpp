#include "trace/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "field/segment_field.h"

namespace {

FieldAt ExactField(double lambda) {
    return [lambda](double x, double y) -> std::optional<FieldVector> {
        const auto f = ComputeField(x, y, lambda);
        if (!f) return std::nullopt;
        return FieldVector{f->Ex.toDouble(), f->Ey.toDouble()};
    };
}

double FocalSum(WorldPoint p) { return std::hypot(p.x, p.y) + std::hypot(p.x - 1, p.y); }
double FocalDifference(WorldPoint p) { return std::hypot(p.x, p.y) - std::hypot(p.x - 1, p.y); }

FieldLinePass Pass(WorldPoint start, double z, double lambda, bool outward) {
    const double h = (lambda < 0 ? -0.01 : 0.01) / z * (outward ? 1 : -1);
    const StopAfterStep stop =
        outward ? StopAfterStep([z](double x, double y) { return OutsideWorldWindow(x, y, z); })
                : StopAfterStep([z](double x, double y) { return InsideSegmentBox(x, y, z); });
    return TraceFieldLinePass(start, h, ExactField(lambda), stop, FieldLineStepLimit(start, h, z));
}

// At every zoom: the ellipse has 629, 315, 158 or 63 angle steps plus the
// closing point, keeps its focal sum, and starts at its left vertex.
TEST(Ellipse, ClosedCurveOfConstantFocalSumAtEveryZoom) {
    for (auto [zoom, points] : {std::pair{1.0, 630u}, {0.5, 316u}, {0.25, 159u}, {0.1, 64u}}) {
        const auto curve = EquipotentialEllipse(0.6, 0.4, zoom);
        EXPECT_EQ(curve.size(), points) << zoom;
        const double sum = FocalSum({0.6, 0.4});
        for (const WorldPoint& p : curve) ASSERT_NEAR(FocalSum(p), sum, 1e-12);
        EXPECT_NEAR(curve.front().x, 0.5 - sum / 2, 1e-12);
        EXPECT_NEAR(curve.front().y, 0, 1e-12);
        EXPECT_TRUE(curve.back().x == curve.front().x && curve.back().y == curve.front().y);
    }
    EXPECT_NEAR(EquipotentialEllipse(2, 0, 1)[314].x, 2, 1e-4);  // t ≈ π: the right vertex
    double top = 0;
    for (const WorldPoint& p : EquipotentialEllipse(0.5, 0.3, 1)) top = std::max(top, p.y);
    EXPECT_NEAR(top, 0.3, 1e-4);  // the semi-minor axis
}

// The field lines of the segment are the confocal hyperbolas |r1 − r2| = const:
// outward to just past the window's edge, inward into the box around the
// segment, at every zoom and for both signs of the density.
TEST(FieldLine, FollowsTheHyperbolaToTheEdgeAndToTheSegment) {
    const std::tuple<const char*, double, double, WorldPoint> cases[] = {
        {"100 %, above", 1, 1e-6, {0.8, 0.3}},
        {"50 %, negative density", 0.5, -5e-6, {0.2, 0.5}},
        {"25 %, beyond the end", 0.25, 1e-5, {1.3, 0.2}},
        {"10 %, far above, negative", 0.1, -1e-6, {0.5, 3}},
        {"100 %, on the axis beyond the end", 1, 1e-6, {1.05, 0}},
        {"10 %, before the start", 0.1, 1e-6, {-0.2, 0.1}}};
    for (auto [name, z, lambda, start] : cases) {
        const auto out = Pass(start, z, lambda, true);
        const auto in = Pass(start, z, lambda, false);
        for (const auto* pass : {&out, &in})
            for (const WorldPoint& p : pass->points)
                ASSERT_NEAR(FocalDifference(p), FocalDifference(start), 0.03 / z) << name;
        const WorldPoint end = out.points.back();
        EXPECT_TRUE(OutsideWorldWindow(end.x, end.y, z)) << name;
        EXPECT_FALSE(OutsideWorldWindow(out.points.end()[-2].x, out.points.end()[-2].y, z)) << name;
        EXPECT_TRUE(InsideSegmentBox(in.points.back().x, in.points.back().y, z)) << name;
        const WorldPoint last = in.points.end()[-1], before = in.points.end()[-2];
        EXPECT_NEAR(std::hypot(last.x - before.x, last.y - before.y), 0.01 / z, 1e-12) << name;
    }
    EXPECT_TRUE(InsideSegmentBox(1.0019, 0.0899, 0.1) && InsideSegmentBox(-0.0019, -0.0899, 0.1));
    EXPECT_FALSE(InsideSegmentBox(1.0021, 0, 0.1));  // x limits fixed, y limits scaled
    EXPECT_FALSE(InsideSegmentBox(0.5, 0.0091, 1));
}

// A line from far outside the window still reaches the segment; one from
// where the field is below 0.001 V/m is not followed at all.
TEST(FieldLine, DistantStartsEnd) {
    const auto in = Pass({150, 150}, 1, 1e-6, false);
    EXPECT_TRUE(InsideSegmentBox(in.points.back().x, in.points.back().y, 1));
    EXPECT_EQ(Pass({1e5, 0}, 1, 1e-6, false).points.size(), 1u);
    EXPECT_LE(FieldLineStepLimit({1e300, 0}, 0.01, 1), 7'000'000);
}

// A set of equipotentials: a line at the first position; then one each time
// |V| has fallen by the step from the previous line's; the scan ends once
// the next level would be below zero. Visits of (first, V, step) and what
// each decides, worked by hand.
TEST(EquipotentialLevels, DrawsAtEachStepAndStopsBelowZero) {
    struct Visit {
        bool first;
        double potential;
        long long step;
        int lines;
        bool stop;
    };
    const std::tuple<const char*, std::vector<Visit>> cases[] = {
        {"falling by steps of 10000 V",
         {{true, 30000, 10000, 1, false},
          {false, 25000, 10000, 0, false},
          {false, 20000, 10000, 1, false},
          {false, 10000.5, 10000, 0, false},
          {false, -9000, 10000, 1, false},
          {false, 5000, 10000, 0, true}}},
        {"a first potential below the step ends the scan at once", {{true, -5000, 10000, 1, true}}},
        {"a step of 0 draws the first position twice", {{true, 100, 0, 2, false}}},
        {"the step in force at each visit counts: the zoom may change it",
         {{true, 30000, 10000, 1, false},
          {false, 20000, 1000, 1, false},
          {false, 19500, 1000, 0, false},
          {false, 19000, 1000, 1, false}}}};
    for (const auto& [name, visits] : cases) {
        EquipotentialLevels levels;
        for (std::size_t k = 0; k < visits.size(); ++k) {
            const Visit& v = visits[k];
            const auto decision = levels.visit(v.first, v.potential, v.step);
            EXPECT_EQ(decision.linesToDraw, v.lines) << name << ", visit " << k;
            EXPECT_EQ(decision.stop, v.stop) << name << ", visit " << k;
        }
    }
}

}  // namespace
