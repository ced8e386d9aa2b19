// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "CalendarTables.h"

static const CliCommand termsCommand{
    "terms", "terms", "the solar-term table: sino year, position (0 = 立春), JD in Beijing time",
    [](const QStringList &args) {
        if (!args.isEmpty())
            return cliUsageError(QStringLiteral("terms takes no arguments"));
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
