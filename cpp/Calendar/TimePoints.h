// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CycleRules.h"
#include "JulianDay.h"

#include <vector>

// The complete calendar placement of one moment: solar and lunar date, Julian
// day, sino year and month with the terms around it, the four pillars and both
// candidate start moments of the luck pillars. A plain value: copying copies
// everything, and nothing links one object to another.
class TimePoints
{
public:
    // A calendar date record: 0 year, 1 month, 2 day, 3 hour, 4 minute,
    // 8 leap flag (lunar dates); ten slots, the unnamed ones 0.
    using Record = std::vector<int>;
    static constexpr int recordSize = 10;
    static constexpr int leapSlot = 8;
    static constexpr double resetJdBirth = 2441171.0;
    // The largest solar-time offset a launch accepts, in days: longitude
    // and the equation of time together stay well inside it.
    static constexpr double maxZtyDays = 1.0;
    // The same for a moment against its birth instant: any zone lies within a
    // day of UTC+8; the page's hour shifts add up to a day more.
    static constexpr double maxInstantOffsetDays = 2.0;

    enum LaunchResult { Launched = 0, BadCalendarKind = 1, BadInput = 2 };

    // Births are cast for 1800..2099; the calendar itself (perpetual
    // calendar, flows, lunar and term look-ups) reaches 2200, where the
    // tables end with the 立春 and the first lunar month of 2201.
    static constexpr int firstBirthYear = 1800;
    static constexpr int lastBirthYear = 2099;
    static constexpr int lastCalendarYear = 2200;

    TimePoints();

    int launchTimePointSets(int solarlunar, int year, int month, int day, int hour, int minute,
                            int isleap, double ztyJdPlus, int switch11pm);
    void resetTimePoints();

    bool getLunarCalFromSolarCal(const Record &solar, Record &lunar);
    bool getSolarCalFromLunarCal(const Record &lunar);
    // Days in a lunar month (29 or 30), 0 when the year has no such month
    // (a leap flag on a month that is not the leap month, a year outside
    // 1800..2200).
    static int lunarMonthLength(int year, int month, bool leap);
    // The answer to a lunar day beyond its month's length (正月三十 of a
    // 29-day month), in every place that takes a lunar date.
    static constexpr const char *noSuchLunarDate = "无该农历日期。";
    bool placeInSolarTerms();
    static Record getSinoCalFromJulianDay(double jd);

    static double getJulianDayFromCal(int year, int month, int day, double h, int gregorian)
    {
        return JulianDay::getJulianDayFromCal(year, month, day, h, gregorian);
    }
    static JulianDay::CivilTime getCalFromJulianDay(double jd, int gregorian)
    {
        return JulianDay::getCalFromJulianDay(jd, gregorian);
    }
    static bool getSolarCalFromJulianDayUT(double jd, Record &cal);

    // Term entry of the table: sino year 1799..2201, position 0 (立春) .. 23 (大寒);
    // 0 outside the table.
    static double termJd(int sinoYear, int position);
    // Sixty-cycle index of a sino year (1984 is 甲子).
    static constexpr int yearCycleIndex(int sinoYear) { return CycleRules::yearPillar(sinoYear); }

    // Where the engine's diagnostics go (standard output unless a caller, a
    // test or the command line, wants to read them).
    using DiagnosticSink = void (*)(const char *text);
    static DiagnosticSink setDiagnosticSink(DiagnosticSink sink);
    static void writeDiagnostic(const char *text);

    bool operator==(const TimePoints &o) const;
    bool operator!=(const TimePoints &o) const { return !(*this == o); }

    Record solarCal;
    Record lunarCal;
    Record sinoCal;
    Record chacs; // year, month, day, hour pillar
    double jdBirth = resetJdBirth;
    int dayNumber = 0;
    double jdJieBefore = 0;
    double jdQiMiddle = 0;
    double jdJieAfter = 0;
    Record jieBeforeCal;
    Record qiMiddleCal;
    Record jieAfterCal;
    double ageForward = 0;
    Record beginCalForward;
    Record beginSinoForward;
    double ageBackward = 0;
    Record beginCalBackward;
    Record beginSinoBackward;
    double jdBeginForward = 0;
    double jdBeginBackward = 0;
    double ztyJdPlus = 0;
    // Off: the start ages count the days from jdBirth, as the engine always
    // did. On: from the term moment jdBirth - ztyJdPlus (the birth instant in
    // the table's frame), so a chart of true or mean solar time, or of a zone
    // other than UTC+8, measures the luck start from the real instant. The
    // start moments stay in the frame of jdBirth either way.
    bool startFromTermMoment = false;
    // False: a launch leaves out the calendar records of the term moments and
    // of the luck starts (jieBeforeCal, qiMiddleCal, jieAfterCal, beginCal*,
    // beginSino*), which keep what they held; for batches that print numbers.
    bool withMomentDates = true;
    // Off: launches and lunar conversions take birth years (1800..2099). On:
    // any year of the calendar (to 2200), for days that are not births.
    bool calendarUse = false;

private:
    void setPillars(int switch11pm);
    void setStartMoments();
};
