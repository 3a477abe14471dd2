// The whole field at once: the potential map, the field grid and the voltmeter.
#include <benchmark/benchmark.h>

#include "fieldmap/colour_scale.h"
#include "fieldmap/field_grid.h"
#include "fieldmap/potential_map.h"
#include "fieldmap/voltmeter.h"

namespace {

constexpr double kLambda = 1e-6;

// The drawing surface's window at 100 % on a 500-pixel surface at scale factor
// s, recomputed into the map the window keeps.
void Map(benchmark::State& state, int charges, int scale) {
    const WorldWindow area = WorldWindow::forZoom(1, 500 * scale, 500 * scale);
    PotentialMap map;
    for (auto _ : state) {
        ComputePotentialMap({kLambda, charges}, area, map);
        benchmark::DoNotOptimize(map.volts.data());
    }
    state.SetItemsProcessed(state.iterations() * area.columns * area.rows);
}
void BM_MapExact500(benchmark::State& state) { Map(state, 0, 1); }
void BM_MapExact1000(benchmark::State& state) { Map(state, 0, 2); }
void BM_MapCharges500(benchmark::State& state) { Map(state, 50, 1); }
void BM_MapCharges1000(benchmark::State& state) { Map(state, 50, 2); }
BENCHMARK(BM_MapExact500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapExact1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapCharges500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapCharges1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Colouring the exact map of a 1000-pixel surface.
void BM_PaintMap1000(benchmark::State& state) {
    const WorldWindow area = WorldWindow::forZoom(1, 1000, 1000);
    const PotentialMap map = ComputePotentialMap({kLambda}, area);
    const ColourScale scale(FieldModel{kLambda}, area, 0xff000000);
    std::vector<std::uint32_t> pixels(std::size_t(area.columns) * area.rows);
    for (auto _ : state) {
        scale.paint(map, pixels.data(), area.columns);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_PaintMap1000)->Unit(benchmark::kMillisecond);

// 20 x 20 arrows over the view at 100 %.
void Grid(benchmark::State& state, int charges) {
    for (auto _ : state) benchmark::DoNotOptimize(ViewFieldGrid({kLambda, charges}, 1));
}
void BM_GridExact(benchmark::State& state) { Grid(state, 0); }
void BM_GridCharges(benchmark::State& state) { Grid(state, 50); }
BENCHMARK(BM_GridExact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridCharges)->Unit(benchmark::kMillisecond);

// The slowest kinds of path: along the segment a tenth of a millimetre from
// it, the closest the voltmeter integrates beside a charge, and from 1e9 m
// away, the farthest point the boxes take, to a centimetre from the segment.
void Voltmeter(benchmark::State& state, int charges, WorldPoint a, WorldPoint b) {
    for (auto _ : state) benchmark::DoNotOptimize(ReadVoltmeter({kLambda, charges}, a, b, 1));
}
constexpr WorldPoint kAlongStart{-0.09, 1e-4}, kAlongEnd{1.2, 1e-4};
constexpr WorldPoint kFar{1e9, 1e9}, kBeside{0.6, 0.01};
void BM_VoltmeterNearExact(benchmark::State& state) { Voltmeter(state, 0, kAlongStart, kAlongEnd); }
void BM_VoltmeterNearCharges(benchmark::State& state) {
    Voltmeter(state, 50, kAlongStart, kAlongEnd);
}
void BM_VoltmeterFarExact(benchmark::State& state) { Voltmeter(state, 0, kFar, kBeside); }
void BM_VoltmeterFarCharges(benchmark::State& state) { Voltmeter(state, 50, kFar, kBeside); }
BENCHMARK(BM_VoltmeterNearExact)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VoltmeterNearCharges)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VoltmeterFarExact)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VoltmeterFarCharges)->Unit(benchmark::kMicrosecond);

}  // namespace
