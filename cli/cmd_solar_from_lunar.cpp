// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "TimePoints.h"

#include <QDate>

#include <limits>

namespace {

QString lastReason;

// The engine's diagnostics become the reason given on standard error.
void collectReason(const char *text)
{
    const QString line = QString::fromUtf8(text).trimmed();
    if (!line.isEmpty() && !line.startsWith(QLatin1String("error ")))
        lastReason = line;
}

int run(const QStringList &args)
{
    Cli::CommandLine line("solar-from-lunar", "solar-from-lunar [--leap] YEAR MONTH DAY",
                          "The Gregorian date (YYYY-MM-DD) of a lunar date: lunar year 1800..2200,"
                          " month 1..12, day 1..30.");
    line.addFlag("leap", "the day lies in the leap month that follows MONTH");
    int code = 0;
    if (!line.parse(args, code))
        return code;
    const bool leap = line.isSet("leap");
    const QStringList numbers = line.positional();
    const int any = std::numeric_limits<int>::max();
    int year = 0, month = 0, day = 0;
    if (numbers.size() != 3 || !Cli::readInt(numbers[0], -any, any, year)
        || !Cli::readInt(numbers[1], -any, any, month) || !Cli::readInt(numbers[2], -any, any, day))
        return Cli::usageError(QStringLiteral("solar-from-lunar needs YEAR MONTH DAY as numbers [--leap]"));
    if (year < TimePoints::firstBirthYear || year > TimePoints::lastCalendarYear)
        return Cli::usageError(QStringLiteral("the lunar year must lie in 1800..2200"));
    if (month < 1 || month > 12)
        return Cli::usageError(QStringLiteral("the lunar month must lie in 1..12"));
    if (day < 1 || day > 30)
        return Cli::usageError(QStringLiteral("the lunar day must lie in 1..30"));

    TimePoints::Record lunar(TimePoints::recordSize, 0);
    lunar[0] = year;
    lunar[1] = month;
    lunar[2] = day;
    lunar[3] = 12;
    lunar[TimePoints::leapSlot] = leap ? 1 : 0;
    TimePoints tp;
    tp.calendarUse = true;
    lastReason.clear();
    const auto previous = TimePoints::setDiagnosticSink(collectReason);
    const bool ok = tp.getSolarCalFromLunarCal(lunar);
    TimePoints::setDiagnosticSink(previous);
    if (!ok)
        return Cli::usageError(lastReason.isEmpty() ? QStringLiteral("no such lunar date") : lastReason);
    cliWrite(QDate(tp.solarCal[0], tp.solarCal[1], tp.solarCal[2]).toString(Qt::ISODate) + QLatin1Char('\n'));
    return 0;
}

} // namespace

static const CliCommand solarFromLunarCommand{"solar-from-lunar", "the Gregorian date of a lunar date", run};
