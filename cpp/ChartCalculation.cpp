// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartCalculation.h"

#include "CalendarRules.h"
#include "ClockCorrection.h"
#include "InSight.h"
#include "TimePoints.h"
#include "Vocabulary.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cmath>

namespace {

// Entered solar times carry the engine's 30 s bias (ClockCorrection::clockJd);
// the times shown are read without it.
constexpr double biasHours = 1.0 / 120;
constexpr double biasDays = biasHours / 24;
constexpr double unixEpochJd = 2440587.5;
// The term and month tables are tabulated in Beijing standard time.
constexpr int tableFrameMinutes = 480;
constexpr int minutesPerDay = 1440;
// Summer time when the record says so but the zone has no rule for it.
constexpr int usualSummerMinutes = 60;

constexpr int mod(int a, int n) { return (a % n + n) % n; }

qint64 secondsOf(double jd) { return std::llround((jd - unixEpochJd) * 86400); }

// Zones whose summer time follows the program's own tables and the record's
// switch: mainland China, Hong Kong, Taiwan.
bool isTableZone(const QByteArray &id)
{
    static const char *const ids[] = {"Asia/Shanghai", "Asia/Chongqing", "Asia/Chungking", "Asia/Harbin",
                                      "PRC", "Asia/Hong_Kong", "Hongkong", "Asia/Taipei", "ROC"};
    for (const char *z : ids)
        if (id == z)
            return true;
    return false;
}

int offsetAt(const QTimeZone &zone, qint64 utc)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utc, Qt::UTC));
}

int standardAt(const QTimeZone &zone, qint64 utc)
{
    return zone.standardTimeOffset(QDateTime::fromSecsSinceEpoch(utc, Qt::UTC));
}

struct Resolved {
    int offsetSeconds = 0;
    int dstSeconds = 0;
    ChartCalculation::LocalTime localTime = ChartCalculation::LocalTime::Ok;
};

// The UTC offset of a local wall-clock time, read from the tz database.
Resolved resolveLocal(const QTimeZone &zone, qint64 local, const ChartCalculation::Input &in)
{
    Resolved r;
    const int before = offsetAt(zone, local - 86400);
    const int after = offsetAt(zone, local + 86400);
    QVector<int> valid;
    for (int o : {before, after, offsetAt(zone, local - before), offsetAt(zone, local - after)})
        if (offsetAt(zone, local - o) == o && !valid.contains(o))
            valid << o;
    int standardReading = before;
    int daylightReading = after;
    if (valid.size() == 1) {
        standardReading = daylightReading = valid.first();
    } else {
        r.localTime = valid.isEmpty() ? ChartCalculation::LocalTime::Gap : ChartCalculation::LocalTime::Ambiguous;
        const int a = valid.isEmpty() ? before : valid.at(0);
        const int b = valid.isEmpty() ? after : valid.at(1);
        const bool aStandard = standardAt(zone, local - a) == a;
        const bool bStandard = standardAt(zone, local - b) == b;
        if (bStandard && !aStandard) {
            standardReading = b;
            daylightReading = a;
        } else {
            standardReading = aStandard || a <= b ? a : b;
            daylightReading = standardReading == a ? b : a;
        }
    }
    const int chosen = in.daylightReading ? daylightReading : standardReading;
    const int standard = standardAt(zone, local - chosen);
    const int tzDst = chosen - standard;
    switch (in.dst) {
    case ChartCalculation::DstMode::Auto:
        r.offsetSeconds = chosen;
        r.dstSeconds = tzDst;
        break;
    case ChartCalculation::DstMode::On:
        r.dstSeconds = tzDst > 0 ? tzDst : usualSummerMinutes * 60;
        r.offsetSeconds = standard + r.dstSeconds;
        break;
    case ChartCalculation::DstMode::Off:
        r.offsetSeconds = standard;
        r.dstSeconds = 0;
        break;
    }
    return r;
}

// Mainland, Hong Kong, Taiwan: standard offset from the tz database; the
// local mean time the database keeps before standard time was adopted is read
// as Beijing time, the frame these records were always charted in. The switch
// says the clock ran an hour ahead of Beijing time: where the database already
// has the war years' UTC+9 as standard time, that hour is not added again.
Resolved resolveTableZone(const QTimeZone &zone, qint64 local, const ChartCalculation::Input &in)
{
    Resolved r;
    int standard = standardAt(zone, local - tableFrameMinutes * 60);
    if (standard % 900 != 0)
        standard = tableFrameMinutes * 60;
    const bool summer = in.dst == ChartCalculation::DstMode::On
        || (in.dst == ChartCalculation::DstMode::Auto && in.recordedSummerTime);
    const int summerClock = (tableFrameMinutes + usualSummerMinutes) * 60;
    r.offsetSeconds = summer ? std::max(standard, summerClock) : standard;
    r.dstSeconds = r.offsetSeconds - standard;
    return r;
}

int intOf(const QVariant &v, int fallback)
{
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    return ok ? n : fallback;
}

bool numberOf(const QVariant &v, double &out)
{
    bool ok = false;
    const double n = v.toString().trimmed().toDouble(&ok);
    if (ok && std::isfinite(n))
        out = n;
    return ok && std::isfinite(n);
}

} // namespace

ChartCalculation::ChartCalculation(QObject *parent)
    : QObject(parent)
{
}

QString ChartCalculation::timeKindName(TimeKind kind)
{
    switch (kind) {
    case TimeKind::True:
        return QStringLiteral("true");
    case TimeKind::Mean:
        return QStringLiteral("mean");
    case TimeKind::Clock:
        break;
    }
    return QStringLiteral("clock");
}

bool ChartCalculation::timeKindFromName(const QString &name, TimeKind &kind)
{
    for (TimeKind k : {TimeKind::Clock, TimeKind::Mean, TimeKind::True}) {
        if (name == timeKindName(k)) {
            kind = k;
            return true;
        }
    }
    return false;
}

bool ChartCalculation::dstModeFromName(const QString &name, DstMode &mode)
{
    if (name == QLatin1String("auto"))
        mode = DstMode::Auto;
    else if (name == QLatin1String("on"))
        mode = DstMode::On;
    else if (name == QLatin1String("off"))
        mode = DstMode::Off;
    else
        return false;
    return true;
}

QString ChartCalculation::isoText(double jd)
{
    return QDateTime::fromSecsSinceEpoch(secondsOf(jd), Qt::UTC).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

ChartCalculation::Result ChartCalculation::calculate(const Input &in, InSight &engine)
{
    Result r;
    Moment &m = r.moment;
    m.zone = in.zone;
    m.timeKind = in.timeKind;
    for (int i = 0; i < 5; ++i)
        m.clockFields[i] = in.fields[i];

    if (in.caltype == 1 || in.caltype == 2) {
        int *f = m.clockFields;
        if (CalendarRules::solarOfLunar(f[0], f[1], f[2], in.caltype == 2, f, &r.message) != 0) {
            r.reason = QStringLiteral("inputtime not legal2");
            return r;
        }
    }
    const QTimeZone zone(in.zone);
    if (!zone.isValid()) {
        r.reason = QStringLiteral("time zone not known");
        r.message = tr("时区不明：") + QString::fromUtf8(in.zone);
        return r;
    }
    const int *c = m.clockFields;
    // A date that does not exist (2-30) would be carried into the next month.
    if (!ClockCorrection::isValidClock(c) || !std::isfinite(in.longitude)) {
        r.reason = QStringLiteral("inputtime not legal3");
        return r;
    }
    // A stored or imported longitude past ±180 would shift the moment by days
    // and be refused as a date fault; name the real one.
    if (std::abs(in.longitude) > 180) {
        r.reason = QStringLiteral("longitude out of range");
        r.message = tr("经度超出范围：") + QString::number(in.longitude, 'g', 12);
        return r;
    }

    // The wall clock as a Julian day, read as if it were UTC to ask the zone.
    const qint64 local = secondsOf(ClockCorrection::clockJd(c));
    m.tableRegion = isTableZone(in.zone);
    const Resolved z = m.tableRegion ? resolveTableZone(zone, local, in) : resolveLocal(zone, local, in);
    m.localTime = z.localTime;
    m.utcOffsetMinutes = z.offsetSeconds / 60;
    m.dstMinutes = z.dstSeconds / 60;

    ClockCorrection::ClockReading reading;
    std::copy(c, c + 5, reading.fields);
    reading.offsetSeconds = z.offsetSeconds;
    reading.summerSeconds = z.dstSeconds;
    reading.longitude = in.longitude;
    reading.kind = in.timeKind;
    reading.hourShift = in.hourShift;
    const ClockCorrection::Chain chain = ClockCorrection::chain(reading);
    std::copy(chain.standardFields, chain.standardFields + 5, m.standardFields);
    m.jdUtc = chain.jdUtc;
    m.jdBeijing = chain.jdBeijing;
    m.jdMeanSolar = chain.jdMeanSolar;
    m.jdTrueSolar = chain.jdTrueSolar;
    m.equationOfTimeMinutes = chain.equationOfTimeDays * minutesPerDay;
    m.jdPillars = chain.jdPillars;
    std::copy(chain.pillarFields, chain.pillarFields + 5, r.pillarFields);
    r.instantOffset = chain.instantOffset;
    r.isIn23clock = m.standardFields[3] == 23;
    r.isIn23clockAfterShift = r.pillarFields[3] == 23;

    engine.reinitAllTimepoints();
    const int *p = r.pillarFields;
    if (engine.beginWithMoment(in.gender == 0 ? 0 : 1, p[0], p[1], p[2], p[3], p[4], r.instantOffset, in.switch11pm)
            .toInt()
        != 0) {
        r.reason = QStringLiteral("inputtime not legal3");
        return r;
    }
    r.ok = true;
    return r;
}

bool ChartCalculation::inputFromRecord(const QVariantMap &rec, const QVariantMap &page, Input &in, QString &reason)
{
    const QStringList parts = rec.value(QStringLiteral("maintime")).toString().split(QLatin1Char('/'));
    bool ok = parts.size() == 5;
    for (int i = 0; ok && i < 5; ++i)
        in.fields[i] = parts.at(i).trimmed().toInt(&ok);
    if (!ok) {
        reason = QStringLiteral("inputtime not legal");
        return false;
    }
    in.gender = intOf(rec.value(QStringLiteral("gender")), 0) == 0 ? 0 : 1;
    in.caltype = intOf(rec.value(QStringLiteral("caltype")), 0);
    int zty = intOf(rec.value(QStringLiteral("usingZty")), 0);
    int pty = intOf(rec.value(QStringLiteral("usingPty")), 0);
    in.switch11pm = intOf(rec.value(QStringLiteral("toChangeDay23clock")), 1);
    int xsl = intOf(rec.value(QStringLiteral("usingXiaShiLingclock")), 0);
    if (intOf(page.value(QStringLiteral("recal")), 0) == 1) {
        zty = intOf(page.value(QStringLiteral("toUseZhenTaiYangShiTransit")), 0);
        pty = intOf(page.value(QStringLiteral("isUsingJingDuTransit")), 0);
        in.switch11pm = intOf(page.value(QStringLiteral("itoChangeDay23clock")), 1);
        xsl = intOf(page.value(QStringLiteral("itoUsingXiaShiLing")), 0);
    }
    in.timeKind = zty == 1 ? TimeKind::True : pty == 1 ? TimeKind::Mean : TimeKind::Clock;
    in.hourShift = intOf(page.value(QStringLiteral("hourBackOrForward")), 0);
    in.longitude = 120;
    numberOf(rec.value(QStringLiteral("mainJvalue")), in.longitude);

    // The zone: stored with the record, else what older records imply.
    const QString stored = rec.value(QStringLiteral("extraColumn3")).toString().trimmed();
    const int xslType = intOf(rec.value(QStringLiteral("extraColumn1")), -1);
    double zoneLongitude = 120;
    const bool hasZoneLongitude = numberOf(rec.value(QStringLiteral("extraColumn2")), zoneLongitude);
    if (!stored.isEmpty())
        in.zone = stored.toUtf8();
    else if (xslType == 1)
        in.zone = "Asia/Hong_Kong";
    else if (xslType == 2)
        in.zone = "Asia/Taipei";
    else if (xslType == 3)
        in.zone = "Asia/Singapore";
    else if (!hasZoneLongitude || zoneLongitude == 120)
        in.zone = "Asia/Shanghai";
    else
        in.zone = QTimeZone(int(std::lround(zoneLongitude * 240))).id();

    in.recordedSummerTime = xsl == 1;
    // Abroad the tz database decides unless the page's switch overrides it
    // (page dstMode, kept in the record's words). Records without a zone keep
    // their old meaning: the switch takes an hour off.
    // extraColumn4 holds words: "on" or "off" (the override) and "daylight"
    // (a gap or doubled local time read as summer time).
    const QStringList words = rec.value(QStringLiteral("extraColumn4")).toString().split(QLatin1Char(' '),
                                                                                      Qt::SkipEmptyParts);
    in.daylightReading = page.contains(QStringLiteral("daylightReading"))
        ? page.value(QStringLiteral("daylightReading")).toBool()
        : words.contains(QStringLiteral("daylight"));
    if (isTableZone(in.zone))
        in.dst = DstMode::Auto;
    else if (dstModeFromName(page.value(QStringLiteral("dstMode")).toString(), in.dst))
        ; // the page's override
    else if (words.contains(QStringLiteral("on")))
        in.dst = DstMode::On;
    else if (words.contains(QStringLiteral("off")))
        in.dst = DstMode::Off;
    else
        in.dst = stored.isEmpty() && xsl == 1 ? DstMode::On : DstMode::Auto;
    return true;
}

QVariantMap ChartCalculation::momentMap(const Moment &m)
{
    static const char *const localNames[] = {"ok", "gap", "ambiguous"};
    QVariantMap o;
    o.insert(QStringLiteral("zone"), QString::fromUtf8(m.zone));
    o.insert(QStringLiteral("utcOffsetMinutes"), m.utcOffsetMinutes);
    o.insert(QStringLiteral("dstMinutes"), m.dstMinutes);
    o.insert(QStringLiteral("utc"), isoText(m.jdUtc - biasDays));
    o.insert(QStringLiteral("beijing"), isoText(m.jdBeijing - biasDays));
    o.insert(QStringLiteral("meanSolar"), isoText(m.jdMeanSolar - biasDays));
    o.insert(QStringLiteral("trueSolar"), isoText(m.jdTrueSolar - biasDays));
    o.insert(QStringLiteral("equationOfTimeMinutes"), std::round(m.equationOfTimeMinutes * 100) / 100);
    o.insert(QStringLiteral("timeKind"), timeKindName(m.timeKind));
    o.insert(QStringLiteral("localTime"), QString::fromLatin1(localNames[int(m.localTime)]));
    return o;
}

QVariantMap ChartCalculation::chartMap(InSight &e)
{
    QVariantMap o;
    const int year = e.yearChac();
    const int month = e.monthChac();
    const int day = e.dayChac();
    o.insert(QStringLiteral("pillars"), QVariantList{year, month, day, e.hourChac()});
    QVariantList luck;
    for (int i = 0; i < 10; ++i) {
        QVariantMap row;
        row.insert(QStringLiteral("chac"), mod(e.dayunJiaZiofBegin() + e.clockwise() * i, 60));
        row.insert(QStringLiteral("solarYear"), e.solarYearOfBegin() + 10 * i);
        row.insert(QStringLiteral("jiaziYear"), e.jiaziNianOfBegin() + 10 * i);
        row.insert(QStringLiteral("sinoYear"), e.sinoYearOfBegin() + 10 * i);
        row.insert(QStringLiteral("solarMonth"), e.solarMonthOfBegin());
        luck << row;
    }
    o.insert(QStringLiteral("luck"), luck);
    const QString essentials = e.getEssentials().toString();
    o.insert(QStringLiteral("essentials"), essentials);
    // The derived pillars as the engine computes them.
    o.insert(QStringLiteral("lifePalace"), e.lifePalaceChac());
    o.insert(QStringLiteral("conception"), e.conceptionChac());
    o.insert(QStringLiteral("bodyPalace"), e.bodyPalaceChac());
    static const char *const voids[] = {"戌亥", "申酉", "午未", "辰巳", "寅卯", "子丑"};
    o.insert(QStringLiteral("dayVoid"), QString::fromUtf8(voids[mod(day, 60) / 10]));
    o.insert(QStringLiteral("yearVoid"), QString::fromUtf8(voids[mod(year, 60) / 10]));
    return o;
}

QVariantMap ChartCalculation::calculateRecord(const QVariantMap &record, const QVariantMap &page, InSight *engine)
{
    QVariantMap o;
    Input in;
    QString reason;
    if (!engine) {
        o.insert(QStringLiteral("ok"), false);
        o.insert(QStringLiteral("reason"), QStringLiteral("no engine"));
        return o;
    }
    if (!inputFromRecord(record, page, in, reason)) {
        o.insert(QStringLiteral("ok"), false);
        o.insert(QStringLiteral("reason"), reason);
        return o;
    }
    const Result r = calculate(in, *engine);
    o.insert(QStringLiteral("ok"), r.ok);
    o.insert(QStringLiteral("reason"), r.reason);
    o.insert(QStringLiteral("message"), r.message);
    o.insert(QStringLiteral("genderCode"), in.gender);
    o.insert(QStringLiteral("lunar"), in.caltype == 1 || in.caltype == 2);
    o.insert(QStringLiteral("leap"), in.caltype == 2 ? 1 : 0);
    o.insert(QStringLiteral("longitude"), in.longitude);
    o.insert(QStringLiteral("clockTime"), in.timeKind == TimeKind::Clock);
    o.insert(QStringLiteral("day23"), in.switch11pm);
    o.insert(QStringLiteral("daylightReading"), in.daylightReading);
    o.insert(QStringLiteral("dstMode"), in.dst == DstMode::Auto ? QStringLiteral("auto")
                                                                : in.dst == DstMode::On ? QStringLiteral("on")
                                                                                        : QStringLiteral("off"));
    const Moment &m = r.moment;
    QVariantMap moment = momentMap(m);
    moment.insert(QStringLiteral("tableRegion"), m.tableRegion);
    moment.insert(QStringLiteral("jdPillars"), m.jdPillars);
    moment.insert(QStringLiteral("jdMeanSolar"), m.jdMeanSolar);
    moment.insert(QStringLiteral("jdTrueSolar"), m.jdTrueSolar);
    moment.insert(QStringLiteral("equationOfTimeDays"), m.equationOfTimeMinutes / minutesPerDay);
    moment.insert(QStringLiteral("jdClock"), ClockCorrection::clockJd(m.clockFields));
    moment.insert(QStringLiteral("jdBeijing"), m.jdBeijing);
    moment.insert(QStringLiteral("clockFields"), QVariantList{m.clockFields[0], m.clockFields[1], m.clockFields[2],
                                                              m.clockFields[3], m.clockFields[4]});
    o.insert(QStringLiteral("chain"), moment);
    if (!r.ok)
        return o;
    const int *p = r.pillarFields;
    o.insert(QStringLiteral("pillarMoment"), QVariantMap{{QStringLiteral("y"), p[0]}, {QStringLiteral("m"), p[1]},
                                                         {QStringLiteral("d"), p[2]}, {QStringLiteral("h"), p[3]},
                                                         {QStringLiteral("mi"), p[4]}});
    o.insert(QStringLiteral("instantOffset"), r.instantOffset);
    o.insert(QStringLiteral("isIn23clock"), r.isIn23clock);
    o.insert(QStringLiteral("isIn23clockAfterZPty"), r.isIn23clockAfterShift);
    const QVariantMap chart = chartMap(*engine);
    for (auto it = chart.cbegin(); it != chart.cend(); ++it)
        o.insert(it.key(), it.value());
    return o;
}

int ChartCalculation::utcOffsetMinutes(const QString &zoneId, double jdUtc)
{
    const QTimeZone zone(zoneId.toUtf8());
    if (!zone.isValid() || !std::isfinite(jdUtc))
        return 0;
    return offsetAt(zone, secondsOf(jdUtc)) / 60;
}
