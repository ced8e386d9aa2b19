// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LuckStart.h"
#include "TimePoints.h"

#include <array>
#include <vector>

// When the hour of birth is unknown: the chart of each of the twelve
// double-hours of the birth day, taken at the double-hour's middle (子 at
// 00:30, the early 子 of the day; 丑 at 02:00 ... 亥 at 22:00).
struct HourCandidate {
    int branch = 0; // 0 子 .. 11 亥
    int hour = 0;
    int minute = 0;
    std::array<int, 4> pillars{};
    LuckStart luck;
};

class HourCandidates
{
public:
    static constexpr int count = 12;
    // Empty when the date cannot be placed (same rules as launchTimePointSets).
    static std::vector<HourCandidate> of(int malefemale, int solarlunar, int year, int month, int day, int isleap,
                                         double ztyJdPlus, int switch11pm, LuckRule rule, LuckDirection direction);
};
