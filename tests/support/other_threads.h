#pragma once

#include <chrono>
#include <filesystem>
#include <iterator>
#include <thread>

// Qt's pool threads (image conversion, file dialogs) are joined when the
// application object goes, but each still drops its own thread data a moment
// after it is joined. The leak check at exit would count that data if the
// process ended first, so a test program waits, briefly, until it runs alone.
inline void waitUntilTheOnlyThread() {
    using namespace std::chrono_literals;
    const auto threads = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/task"),
                             std::filesystem::directory_iterator());
    };
    for (auto waited = 0ms; threads() > 1 && waited < 5s; waited += 1ms)
        std::this_thread::sleep_for(1ms);
}
