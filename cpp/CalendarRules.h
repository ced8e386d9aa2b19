// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CycleRules.h"
#include "JulianDay.h"

#include <QDateTime>
#include <QObject>
#include <QVariant>

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
    // Stem 0..9 and branch 0..11 of a sixty-cycle index.
    Q_INVOKABLE static int stemOf(int pillar);
    Q_INVOKABLE static int branchOf(int pillar);
    // Index 0..23 of a sino month's Jie (middle false) or Qi (true) among
    // the 24 terms from 立春; month 13 is the next year's first.
    Q_INVOKABLE static int termIndex(int sinoMonth, bool middle);
    // The sino year of a Julian day of the engine's scale: it begins at 立春;
    // the civil year where the term tables do not reach.
    Q_INVOKABLE static int sinoYear(double jd);
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
    // The Julian day of that scale of an instant (the window's "now").
    Q_INVOKABLE static double julianDayOfInstant(const QDateTime &instant);
    // Date and time of a Julian day of that scale: { Y, M, D, h, m, s },
    // minutes and seconds truncated.
    Q_INVOKABLE static QVariantMap civilTime(double jd);
    // A lunar date (month 1..12, leap: the year's leap month of that number,
    // years 1800..2099) to its solar date in solar[3]. Answers 0, or -1 when
    // the year has no such leap month, -3 when the tables cannot place the
    // date, -7 when the month has no such day; *message is then the text for
    // the user ("当年农历无闰三月。", "无该农历日期。").
    static int solarOfLunar(int year, int month, int day, bool leap, int solar[3], QString *message = nullptr);
    // The same for script code: { code, y, m, d, message }.
    Q_INVOKABLE static QVariantMap lunarToSolar(int year, int month, int day, bool leap);
    // Name of a sixty-cycle index ("甲子"), empty outside 0..59.
    Q_INVOKABLE static QString pillarName(int index);

    // The date dialog's correction of a clock time (ClockCorrection):
    // timeKind "clock", "mean" or "true"; summerMinutes the clock's lead over
    // standard time. Answers { ok, meanSolarText, trueSolarText,
    // equationOfTimeText, pillars (4 indexes, -1 when the tables do not reach
    // the moment), pillarNames, jdUtc, jdMeanSolar, jdTrueSolar, jdPillars };
    // only { ok: false } for a date, time or number out of range.
    Q_INVOKABLE static QVariantMap solarTimeCorrection(int year, int month, int day, int hour, int minute,
                                                       double zoneOffsetMinutes, int summerMinutes, double longitude,
                                                       const QString &timeKind, int switch11pm);
    // "+16:25": a time difference in days as signed minutes and seconds.
    Q_INVOKABLE static QString differenceText(double days);
    // Standard meridian nearest to a longitude in degrees east; 120 for a
    // value that is not a number.
    Q_INVOKABLE static int nearestMeridian(const QVariant &longitude);

    // Summer time by the program's tables: region 0 mainland China, 1 Hong
    // Kong, 2 Taiwan; an unknown place (-1) always may have it, Singapore (3)
    // and anything else never. jd is a local moment.
    Q_INVOKABLE static bool inSummerTimeTable(double jd, const QVariant &region);
    // The same for a clock reading; a reading at a period's first midnight
    // is inside it.
    Q_INVOKABLE static bool clockInSummerTimeTable(int year, int month, int day, int hour, int minute,
                                                   const QVariant &region);
    // The periods of a region as [fromYear, fromMonth, fromDay, toYear, toMonth, toDay].
    Q_INVOKABLE static QVariantList summerTimePeriods(int region);

    // The month commander (月令当令) sentence of a school (0 子平真诠,
    // 1 网传盲派, 2 渊海子平) for month branch 0..11, days after the Jie term.
    Q_INVOKABLE static QString monthCommanderText(int school, int branch, double daysSinceJie);
};
