// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartExport.h"
#include "ChartExtras.h"
#include "Command.h"

#include "AppContext.h"
#include "CalendarRules.h"
#include "ChartCalculation.h"
#include "DatabaseConnections.h"
#include "InSight.h"
#include "Vocabulary.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>
#include <QSqlDatabase>
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

// The place options (--tz, --lng, --time, --dst); empty on success.
QString readPlace(const Cli::CommandLine &line, ChartOptions &o)
{
    for (const char *name : {"tz", "lng", "time", "dst"})
        o.placeGiven = o.placeGiven || line.isSet(name);
    if (line.isSet("tz")) {
        o.place.zone = line.value("tz").toUtf8();
        if (!QTimeZone::isTimeZoneIdAvailable(o.place.zone))
            return QStringLiteral("--tz: no zone %1 in the tz database").arg(line.value("tz"));
    }
    if (line.isSet("lng") && !Cli::readNumber(line.value("lng"), -180, 180, o.place.longitude))
        return QStringLiteral("--lng takes degrees east, -180..180");
    if (line.isSet("time") && !ChartCalculation::timeKindFromName(line.value("time"), o.place.timeKind))
        return QStringLiteral("--time takes true, mean or clock");
    if (line.isSet("dst") && !ChartCalculation::dstModeFromName(line.value("dst"), o.place.dst))
        return QStringLiteral("--dst takes auto, on or off");
    return QString();
}

// Empty on success, else the reason.
QString readOptions(const Cli::CommandLine &line, ChartOptions &o)
{
    o.lunar = line.isSet("lunar");
    o.leap = line.isSet("leap");
    o.json = line.isSet("json");
    o.hourUnknown = line.isSet("hour-unknown");
    o.ztyGiven = o.hourUnknown || line.isSet("zty");
    if (line.isSet("gender") && !Cli::readInt(line.value("gender"), 0, 1, o.gender))
        return QStringLiteral("--gender takes 0 or 1");
    if (line.isSet("switch11pm") && !Cli::readInt(line.value("switch11pm"), 0, 1, o.switch11pm))
        return QStringLiteral("--switch11pm takes 0 or 1");
    if (line.isSet("zty") && !Cli::readNumber(line.value("zty"), -TimePoints::maxZtyDays, TimePoints::maxZtyDays, o.zty))
        return QStringLiteral("--zty takes a number of days from -1 to 1");
    o.luckRule = line.value("luck-rule");
    o.luckDirection = line.value("luck-direction");
    const QString placeProblem = readPlace(line, o);
    if (!placeProblem.isEmpty())
        return placeProblem;
    if (line.isSet("record") && line.value("record").isEmpty())
        return QStringLiteral("--record needs a record number or id");
    o.record = line.value("record");
    if (line.isSet("db") && !Cli::readFilePath(line.value("db"), o.db))
        return QStringLiteral("--db needs a file path");
    QStringList positional = line.positional();
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
    if (positional.isEmpty() || !Cli::readDateTime(positional.join(QLatin1Char(' ')), o.moment))
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
    return ChartFile::storedRecord(QSqlDatabase::database(AppContext::userConnectionName), o.record, &problem);
}

// The record's file, image or PDF: a stored record as it is, a moment as the
// birth form would store it.
int exportChart(const ChartOptions &o, ChartExportOptions exports, const ChartCalculation::Input &in,
                QVariantMap record)
{
    if (!o.record.isEmpty()) {
        const bool ownRule = record.value(QStringLiteral("extraColumn4")).toString().contains(QLatin1String("luck:"));
        if (!o.luckRule.isEmpty() && ownRule)
            return Cli::usageError(
                QStringLiteral("record %1 keeps its own luck-start rule; give no --luck-rule").arg(o.record));
        if (!o.luckRule.isEmpty())
            exports.settings.luckRule = o.luckRule;
    } else {
        // A rule named for the moment is the record's own, as the chart page keeps it.
        record = ChartFile::newRecord(in, exports.name, exports.place, o.luckRule, QDateTime::currentDateTime());
    }
    if (!o.luckDirection.isEmpty())
        exports.settings.luckDirection = o.luckDirection;
    return writeChartExports(exports, record);
}

int run(const QStringList &args)
{
    Cli::CommandLine line(
        "chart",
        "chart [OPTION]... \"YYYY-MM-DD HH:MM\"\n"
        "chart --record ID [--db PATH] [--json] [--luck-rule RULE] [--luck-direction RULE]\n"
        "chart --hour-unknown [OPTION]... \"YYYY-MM-DD\"\n"
        "chart [OPTION]... (\"YYYY-MM-DD HH:MM\" | --record ID) [--png FILE] [--pdf FILE] [--chart-file FILE]",
        "The chart of one birth moment: the four pillars, the luck pillars with their direction and start (by"
        " every luck-start rule), the boundary warnings, the summary, the bone weight and the solar and lunar date"
        " texts. With --tz, --lng, --time and --dst the moment is read as local clock time at that place and the"
        " pillars follow solar time; without them it is Beijing time, corrected by --zty days if given. With"
        " --hour-unknown: the twelve double-hours of the day. With --png, --pdf or --chart-file the chart is"
        " exported instead, as the chart page exports it.");
    line.addFlag("lunar", "the moment is a lunar date");
    line.addFlag("leap", "with --lunar: the month is the leap month");
    line.addValue("gender", "0|1", "0 male (default), 1 female");
    line.addValue("switch11pm", "0|1", "1: the day changes at 23:00 (default); 0: at midnight");
    line.addValue("zty", "DAYS", "the engine's own offset to solar time, -1..1 days");
    line.addValue("tz", "ZONE", "the place's time zone, a tz database name such as Asia/Shanghai");
    line.addValue("lng", "DEGREES", "the place's longitude, degrees east, -180..180");
    line.addValue("time", "true|mean|clock", "the time the pillars follow");
    line.addValue("dst", "auto|on|off", "summer time: from the tz database, or the clock was (not) on it");
    line.addValue("luck-rule", "RULE",
                  "the luck-start rule: described, plain-seconds, minutes-4320, days-and-hours or minutes-2h");
    line.addValue("luck-direction", "RULE", "the luck direction rule: yang-male or male-forward");
    line.addValue("record", "ID", "chart the stored record with this number or id");
    line.addValue("db", "PATH", "with --record: the database file to read instead of the user database");
    line.addFlag("hour-unknown", "the hour is not known: chart each of the day's twelve double-hours");
    line.addFlag("json", "write the chart as a JSON object");
    addChartExportOptions(line);
    int code = 0;
    if (!line.parse(args, code))
        return code;
    ChartOptions o;
    ChartExportOptions exports;
    QString problem = readOptions(line, o);
    if (problem.isEmpty())
        problem = readChartExportOptions(line, exports);
    if (problem.isEmpty() && exports.any() && (o.ztyGiven || o.json))
        problem = QStringLiteral("--png, --pdf and --chart-file take a place (--tz, --lng, --time, --dst) or --record,"
                                 " not --zty, --hour-unknown or --json");
    if (!problem.isEmpty())
        return Cli::usageError(problem);
    if (o.lunar) {
        // A day its month does not have gets its own answer; the engine
        // refuses the rest with the others.
        int solar[3];
        QString message;
        const int check = CalendarRules::solarOfLunar(o.moment[0], o.moment[1], o.moment[2], o.leap, solar, &message,
                                                      CalendarRules::YearRange::Calendar);
        if (check == CalendarRules::NoSuchLunarDay || check == CalendarRules::LunarDayOutside)
            return Cli::usageError(message);
    }
    InSight s;
    const QString ruleProblem = ChartExtras::chooseLuckRule(s, o.luckRule, o.luckDirection);
    if (!ruleProblem.isEmpty())
        return Cli::usageError(ruleProblem);
    if (o.hourUnknown) {
        // The engine's own offset (--zty) only; the place options are not applied here.
        const QString text = ChartExtras::hourCandidatesText(s, o.gender, o.lunar, o.leap, o.moment, o.zty,
                                                             o.switch11pm, o.json);
        if (text.isEmpty())
            return Cli::usageError(QStringLiteral("no chart for this day: the date must exist and lie in 1800..2099"));
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
            return Cli::usageError(noChart);
        cliWrite(o.json ? asJson(s, {}, o.switch11pm) : readable(s) + ChartExtras::readableLines(s, o.switch11pm));
        return 0;
    }
    ChartCalculation::Input in = o.place;
    QVariantMap rec;
    if (!o.record.isEmpty()) {
        QString missing;
        rec = storedRecord(o, missing);
        if (rec.isEmpty())
            return Cli::usageError(missing);
        // The record's own luck-start rule, unless the command line names one.
        for (const QString &word : rec.value(QStringLiteral("extraColumn4")).toString().split(QLatin1Char(' ')))
            if (o.luckRule.isEmpty() && word.startsWith(QLatin1String("luck:")))
                s.setLuckRuleName(word.mid(5));
        QString reason;
        if (!ChartCalculation::inputFromRecord(rec, QVariantMap{{QStringLiteral("recal"), 0}}, in, reason))
            return Cli::usageError(QStringLiteral("record %1: %2").arg(o.record, reason));
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
        return exportChart(o, exports, in, rec);
    const ChartCalculation::Result r = ChartCalculation::calculate(in, s);
    if (!r.ok) {
        // A zone or longitude fault is not a date fault: name only it.
        if (!r.reason.startsWith(QLatin1String("inputtime")))
            return Cli::usageError(QStringLiteral("no chart for this moment: ") % r.message);
        const QString why = r.message.isEmpty() ? QString() : QStringLiteral(" (") % r.message % QLatin1Char(')');
        return Cli::usageError(noChart % why);
    }
    const QVariantMap moment = ChartCalculation::momentMap(r.moment);
    cliWrite(o.json ? asJson(s, moment, in.switch11pm)
                    : readable(s) % momentLines(moment) % ChartExtras::readableLines(s, in.switch11pm));
    return 0;
}

} // namespace

static const CliCommand chartCommand{"chart", "the chart of one birth moment", run};
