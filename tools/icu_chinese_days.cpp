// SPDX-License-Identifier: GPL-3.0-or-later
// Prints ICU's Chinese-calendar date of every day in a range, for check_icu.mjs.
// Build: c++ -O2 -o icu_chinese_days icu_chinese_days.cpp $(pkg-config --cflags --libs icu-i18n)
// Usage: icu_chinese_days FIRST_YEAR LAST_YEAR
// Output lines: noon JD <TAB> sexagenary year 1..60 <TAB> month 1..12 <TAB> leap 0/1 <TAB> day,
// each day taken at 12:00 in UTC+8.
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FIRST_YEAR LAST_YEAR\n", argv[0]);
        return 2;
    }
    const int firstYear = std::atoi(argv[1]), lastYear = std::atoi(argv[2]);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone("GMT+08:00"));
    icu::GregorianCalendar gregorian(*zone, status);
    // icu::ChineseCalendar is not public API; the locale keyword selects it
    std::unique_ptr<icu::Calendar> chinese(icu::Calendar::createInstance(*zone, icu::Locale("zh_CN@calendar=chinese"), status));
    if (U_FAILURE(status) || std::strcmp(chinese->getType(), "chinese") != 0) {
        std::fprintf(stderr, "ICU: %s\n", u_errorName(status));
        return 1;
    }
    gregorian.clear();
    gregorian.set(firstYear, UCAL_JANUARY, 1, 12, 0, 0);
    for (;;) {
        if (gregorian.get(UCAL_YEAR, status) > lastYear)
            break;
        const UDate moment = gregorian.getTime(status);
        const int32_t jd = gregorian.get(UCAL_JULIAN_DAY, status);
        chinese->setTime(moment, status);
        std::printf("%d\t%d\t%d\t%d\t%d\n", jd, chinese->get(UCAL_YEAR, status), chinese->get(UCAL_MONTH, status) + 1,
                    chinese->get(UCAL_IS_LEAP_MONTH, status), chinese->get(UCAL_DATE, status));
        gregorian.add(UCAL_DATE, 1, status);
        if (U_FAILURE(status)) {
            std::fprintf(stderr, "ICU: %s\n", u_errorName(status));
            return 1;
        }
    }
    return 0;
}
