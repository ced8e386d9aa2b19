// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The date dialog's correction of a clock time before a chart is cast: summer
// time taken off, the instant from the zone's standard offset, mean and true
// solar time of a longitude, and the four pillars of the chosen kind of time
// (year and month from the instant, day and hour from the chosen time), with
// the texts the dialog shows. The zone is a plain offset here; the chart page
// reads it from the tz database (ChartCalculation).
namespace ClockCorrection {

enum class TimeKind { Clock, Mean, True };

struct Input {
    int fields[5] = {0, 0, 0, 0, 0}; // clock year, month, day, hour, minute
    double zoneOffsetMinutes = 480;   // standard time ahead of UTC
    int summerMinutes = 0;            // the clock ahead of standard time
    double longitude = 120;           // degrees east
    // Clock time reads its solar times at the zone's meridian, so its mean
    // solar time is the standard clock itself.
    TimeKind kind = TimeKind::True;
    int switch11pm = 1; // 1: from 23:00 the day pillar is the next day's
};

struct Result {
    bool ok = false;            // false: a field or number out of range
    bool pillarsKnown = false;  // false for a moment the term tables do not reach
    int standardFields[5] = {0, 0, 0, 0, 0};
    double jdUtc = 0;           // Julian days; the clock's minute + 30 s
    double jdMeanSolar = 0;
    double jdTrueSolar = 0;
    double jdPillars = 0;       // the chosen kind of time
    double equationOfTimeDays = 0;
    int pillars[4] = {-1, -1, -1, -1};
    // "08:05", or "1999年12月31日 23:00" when either solar time falls on
    // another day than the standard clock.
    QString meanSolarText;
    QString trueSolarText;
};

Result correct(const Input &input);

// "+16:25" / "-04:07": a time difference in days as signed minutes and
// seconds, seconds dropped.
QString differenceText(double days);

// Standard meridian nearest to a longitude (degrees east), a multiple of 15;
// the date line stays ±180.
int nearestMeridian(double longitude);

} // namespace ClockCorrection
