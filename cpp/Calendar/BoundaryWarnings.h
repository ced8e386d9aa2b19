// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimePoints.h"

#include <QString>

#include <array>
#include <vector>

// A birth that lies closer to a boundary than the error budget could belong
// to the other side: a Jie term (month pillar, and at 立春 the year pillar), a
// double-hour (hour pillar), the day change (day and hour pillars), or a
// lunar month whose new moon lies that close to midnight (lunar date).
struct BoundaryWarning {
    QString kind; // "jie", "hour", "day-change", "uncertain-month"
    double minutesAway = 0; // from the birth (or, for a month, the new moon) to the boundary
    double budgetSeconds = 0;
    std::array<int, 4> alternative{}; // pillars on the other side
    // The moment to enter for the other side (solar date, clock time); the
    // true-solar-time offset stays as it was.
    std::array<int, 5> alternativeMoment{};
    // Uncertain month (lunar, or a flow month whose Jie lies near midnight):
    // the day the month would begin instead (noon JD).
    int alternativeMonthStart = 0;
    // Flow warnings: the day the month begins by the table (noon JD) and, for
    // a Jie, its term position (0 = 立春).
    int monthStart = 0;
    int termPosition = -1;
};

class BoundaryWarnings
{
public:
    // The error budget in seconds, around the entered minute (HH:MM:00). A
    // clock time noted to the minute is ±30 s when it was rounded, and up to
    // a minute off when the clock was read cut off or rounded the other way,
    // so the noted minute counts ±60 s. The term and new-moon
    // table carries ±1 s up to 2025 and ±0.5 s more for each later year, for
    // the unknown future ΔT (±38.5 s in 2100, ±88.5 s in 2200; several times
    // the standard error 0.8 ((year - 1820) / 100)^2 s that Morrison and
    // Stephenson (2004) give for ΔT). True solar time adds the equation of time (±2 s)
    // and a place's longitude to 0.01° (±2.4 s) to the clock boundaries; a
    // Jie is compared in standard time, where those corrections cancel.
    static constexpr double inputSeconds = 60;
    static constexpr double equationOfTimeSeconds = 2;
    static constexpr double longitudeSeconds = 2.4;
    static double tableSeconds(int year);
    static double jieBudget(int year) { return inputSeconds + tableSeconds(year); }
    static double clockBudget(bool trueSolarTime)
    {
        return inputSeconds + (trueSolarTime ? equationOfTimeSeconds + longitudeSeconds : 0);
    }

    // The warnings of a launched time point, nearest boundary kinds first
    // (jie, hour or day-change, uncertain-month). `trueSolarTime`: the clock
    // time was corrected to true or mean solar time.
    static std::vector<BoundaryWarning> of(const TimePoints &tp, int switch11pm, bool trueSolarTime);

    // Whether the lunar date of the civil day with noon JD `day` is uncertain
    // because its month's new moon lies within the budget of midnight; the
    // signed seconds of that new moon from midnight and the month's other
    // possible first day go to the pointers.
    static bool dayInUncertainMonth(int day, double *newMoonSeconds = nullptr, int *alternativeStart = nullptr);

    // Whether the civil day of a term moment (a JD of the term table) is
    // uncertain: the term lies within the table budget of midnight. The
    // signed seconds from that midnight (negative: before it) go to the
    // pointer.
    static bool termDayUncertain(double termJd, double *secondsFromMidnight = nullptr);

    // The flow months of sino year `sinoYear` whose first or last day the
    // budget leaves open: "jie-day" for a Jie that opens one of its months (or
    // the next year's 立春) within the budget of midnight, "uncertain-month"
    // for a lunar month with an uncertain first day among its days. Empty
    // outside the table.
    static std::vector<BoundaryWarning> ofFlowYear(int sinoYear);
};
