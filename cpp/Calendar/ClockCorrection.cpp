// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockCorrection.h"

#include "CalendarRules.h"
#include "SolarTime.h"
#include "TimePoints.h"

#include <algorithm>
#include <cmath>

namespace ClockCorrection {
namespace {

constexpr double secondsPerDay = 86400;
// The term tables are tabulated in Beijing standard time.
constexpr double tableFrameSeconds = 8 * 3600;
void fieldsOf(double jd, int f[5])
{
    TimePoints::Record cal(TimePoints::recordSize, 0);
    TimePoints::getSolarCalFromJulianDayUT(jd, cal);
    for (int i = 0; i < 5; ++i)
        f[i] = cal[i];
}

QString two(int n) { return n < 10 ? QLatin1Char('0') + QString::number(n) : QString::number(n); }

QString timeText(const int f[5], bool withDate)
{
    const QString hm = two(f[3]) + QLatin1Char(':') + two(f[4]);
    if (!withDate)
        return hm;
    return QString::number(f[0]) + QStringLiteral("年") + QString::number(f[1]) + QStringLiteral("月")
        + QString::number(f[2]) + QStringLiteral("日 ") + hm;
}

bool sameDay(const int a[5], const int b[5]) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; }

} // namespace

double clockJd(const int f[5])
{
    // Half a minute on every reading, as the engine reads its moments.
    constexpr double biasHours = 1.0 / 120;
    return JulianDay::getJulianDayFromCal(f[0], f[1], f[2], f[4] / 60.0 + f[3] + biasHours,
                                          JulianDay::isGregorianDate(f[0], f[1], f[2]) ? 1 : 0);
}

bool isValidClock(const int c[5])
{
    return c[0] >= TimePoints::firstBirthYear && c[0] <= TimePoints::lastBirthYear
        && CalendarRules::isValidDate(c[0], c[1], c[2]) && c[3] >= 0 && c[3] <= 23 && c[4] >= 0 && c[4] <= 59;
}

Chain chain(const ClockReading &in)
{
    Chain r;
    const double clock = clockJd(in.fields);
    r.jdUtc = clock - in.offsetSeconds / secondsPerDay;
    // Added as a difference so that UTC+8 gives the entered moment bit for bit.
    r.jdBeijing = clock + (tableFrameSeconds - in.offsetSeconds) / secondsPerDay;
    const double standardClock = clock - in.summerSeconds / secondsPerDay;
    fieldsOf(standardClock, r.standardFields);
    r.jdMeanSolar = SolarTime::meanSolarJd(r.jdUtc, in.longitude);
    r.equationOfTimeDays = SolarTime::equationOfTimeDays(r.jdUtc);
    r.jdTrueSolar = r.jdMeanSolar + r.equationOfTimeDays;
    const double chosen = in.kind == TimeKind::True ? r.jdTrueSolar
        : in.kind == TimeKind::Mean                 ? r.jdMeanSolar
                                                    : standardClock;
    r.jdPillars = chosen + in.hourShift * 2.0 / 24;
    fieldsOf(r.jdPillars, r.pillarFields);
    // The engine reads the moment back to the minute; the offset is taken from
    // what it will hold, so the terms see exactly the instant.
    r.instantOffset = clockJd(r.pillarFields) - r.jdBeijing;
    return r;
}

Result correct(const Input &in)
{
    Result r;
    if (!isValidClock(in.fields) || !std::isfinite(in.longitude) || !std::isfinite(in.zoneOffsetMinutes)
        || std::fabs(in.zoneOffsetMinutes) > 15 * 60 || in.summerMinutes < 0 || in.summerMinutes > 120)
        return r;
    r.ok = true;

    ClockReading clock;
    std::copy(in.fields, in.fields + 5, clock.fields);
    clock.summerSeconds = in.summerMinutes * 60.0;
    clock.offsetSeconds = in.zoneOffsetMinutes * 60 + clock.summerSeconds;
    clock.longitude = in.kind == TimeKind::Clock ? in.zoneOffsetMinutes / 4 : in.longitude;
    clock.kind = in.kind;
    r.chain = chain(clock);
    const Chain &c = r.chain;

    int mean[5];
    int solar[5];
    fieldsOf(c.jdMeanSolar, mean);
    fieldsOf(c.jdTrueSolar, solar);
    const bool withDate = !sameDay(mean, c.standardFields) || !sameDay(solar, c.standardFields);
    r.meanSolarText = timeText(mean, withDate);
    r.trueSolarText = timeText(solar, withDate);

    const int *p = c.pillarFields;
    TimePoints tp;
    tp.startFromTermMoment = true;
    tp.calendarUse = true;
    tp.withMomentDates = false;
    if (tp.launchTimePointSets(0, p[0], p[1], p[2], p[3], p[4], 0, c.instantOffset, in.switch11pm)
        == TimePoints::Launched) {
        r.pillarsKnown = true;
        for (int i = 0; i < 4; ++i)
            r.pillars[i] = tp.chacs[i];
    }
    return r;
}

QString differenceText(double days)
{
    long long seconds = static_cast<long long>(std::floor(days * 86400));
    const bool negative = seconds < 0;
    if (negative)
        seconds = -seconds;
    return (negative ? QLatin1Char('-') : QLatin1Char('+')) + two(int(seconds / 60 % 100)) + QLatin1Char(':')
        + two(int(seconds % 60));
}

int nearestMeridian(double longitude)
{
    if (!std::isfinite(longitude))
        return 120;
    if (std::fabs(longitude) == 180)
        return int(longitude);
    const double x = std::fmod(longitude, 180);
    const double m = x > 0 ? std::floor((x + 7.5) / 15) * 15 : std::ceil((x - 7.5) / 15) * 15;
    return int(m) + 0;
}

} // namespace ClockCorrection
