// The exact field beside the floor of its libm work, on the same points.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "field/ring_field.h"
#include "field/segment_field.h"
#include "field/shapes.h"
#include "trace/geometry.h"

namespace {

// A spread of points over the window at 100 %, off the axis.
std::vector<WorldPoint> SpreadOfPoints() {
    std::vector<WorldPoint> points;
    for (int i = 0; i < 32; ++i)
        for (int j = 0; j < 32; ++j)
            points.push_back({-0.1 + 1.2 * i / 31, -0.1 + 1.2 * (j + 0.5) / 32});
    return points;
}

void BM_ComputeField(benchmark::State& state) {
    const auto points = SpreadOfPoints();
    for (auto _ : state)
        for (const WorldPoint& p : points) benchmark::DoNotOptimize(ComputeField(p.x, p.y, 1e-6));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(points.size()));
}
BENCHMARK(BM_ComputeField);

// Only the two distances and the two logarithms ComputeField cannot avoid.
void BM_LibmFloor(benchmark::State& state) {
    const auto points = SpreadOfPoints();
    for (auto _ : state)
        for (const WorldPoint& p : points) {
            const double r1 = std::sqrt(p.x * p.x + p.y * p.y);
            const double r2 = std::sqrt((p.x - 1) * (p.x - 1) + p.y * p.y);
            benchmark::DoNotOptimize(std::log(2 * r2 + 2 - 2 * p.x) - std::log(2 * r1 - 2 * p.x));
        }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(points.size()));
}
BENCHMARK(BM_LibmFloor);

// Each exact model of the other shapes (ChargeShapes() 1, 2, 3: the growing
// segment, the ring, the disk) where it costs most: 32 points 1e-6 m from the
// charge (its end, the wire, the rim: Carlson's integrals, R_J for the disk)
// or 1e3 m away (the series, the disk's multipoles).
std::vector<SpacePoint> PointsAround(SpacePoint centre, double distance) {
    std::vector<SpacePoint> points;
    for (int i = 0; i < 32; ++i) {
        const double angle = 2 * std::numbers::pi * (i + 0.5) / 32;
        points.push_back(
            {centre.x + distance * std::cos(angle), centre.y + distance * std::sin(angle), 0});
    }
    return points;
}

void BM_ExactShape(benchmark::State& state) {
    const ChargeDistribution& shape = *ChargeShapes().at(state.range(0));
    const bool near = state.range(1) == 0;
    const SpacePoint charge =
        state.range(0) == 1 ? SpacePoint{1, 0, 0} : SpacePoint{ring::kPlane, ring::kRadius, 0};
    const auto points = PointsAround(charge, near ? 1e-6 : 1e3);
    const char* names[] = {"", "growing segment", "ring", "disk"};
    state.SetLabel(std::string(names[state.range(0)]) +
                   (near ? ", 1e-6 m from the charge" : ", 1e3 m away"));
    for (auto _ : state)
        for (const SpacePoint& p : points) benchmark::DoNotOptimize(shape.exactField(p, 1e-6));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(points.size()));
}
BENCHMARK(BM_ExactShape)->ArgsProduct({{1, 2, 3}, {0, 1}});

}  // namespace
