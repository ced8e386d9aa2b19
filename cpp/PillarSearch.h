// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QVector>

// Every birth moment with four given pillars, to the minute. A chart's pillars
// change only at whole minutes (Jie and 立春 entries, clock hours, the day
// change), so the moments with the pillars form stretches of minutes; each is
// given by its first minute. The chart of a minute is the one beginWithTime
// casts for that solar clock time with no solar-time correction and the given
// day-change rule (switch11pm 1: the day changes at 23:00, 0: at midnight).
namespace PillarSearch {

struct Moment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// Stretches that begin between 1800-01-01 00:00 and the end of the day
// `until`, newest first; empty when no minute has the pillars or a pillar is
// outside 0..59.
QVector<Moment> findMoments(int yearChac, int monthChac, int dayChac, int hourChac, int switch11pm,
                            const QDate &until);

} // namespace PillarSearch
