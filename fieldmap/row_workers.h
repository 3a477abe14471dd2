#pragma once

#include <algorithm>
#include <thread>
#include <vector>

// Runs work(first, stride) once per core, each run taking the rows first,
// first + stride, ...; a small job stays on the calling thread.
template <class Work>
void ShareRowsAmongCores(int rows, const Work& work) {
    const int cores = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    const int workers = std::clamp(rows / 16, 1, cores);
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w)
        threads.emplace_back([&work, w, workers] { work(w, workers); });
    work(0, workers);
    for (std::thread& t : threads) t.join();
}
