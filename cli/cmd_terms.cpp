// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "BoundaryWarnings.h"
#include "CalendarTables.h"

static const CliCommand termsCommand{
    "terms", "the solar-term table",
    [](const QStringList &args) {
        Cli::CommandLine line("terms", "terms",
                              "The solar-term table, one term a line: sino year (1799..2201), position (0 = 立春),"
                              " Julian day in Beijing time, uncertain (1 where the term lies within the error"
                              " budget of midnight, so its day could be the one before or after).");
        int code = 0;
        if (!line.parseNoArguments(args, code))
            return code;
        QString out = QStringLiteral("sino_year\tposition\tjd\tuncertain\n");
        out.reserve(CalendarTables::rowCount * 24 * 26);
        for (int r = 0; r < CalendarTables::rowCount; ++r) {
            const QString year = QString::number(CalendarTables::firstYear + r);
            for (int p = 0; p < 24; ++p) {
                const double jd = CalendarTables::solarTerms[r][p];
                out += year + QLatin1Char('\t') + QString::number(p) + QLatin1Char('\t')
                    + QString::number(jd, 'f', 6) + QLatin1Char('\t')
                    + QLatin1Char(BoundaryWarnings::termDayUncertain(jd) ? '1' : '0') + QLatin1Char('\n');
            }
        }
        cliWrite(out);
        return 0;
    }};
