// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The one chain from a wall clock to the moment the pillars are cast from,
// shared by the chart page and the command line (ChartCalculation, which reads
// the zone's offsets from the tz database) and the date dialog (correct(),
// with a plain offset): summer time taken off, the instant, mean and true
// solar time of a longitude, the chosen kind of time, the hour shift, and the
// moment handed to the engine (year and month from the instant, day and hour
// from the chosen time read to the minute, 23:00 rule by the caller's switch).
namespace ClockCorrection {

enum class TimeKind { Clock, Mean, True };

// A clock reading as a Julian day of its own clock, with the engine's half
// minute (TimePoints) so that the minute read back is the minute entered.
double clockJd(const int fields[5]);

// Whether a clock reading (solar year, month, day, hour, minute) lies in the
// engine's birth years and exists.
bool isValidClock(const int fields[5]);

// The clock with its offsets, read from the tz database or given by the dialog.
struct ClockReading {
    int fields[5] = {0, 0, 0, 0, 0}; // solar year, month, day, hour, minute
    double offsetSeconds = 8 * 3600; // the clock ahead of UTC, summer time included
    double summerSeconds = 0;        // of which summer time
    double longitude = 120;          // degrees east, for the solar times
    TimeKind kind = TimeKind::Clock;
    int hourShift = 0; // double-hours added to the chosen time
};

struct Chain {
    int standardFields[5] = {0, 0, 0, 0, 0}; // the clock with summer time taken off
    double jdUtc = 0;                          // Julian days; the clock's minute + 30 s
    double jdBeijing = 0;                      // the instant in the term tables' frame
    double jdMeanSolar = 0;
    double jdTrueSolar = 0;
    double equationOfTimeDays = 0;
    double jdPillars = 0;                  // the chosen kind of time after the hour shift
    int pillarFields[5] = {0, 0, 0, 0, 0}; // jdPillars read to the minute, for the engine
    double instantOffset = 0; // days from pillarFields to the instant, for the terms
};

Chain chain(const ClockReading &clock);

// The date dialog's correction.
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
    Chain chain;
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
