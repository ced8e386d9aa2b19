#include "ChartInput.h"
#include "Command.h"

#include "InSight.h"
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

int run(QStringList args)
{
    int gender = 0;
    const int genderAt = args.indexOf(QStringLiteral("--gender"));
    if (genderAt >= 0) {
        if (genderAt + 1 >= args.size() || !parseInt(args[genderAt + 1], gender) || (gender != 0 && gender != 1))
            return cliUsageError(QStringLiteral("--gender takes 0 or 1"));
        args.erase(args.begin() + genderAt, args.begin() + genderAt + 2);
    }
    if (args.size() != 4)
        return cliUsageError(QStringLiteral("search needs four pillars: YEAR MONTH DAY HOUR (0..59 or names like 甲子)"));
    int pillars[4];
    for (int i = 0; i < 4; ++i) {
        pillars[i] = readPillar(args[i]);
        if (pillars[i] < 0)
            return cliUsageError(QStringLiteral("not a pillar: ") + args[i]);
    }

    InSight s;
    if (s.beginWithChacs(pillars[0], pillars[1], pillars[2], pillars[3], gender).toInt() != 0) {
        cliWrite(QStringLiteral("no birth moment from 1800 to today has the pillars ")
                 % Vocabulary::jiaziName(pillars[0]) % QLatin1Char(' ') % Vocabulary::jiaziName(pillars[1])
                 % QLatin1Char(' ') % Vocabulary::jiaziName(pillars[2]) % QLatin1Char(' ')
                 % Vocabulary::jiaziName(pillars[3]) % QLatin1Char('\n'));
        return 1;
    }
    const QString solar[3] = {s.thisSolarDateStr(), s.alternativeSolarDateStr2(), s.alternativeSolarDateStr3()};
    const QString lunar[3] = {s.thisLunarDateStr(), s.alternativeLunarDateStr2(), s.alternativeLunarDateStr3()};
    QString out = QStringLiteral("solar\tlunar\n");
    for (int i = 0; i < s.timepointCnt(); ++i)
        out += solar[i] % QLatin1Char('\t') % lunar[i] % QLatin1Char('\n');
    cliWrite(out);
    return 0;
}

} // namespace

static const CliCommand searchCommand{
    "search", "search YEAR_CHAC MONTH_CHAC DAY_CHAC HOUR_CHAC [--gender 0|1]",
    "the birth moments (newest first, at most three) with these four pillars", run};
