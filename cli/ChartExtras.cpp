// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartExtras.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace ChartExtras {

QString chooseLuckRule(InSight &engine, const QString &rule, const QString &direction)
{
    if (!rule.isEmpty() && !engine.setLuckRuleName(rule))
        return QStringLiteral("--luck-rule takes described, plain-seconds, minutes-4320, days-and-hours or minutes-2h");
    if (!direction.isEmpty() && !engine.setLuckDirectionName(direction))
        return QStringLiteral("--luck-direction takes yang-male or male-forward");
    return QString();
}

QJsonArray luckStartsJson(const InSight &s)
{
    return QJsonArray::fromVariantList(s.luckStarts().toList());
}

namespace {

bool solarTimeUsed(const InSight &s)
{
    return s.primaryTimePoint().ztyJdPlus != 0;
}

} // namespace

QJsonArray warningsJson(const InSight &s, int switch11pm)
{
    return QJsonArray::fromVariantList(s.boundaryWarnings(switch11pm, solarTimeUsed(s)).toList());
}

QString readableLines(const InSight &s, int switch11pm)
{
    const bool trueSolarTime = solarTimeUsed(s);
    QString out = QStringLiteral("luck rule    ") + s.luckRuleName() + QLatin1Char('\n');
    for (const QVariant &v : s.luckStarts().toList()) {
        const QVariantMap m = v.toMap();
        if (m.value(QStringLiteral("rule")).toString() != s.luckRuleName())
            continue;
        for (const QString &step : m.value(QStringLiteral("steps")).toStringList())
            out += QStringLiteral("             ") + step + QLatin1Char('\n');
    }
    const QVariantList warnings = s.boundaryWarnings(switch11pm, trueSolarTime).toList();
    if (warnings.isEmpty())
        out += QStringLiteral("warnings     none\n");
    for (const QVariant &v : warnings) {
        const QVariantMap m = v.toMap();
        out += QStringLiteral("warning      %1, %2 min away (budget ±%3 s), other side: %4\n")
                   .arg(m.value(QStringLiteral("kind")).toString())
                   .arg(m.value(QStringLiteral("minutesAway")).toDouble())
                   .arg(m.value(QStringLiteral("budgetSeconds")).toDouble())
                   .arg(m.value(QStringLiteral("alternative")).toStringList().join(QLatin1Char(' ')));
    }
    return out;
}

QString hourCandidatesText(const InSight &s, int gender, bool lunar, bool leap, const int date[3], double zty,
                           int switch11pm, bool json)
{
    const QVariantList list =
        s.hourCandidates(gender, lunar ? 1 : 0, date[0], date[1], date[2], leap ? 1 : 0, zty, switch11pm).toList();
    if (list.isEmpty())
        return QString();
    if (json)
        return QString::fromUtf8(QJsonDocument(QJsonArray::fromVariantList(list)).toJson(QJsonDocument::Indented));
    QString out = QStringLiteral("clock\tpillars\thour stem\thour branch\tluck start age\tluck start\trelations\n");
    for (const QVariant &v : list) {
        const QVariantMap m = v.toMap();
        const QVariantMap luck = m.value(QStringLiteral("luckStart")).toMap();
        out += m.value(QStringLiteral("clock")).toString() % QLatin1Char('\t')
            % m.value(QStringLiteral("pillars")).toStringList().join(QLatin1Char(' ')) % QLatin1Char('\t')
            % m.value(QStringLiteral("hourStemGod")).toString() % QLatin1Char('\t')
            % m.value(QStringLiteral("hourBranchGods")).toString() % QLatin1Char('\t')
            % QStringLiteral("%1y %2m %3d %4h")
                  .arg(luck.value(QStringLiteral("ageYears")).toInt())
                  .arg(luck.value(QStringLiteral("ageMonths")).toInt())
                  .arg(luck.value(QStringLiteral("ageDays")).toInt())
                  .arg(luck.value(QStringLiteral("ageHours")).toInt())
            % QLatin1Char('\t') % luck.value(QStringLiteral("start")).toString() % QLatin1Char('\t')
            % m.value(QStringLiteral("relations")).toStringList().join(QLatin1Char(' ')) % QLatin1Char('\n');
    }
    return out;
}

} // namespace ChartExtras
