// SPDX-License-Identifier: GPL-3.0-or-later
// Region tests and standard offsets of the system zone. The zone is chosen per
// row through TZ, which Qt reads on every call; the daylight-saving rows also
// pass a summer moment through ZoneRegion directly.
#include "EasyFunction.h"
#include "TestSupport.h"
#include "ZoneRegion.h"

#include <QtTest>

#include <ctime>

class TestZoneRegion : public QObject
{
    Q_OBJECT
private:
    EasyFunction m_service{nullptr, nullptr};
    QByteArray m_savedTz;
    bool m_hadTz = false;

    static void useZone(const QByteArray &zone)
    {
        qputenv("TZ", zone);
        tzset();
    }

private slots:
    void initTestCase()
    {
        m_hadTz = qEnvironmentVariableIsSet("TZ");
        m_savedTz = qgetenv("TZ");
    }

    void cleanupTestCase()
    {
        if (m_hadTz)
            qputenv("TZ", m_savedTz);
        else
            qunsetenv("TZ");
        tzset();
    }

    void systemZone_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<bool>("daZhongHua");
        QTest::addColumn<bool>("notMainland");
        QTest::addColumn<bool>("taiwan");
        QTest::addColumn<bool>("singapore");
        QTest::addColumn<bool>("hongKong");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<double>("hours");
        QTest::addColumn<double>("longitude");

        //                                   zone                    大中华  !mainland  TW     SG     HK     min   hours  lng
        QTest::newRow("Shanghai")   << QByteArray("Asia/Shanghai")   << true  << false << false << false << false << 480 << 8.0 << 120.0;
        QTest::newRow("Hong Kong")  << QByteArray("Asia/Hong_Kong")  << true  << true  << false << false << true  << 480 << 8.0 << 120.0;
        QTest::newRow("Taipei")     << QByteArray("Asia/Taipei")     << true  << true  << true  << false << false << 480 << 8.0 << 120.0;
        QTest::newRow("Macau")      << QByteArray("Asia/Macau")      << true  << true  << false << false << false << 480 << 8.0 << 120.0;
        QTest::newRow("Urumqi")     << QByteArray("Asia/Urumqi")     << true  << false << false << false << false << 360 << 6.0 << 90.0;
        QTest::newRow("Chongqing")  << QByteArray("Asia/Chongqing")  << true  << false << false << false << false << 480 << 8.0 << 120.0;
        QTest::newRow("Harbin")     << QByteArray("Asia/Harbin")     << false << true  << false << false << false << 480 << 8.0 << 120.0;
        QTest::newRow("Kashgar")    << QByteArray("Asia/Kashgar")    << false << true  << false << false << false << 360 << 6.0 << 90.0;
        QTest::newRow("PRC")        << QByteArray("PRC")             << false << true  << false << false << false << 480 << 8.0 << 120.0;
        QTest::newRow("Singapore")  << QByteArray("Asia/Singapore")  << false << true  << false << true  << false << 480 << 8.0 << 120.0;
        QTest::newRow("Kolkata")    << QByteArray("Asia/Kolkata")    << false << true  << false << false << false << 330 << 5.5 << 82.5;
        QTest::newRow("St Johns")   << QByteArray("America/St_Johns") << false << true << false << false << false << -210 << -3.5 << -52.5;
        QTest::newRow("Kiritimati") << QByteArray("Pacific/Kiritimati") << false << true << false << false << false << 840 << -10.0 << 210.0;
        // Both keep daylight saving in (their own) summer; only the standard
        // offset counts, whatever the date of the run.
        QTest::newRow("Chatham")    << QByteArray("Pacific/Chatham") << false << true  << false << false << false << 765 << -11.25 << 191.25;
        QTest::newRow("Berlin")     << QByteArray("Europe/Berlin")   << false << true  << false << false << false << 60 << 1.0 << 15.0;
        QTest::newRow("Sydney")     << QByteArray("Australia/Sydney") << false << true << false << false << false << 600 << 10.0 << 150.0;
        QTest::newRow("Hongkong")   << QByteArray("Hongkong")        << true  << true  << false << false << true  << 480 << 8.0 << 120.0;
    }

    void systemZone()
    {
        QFETCH(QByteArray, zone);
        QFETCH(bool, daZhongHua);
        QFETCH(bool, notMainland);
        QFETCH(bool, taiwan);
        QFETCH(bool, singapore);
        QFETCH(bool, hongKong);
        QFETCH(int, minutes);
        QFETCH(double, hours);
        QFETCH(double, longitude);

        useZone(zone);
        QCOMPARE(m_service.getSystemTimeZoneId().toByteArray(), zone);
        QCOMPARE(m_service.isInDaZhongHuaArea().toBool(), daZhongHua);
        {
            TestSupport::LogCapture log;
            QCOMPARE(m_service.isNotInZhongHuaMainLandArea().toBool(), notMainland);
            QCOMPARE(log.lines(), QStringList{QStringLiteral("the local timeZone is: ") + QString::fromUtf8(zone)});
        }
        QCOMPARE(m_service.isInTaiwanTimeZone().toBool(), taiwan);
        QCOMPARE(m_service.isInSingaporeTimeZone().toBool(), singapore);
        QCOMPARE(m_service.isInHongKongTimeZone().toBool(), hongKong);
        QCOMPARE(m_service.getStandardTimeOffset().toInt(), minutes);
        QCOMPARE(m_service.getStandardTimeOffsetHours().toDouble(), hours);
        QCOMPARE(m_service.getStandardTimezoneLng().toDouble(), longitude);
    }

    void standardOffsetInSummerAndWinter_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("seconds");
        QTest::newRow("Berlin")   << QByteArray("Europe/Berlin") << 3600;
        QTest::newRow("New York") << QByteArray("America/New_York") << -18000;
        QTest::newRow("Sydney")   << QByteArray("Australia/Sydney") << 36000;
    }

    void standardOffsetInSummerAndWinter()
    {
        QFETCH(QByteArray, zone);
        QFETCH(int, seconds);
        const QTimeZone tz(zone);
        QVERIFY(tz.isValid());
        const QDateTime january(QDate(2026, 1, 15), QTime(12, 0), Qt::UTC);
        const QDateTime july(QDate(2026, 7, 15), QTime(12, 0), Qt::UTC);
        QVERIFY(tz.isDaylightTime(january) != tz.isDaylightTime(july)); // one of them is summer time
        QCOMPARE(ZoneRegion::standardOffsetSeconds(tz, january), seconds);
        QCOMPARE(ZoneRegion::standardOffsetSeconds(tz, july), seconds);
    }

    void keywords_data()
    {
        QTest::addColumn<QByteArray>("id");
        QTest::addColumn<bool>("daZhongHua");
        QTest::addColumn<bool>("notMainland");
        QTest::addColumn<bool>("taiwan");
        QTest::addColumn<bool>("hongKong");

        QTest::newRow("upper case")      << QByteArray("ASIA/SHANGHAI") << true << false << false << false;
        QTest::newRow("country only")    << QByteArray("China/Standard") << true << true << false << false;
        QTest::newRow("Peking")          << QByteArray("Asia/peking") << true << false << false << false;
        QTest::newRow("Macao spelling")  << QByteArray("Asia/Macao") << true << true << false << false;
        QTest::newRow("hong kong blank") << QByteArray("Hong Kong") << true << true << false << true;
        QTest::newRow("Taibei")          << QByteArray("Asia/Taibei") << true << true << true << false;
        QTest::newRow("Taiwan")          << QByteArray("Taiwan") << true << true << true << false;
        QTest::newRow("ROC")             << QByteArray("ROC") << false << true << false << false;
        QTest::newRow("Tibet")           << QByteArray("Tibet/Lhasa") << true << false << false << false;
        QTest::newRow("empty")           << QByteArray() << false << true << false << false;
    }

    void keywords()
    {
        QFETCH(QByteArray, id);
        QFETCH(bool, daZhongHua);
        QFETCH(bool, notMainland);
        QFETCH(bool, taiwan);
        QFETCH(bool, hongKong);
        QCOMPARE(ZoneRegion::isInDaZhongHuaArea(id), daZhongHua);
        QCOMPARE(ZoneRegion::isNotInZhongHuaMainLandArea(id), notMainland);
        QCOMPARE(ZoneRegion::isInTaiwan(id), taiwan);
        QCOMPARE(ZoneRegion::isInHongKong(id), hongKong);
        QVERIFY(!ZoneRegion::isInSingapore(id));
    }

    void folding_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<double>("hours");
        QTest::addColumn<double>("longitude");
        QTest::newRow("+12 not folded")  << 43200 << 720 << 12.0 << 180.0;
        QTest::newRow("-12 not folded")  << -43200 << -720 << -12.0 << -180.0;
        QTest::newRow("+13 folded")      << 46800 << 780 << -11.0 << 195.0;
        QTest::newRow("-13 folded")      << -46800 << -780 << 11.0 << -195.0;
        QTest::newRow("minute toward 0") << -90 << -1 << -0.025 << -0.375;
        QTest::newRow("positive part")   << 89 << 1 << 89 / 3600.0 << 89 / 240.0;
    }

    void folding()
    {
        QFETCH(int, seconds);
        QFETCH(int, minutes);
        QFETCH(double, hours);
        QFETCH(double, longitude);
        QCOMPARE(ZoneRegion::offsetMinutes(seconds), minutes);
        QCOMPARE(ZoneRegion::offsetHours(seconds), hours);
        QCOMPARE(ZoneRegion::meridianLongitude(seconds), longitude);
    }
};

QTEST_GUILESS_MAIN(TestZoneRegion)
#include "tst_zoneregion.moc"
