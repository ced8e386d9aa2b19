// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimePoints.h"

#include "CalendarTables.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using namespace CalendarTables;

static_assert(sizeof(solarTerms) / sizeof(solarTerms[0]) == rowCount);
static_assert(sizeof(lunarMonthStarts) / sizeof(lunarMonthStarts[0]) == rowCount);
static_assert(sizeof(leapMonths) / sizeof(leapMonths[0]) == rowCount);

constexpr int lastYear = firstYear + rowCount - 1; // 2201
// The last row only serves as the row after its predecessor: a moment never
// gets row 2201 of its own, because its month 12 would need a row 2202.
constexpr int lastPlaceableRow = rowCount - 2;
static_assert(firstYear + lastPlaceableRow == TimePoints::lastCalendarYear);
constexpr int noLeap = 100;
constexpr int firstBirthYear = TimePoints::firstBirthYear;
// Moments outside this JD window cannot be placed in the month table; the
// last lunar year of the table only ends the one before it.
constexpr double lowestJd = 2378000;
constexpr double highestJd = lunarMonthStarts[rowCount - 1][0] - 0.5;

int lastYearOf(const TimePoints &tp)
{
    return tp.calendarUse ? TimePoints::lastCalendarYear : TimePoints::lastBirthYear;
}
// Entered times get a bias so that the truncating minute of the way back
// returns the same minute: 30 s for solar dates, 10 s for lunar dates.
constexpr double solarBiasHours = 1.0 / 120;
constexpr double lunarBiasHours = 1.0 / 360;

const char *const sourcePath = "cpp/Calendar/TimePoints";

void writeToStdout(const char *text)
{
    std::fputs(text, stdout);
}

TimePoints::DiagnosticSink diagnosticSink = writeToStdout;

void diagnose(const char *text)
{
    diagnosticSink(text);
}

void invalidParameters(const char *function, int line)
{
    char text[160];
    std::snprintf(text, sizeof text, "%s::%s::%d::invalid parameters\n\n", sourcePath, function, line);
    diagnose(text);
}

constexpr int mod60(int x) { return (x % 60 + 60) % 60; }

constexpr bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
constexpr int daysInMonth(int y, int m)
{
    constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : days[m - 1];
}

struct TermPlace {
    int row = 0; // [0, lastPlaceableRow]
    int position = 0; // even, [0, 22]
};

// Row and Jie position of moment t, searching from Gregorian year g; rows
// after lastRow are not given to a moment.
bool findTermPlace(double t, int g, TermPlace &place, int lastRow = lastPlaceableRow)
{
    int r = g - firstYear;
    if (r > rowCount - 1)
        return false;
    while (r >= 0 && solarTerms[r][0] > t)
        --r;
    if (r < -1) // a year far before the table: walk up from its start
        r = -1;
    while (r < lastRow && t >= solarTerms[r + 1][0])
        ++r;
    if (r < 0 || r > lastRow)
        return false;
    // At or after the 立春 that ends the last placeable row the table has no
    // month for t; the walk above stops there rather than placing it.
    if (t >= solarTerms[r + 1][0])
        return false;
    int i = 0;
    while (i < 22 && solarTerms[r][i + 2] <= t)
        i += 2;
    place.row = r;
    place.position = i;
    return true;
}

void ensureSize(TimePoints::Record &record, std::size_t size)
{
    if (record.size() < size)
        record.resize(size, 0);
}

} // namespace

TimePoints::TimePoints()
    : solarCal(recordSize, 0), lunarCal(recordSize, 0), sinoCal(recordSize, 0), chacs(recordSize, 0),
      jieBeforeCal(recordSize, 0), qiMiddleCal(recordSize, 0), jieAfterCal(recordSize, 0),
      beginCalForward(recordSize, 0), beginSinoForward(recordSize, 0), beginCalBackward(recordSize, 0),
      beginSinoBackward(recordSize, 0)
{
}

TimePoints::DiagnosticSink TimePoints::setDiagnosticSink(DiagnosticSink sink)
{
    const DiagnosticSink previous = diagnosticSink;
    diagnosticSink = sink ? sink : writeToStdout;
    return previous;
}

void TimePoints::writeDiagnostic(const char *text)
{
    diagnose(text);
}

void TimePoints::resetTimePoints()
{
    *this = TimePoints();
}

double TimePoints::termJd(int sinoYear, int position)
{
    if (sinoYear < firstYear || sinoYear > lastYear || position < 0 || position > 23)
        return 0;
    return solarTerms[sinoYear - firstYear][position];
}

namespace {

JulianDay::CivilTime civilTimeOf(double jd)
{
    return JulianDay::getCalFromJulianDay(jd, JulianDay::gregorianFlagOf(jd));
}

// Slots 0..4 of a solar date record from a converted moment.
void writeSolarCal(const JulianDay::CivilTime &t, TimePoints::Record &cal)
{
    if (cal.size() < 5)
        cal.resize(TimePoints::recordSize, 0);
    const int hour = static_cast<int>(JulianDay::floorOf(t.hours)); // [0, 23]
    cal[0] = t.year;
    cal[1] = t.month;
    cal[2] = t.day;
    cal[3] = hour;
    cal[4] = static_cast<int>(JulianDay::floorOf((t.hours - hour) * 60)); // truncated, seconds dropped
}

} // namespace

bool TimePoints::getSolarCalFromJulianDayUT(double jd, Record &cal)
{
    writeSolarCal(civilTimeOf(jd), cal);
    return true;
}

bool TimePoints::getLunarCalFromSolarCal(const Record &solar, Record &lunar)
{
    if (solar.size() < recordSize || solar[0] < firstBirthYear || solar[0] > lastYearOf(*this)
        || solar[1] < 1 || solar[1] > 12) {
        invalidParameters("TimePoints::getLunarCalFromSolarCal", 169);
        return false;
    }
    if (lunar.size() < recordSize)
        lunar.assign(12, 0);
    const int year = solar[0];
    const int month = solar[1];
    const int day = solar[2];
    const double h = solar[4] / 60.0 + solar[3] + solarBiasHours;
    const double jd = JulianDay::getJulianDayFromCal(year, month, day, h,
                                                     JulianDay::isGregorianDate(year, month, day) ? 1 : 0);
    if (jd < lowestJd || jd > highestJd)
        return false;
    jdBirth = jd;
    const int n = JulianDay::noonDayOf(jd);
    lunar[3] = solar[3];
    lunar[4] = solar[4];

    // Lunar month 1 starts in January or February, so the search begins three
    // months before the solar month; January to March start in the year before.
    int row = month >= 4 ? year - firstYear : year - firstYear - 1;
    int p = month >= 4 ? month - 4 : month + 8; // [0, 11]
    for (int tries = 0; tries < 12; ++tries, ++p) {
        if (p > 12) {
            p -= 13;
            ++row;
        }
        if (row < 0 || row + 1 >= rowCount)
            break;
        const std::int32_t *months = lunarMonthStarts[row];
        const int u = months[p];
        const int v = (p >= 12 || (p == 11 && months[12] == -1)) ? lunarMonthStarts[row + 1][0] : months[p + 1];
        if (u == -1 || n < u || n >= v)
            continue;
        const int lunarDay = n - u + 1;
        if (lunarDay > 30)
            return false;
        const int leap = leapMonths[row];
        lunar[0] = firstYear + row;
        lunar[1] = p < leap ? p + 1 : p;
        lunar[2] = lunarDay;
        lunar[leapSlot] = p == leap ? 1 : 0;
        return true;
    }
    diagnose("not found\n");
    return false;
}

bool TimePoints::getSolarCalFromLunarCal(const Record &lunar)
{
    if (lunar.size() < recordSize || lunar[0] < firstBirthYear || lunar[0] > lastYearOf(*this)
        || lunar[1] < 1 || lunar[1] > 12 || lunar[2] < 1 || lunar[2] > 30) {
        invalidParameters("TimePoints::getSolarCalFromLunarCal", 132);
        diagnose("error Lunar_CAL\n");
        return false;
    }
    const int row = lunar[0] - firstYear;
    const int month = lunar[1];
    const bool leapFlag = lunar[leapSlot] != 0;
    const int leap = leapMonths[row];
    if (leapFlag && (leap == noLeap || leap != month)) {
        diagnose("the year without leap month or the leapidx not correct\n");
        diagnose("error Lunar_CAL\n");
        return false;
    }
    const int p = (leapFlag || (leap != noLeap && month > leap)) ? month : month - 1;
    const int u = lunarMonthStarts[row][p];
    // A day past the month's end would silently become a day of the next month.
    if (lunar[2] > lunarMonthLength(lunar[0], month, leapFlag)) {
        diagnose(noSuchLunarDate);
        diagnose("\nerror Lunar_CAL\n");
        return false;
    }
    // Midnight that begins the lunar day, plus the clock time.
    const double jd = u + (lunar[2] - 1) - 0.5 + (lunar[3] + lunar[4] / 60.0 + lunarBiasHours) / 24;
    jdBirth = jd;
    if (solarCal.size() < recordSize)
        solarCal.assign(12, 0);
    return getSolarCalFromJulianDayUT(jd, solarCal);
}

int TimePoints::lunarMonthLength(int year, int month, bool leapFlag)
{
    if (year < firstBirthYear || year > lastCalendarYear || month < 1 || month > 12)
        return 0;
    const int row = year - firstYear;
    const int leap = leapMonths[row];
    if (leapFlag && leap != month)
        return 0;
    const int p = (leapFlag || (leap != noLeap && month > leap)) ? month : month - 1; // [0, 12]
    const std::int32_t *months = lunarMonthStarts[row];
    const bool last = p == 12 || (p == 11 && months[12] == -1);
    const int next = last ? lunarMonthStarts[row + 1][0] : months[p + 1];
    return next - months[p];
}

bool TimePoints::placeInSolarTerms()
{
    ensureSize(sinoCal, recordSize);
    if (solarCal.size() < 4 || solarCal[0] == 0 || solarCal[1] == 0 || solarCal[2] == 0)
        return false;
    TermPlace place;
    // A birth keeps to the sino years of births: a lunar date late in 2099
    // that falls after the 立春 of 2100 is not placed.
    if (!findTermPlace(jdBirth - ztyJdPlus, solarCal[0], place, lastYearOf(*this) - firstYear))
        return false;
    const double *row = solarTerms[place.row];
    const int i = place.position;
    sinoCal[0] = firstYear + place.row;
    sinoCal[1] = i / 2 + 1;
    sinoCal[2] = solarCal[2];
    sinoCal[3] = solarCal[3];
    jdJieBefore = row[i];
    jdQiMiddle = row[i + 1];
    jdJieAfter = i + 2 < 24 ? row[i + 2] : solarTerms[place.row + 1][0]; // month 12 ends at the next 立春
    if (withMomentDates) {
        getSolarCalFromJulianDayUT(jdJieBefore, jieBeforeCal);
        getSolarCalFromJulianDayUT(jdQiMiddle, qiMiddleCal);
        getSolarCalFromJulianDayUT(jdJieAfter, jieAfterCal);
    }
    return true;
}

// Writes the sino placement of jd, whose civil date is t, over the whole
// record (zeros when there is none).
static void fillSinoCal(double jd, const JulianDay::CivilTime &t, TimePoints::Record &sino)
{
    if (sino.size() == TimePoints::recordSize)
        std::fill(sino.begin(), sino.end(), 0);
    else
        sino.assign(TimePoints::recordSize, 0);
    if (t.year == 0 || t.month == 0 || t.day == 0)
        return;
    TermPlace place;
    if (!findTermPlace(jd, t.year, place))
        return;
    sino[0] = firstYear + place.row;
    sino[1] = place.position / 2 + 1;
    sino[2] = t.day;
    sino[3] = TimePoints::yearCycleIndex(sino[0]);
}

TimePoints::Record TimePoints::getSinoCalFromJulianDay(double jd)
{
    Record sino;
    fillSinoCal(jd, civilTimeOf(jd), sino);
    return sino;
}

void TimePoints::setPillars(int switch11pm)
{
    dayNumber = JulianDay::dayNumberOf(jdBirth);
    int dayPillar = mod60(dayNumber);
    const int yearPillar = yearCycleIndex(sinoCal[0]);
    // Sino month 1 is the 寅 month; its stem follows the year's (五虎遁).
    const int monthBranch = CycleRules::monthBranch(sinoCal[1]);
    const int monthPillar =
        CycleRules::sixtyIndex(CycleRules::monthStem(yearPillar % 10, monthBranch), monthBranch);
    const int h = solarCal[3]; // [0, 23]
    // From 23:00 the 子 hour belongs to the next day, and its stem follows
    // that day's (五鼠遁); the switch decides whether the day pillar moves too.
    const int hourDayPillar = h >= 23 ? (dayPillar + 1) % 60 : dayPillar;
    if (switch11pm == 1)
        dayPillar = hourDayPillar;
    const int hourBranch = (h + 1) / 2 % 12;
    const int hourPillar =
        CycleRules::sixtyIndex(CycleRules::hourStem(hourDayPillar % 10, hourBranch), hourBranch);
    ensureSize(chacs, recordSize);
    chacs[0] = yearPillar;
    chacs[1] = monthPillar;
    chacs[2] = dayPillar;
    chacs[3] = hourPillar;
}

void TimePoints::setStartMoments()
{
    // Three days to the Jie term count as one year, once the sino month is
    // stretched or shrunk to 30 days; the two ages add up to 10.
    const double scale = 30 / (jdJieAfter - jdJieBefore);
    const double t = startFromTermMoment ? jdBirth - ztyJdPlus : jdBirth;
    ageForward = (jdJieAfter - t) / 3 * scale;
    ageBackward = (t - jdJieBefore) / 3 * scale;
    jdBeginForward = jdBirth + ageForward * 365.25;
    jdBeginBackward = jdBirth + ageBackward * 365.25;
    if (!withMomentDates)
        return;
    // Each start moment is converted once, for both its records.
    const JulianDay::CivilTime forward = civilTimeOf(jdBeginForward);
    const JulianDay::CivilTime backward = civilTimeOf(jdBeginBackward);
    writeSolarCal(forward, beginCalForward);
    writeSolarCal(backward, beginCalBackward);
    fillSinoCal(jdBeginForward, forward, beginSinoForward);
    fillSinoCal(jdBeginBackward, backward, beginSinoBackward);
}

int TimePoints::launchTimePointSets(int solarlunar, int year, int month, int day, int hour, int minute,
                                    int isleap, double zty, int switch11pm)
{
    if (solarlunar != 0 && solarlunar != 1)
        return BadCalendarKind;
    if (year < firstBirthYear || year > lastYearOf(*this) || month < 1 || month > 12 || day < 1 || day > 31
        || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return BadInput;
    // A solar date that does not exist (2-30, 4-31) would be read as a day of
    // the next month while the record kept the impossible date.
    if (solarlunar == 0 && day > daysInMonth(year, month))
        return BadInput;
    // A true-solar-time offset that is not a number (a failed correction on
    // the page), or larger than any solar correction, would place the moment
    // nowhere or in another month and still give pillars.
    // A moment measured from its birth instant (startFromTermMoment) may lie
    // a zone's whole distance from UTC+8 away, and the hour shifts beyond.
    if (!std::isfinite(zty) || std::fabs(zty) > (startFromTermMoment ? maxInstantOffsetDays : maxZtyDays))
        return BadInput;

    // Launches are frequent (the pillar search runs hundreds): reuse one record.
    thread_local Record input(recordSize, 0);
    input.assign(recordSize, 0);
    input[0] = year;
    input[1] = month;
    input[2] = day;
    input[3] = hour;
    input[4] = minute;
    input[leapSlot] = isleap;
    ztyJdPlus = zty;

    if (solarlunar == 0) {
        if (!getLunarCalFromSolarCal(input, lunarCal)) {
            diagnose("error Solar_CAL\n");
            return BadInput;
        }
        solarCal = input;
    } else {
        if (day > 30)
            return BadInput;
        if (!getSolarCalFromLunarCal(input))
            return BadInput;
        lunarCal = input;
    }
    // A moment the term table cannot place (a lunar date of late 2099 that
    // falls after the 立春 of 2100) has no sino month; pillars from the
    // previous contents would be wrong, so the launch fails.
    if (!placeInSolarTerms()) {
        diagnose("error Sino_CAL\n");
        return BadInput;
    }
    setPillars(switch11pm);
    setStartMoments();
    return Launched;
}

bool TimePoints::operator==(const TimePoints &o) const
{
    return solarCal == o.solarCal && lunarCal == o.lunarCal && sinoCal == o.sinoCal && chacs == o.chacs
        && jdBirth == o.jdBirth && dayNumber == o.dayNumber && jdJieBefore == o.jdJieBefore
        && jdQiMiddle == o.jdQiMiddle && jdJieAfter == o.jdJieAfter && jieBeforeCal == o.jieBeforeCal
        && qiMiddleCal == o.qiMiddleCal && jieAfterCal == o.jieAfterCal && ageForward == o.ageForward
        && beginCalForward == o.beginCalForward && beginSinoForward == o.beginSinoForward
        && ageBackward == o.ageBackward && beginCalBackward == o.beginCalBackward
        && beginSinoBackward == o.beginSinoBackward && jdBeginForward == o.jdBeginForward
        && jdBeginBackward == o.jdBeginBackward && ztyJdPlus == o.ztyJdPlus
        && startFromTermMoment == o.startFromTermMoment && calendarUse == o.calendarUse;
}
