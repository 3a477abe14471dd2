// Click actions and families of equipotentials through the real window,
// offscreen, each including the repaint it causes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "tests/support/window_driver.h"

namespace {

const char* ZoomOption(long percent) {
    switch (percent) {
        case 10:
            return "zoomOptions_10";
        case 25:
            return "zoomOptions_25";
        case 50:
            return "zoomOptions_50";
        default:
            return "zoomOptions_100";
    }
}

// Clicks at a point again and again with the given options chosen.
void ClickAction(benchmark::State& state, std::initializer_list<const char*> options, bool profile,
                 double x, double y) {
    WindowDriver driver;
    driver.choose(ZoomOption(state.range(0)));
    if (profile) driver.choose("viewOptions_1");
    for (const char* option : options) driver.choose(option);
    for (auto _ : state) {
        driver.clickAt(x, y);
        QApplication::processEvents();
    }
}

void BM_ClickExactFieldAndArrow(benchmark::State& state) {
    ClickAction(state, {"modelOptions_0"}, false, 0.6, 0.4);
}
void BM_ClickFiftyElementsWithArrows(benchmark::State& state) {
    ClickAction(state, {"modelOptions_50", "elementArrowsBox"}, false, 0.6, 0.4);
}
void BM_ClickFieldLine(benchmark::State& state) {
    ClickAction(state, {"actionOptions_2"}, false, 0.6, 0.4);
}
void BM_ClickEquipotential(benchmark::State& state) {
    ClickAction(state, {"actionOptions_3", "acceptLinesButton"}, false, 0.6, 0.4);
}
void BM_ClickProfileField(benchmark::State& state) { ClickAction(state, {}, true, 0.3, 0.4); }
// The same click with the potential map and the field grid under the drawing.
void BM_ClickOverMapAndGrid(benchmark::State& state) {
    WindowDriver driver;
    driver.choose(ZoomOption(state.range(0)));
    driver.press(Qt::Key_M, Qt::ControlModifier);
    driver.press(Qt::Key_R, Qt::ControlModifier);
    for (auto _ : state) {
        driver.clickAt(0.6, 0.4);
        QApplication::processEvents();
    }
}
// The map and the grid following a change of N (N = 50 and the integral in
// turn), the repaint included.
void BM_MapAndGridFollowTheModel(benchmark::State& state) {
    WindowDriver driver;
    driver.press(Qt::Key_M, Qt::ControlModifier);
    driver.press(Qt::Key_R, Qt::ControlModifier);
    bool exact = false;
    for (auto _ : state) {
        driver.choose((exact = !exact) ? "modelOptions_0" : "modelOptions_50");
        QApplication::processEvents();
    }
}
// With the voltmeter open, "Calcular" at a point 10 km away and then beside
// the segment, in turn: the path across the whole view, 4 million pixels
// long, and its integral (arg: N, 0 for the integral), the repaint included.
void BM_VoltmeterFollowsAFarPath(benchmark::State& state) {
    WindowDriver driver;
    driver.choose(state.range(0) == 0 ? "modelOptions_0" : "modelOptions_50");
    driver.press(Qt::Key_T, Qt::ControlModifier);
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

// A whole family with the default step of the zoom. A zero-interval timer
// fires at every yield of the scan, which gives the longest stretch between two.
void BM_EquipotentialFamily(benchmark::State& state) {
    WindowDriver driver;
    driver.choose(ZoomOption(state.range(0)));
    driver.choose("actionOptions_3");
    driver.choose("lineOptions_1");
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
        driver.choose("clearButton");
        QApplication::processEvents();
        yieldProbe.start();
        clock.start();
        last = 0;
        state.ResumeTiming();
        driver.choose("acceptLinesButton");
        state.PauseTiming();
        longest = std::max(longest, clock.nsecsElapsed() - last);
        yieldProbe.stop();
        state.ResumeTiming();
    }
    state.counters["longest_stretch_ms"] = static_cast<double>(longest) / 1e6;
}
BENCHMARK(BM_EquipotentialFamily)
    ->Arg(100)
    ->Arg(50)
    ->Arg(25)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace
