// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JulianDay.h"

#include <QObject>

// The cycle and date rules the input pages need before a chart exists, one
// home for each, reachable from script code as the singleton CalendarRules.
// Stems 0..9 (甲..癸), branches 0..11 (子..亥), sixty-cycle indexes 0..59.
namespace CycleRules {

constexpr int mod(int x, int n) { return (x % n + n) % n; }

// The pillar whose stem and branch these are; -1 when their parities differ
// (no such pillar) or either is out of range.
constexpr int sixtyIndex(int stem, int branch)
{
    if (stem < 0 || stem > 9 || branch < 0 || branch > 11 || stem % 2 != branch % 2)
        return -1;
    return mod(6 * stem - 5 * branch, 60);
}

// 五虎遁: the month stems of a year follow from its stem; a 甲 or 己 year's
// 寅 month is 丙寅. monthBranch 2 (寅) is the first month.
constexpr int monthStem(int yearStem, int monthBranch)
{
    return mod(2 * yearStem + 2 + mod(monthBranch - 2, 12), 10);
}

// 五鼠遁: the hour stems of a day follow from its stem; a 甲 or 己 day's 子
// hour is 甲子.
constexpr int hourStem(int dayStem, int hourBranch) { return mod(2 * dayStem + hourBranch, 10); }

static_assert(sixtyIndex(0, 0) == 0 && sixtyIndex(9, 11) == 59 && sixtyIndex(0, 1) == -1, "甲子, 癸亥, none");
static_assert(monthStem(0, 2) == 2 && monthStem(4, 2) == 0, "甲 year: 丙寅; 戊 year: 甲寅");
static_assert(hourStem(0, 0) == 0 && hourStem(1, 0) == 2, "甲 day: 甲子; 乙 day: 丙子");

} // namespace CycleRules

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
