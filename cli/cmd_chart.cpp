#include "ChartInput.h"
#include "Command.h"

#include "InSight.h"
#include "Vocabulary.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>

#include <cmath>

namespace {

struct ChartOptions {
    bool lunar = false;
    bool leap = false;
    bool json = false;
    int gender = 0;
    int switch11pm = 1;
    double zty = 0;
    int moment[5] = {0, 0, 0, 0, 0};
};

// Empty on success, else the reason.
QString readOptions(QStringList args, ChartOptions &o)
{
    QStringList positional;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--lunar")) {
            o.lunar = true;
        } else if (a == QLatin1String("--leap")) {
            o.leap = true;
        } else if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("--gender") || a == QLatin1String("--switch11pm")) {
            int v = -1;
            if (args.isEmpty() || !parseInt(args.takeFirst(), v) || (v != 0 && v != 1))
                return a + QStringLiteral(" takes 0 or 1");
            (a == QLatin1String("--gender") ? o.gender : o.switch11pm) = v;
        } else if (a == QLatin1String("--zty")) {
            bool ok = false;
            o.zty = args.isEmpty() ? 0 : args.takeFirst().toDouble(&ok);
            if (!ok || !(std::fabs(o.zty) <= TimePoints::maxZtyDays))
                return QStringLiteral("--zty takes a number of days from -1 to 1");
        } else if (a.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown option ") + a;
        } else {
            positional << a;
        }
    }
    if (o.leap && !o.lunar)
        return QStringLiteral("--leap needs --lunar");
    if (positional.isEmpty() || !parseDateTime(positional.join(QLatin1Char(' ')), o.moment))
        return QStringLiteral("give the moment as \"YYYY-MM-DD HH:MM\"");
    return QString();
}

QString pillarNames(const InSight &s)
{
    return Vocabulary::jiaziName(s.yearChac()) % QLatin1Char(' ') % Vocabulary::jiaziName(s.monthChac())
        % QLatin1Char(' ') % Vocabulary::jiaziName(s.dayChac()) % QLatin1Char(' ') % Vocabulary::jiaziName(s.hourChac());
}

QString readable(InSight &s)
{
    QString luck;
    for (int k = 0; k < 10; ++k)
        luck += (k ? QStringLiteral("  ") : QString()) % Vocabulary::jiaziName(s.dayunJiaZiofBegin() + k * s.clockwise())
            % QLatin1Char(' ') % QString::number(s.solarYearOfBegin() + 10 * k);
    const int bone = s.ytgChengCnt();
    return QStringLiteral("pillars      ") % pillarNames(s) % QLatin1Char('\n')
        % QStringLiteral("luck pillars ") % luck % QLatin1Char('\n')
        % QStringLiteral("direction    ") % (s.clockwise() == 1 ? QStringLiteral("forward") : QStringLiteral("backward"))
        % QLatin1Char('\n')
        % QStringLiteral("start        age ") % QString::number(s.ageOfBegin()) % QStringLiteral(", ")
        % QString::asprintf("%04d-%02d-%02d", s.solarYearOfBegin(), s.solarMonthOfBegin(), s.solarDayOfBegin())
        % QLatin1Char('\n')
        % QStringLiteral("summary      ") % s.getEssentials().toString() % QLatin1Char('\n')
        % QStringLiteral("bone weight  ") % QString::number(bone) % QStringLiteral(" (") % QString::number(bone / 10)
        % QStringLiteral("两") % QString::number(bone % 10) % QStringLiteral("钱)\n")
        % QStringLiteral("solar date   ") % s.thisSolarDateStr() % QLatin1Char('\n')
        % QStringLiteral("lunar date   ") % s.thisLunarDateStr() % QLatin1Char('\n');
}

QString asJson(InSight &s)
{
    QJsonObject object;
    const QMetaObject *mo = s.metaObject();
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        object.insert(QString::fromLatin1(mo->property(i).name()), QJsonValue::fromVariant(mo->property(i).read(&s)));
    object.insert(QStringLiteral("summary"), s.getEssentials().toString());
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

int run(const QStringList &args)
{
    ChartOptions o;
    const QString problem = readOptions(args, o);
    if (!problem.isEmpty())
        return cliUsageError(problem);
    InSight s;
    const int result = s.beginWithTime(o.gender, o.lunar ? 1 : 0, o.moment[0], o.moment[1], o.moment[2], o.moment[3],
                                       o.moment[4], o.leap ? 1 : 0, o.zty, o.switch11pm).toInt();
    if (result != 0)
        return cliUsageError(QStringLiteral("no chart for this moment: the date must exist and lie in 1800..2099,"
                                            " its solar time before the 立春 of 2100"
                                            " (a leap flag only on the leap month of that lunar year)"));
    cliWrite(o.json ? asJson(s) : readable(s));
    return 0;
}

} // namespace

static const CliCommand chartCommand{
    "chart",
    "chart [--lunar] [--leap] [--gender 0|1] [--switch11pm 0|1] [--zty DAYS (-1..1)] [--json] \"YYYY-MM-DD HH:MM\"",
    "the chart of one birth moment: pillars, luck pillars, start, summary, bone weight, date texts", run};
