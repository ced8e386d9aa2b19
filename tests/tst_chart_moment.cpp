// SPDX-License-Identifier: GPL-3.0-or-later
// The birth instant and the chart it gives: zones and summer time from the tz
// database, solar time from the instant, and the pillars, with year and month
// decided by the instant and day and hour by the chosen kind of time.
#include "ChartCalculation.h"
#include "InSight.h"
#include "TimePoints.h"
#include "Vocabulary.h"

#include <QMetaProperty>
#include <QTest>

using Calc = ChartCalculation;

namespace {

Calc::Input inputOf(const QString &zone, double lng, const QString &kind, const QString &dst, const QString &when)
{
    Calc::Input in;
    in.zone = zone.toUtf8();
    in.longitude = lng;
    Calc::timeKindFromName(kind, in.timeKind);
    Calc::dstModeFromName(dst, in.dst);
    in.recordedSummerTime = in.dst == Calc::DstMode::On;
    const QStringList p = when.split(QRegExp(QStringLiteral("[- :]")));
    for (int i = 0; i < 5; ++i)
        in.fields[i] = p.at(i).toInt();
    return in;
}

QString pillarNames(const InSight &s)
{
    QStringList names;
    for (int c : {s.yearChac(), s.monthChac(), s.dayChac(), s.hourChac()})
        names << Vocabulary::jiaziName(c);
    return names.join(QLatin1Char(' '));
}

} // namespace

class TestChartMoment : public QObject
{
    Q_OBJECT

private slots:
    void birthMoment_data();
    void birthMoment();
    void unchangedAtBeijingClock_data();
    void unchangedAtBeijingClock();
    void refused_data();
    void refused();
};

void TestChartMoment::birthMoment_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<double>("lng");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("dst");
    QTest::addColumn<bool>("daylight");
    QTest::addColumn<QString>("when");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("dstMinutes");
    QTest::addColumn<QString>("utc");
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("pillars"); // year and month, or all four

    // 立春 2024 fell at 16:27 Beijing time (03:27 EST).
    QTest::newRow("New York after 立春") << "America/New_York" << -74.006 << "clock" << "auto" << false
        << "2024-02-04 10:00" << -300 << 0 << "2024-02-04T15:00:00" << "ok" << "甲辰 丙寅 戊戌 丁巳";
    QTest::newRow("Ürümqi on Beijing time, true") << "Asia/Shanghai" << 87.6 << "true" << "auto" << false
        << "2024-02-04 17:30" << 480 << 0 << "2024-02-04T09:30:00" << "ok" << "甲辰 丙寅 戊戌 庚申";
    QTest::newRow("Harbin before 立春, true") << "Asia/Shanghai" << 126.6 << "true" << "auto" << false
        << "2024-02-04 16:05" << 480 << 0 << "2024-02-04T08:05:00" << "ok" << "癸卯 乙丑";
    QTest::newRow("New York summer 1985") << "America/New_York" << -74.006 << "clock" << "auto" << false
        << "1985-07-04 10:00" << -240 << 60 << "1985-07-04T14:00:00" << "ok" << "乙丑 壬午";
    QTest::newRow("New York summer, switch off") << "America/New_York" << -74.006 << "clock" << "off" << false
        << "1985-07-04 10:00" << -300 << 0 << "1985-07-04T15:00:00" << "ok" << "乙丑 壬午";
    QTest::newRow("gap, standard reading") << "America/New_York" << -74.006 << "clock" << "auto" << false
        << "2021-03-14 02:30" << -300 << 0 << "2021-03-14T07:30:00" << "gap" << "辛丑 辛卯";
    QTest::newRow("gap, summer reading") << "America/New_York" << -74.006 << "clock" << "auto" << true
        << "2021-03-14 02:30" << -240 << 60 << "2021-03-14T06:30:00" << "gap" << "辛丑 辛卯";
    QTest::newRow("doubled, standard reading") << "America/New_York" << -74.006 << "clock" << "auto" << false
        << "2021-11-07 01:30" << -300 << 0 << "2021-11-07T06:30:00" << "ambiguous" << "辛丑 己亥";
    QTest::newRow("doubled, summer reading") << "America/New_York" << -74.006 << "clock" << "auto" << true
        << "2021-11-07 01:30" << -240 << 60 << "2021-11-07T05:30:00" << "ambiguous" << "辛丑 己亥";
    // Southern summer; British double summer time of the war.
    QTest::newRow("Sydney January") << "Australia/Sydney" << 151.21 << "clock" << "auto" << false
        << "2000-01-15 12:00" << 660 << 60 << "2000-01-15T01:00:00" << "ok" << "己卯 丁丑";
    QTest::newRow("London 1941 double summer") << "Europe/London" << -0.13 << "clock" << "auto" << false
        << "1941-07-01 12:00" << 120 << 120 << "1941-07-01T10:00:00" << "ok" << "辛巳 甲午";
    // War years: the tz database keeps UTC+9 as standard time; the switch of
    // the program's table must not add a second hour.
    QTest::newRow("Hong Kong 1943, switch on") << "Asia/Hong_Kong" << 114.17 << "clock" << "on" << false
        << "1943-07-01 12:00" << 540 << 0 << "1943-07-01T03:00:00" << "ok" << "癸未 戊午";
    QTest::newRow("Taipei 1940, no switch") << "Asia/Taipei" << 121.5 << "clock" << "auto" << false
        << "1940-07-01 12:00" << 540 << 0 << "1940-07-01T03:00:00" << "ok" << "庚辰 壬午";
    // Mainland 1988 with the described switch on: an hour off the clock.
    QTest::newRow("Beijing 1988, switch on") << "Asia/Shanghai" << 116.4 << "clock" << "on" << false
        << "1988-07-01 11:30" << 540 << 60 << "1988-07-01T02:30:00" << "ok" << "戊辰 戊午 丁巳 乙巳";
}

void TestChartMoment::birthMoment()
{
    QFETCH(QString, zone);
    QFETCH(double, lng);
    QFETCH(QString, kind);
    QFETCH(QString, dst);
    QFETCH(bool, daylight);
    QFETCH(QString, when);
    QFETCH(int, offset);
    QFETCH(int, dstMinutes);
    QFETCH(QString, utc);
    QFETCH(QString, local);
    QFETCH(QString, pillars);
    Calc::Input in = inputOf(zone, lng, kind, dst, when);
    in.daylightReading = daylight;
    InSight s;
    const Calc::Result r = Calc::calculate(in, s);
    QVERIFY2(r.ok, qPrintable(r.reason));
    const QVariantMap m = Calc::momentMap(r.moment);
    QCOMPARE(m.value(QStringLiteral("utcOffsetMinutes")).toInt(), offset);
    QCOMPARE(m.value(QStringLiteral("dstMinutes")).toInt(), dstMinutes);
    QCOMPARE(m.value(QStringLiteral("utc")).toString(), utc);
    QCOMPARE(m.value(QStringLiteral("localTime")).toString(), local);
    // UTC+8 of the same instant.
    QCOMPARE(m.value(QStringLiteral("beijing")).toString(),
             QDateTime::fromString(utc, Qt::ISODate).addSecs(8 * 3600).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    QCOMPARE(pillarNames(s).left(pillars.size()), pillars);
    // The luck start counts from the instant, which lies inside the month the
    // pillars name: neither age may be negative.
    const TimePoints &tp = s.primaryTimePoint();
    QVERIFY2(tp.ageBackward >= 0 && tp.ageForward >= 0,
             qPrintable(QStringLiteral("%1 %2").arg(tp.ageBackward).arg(tp.ageForward)));
    // Mean solar time is UTC plus the longitude; true time adds the equation
    // of time, which never leaves ±17 minutes.
    const double meanFromUtc = (r.moment.jdMeanSolar - r.moment.jdUtc) * 360;
    QVERIFY(qAbs(meanFromUtc - lng) < 1e-6);
    QVERIFY(qAbs(r.moment.equationOfTimeMinutes) < 17);
}

// In UTC+8 at 120°E on clock time the chain hands the engine the moment as
// entered, and the chart is the one beginWithTime always gave: every property.
void TestChartMoment::unchangedAtBeijingClock_data()
{
    QTest::addColumn<double>("jd");
    QTest::addColumn<int>("gender");
    QTest::addColumn<int>("switch11pm");
    const auto near = [](int year, int term, double minutes) { return TimePoints::termJd(year, term) + minutes / 1440; };
    QTest::newRow("2 min before 立春 2024")  << near(2024, 0, -2) << 0 << 1;
    QTest::newRow("2 min after 立春 2024")   << near(2024, 0, 2) << 1 << 1;
    QTest::newRow("1 min after 惊蛰 1900")   << near(1900, 2, 1) << 0 << 0;
    QTest::newRow("1 min before 小寒 2099")  << near(2098, 22, -1) << 1 << 1;
    QTest::newRow("23:30 day change")       << 2451545.0 + 11.5 / 24 << 0 << 1;
    QTest::newRow("23:30 midnight change")  << 2451545.0 + 11.5 / 24 << 0 << 0;
    QTest::newRow("1800-01-01 00:00")       << 2378496.5 << 1 << 1;
}

void TestChartMoment::unchangedAtBeijingClock()
{
    QFETCH(double, jd);
    QFETCH(int, gender);
    QFETCH(int, switch11pm);
    TimePoints::Record c(TimePoints::recordSize, 0);
    TimePoints::getSolarCalFromJulianDayUT(jd, c);
    Calc::Input in;
    std::copy(c.begin(), c.begin() + 5, in.fields);
    in.gender = gender;
    in.switch11pm = switch11pm;
    InSight viaChain;
    const Calc::Result r = Calc::calculate(in, viaChain);
    QVERIFY2(r.ok, qPrintable(r.reason));
    QCOMPARE(r.instantOffset, 0.0);
    InSight direct;
    QCOMPARE(direct.beginWithTime(gender, 0, c[0], c[1], c[2], c[3], c[4], 0, 0.0, switch11pm).toInt(), 0);
    const QMetaObject *mo = direct.metaObject();
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
        QCOMPARE(mo->property(i).read(&viaChain), mo->property(i).read(&direct));
    QCOMPARE(viaChain.primaryTimePoint().ageForward, direct.primaryTimePoint().ageForward);
}

void TestChartMoment::refused_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("caltype");
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("longitude");
    QTest::newRow("no such zone")         << "Mars/Olympus" << 0 << "2000-01-01 12:00" << "time zone not known"
                                          << "时区不明：Mars/Olympus" << 120.0;
    QTest::newRow("February 30")          << "Asia/Shanghai" << 0 << "2000-02-30 12:00" << "inputtime not legal3" << "" << 120.0;
    QTest::newRow("before the tables")    << "Asia/Shanghai" << 0 << "1799-12-31 12:00" << "inputtime not legal3" << "" << 120.0;
    QTest::newRow("leap month not there") << "Asia/Shanghai" << 2 << "2021-04-01 10:30" << "inputtime not legal2"
                                          << "当年农历无闰四月。" << 120.0;
    QTest::newRow("lunar day 30 missing") << "Asia/Shanghai" << 1 << "2024-01-30 10:30" << "inputtime not legal2"
                                          << "无该农历日期。" << 120.0;
    // 2023 has a leap second month, of 29 days.
    QTest::newRow("leap month day 30 missing") << "Asia/Shanghai" << 2 << "2023-02-30 10:30" << "inputtime not legal2"
                                               << "无该农历日期。" << 120.0;
    // A Julian day stored where the longitude belongs (seen in an old file).
    QTest::newRow("longitude past 180")   << "Asia/Shanghai" << 0 << "1990-05-17 08:30" << "longitude out of range"
                                          << "经度超出范围：2448028.85417" << 2448028.85417;
    QTest::newRow("longitude -181")       << "Asia/Shanghai" << 0 << "1990-05-17 08:30" << "longitude out of range"
                                          << "经度超出范围：-181" << -181.0;
}

void TestChartMoment::refused()
{
    QFETCH(QString, zone);
    QFETCH(int, caltype);
    QFETCH(QString, when);
    QFETCH(QString, reason);
    QFETCH(QString, message);
    QFETCH(double, longitude);
    Calc::Input in = inputOf(zone, longitude, QStringLiteral("clock"), QStringLiteral("auto"), when);
    in.caltype = caltype;
    InSight s;
    const Calc::Result r = Calc::calculate(in, s);
    QVERIFY(!r.ok);
    QCOMPARE(r.reason, reason);
    QCOMPARE(r.message, message);
    QCOMPARE(s.totalReadyCalc(), 0);
}

QTEST_GUILESS_MAIN(TestChartMoment)
#include "tst_chart_moment.moc"
