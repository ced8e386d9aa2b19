// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Wall-clock and CPU time of this process. The build machine is shared, so
// the CPU time is the figure that says what the code costs.

#include <chrono>
#include <ctime>

struct BenchClock {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    std::clock_t cpu = std::clock();

    double wallSeconds() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count(); }
    double cpuSeconds() const { return double(std::clock() - cpu) / CLOCKS_PER_SEC; }
};
