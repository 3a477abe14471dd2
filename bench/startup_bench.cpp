// Start-up time and peak memory of the real window beside two plain Qt windows.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/ratios.h"

namespace {

struct ProcessRun {
    double seconds;
    long peakKilobytes;
};

ProcessRun RunProcess(const char* path) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execl(path, path, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), usage.ru_maxrss};
}

// The median time and the median peak of each probe, run in turn so that
// other work on the machine weighs on all of them alike.
std::vector<ProcessRun> MediansOf(const std::vector<const char*>& paths, int runs) {
    std::vector<std::vector<double>> seconds(paths.size());
    std::vector<std::vector<long>> peaks(paths.size());
    for (int i = 0; i < runs; ++i)
        for (size_t p = 0; p < paths.size(); ++p) {
            const ProcessRun run = RunProcess(paths[p]);
            seconds[p].push_back(run.seconds);
            peaks[p].push_back(run.peakKilobytes);
        }
    std::vector<ProcessRun> medians;
    for (size_t p = 0; p < paths.size(); ++p) {
        std::sort(seconds[p].begin(), seconds[p].end());
        std::sort(peaks[p].begin(), peaks[p].end());
        medians.push_back({seconds[p][runs / 2], peaks[p][runs / 2]});
    }
    return medians;
}

void PrintRun(const char* what, const ProcessRun& run) {
    std::printf("%-50s %8.1f ms  peak %6ld KiB\n", what, run.seconds * 1e3, run.peakKilobytes);
}

}  // namespace

void ReportStartUp() {
    constexpr int kRuns = 21;
    const std::vector<const char*> probes = {STARTUP_PROBE, BARE_WINDOW_PROBE, LABEL_WINDOW_PROBE};
    for (const char* probe : probes) RunProcess(probe);  // warm the file cache for all
    const std::vector<ProcessRun> medians = MediansOf(probes, kRuns);
    const ProcessRun &tervik = medians[0], &bare = medians[1], &label = medians[2];
    PrintRun("Start-up to first idle, Tervik (median)", tervik);
    PrintRun("Start-up to first idle, bare Qt window", bare);
    PrintRun("Start-up to first idle, window with a line of text", label);
    std::printf("%-50s %8.2f x\n", "Start-up Tervik / bare window", tervik.seconds / bare.seconds);
    std::printf("%-50s %8.2f x\n", "Start-up Tervik / window with a line of text",
                tervik.seconds / label.seconds);
    std::printf("%-50s %8.2f x\n", "Peak memory Tervik / window with a line of text",
                double(tervik.peakKilobytes) / double(label.peakKilobytes));
    std::printf("%-50s %+8.1f MiB\n", "Peak memory Tervik - window with a line of text",
                double(tervik.peakKilobytes - label.peakKilobytes) / 1024);
}
