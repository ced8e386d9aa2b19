// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarRules.h"

#include "CalendarTables.h"
#include "ClockCorrection.h"
#include "MonthCommander.h"
#include "SummerTimeTable.h"
#include "TimePoints.h"
#include "Vocabulary.h"

#include <QVariantList>

#include <algorithm>
#include <cmath>

namespace {

template <std::size_t N>
bool inPeriods(double jd, const SummerTimeTable::Period (&periods)[N])
{
    for (const SummerTimeTable::Period &p : periods) {
        if (CalendarRules::julianDay(p.from[0], p.from[1], p.from[2], 0, 0) < jd
            && jd <= CalendarRules::julianDay(p.to[0], p.to[1], p.to[2], 0, 0))
            return true;
    }
    return false;
}

template <std::size_t N>
QVariantList periodList(const SummerTimeTable::Period (&periods)[N])
{
    QVariantList list;
    for (const SummerTimeTable::Period &p : periods)
        list.append(QVariant(QVariantList{p.from[0], p.from[1], p.from[2], p.to[0], p.to[1], p.to[2]}));
    return list;
}

} // namespace

int CalendarRules::stemOf(int pillar)
{
    return Vocabulary::stemOf(pillar);
}

int CalendarRules::branchOf(int pillar)
{
    return Vocabulary::branchOf(pillar);
}

int CalendarRules::termIndex(int sinoMonth, bool middle)
{
    return 2 * CycleRules::mod(sinoMonth - 1, 12) + (middle ? 1 : 0);
}

int CalendarRules::sinoYear(double jd)
{
    if (!std::isfinite(jd))
        return 0;
    const int year = JulianDay::getCalFromJulianDay(jd, JulianDay::gregorianFlagOf(jd)).year;
    const int row = year - CalendarTables::firstYear;
    if (row < 0 || row >= CalendarTables::rowCount)
        return year;
    return jd < CalendarTables::solarTerms[row][termIndex(1, false)] ? year - 1 : year;
}

int CalendarRules::daysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month != 2)
        return days[month - 1];
    const bool leap = year > 1582 ? (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 : year % 4 == 0;
    return leap ? 29 : 28;
}

bool CalendarRules::isValidDate(int year, int month, int day)
{
    if (day < 1 || day > daysInMonth(year, month))
        return false;
    return !(year == 1582 && month == 10 && day > 4 && day < 15);
}

double CalendarRules::julianDay(int year, int month, int day, int hour, int minute)
{
    const int gregorian = JulianDay::isGregorianDate(year, month, day) ? 1 : 0;
    return JulianDay::getJulianDayFromCal(year, month, day, hour + minute / 60.0, gregorian);
}

int CalendarRules::dayPillar(int year, int month, int day)
{
    return CycleRules::mod(JulianDay::dayNumberOf(julianDay(year, month, day, 12, 0)), 60);
}

int CalendarRules::weekday(int year, int month, int day)
{
    // Noon of the day is a whole Julian day; JD 0 fell on a Monday.
    const auto noon = static_cast<long long>(julianDay(year, month, day, 12, 0));
    return static_cast<int>((noon + 1) % 7);
}

double CalendarRules::julianDayOfInstant(const QDateTime &instant)
{
    constexpr double unixEpochJd = 2440587.5;
    constexpr double beijingDays = 8.0 / 24;
    if (!instant.isValid())
        return 0;
    return instant.toMSecsSinceEpoch() / 86400000.0 + unixEpochJd + beijingDays;
}

QVariantMap CalendarRules::civilTime(double jd)
{
    if (!std::isfinite(jd))
        return {};
    const JulianDay::CivilTime t = JulianDay::getCalFromJulianDay(jd, JulianDay::gregorianFlagOf(jd));
    const int hour = static_cast<int>(std::floor(t.hours));
    const double minutes = (t.hours - hour) * 60;
    const int minute = static_cast<int>(std::floor(minutes));
    return {{QStringLiteral("Y"), t.year}, {QStringLiteral("M"), t.month}, {QStringLiteral("D"), t.day},
            {QStringLiteral("h"), hour},   {QStringLiteral("m"), minute},  {QStringLiteral("s"), (minutes - minute) * 60}};
}

QString CalendarRules::pillarName(int index)
{
    return index >= 0 && index < 60 ? Vocabulary::jiaziName(index) : QString();
}

QVariantMap CalendarRules::solarTimeCorrection(int year, int month, int day, int hour, int minute,
                                               double zoneOffsetMinutes, int summerMinutes, double longitude,
                                               const QString &timeKind, int switch11pm)
{
    ClockCorrection::Input in;
    const int fields[5] = {year, month, day, hour, minute};
    std::copy(fields, fields + 5, in.fields);
    in.zoneOffsetMinutes = zoneOffsetMinutes;
    in.summerMinutes = summerMinutes;
    in.longitude = longitude;
    in.switch11pm = switch11pm;
    if (timeKind == QLatin1String("clock"))
        in.kind = ClockCorrection::TimeKind::Clock;
    else if (timeKind == QLatin1String("mean"))
        in.kind = ClockCorrection::TimeKind::Mean;
    else if (timeKind != QLatin1String("true"))
        return {{QStringLiteral("ok"), false}};
    const ClockCorrection::Result r = ClockCorrection::correct(in);
    if (!r.ok)
        return {{QStringLiteral("ok"), false}};
    QVariantList pillars;
    QVariantList names;
    for (int p : r.pillars) {
        pillars.append(p);
        names.append(pillarName(p));
    }
    return {{QStringLiteral("ok"), true},
            {QStringLiteral("meanSolarText"), r.meanSolarText},
            {QStringLiteral("trueSolarText"), r.trueSolarText},
            {QStringLiteral("equationOfTimeText"), ClockCorrection::differenceText(r.chain.equationOfTimeDays)},
            {QStringLiteral("equationOfTimeDays"), r.chain.equationOfTimeDays},
            {QStringLiteral("pillars"), pillars},
            {QStringLiteral("pillarNames"), names},
            {QStringLiteral("jdUtc"), r.chain.jdUtc},
            {QStringLiteral("jdMeanSolar"), r.chain.jdMeanSolar},
            {QStringLiteral("jdTrueSolar"), r.chain.jdTrueSolar},
            {QStringLiteral("jdPillars"), r.chain.jdPillars}};
}

int CalendarRules::solarOfLunar(int year, int month, int day, bool leap, int solar[3], QString *message)
{
    const bool inTables = year >= TimePoints::firstBirthYear && year <= TimePoints::lastBirthYear && month >= 1
        && month <= 12;
    TimePoints::Record lunar(TimePoints::recordSize, 0);
    lunar[0] = year;
    lunar[1] = month;
    lunar[2] = day;
    lunar[TimePoints::leapSlot] = leap ? 1 : 0;
    TimePoints tp;
    int code = 0;
    if (!inTables || day < 1 || day > 30 || !tp.getSolarCalFromLunarCal(lunar)) {
        // Only a year without that leap month gets the leap message; a day
        // past the end of a leap month that exists is a date that does not.
        const int length = inTables ? TimePoints::lunarMonthLength(year, month, leap) : 0;
        code = inTables && leap && length == 0 ? -1 : length > 0 && day > length ? -7 : -3;
    } else {
        // The date must come back unchanged.
        TimePoints::Record back(TimePoints::recordSize, 0);
        TimePoints check;
        if (!check.getLunarCalFromSolarCal(tp.solarCal, back) || back[0] != year || back[1] != month
            || back[2] != day || back[TimePoints::leapSlot] != lunar[TimePoints::leapSlot])
            code = -7;
    }
    if (code == 0)
        std::copy(tp.solarCal.cbegin(), tp.solarCal.cbegin() + 3, solar);
    else if (message && code == -1)
        *message = tr("当年农历无闰") + Vocabulary::qs(Vocabulary::lunarMonthNames[std::size_t(month - 1)]) + tr("月。");
    else if (message)
        *message = tr("无该农历日期。");
    return code;
}

QVariantMap CalendarRules::lunarToSolar(int year, int month, int day, bool leap)
{
    int solar[3] = {0, 0, 0};
    QString message;
    const int code = solarOfLunar(year, month, day, leap, solar, &message);
    return {{QStringLiteral("code"), code},
            {QStringLiteral("y"), solar[0]},
            {QStringLiteral("m"), solar[1]},
            {QStringLiteral("d"), solar[2]},
            {QStringLiteral("message"), message}};
}

QString CalendarRules::differenceText(double days)
{
    return ClockCorrection::differenceText(days);
}

int CalendarRules::nearestMeridian(const QVariant &longitude)
{
    bool ok = false;
    const double v = longitude.toString().trimmed().toDouble(&ok);
    return ClockCorrection::nearestMeridian(ok ? v : NAN);
}

bool CalendarRules::clockInSummerTimeTable(int year, int month, int day, int hour, int minute,
                                           const QVariant &region)
{
    // Ten seconds in, so that a period's first midnight counts as inside it.
    return inSummerTimeTable(julianDay(year, month, day, hour, minute) + 10.0 / 86400, region);
}

bool CalendarRules::inSummerTimeTable(double jd, const QVariant &region)
{
    bool ok = false;
    const int r = region.toString().trimmed().toInt(&ok);
    if (!ok)
        return false;
    switch (r) {
    case -1: return true;
    case 0: return inPeriods(jd, SummerTimeTable::mainland);
    case 1: return inPeriods(jd, SummerTimeTable::hongKong);
    case 2: return inPeriods(jd, SummerTimeTable::taiwan);
    }
    return false;
}

QVariantList CalendarRules::summerTimePeriods(int region)
{
    switch (region) {
    case 0: return periodList(SummerTimeTable::mainland);
    case 1: return periodList(SummerTimeTable::hongKong);
    case 2: return periodList(SummerTimeTable::taiwan);
    }
    return {};
}

QString CalendarRules::monthCommanderText(int school, int branch, double daysSinceJie)
{
    return MonthCommander::text(school, branch, daysSinceJie);
}
