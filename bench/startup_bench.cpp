// Start-up time and peak memory of the real window beside a bare Qt window.
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

ProcessRun MedianOf(const char* path, int runs) {
    std::vector<ProcessRun> all;
    for (int i = 0; i < runs; ++i) all.push_back(RunProcess(path));
    std::sort(all.begin(), all.end(),
              [](const ProcessRun& a, const ProcessRun& b) { return a.seconds < b.seconds; });
    return all[all.size() / 2];
}

}  // namespace

void ReportStartUp() {
    constexpr int kRuns = 21;
    RunProcess(STARTUP_PROBE);  // warm the file cache for both
    RunProcess(BARE_WINDOW_PROBE);
    const ProcessRun tervik = MedianOf(STARTUP_PROBE, kRuns);
    const ProcessRun bare = MedianOf(BARE_WINDOW_PROBE, kRuns);
    std::printf("%-50s %8.1f ms  peak %6ld KiB\n", "Start-up to first idle, Tervik (median)",
                tervik.seconds * 1e3, tervik.peakKilobytes);
    std::printf("%-50s %8.1f ms  peak %6ld KiB\n", "Start-up to first idle, bare Qt window",
                bare.seconds * 1e3, bare.peakKilobytes);
    std::printf("%-50s %8.2f x\n", "Start-up Tervik / bare window", tervik.seconds / bare.seconds);
    std::printf("%-50s %8.2f x\n", "Peak memory Tervik / bare window",
                double(tervik.peakKilobytes) / double(bare.peakKilobytes));
}
