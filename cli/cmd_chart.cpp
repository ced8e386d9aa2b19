// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartExport.h"
#include "ChartExtras.h"
#include "ChartInput.h"
#include "Command.h"

#include "AppContext.h"
#include "ChartCalculation.h"
#include "DatabaseConnections.h"
#include "InSight.h"
#include "Vocabulary.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimeZone>

#include <algorithm>

#include <cmath>

namespace {

struct ChartOptions {
    bool lunar = false;
    bool leap = false;
    bool json = false;
    int gender = 0;
    int switch11pm = 1;
    double zty = 0;
    bool ztyGiven = false;
    int moment[5] = {0, 0, 0, 0, 0};
    ChartCalculation::Input place; // --tz, --lng, --time, --dst
    bool placeGiven = false;
    QString record; // --record: seqno or userid
    QString db;
    QString luckRule;
    QString luckDirection;
    bool hourUnknown = false;
};

// One of --tz, --lng, --time, --dst, --record, --db; empty on success.
QString readChainOption(const QString &a, const QString &v, ChartOptions &o)
{
    if (a == QLatin1String("--record")) {
        o.record = v;
        return QString();
    }
    if (a == QLatin1String("--db")) {
        o.db = v;
        return v.isEmpty() ? QStringLiteral("--db needs a file path") : QString();
    }
    o.placeGiven = true;
    if (a == QLatin1String("--tz")) {
        o.place.zone = v.toUtf8();
        if (!QTimeZone::isTimeZoneIdAvailable(o.place.zone))
            return QStringLiteral("--tz: no zone %1 in the tz database").arg(v);
    } else if (a == QLatin1String("--lng")) {
        bool ok = false;
        o.place.longitude = v.toDouble(&ok);
        if (!ok || o.place.longitude < -180 || o.place.longitude > 180)
            return QStringLiteral("--lng takes degrees east, -180..180");
    } else if (a == QLatin1String("--time")) {
        if (!ChartCalculation::timeKindFromName(v, o.place.timeKind))
            return QStringLiteral("--time takes true, mean or clock");
    } else if (!ChartCalculation::dstModeFromName(v, o.place.dst)) {
        return QStringLiteral("--dst takes auto, on or off");
    }
    return QString();
}

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
        } else if (a == QLatin1String("--luck-rule") || a == QLatin1String("--luck-direction")) {
            (a == QLatin1String("--luck-rule") ? o.luckRule : o.luckDirection) = args.isEmpty() ? QStringLiteral("?") : args.takeFirst();
        } else if (a == QLatin1String("--hour-unknown")) {
            o.hourUnknown = true;
            o.ztyGiven = true;
        } else if (a == QLatin1String("--tz") || a == QLatin1String("--lng") || a == QLatin1String("--time")
                   || a == QLatin1String("--dst") || a == QLatin1String("--record") || a == QLatin1String("--db")) {
            if (args.isEmpty())
                return a + QStringLiteral(" needs a value");
            const QString v = args.takeFirst();
            const QString problem = readChainOption(a, v, o);
            if (!problem.isEmpty())
                return problem;
        } else if (a.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown option ") + a;
        } else {
            positional << a;
        }
    }
    if (o.leap && !o.lunar)
        return QStringLiteral("--leap needs --lunar");
    if (o.hourUnknown) // a day only; the hour is filled in for reading
        positional << QStringLiteral("12:00");
    if (o.ztyGiven && (o.placeGiven || !o.record.isEmpty()))
        return QStringLiteral("--zty is the engine's own offset; it does not go with --tz, --lng, --time, --dst or --record");
    if (!o.record.isEmpty()) {
        if (o.placeGiven || o.lunar || !positional.isEmpty())
            return QStringLiteral("--record charts the stored record with its own switches; give no moment or place");
        return QString();
    }
    if (!o.db.isEmpty())
        return QStringLiteral("--db goes with --record");
    if (positional.isEmpty() || !parseDateTime(positional.join(QLatin1Char(' ')), o.moment))
        return o.hourUnknown ? QStringLiteral("--hour-unknown takes the day as \"YYYY-MM-DD\"")
                             : QStringLiteral("give the moment as \"YYYY-MM-DD HH:MM\"");
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

QString asJson(InSight &s, const QVariantMap &moment, int switch11pm)
{
    QJsonObject object;
    if (!moment.isEmpty())
        object.insert(QStringLiteral("moment"), QJsonObject::fromVariantMap(moment));
    const QMetaObject *mo = s.metaObject();
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        object.insert(QString::fromLatin1(mo->property(i).name()), QJsonValue::fromVariant(mo->property(i).read(&s)));
    object.insert(QStringLiteral("summary"), s.getEssentials().toString());
    object.insert(QStringLiteral("luckStarts"), ChartExtras::luckStartsJson(s));
    object.insert(QStringLiteral("warnings"), ChartExtras::warningsJson(s, switch11pm));
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

QString momentLines(const QVariantMap &m)
{
    const int offset = m.value(QStringLiteral("utcOffsetMinutes")).toInt();
    const QString local = m.value(QStringLiteral("localTime")).toString();
    return QStringLiteral("zone         ") % m.value(QStringLiteral("zone")).toString()
        % QString::asprintf(" UTC%c%02d:%02d, summer time %d min", offset < 0 ? '-' : '+', qAbs(offset) / 60,
                            qAbs(offset) % 60, m.value(QStringLiteral("dstMinutes")).toInt())
        % (local == QLatin1String("ok") ? QString() : QStringLiteral(", local time ") % local) % QLatin1Char('\n')
        % QStringLiteral("instant      ") % m.value(QStringLiteral("utc")).toString() % QStringLiteral(" UTC, ")
        % m.value(QStringLiteral("beijing")).toString() % QStringLiteral(" UTC+8\n")
        % QStringLiteral("solar time   mean ") % m.value(QStringLiteral("meanSolar")).toString()
        % QStringLiteral(", true ") % m.value(QStringLiteral("trueSolar")).toString()
        % QStringLiteral(" (pillars from ") % m.value(QStringLiteral("timeKind")).toString() % QStringLiteral(")\n");
}

// The stored record as the chart page reads it; empty when there is none.
QVariantMap storedRecord(const ChartOptions &o, QString &problem)
{
    if (!o.db.isEmpty() && !QFileInfo(o.db).isFile()) {
        problem = QStringLiteral("no database file at %1").arg(o.db);
        return {};
    }
    if ((o.db.isEmpty() ? DatabaseConnections::openUserDatabase() : DatabaseConnections::openUserDatabaseAt(o.db)) != 0) {
        problem = QStringLiteral("cannot open the user database");
        return {};
    }
    QSqlQuery q(QSqlDatabase::database(AppContext::userConnectionName));
    q.prepare(QStringLiteral("SELECT * FROM oneCustomer WHERE userid = ? OR CAST(seqno AS TEXT) = ?"));
    q.addBindValue(o.record);
    q.addBindValue(o.record);
    QVariantMap rec;
    if (q.exec() && q.next()) {
        const QSqlRecord r = q.record();
        for (int i = 0; i < r.count(); ++i)
            rec.insert(r.fieldName(i), r.value(i));
    }
    if (rec.isEmpty())
        problem = QStringLiteral("no record %1 in the database").arg(o.record);
    return rec;
}

// The record's file, image or PDF: a stored record as it is, a moment as the
// birth form would store it.
int exportChart(const ChartOptions &o, ChartExportOptions exports, const ChartCalculation::Input &in)
{
    QVariantMap record;
    if (!o.record.isEmpty()) {
        QString missing;
        record = storedRecord(o, missing);
        const bool ownRule = record.value(QStringLiteral("extraColumn4")).toString().contains(QLatin1String("luck:"));
        if (!o.luckRule.isEmpty() && ownRule)
            return cliUsageError(QStringLiteral("record %1 keeps its own luck-start rule; give no --luck-rule").arg(o.record));
    } else {
        // A rule named for the moment is the record's own, as the chart page keeps it.
        record = ChartFile::newRecord(in, exports.name, exports.place, o.luckRule, QDateTime::currentDateTime());
    }
    if (!o.luckRule.isEmpty() && !o.record.isEmpty())
        exports.settings.luckRule = o.luckRule;
    if (!o.luckDirection.isEmpty())
        exports.settings.luckDirection = o.luckDirection;
    return writeChartExports(exports, record);
}

int run(QStringList args)
{
    ChartOptions o;
    ChartExportOptions exports;
    QString problem = takeChartExportOptions(args, exports);
    if (problem.isEmpty())
        problem = readOptions(args, o);
    if (problem.isEmpty() && exports.any() && (o.ztyGiven || o.json))
        problem = QStringLiteral("--png, --pdf and --chart-file take a place (--tz, --lng, --time, --dst) or --record,"
                                 " not --zty, --hour-unknown or --json");
    if (!problem.isEmpty())
        return cliUsageError(problem);
    if (o.lunar && o.moment[2] > TimePoints::lunarMonthLength(o.moment[0], o.moment[1], o.leap)
        && TimePoints::lunarMonthLength(o.moment[0], o.moment[1], o.leap) > 0)
        return cliUsageError(QString::fromUtf8(TimePoints::noSuchLunarDate));
    InSight s;
    const QString ruleProblem = ChartExtras::chooseLuckRule(s, o.luckRule, o.luckDirection);
    if (!ruleProblem.isEmpty())
        return cliUsageError(ruleProblem);
    if (o.hourUnknown) {
        // The engine's own offset (--zty) only; the place options are not applied here.
        const QString text = ChartExtras::hourCandidatesText(s, o.gender, o.lunar, o.leap, o.moment, o.zty,
                                                             o.switch11pm, o.json);
        if (text.isEmpty())
            return cliUsageError(QStringLiteral("no chart for this day: the date must exist and lie in 1800..2099"));
        cliWrite(text);
        return 0;
    }
    const QString noChart = QStringLiteral("no chart for this moment: the date must exist and lie in 1800..2099,"
                                           " its solar time before the 立春 of 2100"
                                           " (a leap flag only on the leap month of that lunar year)");
    if (o.ztyGiven) {
        const int result = s.beginWithTime(o.gender, o.lunar ? 1 : 0, o.moment[0], o.moment[1], o.moment[2],
                                           o.moment[3], o.moment[4], o.leap ? 1 : 0, o.zty, o.switch11pm).toInt();
        if (result != 0)
            return cliUsageError(noChart);
        cliWrite(o.json ? asJson(s, {}, o.switch11pm) : readable(s) + ChartExtras::readableLines(s, o.switch11pm));
        return 0;
    }
    ChartCalculation::Input in = o.place;
    if (!o.record.isEmpty()) {
        QString missing;
        const QVariantMap rec = storedRecord(o, missing);
        if (rec.isEmpty())
            return cliUsageError(missing);
        // The record's own luck-start rule, unless the command line names one.
        for (const QString &word : rec.value(QStringLiteral("extraColumn4")).toString().split(QLatin1Char(' ')))
            if (o.luckRule.isEmpty() && word.startsWith(QLatin1String("luck:")))
                s.setLuckRuleName(word.mid(5));
        QString reason;
        if (!ChartCalculation::inputFromRecord(rec, QVariantMap{{QStringLiteral("recal"), 0}}, in, reason))
            return cliUsageError(QStringLiteral("record %1: %2").arg(o.record, reason));
    } else {
        in.gender = o.gender;
        in.caltype = o.lunar ? (o.leap ? 2 : 1) : 0;
        std::copy(o.moment, o.moment + 5, in.fields);
        in.switch11pm = o.switch11pm;
        // The described switch of China, Hong Kong and Taiwan: on means the
        // time was summer time.
        in.recordedSummerTime = in.dst == ChartCalculation::DstMode::On;
    }
    if (exports.any())
        return exportChart(o, exports, in);
    const ChartCalculation::Result r = ChartCalculation::calculate(in, s);
    if (!r.ok) {
        const QString why = r.message.isEmpty() ? QString() : QStringLiteral(" (") % r.message % QLatin1Char(')');
        return cliUsageError(noChart % why);
    }
    const QVariantMap moment = ChartCalculation::momentMap(r.moment);
    cliWrite(o.json ? asJson(s, moment, in.switch11pm)
                    : readable(s) % momentLines(moment) % ChartExtras::readableLines(s, in.switch11pm));
    return 0;
}

} // namespace

static const CliCommand chartCommand{
    "chart",
    "chart [--lunar] [--leap] [--gender 0|1] [--switch11pm 0|1] [--zty DAYS (-1..1) | --tz ZONE --lng DEGREES"
    " --time true|mean|clock --dst auto|on|off] [--json]\n"
    "        [--luck-rule described|plain-seconds|minutes-4320|days-and-hours|minutes-2h]\n"
    "        [--luck-direction yang-male|male-forward] \"YYYY-MM-DD HH:MM\"\n"
    "      | chart --record ID [--db PATH] [--json] | chart --hour-unknown [--json] \"YYYY-MM-DD\"\n"
    "      with a place or --record also: [--png FILE] [--pdf FILE] [--chart-file FILE] [--name TEXT] [--place TEXT]\n"
    "        [--script simplified|traditional] [--colours on|off] [--school 0|1|2] [--luck-index 1..10]",
    "the chart of one birth moment: pillars, luck pillars, start (every rule), boundary warnings, summary,"
    " bone weight, date texts; with --hour-unknown the twelve double-hours of the day; --png (2x long image), --pdf"
    " (A4) and --chart-file (JSON with the record, the settings and the pillars, for records import-chart) export it",
    run};
