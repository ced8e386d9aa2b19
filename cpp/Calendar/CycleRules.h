// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sixty-cycle rules, one home for each: the chart engine and the
// CalendarRules facade both use these.
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

// The year pillar of a sino year: 1984 is 甲子.
constexpr int yearPillar(int sinoYear) { return mod(sinoYear - 1984, 60); }

// Sino month 1 is the 寅 month (建寅), month 11 the 子 month.
constexpr int monthBranch(int sinoMonth) { return mod(sinoMonth + 1, 12); }
constexpr int sinoMonth(int monthBranch) { return mod(monthBranch - 2, 12) + 1; }

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
static_assert(yearPillar(1984) == 0 && yearPillar(1983) == 59, "甲子, 癸亥");
static_assert(monthBranch(1) == 2 && monthBranch(11) == 0 && sinoMonth(1) == 12, "寅, 子; 丑 is month 12");
static_assert(monthStem(0, 2) == 2 && monthStem(4, 2) == 0, "甲 year: 丙寅; 戊 year: 甲寅");
static_assert(hourStem(0, 0) == 0 && hourStem(1, 0) == 2, "甲 day: 甲子; 乙 day: 丙子");

} // namespace CycleRules
