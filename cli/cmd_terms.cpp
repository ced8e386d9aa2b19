// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "BoundaryWarnings.h"
#include "CalendarTables.h"

static const CliCommand termsCommand{
    "terms", "terms",
    "the solar-term table: sino year, position (0 = 立春), JD in Beijing time;"
    " uncertain = 1 where the term lies within the error budget of midnight, so its day could be the other",
    [](const QStringList &args) {
        if (!args.isEmpty())
            return cliUsageError(QStringLiteral("terms takes no arguments"));
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
