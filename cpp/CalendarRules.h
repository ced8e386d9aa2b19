// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CycleRules.h"
#include "JulianDay.h"

#include <QObject>

// The cycle and date rules the input pages need before a chart exists,
// reachable from script code as the singleton CalendarRules.
class CalendarRules : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE static int sixtyIndex(int stem, int branch) { return CycleRules::sixtyIndex(stem, branch); }
    Q_INVOKABLE static int monthStem(int yearStem, int monthBranch)
    {
        return CycleRules::monthStem(yearStem, monthBranch);
    }
    Q_INVOKABLE static int hourStem(int dayStem, int hourBranch) { return CycleRules::hourStem(dayStem, hourBranch); }
    Q_INVOKABLE static int monthBranch(int sinoMonth) { return CycleRules::monthBranch(sinoMonth); }
    Q_INVOKABLE static int sinoMonth(int monthBranch) { return CycleRules::sinoMonth(monthBranch); }
    Q_INVOKABLE static int yearPillar(int sinoYear) { return CycleRules::yearPillar(sinoYear); }
    // The day pillar of a civil date (the calendar of the date).
    Q_INVOKABLE static int dayPillar(int year, int month, int day);

    // Days in a month, Gregorian from October 1582 and Julian before; 0 for
    // a month outside 1..12.
    Q_INVOKABLE static int daysInMonth(int year, int month);
    // Whether the date exists (1582-10-05 .. 10-14 never did).
    Q_INVOKABLE static bool isValidDate(int year, int month, int day);
    // Day of the week, 0 Sunday .. 6 Saturday, in the calendar of the date.
    Q_INVOKABLE static int weekday(int year, int month, int day);
    // Julian day of a civil moment in the engine's time scale (UTC+8).
    Q_INVOKABLE static double julianDay(int year, int month, int day, int hour, int minute);
};
