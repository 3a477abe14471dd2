#pragma once

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

// Runs doRow(row) for every row, on every core: each thread takes the next
// row not yet taken, so a thread the system leaves waiting holds up at most
// one row. A small job stays on the calling thread.
template <class DoRow>
void ShareRowsAmongCores(int rows, const DoRow& doRow) {
    const int cores = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    const int workers = std::clamp(rows / 16, 1, cores);
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int row; (row = next.fetch_add(1, std::memory_order_relaxed)) < rows;) doRow(row);
    };
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
}
