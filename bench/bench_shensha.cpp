// SPDX-License-Identifier: GPL-3.0-or-later
// updateShenShaRel with all ten columns present, as the chart page calls it
// when a flow day is selected. Log saving is off, as in a normal run.
#include "AppContext.h"
#include "GetShenShaRelations.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

// CPU time of this thread: on a shared machine wall time also counts the
// time other processes held the cores.
double threadCpuMicroseconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e6 + double(ts.tv_nsec) / 1e3;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    AppLog::install();
    AppLog::setSaving(0);

    GetShenShaRelations relations;
    int listeners = 0;
    // A page redraws on the counter signal; one cheap listener keeps the emit honest.
    QObject::connect(&relations, &GetShenShaRelations::tagForChangedCntChanged, [&] { ++listeners; });

    constexpr int rounds = 5;
    constexpr int calls = 20000;
    double best = 1e30;
    double bestCpu = 1e30;
    std::size_t strings = 0;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = threadCpuMicroseconds();
        for (int i = 0; i < calls; ++i) {
            // Walk through varied charts: every column moves at its own pace.
            const int k = i % 60;
            relations.updateShenShaRel(k, (k + 14) % 60, (k * 7) % 60, (k * 13 + 5) % 60, (k + 3) % 60,
                                       (k * 11 + 1) % 60, (k + 30) % 60, (k * 17 + 2) % 60, (k + 9) % 60,
                                       (k * 19 + 4) % 60);
            for (int column = 0; column < GetShenShaRelations::columnCount; ++column)
                strings += std::size_t(relations.zhu(column).size());
        }
        const double cpuPerCall = (threadCpuMicroseconds() - cpuStart) / calls;
        const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
        const double perCall = elapsed.count() / calls;
        std::printf("round %d: %.2f us per call (wall), %.2f us (cpu)\n", round + 1, perCall, cpuPerCall);
        if (perCall < best)
            best = perCall;
        if (cpuPerCall < bestCpu)
            bestCpu = cpuPerCall;
    }
    std::printf("updateShenShaRel, ten columns: best %.2f us per call wall, %.2f us cpu (target < 20 us); "
                "%.1f relation strings per call; %d signals seen\n",
                best, bestCpu, double(strings) / (double(rounds) * calls), listeners);
    return 0;
}
