#include "trace/geometry.h"

#include <gtest/gtest.h>

#include <cmath>

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

struct EllipseCase {
    double zoom;
    std::size_t points;  // the angle steps, plus the closing point
};

class Ellipse : public ::testing::TestWithParam<EllipseCase> {};

TEST_P(Ellipse, ClosedCurveOfConstantFocalSumThroughThePoint) {
    const auto points = EquipotentialEllipse(0.6, 0.4, GetParam().zoom);
    EXPECT_EQ(points.size(), GetParam().points);
    const double sum = FocalSum({0.6, 0.4});
    for (const WorldPoint& p : points) EXPECT_NEAR(FocalSum(p), sum, 1e-12);
    EXPECT_EQ(points.front().x, points.back().x);
    EXPECT_EQ(points.front().y, points.back().y);
    EXPECT_NEAR(points.front().x, 0.5 - sum / 2, 1e-12);  // the left vertex
}

INSTANTIATE_TEST_SUITE_P(Zooms, Ellipse,
                         ::testing::Values(EllipseCase{1, 630}, EllipseCase{0.5, 316},
                                           EllipseCase{0.25, 159}, EllipseCase{0.1, 64}));

TEST(Ellipse, PointsOnTheAxisAreVertices) {
    const auto right = EquipotentialEllipse(2, 0, 1);
    const auto left = EquipotentialEllipse(-1, 0, 1);
    EXPECT_NEAR(left.front().x, -1, 1e-12);
    EXPECT_NEAR(right[314].x, 2, 1e-4);  // t ≈ π
    double top = 0;
    for (const WorldPoint& p : EquipotentialEllipse(0.5, 0.3, 1)) top = std::max(top, p.y);
    EXPECT_NEAR(top, 0.3, 1e-4);  // the semi-minor axis
}

struct FieldLineCase {
    double zoom;
    double lambda;
};

class FieldLine : public ::testing::TestWithParam<FieldLineCase> {};

TEST_P(FieldLine, BisectorRunsStraightUpToTheEdgeAndDownToTheSegment) {
    const double z = GetParam().zoom, lambda = GetParam().lambda;
    const double h = (lambda < 0 ? -0.01 : 0.01) / z;
    const auto stopOut = [z](double x, double y) { return OutsideWorldWindow(x, y, z); };
    const auto stopIn = [z](double x, double y) { return InsideSegmentBox(x, y, z); };
    const auto out = TraceFieldLinePass({0.5, 0.3 / z}, h, ExactField(lambda), stopOut);
    const auto in = TraceFieldLinePass({0.5, 0.3 / z}, -h, ExactField(lambda), stopIn);
    for (const auto& p : out.points) EXPECT_NEAR(p.x, 0.5, 1e-9);
    for (const auto& p : in.points) EXPECT_NEAR(p.x, 0.5, 1e-9);
    EXPECT_GT(out.points.back().y, 1.1 / z);
    EXPECT_LT(out.points.back().y, 1.1 / z + 0.0100001 / z);
    EXPECT_LT(in.points.back().y, 0.009 / z);
    EXPECT_GT(in.points.back().y, -0.009 / z);
    EXPECT_NEAR(std::hypot(in.lastStep.x, in.lastStep.y), 0.01 / z, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(ZoomsAndSigns, FieldLine,
                         ::testing::Values(FieldLineCase{1, 1e-6}, FieldLineCase{0.5, -5e-6},
                                           FieldLineCase{0.25, 1e-5}, FieldLineCase{0.1, -1e-6}));

TEST(FieldLine, AlongTheAxisBeyondTheFarEnd) {
    const auto stopOut = [](double x, double y) { return OutsideWorldWindow(x, y, 1); };
    const auto stopIn = [](double x, double y) { return InsideSegmentBox(x, y, 1); };
    const auto out = TraceFieldLinePass({1.3, 0}, 0.01, ExactField(1e-6), stopOut);
    const auto in = TraceFieldLinePass({1.3, 0}, -0.01, ExactField(1e-6), stopIn);
    EXPECT_GT(out.points.back().x, 1.1);
    for (const auto& p : out.points) EXPECT_EQ(p.y, 0);
    EXPECT_LT(in.points.back().x, 1.002);
    EXPECT_GT(in.points.back().x, 0.99);
    EXPECT_TRUE(in.lastField.has_value());  // no failed evaluation on the way
}

// The field lines of the segment are the confocal hyperbolas |r1 − r2| = const.
TEST(FieldLine, FollowsTheConfocalHyperbola) {
    const auto stopOut = [](double x, double y) { return OutsideWorldWindow(x, y, 1); };
    for (WorldPoint start : {WorldPoint{0.8, 0.3}, {0.2, 0.5}, {1.3, 0.2}}) {
        const double difference = std::hypot(start.x, start.y) - std::hypot(start.x - 1, start.y);
        const auto out = TraceFieldLinePass(start, 0.01, ExactField(1e-6), stopOut);
        for (const auto& p : out.points)
            EXPECT_NEAR(std::hypot(p.x, p.y) - std::hypot(p.x - 1, p.y), difference, 0.01);
    }
}

TEST(EquipotentialLevels, FirstLineAlwaysThenEachStep) {
    EquipotentialLevels big;
    EXPECT_EQ(big.visit(true, 100, 1000).linesToDraw, 1);
    EXPECT_TRUE(big.visit(true, 100, 1000).stop);

    EquipotentialLevels zero;
    const auto first = zero.visit(true, 100, 0);
    EXPECT_EQ(first.linesToDraw, 2);  // the first position is drawn twice
    EXPECT_EQ(zero.visit(false, 99, 0).linesToDraw, 1);

    EquipotentialLevels tens;
    tens.visit(true, -100, 10);  // magnitudes: a negative density gives the same set
    EXPECT_EQ(tens.visit(false, -95, 10).linesToDraw, 0);
    EXPECT_EQ(tens.visit(false, -89, 10).linesToDraw, 1);
    EXPECT_EQ(tens.visit(false, -80, 10).linesToDraw, 0);  // level is 79 now
    EXPECT_EQ(tens.visit(false, -79, 10).linesToDraw, 1);
}

}  // namespace
