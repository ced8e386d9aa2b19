// SPDX-License-Identifier: GPL-3.0-or-later
// Times the calendar engine: one launchTimePointSets, and the lunar conversion
// of every Gregorian day 1800-01-01..2099-12-31. Build in Release for figures.

#include "BenchClock.h"
#include "TimePoints.h"

#include <cstdio>
#include <vector>

namespace {

struct Day {
    int year, month, day;
};

std::vector<Day> allDays()
{
    std::vector<Day> days;
    days.reserve(109573);
    for (int y = 1800; y <= 2099; ++y) {
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        const int lengths[12] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= lengths[m - 1]; ++d)
                days.push_back({y, m, d});
    }
    return days;
}

} // namespace

int main()
{
    const std::vector<Day> days = allDays();
    long checksum = 0;

    // launchTimePointSets over spread-out dates and clock times, solar and lunar.
    {
        TimePoints tp;
        const int calls = 2000000;
        const BenchClock clock;
        for (int i = 0; i < calls; ++i) {
            const Day &d = days[(i * 7919L) % long(days.size())];
            // One lunar input in eight; lunar 2099 may run past the term table.
            const int solarlunar = (i & 7) == 7 && d.year < 2099 ? 1 : 0;
            checksum += tp.launchTimePointSets(solarlunar, d.year, d.month, solarlunar ? (d.day > 29 ? 29 : d.day) : d.day,
                                               i % 24, i % 60, 0, 0, 1);
            checksum += tp.chacs[3];
        }
        std::printf("launchTimePointSets: %d calls, %.3f us CPU per call (%.3f us wall)\n", calls,
                    clock.cpuSeconds() / calls * 1e6, clock.wallSeconds() / calls * 1e6);
    }

    // The lunar date of every day 1800-2099 at noon.
    {
        TimePoints tp;
        TimePoints::Record solar(TimePoints::recordSize, 0);
        TimePoints::Record lunar(TimePoints::recordSize, 0);
        solar[3] = 12;
        double best = 1e9;
        for (int round = 0; round < 10; ++round) {
            const BenchClock clock;
            for (const Day &d : days) {
                solar[0] = d.year;
                solar[1] = d.month;
                solar[2] = d.day;
                checksum += tp.getLunarCalFromSolarCal(solar, lunar) ? lunar[2] : -1000000;
            }
            const double s = clock.cpuSeconds();
            if (s < best)
                best = s;
        }
        std::printf("lunar conversion of all %zu days 1800-2099: %.3f ms CPU (best of 10), %.1f ns per day\n",
                    days.size(), best * 1e3, best / double(days.size()) * 1e9);
    }
    std::printf("(checksum %ld)\n", checksum);
    return 0;
}
