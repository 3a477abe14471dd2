// The whole field at once: the potential map, the field grid and the voltmeter,
// for each charge shape. Each line's "target" counter is the time it must beat, ms.
#include <benchmark/benchmark.h>

#include "field/ring_field.h"
#include "field/segment_field.h"
#include "fieldmap/colour_scale.h"
#include "fieldmap/field_grid.h"
#include "fieldmap/potential_map.h"
#include "fieldmap/voltmeter.h"

namespace {

constexpr double kLambda = 1e-6;

FieldModel Shaped(const ChargeDistribution& shape, int charges) {
    return {kLambda, charges, View::Front, &shape};
}

// The drawing surface's window at 100 % on a 500-pixel surface at scale factor
// s, recomputed into the map the window keeps; coarseness c divides its pixels
// each way, as the window's first map of a disk does.
void Map(benchmark::State& state, const FieldModel& model, int scale, double targetMs,
         int coarseness = 1) {
    const int pixels = 500 * scale / coarseness;
    const WorldWindow area = WorldWindow::forZoom(1, pixels, pixels);
    PotentialMap map;
    for (auto _ : state) {
        ComputePotentialMap(model, area, map);
        benchmark::DoNotOptimize(map.volts.data());
    }
    state.SetItemsProcessed(state.iterations() * area.columns * area.rows);
    state.counters["target"] = targetMs;
}
void BM_MapExact500(benchmark::State& state) { Map(state, {kLambda}, 1, 2); }
void BM_MapExact1000(benchmark::State& state) { Map(state, {kLambda}, 2, 8); }
void BM_MapCharges500(benchmark::State& state) { Map(state, {kLambda, 50}, 1, 12); }
void BM_MapCharges1000(benchmark::State& state) { Map(state, {kLambda, 50}, 2, 33); }
void BM_MapGrowing500(benchmark::State& state) { Map(state, Shaped(GrowingSegment(), 0), 1, 2); }
void BM_MapGrowingCharges500(benchmark::State& state) {
    Map(state, Shaped(GrowingSegment(), 50), 1, 12);
}
void BM_MapRing500(benchmark::State& state) { Map(state, Shaped(Ring(), 0), 1, 16); }
void BM_MapRingProfile500(benchmark::State& state) {
    Map(state, {kLambda, 0, View::Profile, &Ring()}, 1, 16);
}
void BM_MapRingCharges500(benchmark::State& state) { Map(state, Shaped(Ring(), 50), 1, 12); }
// The disk's maps are computed off the window's thread; the window waits only
// for the coarse one.
void BM_MapDisk500(benchmark::State& state) { Map(state, Shaped(Disk(), 0), 1, 500); }
void BM_MapDiskCoarse500(benchmark::State& state) { Map(state, Shaped(Disk(), 0), 1, 16, 4); }
void BM_MapDiskProfile500(benchmark::State& state) {
    Map(state, {kLambda, 0, View::Profile, &Disk()}, 1, 500);
}
void BM_MapDiskRings500(benchmark::State& state) { Map(state, Shaped(Disk(), 50), 1, 500); }
void BM_MapDiskRingsCoarse500(benchmark::State& state) { Map(state, Shaped(Disk(), 50), 1, 16, 4); }
BENCHMARK(BM_MapExact500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapExact1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapCharges500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapCharges1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapGrowing500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapGrowingCharges500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapRing500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapRingProfile500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapRingCharges500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapDisk500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapDiskCoarse500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapDiskProfile500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapDiskRings500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MapDiskRingsCoarse500)->Unit(benchmark::kMillisecond)->UseRealTime();

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
void Grid(benchmark::State& state, const FieldModel& model) {
    for (auto _ : state) benchmark::DoNotOptimize(ViewFieldGrid(model, 1));
    state.counters["target"] = 2;
}
void BM_GridExact(benchmark::State& state) { Grid(state, {kLambda}); }
void BM_GridCharges(benchmark::State& state) { Grid(state, {kLambda, 50}); }
void BM_GridGrowing(benchmark::State& state) { Grid(state, Shaped(GrowingSegment(), 0)); }
void BM_GridRing(benchmark::State& state) { Grid(state, Shaped(Ring(), 0)); }
void BM_GridRingCharges(benchmark::State& state) { Grid(state, Shaped(Ring(), 50)); }
void BM_GridDisk(benchmark::State& state) { Grid(state, Shaped(Disk(), 0)); }
void BM_GridDiskRings(benchmark::State& state) { Grid(state, Shaped(Disk(), 50)); }
BENCHMARK(BM_GridExact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridCharges)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridGrowing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridRing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridRingCharges)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridDiskRings)->Unit(benchmark::kMillisecond);

// The slowest kinds of path: along the charge a tenth of a millimetre from
// it, the closest the voltmeter integrates beside a charge, and from 1e9 m
// away, the farthest point the boxes take, to a centimetre from it.
void Voltmeter(benchmark::State& state, const FieldModel& model, WorldPoint a, WorldPoint b) {
    for (auto _ : state) benchmark::DoNotOptimize(ReadVoltmeter(model, a, b, 1));
    state.counters["target"] = 1;
}
constexpr WorldPoint kAlongStart{-0.09, 1e-4}, kAlongEnd{1.2, 1e-4};
constexpr WorldPoint kFar{1e9, 1e9}, kBeside{0.6, 0.01};
// Along the cut of the ring or the disk, from below to above it.
constexpr WorldPoint kAcrossLow{0.5002, -0.6}, kAcrossHigh{0.5002, 0.6};
void BM_VoltmeterNearExact(benchmark::State& state) {
    Voltmeter(state, {kLambda}, kAlongStart, kAlongEnd);
}
void BM_VoltmeterNearCharges(benchmark::State& state) {
    Voltmeter(state, {kLambda, 50}, kAlongStart, kAlongEnd);
}
void BM_VoltmeterFarExact(benchmark::State& state) { Voltmeter(state, {kLambda}, kFar, kBeside); }
void BM_VoltmeterFarCharges(benchmark::State& state) {
    Voltmeter(state, {kLambda, 50}, kFar, kBeside);
}
void BM_VoltmeterNearGrowing(benchmark::State& state) {
    Voltmeter(state, Shaped(GrowingSegment(), 0), kAlongStart, kAlongEnd);
}
// Across the cut of the ring (shape 0) or the disk (1), exact or as 50 charges.
void BM_VoltmeterAcross(benchmark::State& state) {
    const ChargeDistribution& shape = state.range(0) == 0 ? Ring() : Disk();
    Voltmeter(state, Shaped(shape, int(state.range(1))), kAcrossLow, kAcrossHigh);
}
void BM_VoltmeterFarDisk(benchmark::State& state) {
    Voltmeter(state, Shaped(Disk(), 0), kFar, kBeside);
}
BENCHMARK(BM_VoltmeterNearExact)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VoltmeterNearCharges)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VoltmeterFarExact)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VoltmeterFarCharges)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VoltmeterNearGrowing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VoltmeterAcross)
    ->ArgsProduct({{0, 1}, {0, 50}})
    ->ArgNames({"disk", "N"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VoltmeterFarDisk)->Unit(benchmark::kMicrosecond);

}  // namespace
