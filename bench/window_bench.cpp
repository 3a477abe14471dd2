// Click actions and families of equipotentials through the real window,
// offscreen, each including the repaint it causes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "field/shapes.h"
#include "tests/support/window_driver.h"

namespace {

// Clicks at a point again and again with the given choices made.
void ClickAction(benchmark::State& state, const std::function<void(WindowDriver&)>& choose,
                 bool profile, double x, double y) {
    WindowDriver driver;
    driver.chooseZoom(int(state.range(0)));
    if (profile) driver.chooseView(View::Profile);
    choose(driver);
    for (auto _ : state) {
        driver.clickAt(x, y);
        QApplication::processEvents();
    }
}

void BM_ClickExactFieldAndArrow(benchmark::State& state) {
    ClickAction(
        state, [](WindowDriver& d) { d.chooseIntegral(); }, false, 0.6, 0.4);
}
void BM_ClickFiftyElementsWithArrows(benchmark::State& state) {
    ClickAction(
        state, [](WindowDriver& d) { d.chooseModel(50), d.showElementArrows(); }, false, 0.6, 0.4);
}
void BM_ClickFieldLine(benchmark::State& state) {
    ClickAction(
        state, [](WindowDriver& d) { d.chooseAction(Action::FieldLine); }, false, 0.6, 0.4);
}
void BM_ClickEquipotential(benchmark::State& state) {
    ClickAction(
        state, [](WindowDriver& d) { d.chooseAction(Action::Equipotential), d.acceptLines(); },
        false, 0.6, 0.4);
}
void BM_ClickProfileField(benchmark::State& state) {
    ClickAction(
        state, [](WindowDriver&) {}, true, 0.3, 0.4);
}
// A click off the charge for each shape (arg: its place in the menu "Carga";
// N, 0 for the integral, the N elements with their arrows), the repaint included.
void BM_ClickEachShape(benchmark::State& state) {
    WindowDriver driver;
    const ChargeDistribution& shape = *ChargeShapes()[std::size_t(state.range(0))];
    driver.chooseShape(shape);
    if (state.range(1) == 0)
        driver.chooseIntegral();
    else
        driver.chooseModel(int(state.range(1))), driver.showElementArrows();
    for (auto _ : state) {
        driver.clickAt(0.8, 0.3);
        QApplication::processEvents();
    }
    state.SetLabel(shape.words().commandWord);
}
// The same click with the potential map and the field grid under the drawing.
void BM_ClickOverMapAndGrid(benchmark::State& state) {
    WindowDriver driver;
    driver.chooseZoom(int(state.range(0)));
    driver.toggleMap();
    driver.toggleGrid();
    for (auto _ : state) {
        driver.clickAt(0.6, 0.4);
        QApplication::processEvents();
    }
}
// The map and the grid following a change of N (N = 50 and the integral in
// turn), the repaint included.
void BM_MapAndGridFollowTheModel(benchmark::State& state) {
    WindowDriver driver;
    driver.toggleMap();
    driver.toggleGrid();
    bool exact = false;
    for (auto _ : state) {
        driver.chooseModel((exact = !exact) ? kExactModel : 50);
        QApplication::processEvents();
    }
}
// With the voltmeter open, "Calcular" at a point 10 km away and then beside
// the segment, in turn: the path across the whole view, 4 million pixels
// long, and its integral (arg: N, 0 for the integral), the repaint included.
void BM_VoltmeterFollowsAFarPath(benchmark::State& state) {
    WindowDriver driver;
    driver.chooseModel(int(state.range(0)));
    driver.toggleVoltmeter();
    bool far = false;
    for (auto _ : state) {
        far = !far;
        driver.calculateAt(far ? "1e4" : "0,6", far ? "1e4" : "0,01");
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ClickOverMapAndGrid)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VoltmeterFollowsAFarPath)->Arg(0)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapAndGridFollowTheModel)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_ClickExactFieldAndArrow)->Arg(100)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickFiftyElementsWithArrows)->Arg(100)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickFieldLine)->Arg(100)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickEquipotential)->Arg(100)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickProfileField)->Arg(100)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickEachShape)->ArgsProduct({{0, 1, 2, 3}, {0, 50}})->Unit(benchmark::kMicrosecond);

// A whole family with the default step of the zoom, for each shape (arg:
// the zoom, the shape's place in the menu "Carga"). A zero-interval timer
// fires at every yield of the scan, which gives the longest stretch between two.
void BM_EquipotentialFamily(benchmark::State& state) {
    WindowDriver driver;
    const ChargeDistribution& shape = *ChargeShapes()[std::size_t(state.range(1))];
    state.SetLabel(shape.words().commandWord);
    driver.chooseShape(shape);
    driver.chooseZoom(int(state.range(0)));
    driver.chooseAction(Action::Equipotential);
    driver.chooseSetOfLines();
    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    QTimer yieldProbe;
    yieldProbe.setInterval(0);
    QObject::connect(&yieldProbe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    for (auto _ : state) {
        state.PauseTiming();
        driver.clear();
        QApplication::processEvents();
        yieldProbe.start();
        clock.start();
        last = 0;
        state.ResumeTiming();
        driver.acceptLines();
        state.PauseTiming();
        longest = std::max(longest, clock.nsecsElapsed() - last);
        yieldProbe.stop();
        state.ResumeTiming();
    }
    state.counters["longest_stretch_ms"] = static_cast<double>(longest) / 1e6;
}
BENCHMARK(BM_EquipotentialFamily)
    ->ArgsProduct({{100, 10}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
