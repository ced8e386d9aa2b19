// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartFile.h"

#include "AppContext.h"
#include "InSight.h"
#include "RecordTransfer.h"
#include "SqloneCustomerModel.h"
#include "Vocabulary.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace ChartFile {
namespace {

const QString kSeqno = QStringLiteral("seqno");
const char *const pillarWords[4] = {"year", "month", "day", "hour"};

// The record's luck-start word ("luck:RULE" in extraColumn4), empty when none.
QString recordLuckRule(const QVariantMap &record)
{
    const QStringList words = record.value(QStringLiteral("extraColumn4")).toString().split(QLatin1Char(' '),
                                                                                           Qt::SkipEmptyParts);
    for (const QString &word : words)
        if (word.startsWith(QLatin1String("luck:")))
            return word.mid(5);
    return QString();
}

QJsonArray pillarNames(const InSight &e)
{
    return {Vocabulary::jiaziName(e.yearChac()), Vocabulary::jiaziName(e.monthChac()),
            Vocabulary::jiaziName(e.dayChac()), Vocabulary::jiaziName(e.hourChac())};
}

QJsonArray luckNames(const InSight &e)
{
    QJsonArray names;
    for (int i = 0; i < 10; ++i)
        names.append(Vocabulary::jiaziName(e.dayunJiaZiofBegin() + e.clockwise() * i));
    return names;
}

QJsonObject settingsObject(const Settings &s)
{
    QJsonObject o;
    o.insert(QStringLiteral("luckRule"), s.luckRule);
    o.insert(QStringLiteral("luckDirection"), s.luckDirection);
    o.insert(QStringLiteral("monthCommanderSchool"), s.monthCommanderSchool);
    o.insert(QStringLiteral("script"), s.script);
    o.insert(QStringLiteral("elementColours"), s.elementColours);
    o.insert(QStringLiteral("hourShift"), s.hourShift);
    o.insert(QStringLiteral("selectedLuck"), s.selectedLuck);
    return o;
}

// A whole number within [low, high] under `key`; false with the reason otherwise.
bool readInt(const QJsonObject &o, const char *key, int low, int high, int &out, QString &reason)
{
    const QJsonValue v = o.value(QLatin1String(key));
    const double d = v.toDouble(-1e9);
    if (!v.isDouble() || d != double(int(d)) || d < low || d > high) {
        reason = QStringLiteral("settings: \"%1\" must be a whole number from %2 to %3")
                     .arg(QLatin1String(key)).arg(low).arg(high);
        return false;
    }
    out = int(d);
    return true;
}

bool readSettings(const QJsonObject &o, Settings &s, QString &reason)
{
    LuckRule rule;
    LuckDirection direction;
    s.luckRule = o.value(QStringLiteral("luckRule")).toString();
    s.luckDirection = o.value(QStringLiteral("luckDirection")).toString();
    if (!LuckStart::ruleFromName(s.luckRule, rule)) {
        reason = QStringLiteral("settings: unknown luck-start rule \"%1\"").arg(s.luckRule);
        return false;
    }
    if (!LuckStart::directionFromName(s.luckDirection, direction)) {
        reason = QStringLiteral("settings: unknown luck direction \"%1\"").arg(s.luckDirection);
        return false;
    }
    if (!o.value(QStringLiteral("elementColours")).isBool()) {
        reason = QStringLiteral("settings: \"elementColours\" must be true or false");
        return false;
    }
    s.elementColours = o.value(QStringLiteral("elementColours")).toBool();
    return readInt(o, "monthCommanderSchool", 0, 2, s.monthCommanderSchool, reason)
        && readInt(o, "script", 0, 1, s.script, reason) && readInt(o, "hourShift", -12, 12, s.hourShift, reason)
        && readInt(o, "selectedLuck", 0, 9, s.selectedLuck, reason);
}

QString joined(const QJsonArray &a)
{
    QStringList parts;
    for (const QJsonValue &v : a)
        parts << v.toString();
    return parts.join(QLatin1Char(' '));
}

} // namespace

Cast cast(const QVariantMap &record, const Settings &settings, InSight &engine)
{
    Cast c;
    const QString recordRule = recordLuckRule(record);
    c.luckRule = recordRule.isEmpty() ? settings.luckRule : recordRule;
    if (!engine.setLuckRuleName(c.luckRule)) {
        c.reason = QStringLiteral("unknown luck-start rule \"%1\"").arg(c.luckRule);
        return c;
    }
    if (!engine.setLuckDirectionName(settings.luckDirection)) {
        c.reason = QStringLiteral("unknown luck direction \"%1\"").arg(settings.luckDirection);
        return c;
    }
    const QVariantMap page{{QStringLiteral("recal"), 0}, {QStringLiteral("hourBackOrForward"), settings.hourShift}};
    if (!ChartCalculation::inputFromRecord(record, page, c.input, c.reason))
        return c;
    c.result = ChartCalculation::calculate(c.input, engine);
    c.ok = c.result.ok;
    if (!c.ok)
        c.reason = c.result.message.isEmpty() ? c.result.reason : c.result.message;
    return c;
}

int luckIndexOfYear(const InSight &engine, int year)
{
    return qBound(0, (year - engine.solarYearOfBegin()) / 10 - (year < engine.solarYearOfBegin() ? 1 : 0), 9);
}

QVariantMap newRecord(const ChartCalculation::Input &in, const QString &name, const QString &place,
                      const QString &luckRule, const QDateTime &now)
{
    const QString timestamp = now.toString(Qt::ISODateWithMs);
    const int *f = in.fields;
    const bool lunar = in.caltype == 1 || in.caltype == 2;
    QVariantMap r;
    for (const QString &column : SqloneCustomerModel::columnNames())
        r.insert(column, QVariant(QVariant::String));
    r.remove(kSeqno);
    r[QStringLiteral("userid")] = QString(QUuid::createUuid().toString(QUuid::WithBraces) + QLatin1Char('_') + timestamp);
    r[QStringLiteral("timestamp")] = timestamp;
    r[QStringLiteral("updateTimestamp")] = timestamp;
    r[QStringLiteral("gender")] = QString::number(in.gender);
    r[QStringLiteral("caltype")] = QString::number(in.caltype);
    r[QStringLiteral("maintime")] = QStringLiteral("%1/%2/%3/%4/%5").arg(f[0]).arg(f[1]).arg(f[2]).arg(f[3]).arg(f[4]);
    r[QStringLiteral("inputtime")] = QString((lunar ? QStringLiteral("农历：") : QStringLiteral("公历："))
        + QStringLiteral("%1年%2%3月%4日%5时%6分")
              .arg(f[0]).arg(in.caltype == 2 ? QStringLiteral("闰") : QString()).arg(f[1]).arg(f[2]).arg(f[3]).arg(f[4]));
    r[QStringLiteral("mainJvalue")] = QString::number(in.longitude, 'g', 12);
    r[QStringLiteral("inputPlaceName")] = place;
    r[QStringLiteral("name")] = name;
    r[QStringLiteral("usingZty")] = QString::number(in.timeKind == ChartCalculation::TimeKind::True ? 1 : 0);
    r[QStringLiteral("usingPty")] = QString::number(in.timeKind == ChartCalculation::TimeKind::Mean ? 1 : 0);
    r[QStringLiteral("toChangeDay23clock")] = QString::number(in.switch11pm);
    r[QStringLiteral("usingXiaShiLingclock")] = QString::number(in.recordedSummerTime ? 1 : 0);
    r[QStringLiteral("extraColumn3")] = QString::fromUtf8(in.zone);
    QStringList words;
    if (in.dst != ChartCalculation::DstMode::Auto)
        words << (in.dst == ChartCalculation::DstMode::On ? QStringLiteral("on") : QStringLiteral("off"));
    if (in.daylightReading)
        words << QStringLiteral("daylight");
    if (!luckRule.isEmpty())
        words << QString(QStringLiteral("luck:") + luckRule);
    if (!words.isEmpty())
        r[QStringLiteral("extraColumn4")] = words.join(QLatin1Char(' '));
    return r;
}

QByteArray toJson(const QVariantMap &record, const Settings &settings, InSight &engine, const QDateTime &created)
{
    QJsonObject stored;
    for (const QString &column : SqloneCustomerModel::columnNames()) {
        // The number a database gave the row means nothing in another one.
        if (column == kSeqno)
            continue;
        const QVariant v = record.value(column);
        stored.insert(column, v.isNull() ? QJsonValue() : QJsonValue(v.toString()));
    }
    QJsonObject o;
    o.insert(QStringLiteral("format"), formatName);
    o.insert(QStringLiteral("version"), formatVersion);
    o.insert(QStringLiteral("program"), QString(QStringLiteral("qingyao ") + AppContext::applicationVersion));
    o.insert(QStringLiteral("created"), created.toUTC().toString(Qt::ISODate));
    o.insert(QStringLiteral("record"), stored);
    o.insert(QStringLiteral("settings"), settingsObject(settings));
    o.insert(QStringLiteral("pillars"), pillarNames(engine));
    o.insert(QStringLiteral("luckPillars"), luckNames(engine));
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

Loaded read(const QByteArray &json)
{
    Loaded l;
    l.problem = Problem::Unreadable;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        l.reason = QStringLiteral("not valid JSON (%1 at byte %2)").arg(parseError.errorString()).arg(parseError.offset);
        return l;
    }
    const QJsonObject o = doc.object();
    if (!doc.isObject() || o.value(QStringLiteral("format")).toString() != formatName) {
        l.reason = QStringLiteral("not a chart file (no \"format\": \"%1\")").arg(formatName);
        return l;
    }
    if (o.value(QStringLiteral("version")).toInt(-1) != formatVersion) {
        l.reason = QStringLiteral("chart file version %1 is not known to this program (it reads version %2)")
                       .arg(o.value(QStringLiteral("version")).toVariant().toString())
                       .arg(formatVersion);
        return l;
    }
    const QJsonObject stored = o.value(QStringLiteral("record")).toObject();
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        if (!SqloneCustomerModel::columnNames().contains(it.key()) || it.key() == kSeqno) {
            l.reason = QStringLiteral("record: unknown field \"%1\"").arg(it.key());
            return l;
        }
        if (!it.value().isString() && !it.value().isNull()) {
            l.reason = QStringLiteral("record: field \"%1\" must be a text or null").arg(it.key());
            return l;
        }
        l.record.insert(it.key(), it.value().isNull() ? QVariant(QVariant::String) : QVariant(it.value().toString()));
    }
    if (l.record.value(QStringLiteral("userid")).toString().isEmpty()) {
        l.reason = QStringLiteral("record: no userid");
        return l;
    }
    if (!readSettings(o.value(QStringLiteral("settings")).toObject(), l.settings, l.reason))
        return l;
    InSight engine;
    const Cast c = cast(l.record, l.settings, engine);
    if (!c.ok) {
        l.reason = QStringLiteral("the record gives no chart: ") + c.reason;
        return l;
    }
    const QJsonArray carried = o.value(QStringLiteral("pillars")).toArray();
    const QJsonArray now = pillarNames(engine);
    if (carried != now) {
        l.problem = Problem::Pillars;
        l.carried = joined(carried);
        l.recomputed = joined(now);
        QStringList which;
        for (int i = 0; i < 4; ++i)
            if (carried.at(i) != now.at(i))
                which << QStringLiteral("%1 %2 in the file, %3 recomputed")
                             .arg(QLatin1String(pillarWords[i]), carried.at(i).toString(), now.at(i).toString());
        l.reason = QStringLiteral("the pillars in the file (%1) differ from those its record and settings give (%2): %3")
                       .arg(joined(carried), joined(now), which.join(QStringLiteral("; ")));
        return l;
    }
    const QJsonArray luck = o.value(QStringLiteral("luckPillars")).toArray();
    if (luck != luckNames(engine)) {
        l.problem = Problem::LuckPillars;
        l.carried = joined(luck);
        l.recomputed = joined(luckNames(engine));
        l.reason = QStringLiteral("the luck pillars in the file (%1) differ from those its record and settings give (%2)")
                       .arg(joined(luck), joined(luckNames(engine)));
        return l;
    }
    l.ok = true;
    l.problem = Problem::None;
    return l;
}

QVariantMap storedRecord(const QSqlDatabase &db, const QString &id, QString *reason)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT %1 FROM oneCustomer WHERE userid = ? OR CAST(seqno AS TEXT) = ?")
                  .arg(SqloneCustomerModel::columnNames().join(QLatin1Char(','))));
    q.addBindValue(id);
    q.addBindValue(id);
    QVariantMap record;
    if (!q.exec()) {
        if (reason)
            *reason = QStringLiteral("cannot read the records: %1").arg(q.lastError().text());
        return record;
    }
    if (q.next()) {
        for (int i = 0; i < SqloneCustomerModel::columnNames().size(); ++i) {
            const QVariant v = q.value(i);
            record.insert(SqloneCustomerModel::columnNames().at(i), v.isNull() ? QVariant(QVariant::String)
                                                                               : QVariant(v.toString()));
        }
    } else if (reason) {
        *reason = QStringLiteral("no record %1 in the database").arg(id);
    }
    return record;
}

Imported importFile(const QSqlDatabase &db, const QByteArray &json, const QString &localLuckRule)
{
    Imported result;
    const Loaded l = read(json);
    if (!l.ok) {
        result.reason = l.reason;
        result.problem = l.problem;
        result.carried = l.carried;
        result.recomputed = l.recomputed;
        return result;
    }
    QVariantMap record = l.record;
    if (!localLuckRule.isEmpty() && localLuckRule != l.settings.luckRule && recordLuckRule(record).isEmpty()) {
        const QString words = record.value(QStringLiteral("extraColumn4")).toString().trimmed();
        record[QStringLiteral("extraColumn4")] =
            QString((words.isEmpty() ? QString() : words + QLatin1Char(' ')) + QStringLiteral("luck:") + l.settings.luckRule);
    }
    QJsonObject object;
    for (auto it = record.cbegin(); it != record.cend(); ++it)
        object.insert(it.key(), it.value().isNull() ? QJsonValue() : QJsonValue(it.value().toString()));
    const RecordTransfer::ImportResult r =
        RecordTransfer::importJson(db, QJsonDocument(QJsonArray{object}).toJson(QJsonDocument::Compact));
    if (!r.ok) {
        result.reason = r.error;
        result.problem = Problem::Unreadable;
        return result;
    }
    result.userid = l.record.value(QStringLiteral("userid")).toString();
    if (r.added != 1) {
        result.reason = QStringLiteral("the record %1 is already in the database").arg(result.userid);
        result.problem = Problem::Exists;
        return result;
    }
    result.settings = l.settings;
    result.ok = true;
    return result;
}

} // namespace ChartFile
