// Gauss's law: the figures the tool shows while a surface is dragged, and its
// plot of Φ against the radius, for each charge shape and both models. Each
// line's "target" counter is the time it must beat, ms.
#include <benchmark/benchmark.h>

#include "field/shapes.h"
#include "gauss/flux.h"

namespace {

constexpr double kLambda = 1e-6;

// The surfaces a drag meets: round the charge, through it, and the hardest:
// a hair (1 µm) from the elements, or with the charge lying on the surface.
GaussSurface SurfaceCase(int shape, int charges, int which) {
    switch (which) {
        case 0:
            return {SurfaceKind::Sphere, 0.5, 0.8, 1};
        case 1:
            return {SurfaceKind::Cylinder, 0.6, 0.3, 0.6};
        default:
            break;
    }
    const ChargeElement e = ChargeShapes()[shape]->element(1, std::max(charges, 1));
    const double rho = e.ringRadius > 0 ? e.ringRadius : std::hypot(e.centre.y, e.centre.z);
    if (charges == 0 && shape == 2) return {SurfaceKind::Sphere, 0.6, std::hypot(0.1, 0.5), 1};
    // A cylinder whose low cap passes 1 µm from element 1's plane, round it.
    return {SurfaceKind::Cylinder, e.centre.x + 0.25 + 1e-6, rho + 0.1, 0.5};
}

void BM_GaussFigures(benchmark::State& state) {
    const int shape = int(state.range(0)), charges = int(state.range(1));
    const FieldModel model{kLambda, charges, View::Front, ChargeShapes()[shape]};
    const GaussSurface surface = SurfaceCase(shape, charges, int(state.range(2)));
    double worst = 0;
    for (auto _ : state) {
        const GaussFigures f = GaussLaw(model, surface);
        worst = std::max(worst, std::fabs(f.relativeDifference));
        benchmark::DoNotOptimize(f);
    }
    state.counters["target"] = 16;
    state.counters["rel.diff"] = worst;
}
BENCHMARK(BM_GaussFigures)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 50}, {0, 1, 2, 3, 4}})
    ->ArgNames({"shape", "N", "surface"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_GaussSweep(benchmark::State& state) {
    const int shape = int(state.range(0)), charges = int(state.range(1));
    const FieldModel model{kLambda, charges, View::Front, ChargeShapes()[shape]};
    const GaussSurface surface{state.range(2) ? SurfaceKind::Cylinder : SurfaceKind::Sphere, 0.5,
                               0.8, 1};
    const SweepRange range = SweepRangeFor(surface);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            FluxAgainstRadius(model, surface, range.from, range.to, kSweepRadii));
    state.counters["target"] = 100;
}
BENCHMARK(BM_GaussSweep)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 50}, {0, 1}})
    ->ArgNames({"shape", "N", "cylinder"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
