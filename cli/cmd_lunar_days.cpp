// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchText.h"
#include "Command.h"

#include "BoundaryWarnings.h"
#include "TimePoints.h"

#include <QDate>

#include <cstdio>

namespace {

const QDate firstDay(1800, 1, 1);
const QDate lastDay(TimePoints::lastCalendarYear, 12, 31);

int run(const QStringList &args)
{
    Cli::CommandLine line("lunar-days", "lunar-days FROM TO",
                          "The lunar date of every Gregorian day FROM..TO (YYYY-MM-DD, 1800-01-01..2200-12-31),"
                          " at 12:00, one day a line: date, lunar year, month, day, leap (1 in a leap month),"
                          " uncertain (1 where the month's new moon lies within the error budget of midnight,"
                          " so the lunar date could be a day off).");
    int code = 0;
    if (!line.parse(args, code))
        return code;
    const QStringList dates = line.positional();
    if (dates.size() != 2)
        return Cli::usageError(QStringLiteral("lunar-days needs two dates: FROM TO (YYYY-MM-DD)"));
    QDate from, to;
    if (!Cli::readDate(dates[0], from) || !Cli::readDate(dates[1], to))
        return Cli::usageError(QStringLiteral("dates must be written YYYY-MM-DD"));
    if (from < firstDay || to > lastDay)
        return Cli::usageError(QStringLiteral("dates must lie in 1800-01-01 .. 2200-12-31"));
    if (from > to)
        return Cli::usageError(QStringLiteral("FROM must not be after TO"));

    TimePoints tp;
    tp.calendarUse = true;
    TimePoints::Record solar(TimePoints::recordSize, 0);
    TimePoints::Record lunar(TimePoints::recordSize, 0);
    solar[3] = 12; // converted at noon
    // uncertain: 1 where the month's new moon lies within the error budget of
    // midnight, so the lunar date could be a day off.
    // Day by day into a buffer that leaves in pieces.
    QByteArray out("date\tlunar_year\tlunar_month\tlunar_day\tleap\tuncertain\n");
    out.reserve(1 << 16);
    const auto flush = [&out] {
        std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
        out.clear();
    };
    for (qint64 day = from.toJulianDay(); day <= to.toJulianDay(); ++day) {
        const QDate d = QDate::fromJulianDay(day);
        d.getDate(&solar[0], &solar[1], &solar[2]);
        if (!tp.getLunarCalFromSolarCal(solar, lunar)) {
            flush();
            return Cli::usageError(QStringLiteral("no lunar date for ") + d.toString(Qt::ISODate));
        }
        appendIsoDate(out, solar[0], solar[1], solar[2]);
        for (const int v : {lunar[0], lunar[1], lunar[2], lunar[TimePoints::leapSlot]}) {
            out += '\t';
            appendInt(out, v);
        }
        out += BoundaryWarnings::dayInUncertainMonth(int(day)) ? "\t1\n" : "\t0\n";
        if (out.size() >= (1 << 16) - 64)
            flush();
    }
    flush();
    return 0;
}

} // namespace

static const CliCommand lunarDaysCommand{"lunar-days", "the lunar date of every day in a range", run};
