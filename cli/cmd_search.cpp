// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "InSight.h"
#include "PillarSearch.h"
#include "Vocabulary.h"

namespace {

// A pillar as its sixty-cycle index (0..59) or its name (甲子 .. 癸亥).
int readPillar(const QString &text)
{
    int value = -1;
    if (Cli::readInt(text, 0, 59, value))
        return value;
    for (int k = 0; k < 60; ++k)
        if (Vocabulary::jiaziName(k) == text)
            return k;
    return -1;
}

int run(const QStringList &args)
{
    Cli::CommandLine line("search", "search [--gender 0|1] [--switch11pm 0|1] YEAR MONTH DAY HOUR",
                          "Every birth moment from 1800 to today with these four pillars (each 0..59 or a name"
                          " like 甲子), to the minute: the first minute of each stretch that has them, newest"
                          " first, with its solar and lunar date texts.");
    line.addValue("gender", "0|1", "0 male, 1 female (default 0)");
    line.addValue("switch11pm", "0|1", "1: the day changes at 23:00 (default); 0: at midnight");
    int code = 0;
    if (!line.parse(args, code))
        return code;
    int gender = 0;
    int switch11pm = 1;
    if (line.isSet("gender") && !Cli::readInt(line.value("gender"), 0, 1, gender))
        return Cli::usageError(QStringLiteral("--gender takes 0 or 1"));
    if (line.isSet("switch11pm") && !Cli::readInt(line.value("switch11pm"), 0, 1, switch11pm))
        return Cli::usageError(QStringLiteral("--switch11pm takes 0 or 1"));
    const QStringList names = line.positional();
    if (names.size() != 4)
        return Cli::usageError(QStringLiteral("search needs four pillars: YEAR MONTH DAY HOUR (0..59 or names like 甲子)"));
    int pillars[4];
    for (int i = 0; i < 4; ++i) {
        pillars[i] = readPillar(names[i]);
        if (pillars[i] < 0)
            return Cli::usageError(QStringLiteral("not a pillar: ") + names[i]);
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

static const CliCommand searchCommand{"search", "every birth moment with the given four pillars", run};
