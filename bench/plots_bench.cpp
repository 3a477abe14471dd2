// Building both plots for a new point, for each shape: the data alone, and
// the window with the chart a new point changes refilled and all repainted.
// The bisector takes the window's N (5 or 50), the convergence always N = 1 to 200.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "field/shapes.h"
#include "plots/bisector.h"
#include "plots/convergence.h"
#include "plotwindow/plot_window.h"

namespace {

const ChargeDistribution& ShapeOf(benchmark::State& state) {
    const ChargeDistribution& shape = *ChargeShapes().at(std::size_t(state.range(0)));
    state.SetLabel(shape.words().name);
    return shape;
}

void BM_PlotDataForANewPoint(benchmark::State& state) {
    const ChargeDistribution& shape = ShapeOf(state);
    const int n = int(state.range(1));
    double y = 0.4;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BisectorSamples({1e-6, n, View::Front, &shape}));
        benchmark::DoNotOptimize(ConvergenceSamples(shape, 0.6, y, 1e-6));
        y = y == 0.4 ? 0.41 : 0.4;
    }
}

void BM_PlotWindowFollowsANewPoint(benchmark::State& state) {
    const ChargeDistribution& shape = ShapeOf(state);
    PlotWindow plots;
    const int n = int(state.range(1));
    plots.follow({&shape, 1e-6, n, 0.6, 0.4});
    plots.show();
    QApplication::processEvents();
    double y = 0.4;
    for (auto _ : state) {
        plots.follow({&shape, 1e-6, n, 0.6, y});
        QApplication::processEvents();  // the refresh
        plots.repaint();
        y = y == 0.4 ? 0.41 : 0.4;
    }
}

BENCHMARK(BM_PlotDataForANewPoint)
    ->ArgsProduct({{0, 1, 2, 3}, {5, 50}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlotWindowFollowsANewPoint)
    ->ArgsProduct({{0, 1, 2, 3}, {5, 50}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
