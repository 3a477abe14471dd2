// Runs every benchmark, then prints the ratios the targets are stated in.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <map>
#include <string>

#include "bench/ratios.h"

namespace {

// Keeps the time of each benchmark (its median when repeated), in seconds.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || run.run_type == Run::RT_Iteration)
                seconds[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }
    // The ratio of the times of a and b, each divided by the items it handles.
    void printRatio(const char* what, const std::string& a, const std::string& b, double itemsA = 1,
                    double itemsB = 1) const {
        if (seconds.count(a) && seconds.count(b))
            std::printf("%-50s %8.2f x\n", what, seconds.at(a) / itemsA / (seconds.at(b) / itemsB));
    }
    void printMilliseconds(const char* what, const std::string& name, double target) const {
        if (seconds.count(name))
            std::printf("%-50s %8.2f ms (target %g ms)\n", what, seconds.at(name) * 1e3, target);
    }
    std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.printRatio("ComputeField / its libm work (2 sqrt + 2 log)", "BM_ComputeField",
                        "BM_LibmFloor");
    reporter.printRatio("Exact map, 500 x 500, per pixel / libm work", "BM_MapExact500",
                        "BM_LibmFloor", 500 * 500, 32 * 32);
    reporter.printMilliseconds("Exact map, 500 x 500 (scale 1)", "BM_MapExact500", 2);
    reporter.printMilliseconds("Exact map, 1000 x 1000 (scale 2)", "BM_MapExact1000", 8);
    reporter.printMilliseconds("50-charge map, 500 x 500", "BM_MapCharges500", 12);
    reporter.printMilliseconds("50-charge map, 1000 x 1000", "BM_MapCharges1000", 33);
    reporter.printMilliseconds("Field grid, 20 x 20, 50 charges", "BM_GridCharges", 2);
    reporter.printMilliseconds("Voltmeter, 50 charges, along them", "BM_VoltmeterNearCharges", 1);
    reporter.printMilliseconds("Voltmeter, 50 charges, from 1e9 m", "BM_VoltmeterFarCharges", 1);
    reporter.printMilliseconds("Voltmeter window, a point 10 km away typed",
                               "BM_VoltmeterFollowsAFarPath", 16);
    ReportStartUp();
    benchmark::Shutdown();
    return 0;
}
