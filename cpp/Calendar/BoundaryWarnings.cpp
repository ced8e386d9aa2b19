// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoundaryWarnings.h"

#include "CalendarTables.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace CalendarTables;

constexpr double secondsPerDay = 86400;
constexpr int lastCertainTableYear = 2025;
constexpr double tableSecondsPerLaterYear = 0.5;
// Month starts are searched for from here; a month never lasts longer.
constexpr int longestMonth = 30;
// A solar date entered to the minute is placed at the minute's middle.
constexpr double solarBiasSeconds = 30;

// Solar date and clock time of the minute that begins at jd (a minute start).
std::array<int, 5> minuteAt(double jd)
{
    const JulianDay::CivilTime t = JulianDay::getCalFromJulianDay(jd + 1 / secondsPerDay, 1);
    const int minutes = int(std::floor(t.hours * 60)); // [0, 1439]
    return {t.year, t.month, t.day, minutes / 60, minutes % 60};
}

// The pillars of the same birth entered at another minute.
bool pillarsAt(const std::array<int, 5> &m, const TimePoints &tp, int switch11pm, std::array<int, 4> &pillars)
{
    TimePoints other;
    if (other.launchTimePointSets(0, m[0], m[1], m[2], m[3], m[4], 0, tp.ztyJdPlus, switch11pm) != TimePoints::Launched)
        return false;
    std::copy_n(other.chacs.begin(), 4, pillars.begin());
    return true;
}

int civilYearOf(int noonDay)
{
    return JulianDay::getCalFromJulianDay(noonDay, 1).year;
}

// First day of the month after the month that begins on `start`, 0 when none.
int nextMonthStart(int start)
{
    for (int r = 0; r < rowCount; ++r)
        for (int p = 0; p < 13; ++p)
            if (lunarMonthStarts[r][p] > start && lunarMonthStarts[r][p] <= start + longestMonth)
                return lunarMonthStarts[r][p];
    return 0;
}

} // namespace

double BoundaryWarnings::tableSeconds(int year)
{
    return 1 + tableSecondsPerLaterYear * std::max(0, year - lastCertainTableYear);
}

namespace {

// The days of one month whose first day the table's error budget leaves in
// doubt: [first, end), with the new moon's seconds from midnight and the
// month's other possible first day.
struct UncertainSpan {
    int first;
    int end;
    double seconds;
    int other;
};

// Built once: the spans depend on the tables alone, and a day-by-day listing
// would otherwise search the month table for every near-midnight new moon.
const std::vector<UncertainSpan> &uncertainSpans()
{
    static const std::vector<UncertainSpan> spans = [] {
        std::vector<UncertainSpan> out;
        for (const NearMidnightNewMoon &n : nearMidnightNewMoons) {
            if (std::fabs(n.seconds) > BoundaryWarnings::tableSeconds(civilYearOf(n.day)))
                continue;
            // Just after midnight the month might begin the day before; just
            // before it, the day after.
            const int other = n.seconds >= 0 ? n.day - 1 : n.day + 1;
            const int end = nextMonthStart(n.day);
            if (end != 0)
                out.push_back({std::min(n.day, other), end, n.seconds, other});
        }
        return out;
    }();
    return spans;
}

} // namespace

bool BoundaryWarnings::dayInUncertainMonth(int day, double *newMoonSeconds, int *alternativeStart)
{
    for (const UncertainSpan &span : uncertainSpans()) {
        if (day < span.first || day >= span.end)
            continue;
        if (newMoonSeconds)
            *newMoonSeconds = span.seconds;
        if (alternativeStart)
            *alternativeStart = span.other;
        return true;
    }
    return false;
}

bool BoundaryWarnings::termDayUncertain(double termJd, double *secondsFromMidnight)
{
    if (!(termJd > 0))
        return false;
    const int day = JulianDay::noonDayOf(termJd);
    const double fromMidnight = (termJd - (day - 0.5)) * secondsPerDay; // [0, 86400)
    const double seconds = fromMidnight > secondsPerDay / 2 ? fromMidnight - secondsPerDay : fromMidnight;
    if (std::fabs(seconds) > tableSeconds(civilYearOf(day)))
        return false;
    if (secondsFromMidnight)
        *secondsFromMidnight = seconds;
    return true;
}

std::vector<BoundaryWarning> BoundaryWarnings::ofFlowYear(int sinoYear)
{
    std::vector<BoundaryWarning> out;
    const double yearStart = TimePoints::termJd(sinoYear, 0);
    const double yearEnd = TimePoints::termJd(sinoYear + 1, 0);
    if (!(yearStart > 0) || !(yearEnd > 0))
        return out;
    for (int m = 0; m <= 12; ++m) {
        const double jie = m < 12 ? TimePoints::termJd(sinoYear, 2 * m) : yearEnd;
        double seconds = 0;
        if (!termDayUncertain(jie, &seconds))
            continue;
        BoundaryWarning w;
        w.kind = QStringLiteral("jie-day");
        w.minutesAway = std::fabs(seconds) / 60;
        w.budgetSeconds = tableSeconds(civilYearOf(JulianDay::noonDayOf(jie)));
        w.monthStart = JulianDay::noonDayOf(jie);
        // Just after midnight the term might fall the day before.
        w.alternativeMonthStart = seconds >= 0 ? w.monthStart - 1 : w.monthStart + 1;
        w.termPosition = m < 12 ? 2 * m : 0;
        out.push_back(w);
    }
    const int firstDay = JulianDay::noonDayOf(yearStart);
    const int lastDay = JulianDay::noonDayOf(yearEnd);
    for (const NearMidnightNewMoon &n : nearMidnightNewMoons) {
        const int other = n.seconds >= 0 ? n.day - 1 : n.day + 1;
        if (std::fabs(n.seconds) > tableSeconds(civilYearOf(n.day)) || std::min(n.day, other) > lastDay)
            continue;
        // A month that began before the year may still reach into it.
        const int end = nextMonthStart(n.day);
        if (end == 0 || end <= firstDay)
            continue;
        BoundaryWarning w;
        w.kind = QStringLiteral("uncertain-month");
        w.minutesAway = std::fabs(n.seconds) / 60;
        w.budgetSeconds = tableSeconds(civilYearOf(n.day));
        w.monthStart = n.day;
        w.alternativeMonthStart = other;
        out.push_back(w);
    }
    return out;
}

std::vector<BoundaryWarning> BoundaryWarnings::of(const TimePoints &tp, int switch11pm, bool trueSolarTime)
{
    std::vector<BoundaryWarning> out;
    const TimePoints::Record &s = tp.solarCal;
    if (s.size() < 5 || s[0] == 0 || tp.jdJieAfter <= tp.jdJieBefore)
        return out;
    const double dayStart = JulianDay::getJulianDayFromCal(s[0], s[1], s[2], 0, 1);
    const int minuteOfDay = s[3] * 60 + s[4];
    const double minuteStart = dayStart + minuteOfDay * 60 / secondsPerDay;

    // Jie: compared in standard time, as the month placement does.
    {
        const double t = minuteStart - tp.ztyJdPlus;
        const bool nearBefore = t - tp.jdJieBefore <= tp.jdJieAfter - t;
        const double jie = nearBefore ? tp.jdJieBefore : tp.jdJieAfter;
        const double away = std::fabs(t - jie) * secondsPerDay;
        // The side is where the engine placed the birth (the minute's middle).
        const bool after = tp.jdBirth - tp.ztyJdPlus >= jie;
        const double bias = solarBiasSeconds / secondsPerDay;
        const double budget = jieBudget(s[0]);
        if (away <= budget) {
            BoundaryWarning w;
            w.kind = QStringLiteral("jie");
            w.minutesAway = away / 60;
            w.budgetSeconds = budget;
            // The nearest whole minute on the other side of the term.
            const double step = (after ? -60 : 60) / secondsPerDay;
            double other = minuteStart + step;
            for (int guard = 0; guard < 10 && after == (other + bias - tp.ztyJdPlus >= jie); ++guard)
                other += step;
            w.alternativeMoment = minuteAt(other);
            if (pillarsAt(w.alternativeMoment, tp, switch11pm, w.alternative))
                out.push_back(w);
        }
    }

    // Double-hours begin at odd clock hours; the day changes at 23:00 or at
    // midnight. Seconds here count from the start of the birth's civil day.
    {
        const double second = minuteOfDay * 60;
        const double budget = clockBudget(trueSolarTime);
        std::vector<int> boundaries;
        for (int h = -1; h <= 25; h += 2)
            boundaries.push_back(h * 3600);
        if (switch11pm != 1) {
            boundaries.push_back(0);
            boundaries.push_back(86400);
        }
        for (int b : boundaries) {
            const double away = std::fabs(second - b);
            if (away > budget)
                continue;
            const int clock = (b % 86400 + 86400) % 86400;
            const bool dayChange = clock == 0 || (clock == 23 * 3600 && switch11pm == 1);
            BoundaryWarning w;
            w.kind = dayChange ? QStringLiteral("day-change") : QStringLiteral("hour");
            w.minutesAway = away / 60;
            w.budgetSeconds = budget;
            const double otherMinute = second >= b ? b - 60 : b;
            w.alternativeMoment = minuteAt(dayStart + otherMinute / secondsPerDay);
            if (pillarsAt(w.alternativeMoment, tp, switch11pm, w.alternative))
                out.push_back(w);
        }
    }

    double newMoon = 0;
    int otherStart = 0;
    if (dayInUncertainMonth(JulianDay::noonDayOf(minuteStart), &newMoon, &otherStart)) {
        BoundaryWarning w;
        w.kind = QStringLiteral("uncertain-month");
        w.minutesAway = std::fabs(newMoon) / 60;
        w.budgetSeconds = tableSeconds(s[0]);
        std::copy_n(tp.chacs.begin(), 4, w.alternative.begin()); // the pillars do not depend on the lunar month
        std::copy_n(s.begin(), 5, w.alternativeMoment.begin());
        w.alternativeMonthStart = otherStart;
        out.push_back(w);
    }
    return out;
}
