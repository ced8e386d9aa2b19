// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Julian days in the one civil time scale of the calendar engine: Beijing
// standard time (UTC+8), whole days at noon. Gregorian calendar from
// 1582-10-15, Julian before. No universal or dynamical time anywhere: the term
// and month tables are tabulated in this same scale.

namespace JulianDay {

// std::floor and std::trunc are not constexpr in C++17; every value here is far
// inside the range of long long.
constexpr double truncOf(double x) { return static_cast<double>(static_cast<long long>(x)); }
constexpr double floorOf(double x)
{
    const double t = truncOf(x);
    return t > x ? t - 1.0 : t;
}

// First day of the Gregorian calendar, 1582-10-15 00:00.
inline constexpr double gregorianStartJd = 2299160.5;
// Day number 0 is the civil day that begins here (1971-08-07, a 甲子 day).
inline constexpr int dayNumberEpoch = 2441170;

// The caller decides the calendar by the date.
constexpr bool isGregorianDate(int year, int month, int day)
{
    return year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day >= 15)));
}

// h: hours from midnight, minutes and seconds as fractions.
constexpr double getJulianDayFromCal(int year, int month, int day, double h, int gregorian)
{
    const double y = month < 3 ? year - 1 : year; // January and February count with the year before
    const double m = month + 1 < 4 ? month + 13 : month + 1; // [4, 15]
    double jd = floorOf(m * 30.6 + 0.000001) + floorOf((y + 4712) * 365.25) + day + h / 24 - 63.5;
    if (gregorian == 1) {
        const double ay = y < 0 ? -y : y;
        const double a = floorOf(ay / 100); // centuries
        const double b = floorOf(ay / 400);
        if (y >= 0) {
            jd = jd - (a - b) + 2;
        } else {
            jd = jd + (a - b) + 2;
            if (y / 100 == truncOf(y / 100) && y / 400 != truncOf(y / 400))
                jd -= 1;
        }
    }
    return jd;
}

struct CivilTime {
    int year = 0;
    int month = 0;
    int day = 0;
    double hours = 0; // [0, 24)
};

constexpr CivilTime getCalFromJulianDay(double x, int gregorian)
{
    double b = x + 32082.5;
    if (gregorian == 1) {
        double d = floorOf(b / 36525) + b - floorOf(b / 146100) - 38;
        if (x >= 1830691.5)
            d += 1;
        b = floorOf(d / 36525) + b - floorOf(d / 146100) - 38;
    }
    const double c = floorOf(b + 123);
    const double d = floorOf((c - 122.2) / 365.25);
    const double e = floorOf(d * 365.25);
    const double f = floorOf((c - e) / 30.6001); // [4, 15]
    CivilTime t;
    t.month = static_cast<int>(f - 1);
    if (t.month > 12)
        t.month -= 12;
    t.day = static_cast<int>(c - e - floorOf(f * 30.6001));
    t.year = static_cast<int>(floorOf((f - 2) / 12) + d - 4800);
    t.hours = (x - floorOf(x + 0.5) + 0.5) * 24;
    return t;
}

constexpr int gregorianFlagOf(double jd) { return jd >= gregorianStartJd ? 1 : 0; }

// Whole civil days since 1971-08-07; the day pillar is this mod 60.
constexpr int dayNumberOf(double jd) { return static_cast<int>(truncOf(jd - 0.5)) - dayNumberEpoch; }

// Noon-form number of the civil day that contains jd (the form of the month table).
constexpr int noonDayOf(double jd) { return static_cast<int>(truncOf(jd - 0.5)) + 1; }

static_assert(getJulianDayFromCal(2000, 1, 1, 12.0, 1) == 2451545.0);
static_assert(getJulianDayFromCal(1582, 10, 15, 0, 1) == gregorianStartJd);
static_assert(getJulianDayFromCal(1582, 10, 4, 0, 0) == 2299159.5);
static_assert(getCalFromJulianDay(2451545.0, 1).year == 2000 && getCalFromJulianDay(2451545.0, 1).hours == 12.0);

} // namespace JulianDay
