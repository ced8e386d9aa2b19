// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartInput.h"
#include "Command.h"

#include "InSight.h"
#include "PillarSearch.h"
#include "Vocabulary.h"

namespace {

// A pillar as its sixty-cycle index (0..59) or its name (甲子 .. 癸亥).
int readPillar(const QString &text)
{
    int value = -1;
    if (parseInt(text, value))
        return value >= 0 && value < 60 ? value : -1;
    for (int k = 0; k < 60; ++k)
        if (Vocabulary::jiaziName(k) == text)
            return k;
    return -1;
}

// Takes "--name V" out of args as 0 or 1; false when the value is anything else.
bool takeSwitch(QStringList &args, const QString &name, int &value)
{
    const int at = args.indexOf(name);
    if (at < 0)
        return true;
    if (at + 1 >= args.size() || !parseInt(args[at + 1], value) || (value != 0 && value != 1))
        return false;
    args.erase(args.begin() + at, args.begin() + at + 2);
    return true;
}

int run(QStringList args)
{
    int gender = 0;
    int switch11pm = 1;
    if (!takeSwitch(args, QStringLiteral("--gender"), gender))
        return cliUsageError(QStringLiteral("--gender takes 0 or 1"));
    if (!takeSwitch(args, QStringLiteral("--switch11pm"), switch11pm))
        return cliUsageError(QStringLiteral("--switch11pm takes 0 or 1"));
    if (args.size() != 4)
        return cliUsageError(QStringLiteral("search needs four pillars: YEAR MONTH DAY HOUR (0..59 or names like 甲子)"));
    int pillars[4];
    for (int i = 0; i < 4; ++i) {
        pillars[i] = readPillar(args[i]);
        if (pillars[i] < 0)
            return cliUsageError(QStringLiteral("not a pillar: ") + args[i]);
    }

    const QVector<PillarSearch::Moment> found =
            PillarSearch::findMoments(pillars[0], pillars[1], pillars[2], pillars[3], switch11pm, QDate::currentDate());
    if (found.isEmpty()) {
        cliWrite(QStringLiteral("no birth moment from 1800 to today has the pillars ")
                 % Vocabulary::jiaziName(pillars[0]) % QLatin1Char(' ') % Vocabulary::jiaziName(pillars[1])
                 % QLatin1Char(' ') % Vocabulary::jiaziName(pillars[2]) % QLatin1Char(' ')
                 % Vocabulary::jiaziName(pillars[3]) % QLatin1Char('\n'));
        return 1;
    }
    QString out = QStringLiteral("datetime\tsolar\tlunar\n");
    InSight s;
    for (const PillarSearch::Moment &m : found) {
        s.beginWithTime(gender, 0, m.year, m.month, m.day, m.hour, m.minute, 0, 0, switch11pm);
        out += QString::asprintf("%04d-%02d-%02d %02d:%02d", m.year, m.month, m.day, m.hour, m.minute)
             % QLatin1Char('\t') % s.thisSolarDateStr() % QLatin1Char('\t') % s.thisLunarDateStr() % QLatin1Char('\n');
    }
    cliWrite(out);
    return 0;
}

} // namespace

static const CliCommand searchCommand{
    "search", "search YEAR_CHAC MONTH_CHAC DAY_CHAC HOUR_CHAC [--gender 0|1] [--switch11pm 0|1]",
    "every birth moment from 1800 to today with these four pillars, to the minute: the first minute of each"
    " stretch that has them, newest first (day change at 23:00 unless --switch11pm 0)", run};
