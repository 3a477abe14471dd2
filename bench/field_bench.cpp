// The exact field beside the floor of its libm work, on the same points.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "field/segment_field.h"
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

}  // namespace
