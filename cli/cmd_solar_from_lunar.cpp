// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "CalendarRules.h"

#include <QDate>

#include <limits>

namespace {

int run(const QStringList &args)
{
    Cli::CommandLine line("solar-from-lunar", "solar-from-lunar [--leap] YEAR MONTH DAY",
                          "The Gregorian date (YYYY-MM-DD) of a lunar date: lunar year 1800..2200,"
                          " month 1..12, day 1..30.");
    line.addFlag("leap", "the day lies in the leap month that follows MONTH");
    int code = 0;
    if (!line.parse(args, code))
        return code;
    const QStringList numbers = line.positional();
    const int any = std::numeric_limits<int>::max();
    int year = 0, month = 0, day = 0;
    if (numbers.size() != 3 || !Cli::readInt(numbers[0], -any, any, year)
        || !Cli::readInt(numbers[1], -any, any, month) || !Cli::readInt(numbers[2], -any, any, day))
        return Cli::usageError(QStringLiteral("solar-from-lunar needs YEAR MONTH DAY as numbers [--leap]"));

    int solar[3] = {0, 0, 0};
    QString message;
    const int result = CalendarRules::solarOfLunar(year, month, day, line.isSet("leap"), solar, &message,
                                                   CalendarRules::YearRange::Calendar);
    switch (result) {
    case CalendarRules::LunarDateOk:
        cliWrite(QDate(solar[0], solar[1], solar[2]).toString(Qt::ISODate) + QLatin1Char('\n'));
        return 0;
    case CalendarRules::LunarYearOutside:
        return Cli::usageError(QStringLiteral("the lunar year must lie in 1800..2200"));
    case CalendarRules::LunarMonthOutside:
        return Cli::usageError(QStringLiteral("the lunar month must lie in 1..12"));
    case CalendarRules::LunarDayOutside:
        return Cli::usageError(QStringLiteral("the lunar day must lie in 1..30"));
    }
    return Cli::usageError(message);
}

} // namespace

static const CliCommand solarFromLunarCommand{"solar-from-lunar", "the Gregorian date of a lunar date", run};
