// SPDX-License-Identifier: GPL-3.0-or-later
#include "HourCandidates.h"

#include <algorithm>

std::vector<HourCandidate> HourCandidates::of(int malefemale, int solarlunar, int year, int month, int day, int isleap,
                                              double ztyJdPlus, int switch11pm, LuckRule rule, LuckDirection direction)
{
    std::vector<HourCandidate> out;
    out.reserve(count);
    for (int branch = 0; branch < count; ++branch) {
        HourCandidate c;
        c.branch = branch;
        c.hour = branch == 0 ? 0 : 2 * branch;
        c.minute = branch == 0 ? 30 : 0;
        TimePoints tp;
        if (tp.launchTimePointSets(solarlunar, year, month, day, c.hour, c.minute, isleap, ztyJdPlus, switch11pm)
            != TimePoints::Launched)
            return {};
        std::copy_n(tp.chacs.begin(), 4, c.pillars.begin());
        c.luck = LuckStart::compute(tp, LuckStart::runsForward(c.pillars[0], malefemale, direction), rule);
        out.push_back(c);
    }
    return out;
}
