// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockCorrection.h"

#include "CalendarRules.h"
#include "SolarTime.h"
#include "TimePoints.h"

#include <cmath>

namespace ClockCorrection {
namespace {

constexpr double minutesPerDay = 1440;
// The term tables are tabulated in Beijing standard time.
constexpr double tableFrameMinutes = 480;
// Half a minute on every clock reading, as the engine reads its moments
// (TimePoints), so the minute read back from a Julian day is the one entered.
constexpr double biasHours = 1.0 / 120;

double clockJd(const int f[5])
{
    return JulianDay::getJulianDayFromCal(f[0], f[1], f[2], f[3] + f[4] / 60.0 + biasHours,
                                          JulianDay::isGregorianDate(f[0], f[1], f[2]) ? 1 : 0);
}

TimePoints::Record fieldsOf(double jd)
{
    TimePoints::Record f(TimePoints::recordSize, 0);
    TimePoints::getSolarCalFromJulianDayUT(jd, f);
    return f;
}

QString two(int n) { return n < 10 ? QLatin1Char('0') + QString::number(n) : QString::number(n); }

QString timeText(const TimePoints::Record &f, bool withDate)
{
    const QString hm = two(f[3]) + QLatin1Char(':') + two(f[4]);
    if (!withDate)
        return hm;
    return QString::number(f[0]) + QStringLiteral("年") + QString::number(f[1]) + QStringLiteral("月")
        + QString::number(f[2]) + QStringLiteral("日 ") + hm;
}

bool sameDay(const TimePoints::Record &a, const int b[5]) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; }

} // namespace

Result correct(const Input &in)
{
    Result r;
    const int *c = in.fields;
    if (c[0] < TimePoints::firstBirthYear || c[0] > TimePoints::lastBirthYear || !CalendarRules::isValidDate(c[0], c[1], c[2])
        || c[3] < 0 || c[3] > 23 || c[4] < 0 || c[4] > 59
        || !std::isfinite(in.longitude) || !std::isfinite(in.zoneOffsetMinutes)
        || std::fabs(in.zoneOffsetMinutes) > 15 * 60 || in.summerMinutes < 0 || in.summerMinutes > 120)
        return r;
    r.ok = true;

    const double standardClock = clockJd(c) - in.summerMinutes / minutesPerDay;
    const TimePoints::Record standard = fieldsOf(standardClock);
    for (int i = 0; i < 5; ++i)
        r.standardFields[i] = standard[i];
    r.jdUtc = standardClock - in.zoneOffsetMinutes / minutesPerDay;
    const double longitude = in.kind == TimeKind::Clock ? in.zoneOffsetMinutes / 4 : in.longitude;
    r.jdMeanSolar = SolarTime::meanSolarJd(r.jdUtc, longitude);
    r.equationOfTimeDays = SolarTime::equationOfTimeDays(r.jdUtc);
    r.jdTrueSolar = r.jdMeanSolar + r.equationOfTimeDays;
    r.jdPillars = in.kind == TimeKind::True ? r.jdTrueSolar : in.kind == TimeKind::Mean ? r.jdMeanSolar : standardClock;

    const TimePoints::Record mean = fieldsOf(r.jdMeanSolar);
    const TimePoints::Record solar = fieldsOf(r.jdTrueSolar);
    const bool withDate = !sameDay(mean, r.standardFields) || !sameDay(solar, r.standardFields);
    r.meanSolarText = timeText(mean, withDate);
    r.trueSolarText = timeText(solar, withDate);

    // The engine's pillars: year and month from the instant in the tables'
    // frame, day and hour from the chosen time read to the minute.
    const TimePoints::Record p = fieldsOf(r.jdPillars);
    const double jdBeijing = r.jdUtc + tableFrameMinutes / minutesPerDay;
    TimePoints tp;
    tp.startFromTermMoment = true;
    tp.calendarUse = true;
    tp.withMomentDates = false;
    if (tp.launchTimePointSets(0, p[0], p[1], p[2], p[3], p[4], 0, clockJd(p.data()) - jdBeijing, in.switch11pm)
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
