// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "CalendarTables.h"

static const CliCommand termsCommand{
    "terms", "the solar-term table",
    [](const QStringList &args) {
        Cli::CommandLine line("terms", "terms",
                              "The solar-term table, one term a line: sino year, position (0 = 立春),"
                              " Julian day in Beijing time.");
        int code = 0;
        if (!line.parseNoArguments(args, code))
            return code;
        QString out = QStringLiteral("sino_year\tposition\tjd\n");
        out.reserve(302 * 24 * 24);
        for (int r = 0; r < CalendarTables::rowCount; ++r) {
            const QString year = QString::number(CalendarTables::firstYear + r);
            for (int p = 0; p < 24; ++p)
                out += year + QLatin1Char('\t') + QString::number(p) + QLatin1Char('\t')
                    + QString::number(CalendarTables::solarTerms[r][p], 'f', 6) + QLatin1Char('\n');
        }
        cliWrite(out);
        return 0;
    }};
