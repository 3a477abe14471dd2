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
    void printRatio(const char* what, const std::string& a, const std::string& b) const {
        if (seconds.count(a) && seconds.count(b))
            std::printf("%-50s %8.2f x\n", what, seconds.at(a) / seconds.at(b));
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
    ReportStartUp();
    benchmark::Shutdown();
    return 0;
}
