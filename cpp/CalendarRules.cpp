// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarRules.h"

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
