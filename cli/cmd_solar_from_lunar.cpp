// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "TimePoints.h"

#include <QDate>

namespace {

QString lastReason;

// The engine's diagnostics become the reason given on standard error.
void collectReason(const char *text)
{
    const QString line = QString::fromUtf8(text).trimmed();
    if (!line.isEmpty() && !line.startsWith(QLatin1String("error ")))
        lastReason = line;
}

bool toInt(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

int run(QStringList args)
{
    const bool leap = args.removeAll(QStringLiteral("--leap")) > 0;
    int year = 0, month = 0, day = 0;
    if (args.size() != 3 || !toInt(args[0], year) || !toInt(args[1], month) || !toInt(args[2], day))
        return cliUsageError(QStringLiteral("solar-from-lunar needs YEAR MONTH DAY as numbers [--leap]"));
    if (year < TimePoints::firstBirthYear || year > TimePoints::lastCalendarYear)
        return cliUsageError(QStringLiteral("the lunar year must lie in 1800..2200"));
    if (month < 1 || month > 12)
        return cliUsageError(QStringLiteral("the lunar month must lie in 1..12"));
    if (day < 1 || day > 30)
        return cliUsageError(QStringLiteral("the lunar day must lie in 1..30"));

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
        return cliUsageError(lastReason.isEmpty() ? QStringLiteral("no such lunar date") : lastReason);
    cliWrite(QDate(tp.solarCal[0], tp.solarCal[1], tp.solarCal[2]).toString(Qt::ISODate) + QLatin1Char('\n'));
    return 0;
}

} // namespace

static const CliCommand solarFromLunarCommand{
    "solar-from-lunar", "solar-from-lunar YEAR MONTH DAY [--leap]",
    "the Gregorian date (YYYY-MM-DD) of a lunar date; --leap for the leap month", run};
