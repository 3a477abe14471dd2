#include "trace/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "field/ring_field.h"
#include "field/segment_field.h"
#include "trace/level_curve.h"

namespace {

double FocalSum(WorldPoint p) { return std::hypot(p.x, p.y) + std::hypot(p.x - 1, p.y); }
double FocalDifference(WorldPoint p) { return std::hypot(p.x, p.y) - std::hypot(p.x - 1, p.y); }

// Both passes of the field line through `start`, in steps of 0.01/z along the
// model's field: outward until the window's edge or the charge, inward onto
// the charge, both within the step bound.
struct Passes {
    FieldLinePass out, in;
    long long limit;
};
Passes TracePasses(const FieldModel& model, WorldPoint start, double z) {
    const FieldAt field = [&model](double x, double y) -> std::optional<FieldVector> {
        const auto f = model.fieldAt({x, y});
        if (!f) return std::nullopt;
        return FieldVector{f->ex, f->ey};
    };
    const FieldLine line = TraceFieldLine(model, start, field, z);
    const double h = std::copysign(0.01, model.lambda) / z;
    return {line.outward, line.inward, FieldLineStepLimit(model, start, h, z)};
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

// A line from far outside the window still reaches the segment; one from
// where the field is below 0.001 V/m is not followed at all.
TEST(FieldLine, DistantStartsEnd) {
    const auto in = TracePasses(FieldModel{1e-6}, {150, 150}, 1).in;
    EXPECT_TRUE(UniformSegment().onDrawnCharge(View::Front, in.points.back(), 1));
    EXPECT_EQ(TracePasses(FieldModel{1e-6}, {1e5, 0}, 1).in.points.size(), 1u);
    EXPECT_LE(FieldLineStepLimit(FieldModel{1e-6}, {1e300, 0}, 0.01, 1), 7'000'000);
}

// Where the passes of a field line end, for every shape and view, zoom and
// sign: outward just past the window's edge, or where the field vanishes
// (inside the ring, at its centre, after at most one step past it); inward
// at the first step that ends on the charge as drawn or crosses it. The
// segment's lines in the front view are the confocal hyperbolas
// |r1 − r2| = const, and end inward after a whole step.
TEST(FieldLine, EndsAtTheEdgeOrOnTheChargeForEveryShape) {
    const WorldPoint edge{NAN, NAN};
    using enum View;
    const ChargeDistribution *segment = &UniformSegment(), *grow = &GrowingSegment(),
                             *ring = &Ring(), *disk = &Disk();
    const struct {
        const char* name;
        const ChargeDistribution* shape;
        View view;
        double z, lambda;
        WorldPoint start, outwardEnd;  // the point the outward pass ends by, or the edge
    } cases[] = {{"segment, 100 %, above", segment, Front, 1, 1e-6, {0.8, 0.3}, edge},
                 {"segment, 50 %, negative density", segment, Front, 0.5, -5e-6, {0.2, 0.5}, edge},
                 {"segment, 25 %, beyond the end", segment, Front, 0.25, 1e-5, {1.3, 0.2}, edge},
                 {"segment, 10 %, far above, negative", segment, Front, 0.1, -1e-6, {0.5, 3}, edge},
                 {"segment, on the axis beyond the end", segment, Front, 1, 1e-6, {1.05, 0}, edge},
                 {"segment, 10 %, before the start", segment, Front, 0.1, 1e-6, {-0.2, 0.1}, edge},
                 {"growing, above", grow, Front, 1, 1e-6, {0.8, 0.3}, edge},
                 {"growing, before its start, 10 %", grow, Front, 0.1, -1e-6, {-0.2, 0.1}, edge},
                 {"ring, beside", ring, Front, 1, 1e-6, {0.8, 0.3}, edge},
                 {"ring, on the axis", ring, Front, 0.5, 5e-6, {0.8, 0}, edge},
                 {"ring, inside, negative", ring, Front, 1, -1e-6, {0.7, 0.1}, edge},
                 {"disk, beside, 50 %", disk, Front, 0.5, -5e-6, {0.9, -0.4}, edge},
                 {"segment seen end-on", segment, Profile, 1, 1e-6, {0.3, 0.4}, edge},
                 {"ring, profile, outside", ring, Profile, 1, 1e-6, {0.6, 0.6}, edge},
                 {"ring, profile, to its centre", ring, Profile, 1, 1e-6, {0.3, 0.1}, {0, 0}},
                 {"disk, profile", disk, Profile, 0.25, 1e-5, {0.6, 0.6}, edge}};
    for (const auto& c : cases) {
        const FieldModel model{c.lambda, 0, c.view, c.shape};
        const auto [out, in, limit] = TracePasses(model, c.start, c.z);
        const WorldPoint end = out.points.back();
        if (std::isnan(c.outwardEnd.x)) {
            EXPECT_TRUE(OutsideWorldWindow(end.x, end.y, c.z)) << c.name;
        } else {
            const double run = std::hypot(c.start.x - c.outwardEnd.x, c.start.y - c.outwardEnd.y);
            EXPECT_LE(out.points.size(), run * c.z / 0.01 + 2) << c.name;
            EXPECT_LT(std::hypot(end.x - c.outwardEnd.x, end.y - c.outwardEnd.y), 0.01 / c.z)
                << c.name;
        }
        ASSERT_GE(in.points.size(), 2u) << c.name;
        for (std::size_t i = 1; i < in.points.size(); ++i)
            ASSERT_EQ(StepMeetsCharge(model, in.points[i - 1], in.points[i], c.z),
                      i + 1 == in.points.size())
                << c.name << " " << i;
        EXPECT_LT(static_cast<long long>(in.points.size()), limit) << c.name;
        if (c.shape != segment || c.view != Front) continue;
        for (const auto* pass : {&out, &in})
            for (const WorldPoint& p : pass->points)
                ASSERT_NEAR(FocalDifference(p), FocalDifference(c.start), 0.03 / c.z) << c.name;
        EXPECT_FALSE(OutsideWorldWindow(out.points.end()[-2].x, out.points.end()[-2].y, c.z))
            << c.name;
        const WorldPoint last = in.points.end()[-1], before = in.points.end()[-2];
        EXPECT_NEAR(std::hypot(last.x - before.x, last.y - before.y), 0.01 / c.z, 1e-12) << c.name;
    }
}

// The equipotential through a point, traced for every shape: every point on
// the level to 1e-9 of it, no step longer than 1.5 times 0.01/z (the Newton
// correction moves half a step across at most, the closing step a quarter
// more) or crossing the charge; closed where it comes back
// (below the window too), else ending far out or on the charge both ways.
// References: far off the ring the curve is nearly the circle of a point
// charge at its centre, V = kQ/r·(1 − R²/4r²·P₂ + ...) keeping the radius to
// (R/r)²/4, under 1 % at 7.5 m; a curve meeting the disk meets it where its
// potential on itself, 4kσR·E(ρ/R) (E the complete elliptic integral of the
// second kind), is the level, and goes on as its mirror image. The growing
// segment's light end has the finite potential 2kλ: a level above it pinches
// onto the segment there.
TEST(LevelCurve, OnTheLevelAndClosedOrEndingForEveryShape) {
    enum Ends { Closed, FarOut, OnCharge, Mirrored };
    const struct {
        const char* name;
        const ChargeDistribution& shape;
        double z, lambda;
        WorldPoint start;
        Ends ends;
        double farRadius = 0;  // from (0.5, 0), to 1 %
    } cases[] = {{"segment, traced", UniformSegment(), 1, 1e-6, {0.6, 0.4}, Closed},
                 {"growing, above", GrowingSegment(), 1, 1e-6, {0.9, 0.5}, Closed},
                 {"growing, far, negative", GrowingSegment(), 0.5, -5e-6, {1.5, 1}, Closed},
                 {"growing, above 2kλ", GrowingSegment(), 1, 1e-6, {0.6, 0.4}, OnCharge},
                 {"growing, above 2kλ, 10 %", GrowingSegment(), 0.1, -5e-6, {0.02, 0.05}, OnCharge},
                 {"ring, round both cuts", Ring(), 1, 1e-6, {1.0, 0}, Closed},
                 {"ring, round one cut", Ring(), 1, 1e-6, {0.53, 0.5}, Closed},
                 {"ring, negative, inside", Ring(), 0.5, -10e-6, {0.6, 0.2}, Closed},
                 {"ring, far, 10 %", Ring(), 0.1, 1e-6, {8, 0}, Closed, 7.5},
                 {"ring, beyond the window's width", Ring(), 1, 1e-6, {2, 0.5}, FarOut},
                 {"disk, round it", Disk(), 1, 1e-6, {1.0, 0.2}, Closed},
                 {"disk, meeting it", Disk(), 1, 1e-6, {0.55, 0}, Mirrored},
                 {"disk, meeting it, 25 %", Disk(), 0.25, -1e-6, {0.52, 0.3}, Mirrored}};
    for (const auto& c : cases) {
        const FieldModel model{c.lambda, 0, View::Front, &c.shape};
        const LevelCurve curve = TraceLevelCurve(model, c.start, c.z);
        ASSERT_EQ(curve.strokes.size(), c.ends == Mirrored ? 2u : 1u) << c.name;
        EXPECT_EQ(curve.closed, c.ends == Closed || c.ends == Mirrored) << c.name;
        EXPECT_EQ(curve.level, *model.potentialAt(c.start)) << c.name;
        for (const auto& stroke : curve.strokes) {
            ASSERT_GT(stroke.size(), 10u) << c.name;
            for (std::size_t i = 0; i < stroke.size(); ++i) {
                const WorldPoint p = stroke[i];
                ASSERT_NEAR(*model.potentialAt(p), curve.level, 1e-9 * std::fabs(curve.level))
                    << c.name << " " << i;
                if (c.farRadius > 0) {
                    ASSERT_NEAR(std::hypot(p.x - 0.5, p.y), c.farRadius, 0.01 * c.farRadius);
                }
                if (i == 0) continue;
                const WorldPoint q = stroke[i - 1];
                ASSERT_LE(std::hypot(p.x - q.x, p.y - q.y), 0.015 / c.z) << c.name << " " << i;
                ASSERT_FALSE(c.shape.pathMeetsCharge(View::Front, q, p)) << c.name << " " << i;
            }
        }
        const WorldPoint first = curve.strokes[0].front(), last = curve.strokes[0].back();
        if (c.ends == Closed) {
            EXPECT_TRUE(first.x == last.x && first.y == last.y) << c.name;
        } else if (c.ends == FarOut) {
            // Beyond the window at 100 % grown by its width, 1.2 m, on every side.
            for (const WorldPoint end : {first, last})
                EXPECT_TRUE(std::min(end.x, end.y) < -1.3 || std::max(end.x, end.y) > 2.3)
                    << c.name;
        } else {
            for (const WorldPoint end : {first, last})
                EXPECT_LT(c.shape.distanceFromCharge(View::Front, end), 1e-4 / c.z) << c.name;
        }
        if (c.ends == Mirrored) {
            const double kSigmaR = 9e9 * c.lambda * 0.5;
            for (const WorldPoint end : {first, last}) {
                const double onDisk = 4 * kSigmaR * std::comp_ellint_2(std::fabs(end.y) / 0.5);
                EXPECT_NEAR(onDisk, curve.level, 1e-4 * std::fabs(curve.level)) << c.name;
            }
            for (std::size_t i = 0; i < curve.strokes[0].size(); ++i)
                ASSERT_TRUE(curve.strokes[1][i].x == 1 - curve.strokes[0][i].x &&
                            curve.strokes[1][i].y == curve.strokes[0][i].y);
        }
    }
}

// A set of equipotentials: a line at the first position; then one each time
// |V| has fallen by the step from the previous line's; the scan ends once
// the next level would be below zero. Visits of (first, V, step) and what
// each decides (lines drawn, stop), worked by hand.
TEST(EquipotentialLevels, DrawsAtEachStepAndStopsBelowZero) {
    using Visit = std::tuple<bool, double, long long, int, bool>;
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
            const auto [first, potential, step, lines, stop] = visits[k];
            const auto decision = levels.visit(first, potential, step);
            EXPECT_EQ(decision.linesToDraw, lines) << name << ", visit " << k;
            EXPECT_EQ(decision.stop, stop) << name << ", visit " << k;
        }
    }
}

}  // namespace
