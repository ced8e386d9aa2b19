// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "CalendarTables.h"

static const CliCommand lunarMonthsCommand{
    "lunar-months", "the lunar month table",
    [](const QStringList &args) {
        Cli::CommandLine line("lunar-months", "lunar-months",
                              "The lunar month table, one lunar year a line: the year, its leap month"
                              " (100 = none) and the first days of its months as noon Julian days.");
        int code = 0;
        if (!line.parseNoArguments(args, code))
            return code;
        QString out = QStringLiteral("lunar_year\tleap");
        for (int m = 1; m <= 13; ++m)
            out += QStringLiteral("\tm") + QString::number(m);
        out += QLatin1Char('\n');
        for (int r = 0; r < CalendarTables::rowCount; ++r) {
            out += QString::number(CalendarTables::firstYear + r) + QLatin1Char('\t')
                + QString::number(CalendarTables::leapMonths[r]);
            for (int m = 0; m < 13; ++m)
                out += QLatin1Char('\t') + QString::number(CalendarTables::lunarMonthStarts[r][m]);
            out += QLatin1Char('\n');
        }
        cliWrite(out);
        return 0;
    }};
