// Building both plots for a new point: the data alone, and the window with
// the chart a new point changes refilled and all repainted, for N up to 200.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "plots/bisector.h"
#include "plots/convergence.h"
#include "plotwindow/plot_window.h"

namespace {

void BM_PlotDataForANewPoint(benchmark::State& state) {
    const int n = int(state.range(0));
    double y = 0.4;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BisectorSamples({1e-6, n}));
        benchmark::DoNotOptimize(ConvergenceSamples(0.6, y, 1e-6));
        y = y == 0.4 ? 0.41 : 0.4;
    }
}

void BM_PlotWindowFollowsANewPoint(benchmark::State& state) {
    PlotWindow plots;
    plots.show();
    QApplication::processEvents();
    const int n = int(state.range(0));
    double y = 0.4;
    for (auto _ : state) {
        plots.follow({1e-6, n, 0.6, y});
        QApplication::processEvents();  // the refresh
        plots.repaint();
        y = y == 0.4 ? 0.41 : 0.4;
    }
}

BENCHMARK(BM_PlotDataForANewPoint)->Arg(5)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlotWindowFollowsANewPoint)->Arg(5)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
