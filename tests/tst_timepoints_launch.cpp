// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarTestSupport.h"
#include "TimePoints.h"

#include <QtTest>

using namespace CalendarTestSupport;
using Record = TimePoints::Record;

Q_DECLARE_METATYPE(TimePoints::Record)

class TestTimePointsLaunch : public QObject
{
    Q_OBJECT

private slots:
    void constructionAndResetState();
    void pillars_data();
    void pillars();
    void rejectedInputChangesNothing_data();
    void rejectedInputChangesNothing();
    void offsetNotANumberIsRejected();
    void leapMonthInput();
    void copyIsIndependent();
    void startAgesAddUpToTen_data();
    void startAgesAddUpToTen();
    void startMomentsOfAWorkedChart();
    void startAgeNearAJie_data();
    void startAgeNearAJie();
    void startAfterTheTableHasNoSinoPlace();
    void middleOfTheMonthGivesFive_data();
    void middleOfTheMonthGivesFive();
};

void TestTimePointsLaunch::constructionAndResetState()
{
    TimePoints fresh;
    QCOMPARE(fresh.jdBirth, 2441171.0);
    QCOMPARE(fresh.chacs, Record(10, 0));
    QCOMPARE(fresh.solarCal, Record(10, 0));
    QCOMPARE(fresh.beginSinoBackward, Record(10, 0));
    QCOMPARE(fresh.ageForward, 0.0);
    QCOMPARE(fresh.ztyJdPlus, 0.0);

    TimePoints used;
    QCOMPARE(used.launchTimePointSets(1, 2025, 6, 1, 12, 0, 1, 0.02, 0), 0);
    QVERIFY(used != fresh);
    used.resetTimePoints();
    QCOMPARE(used, fresh);
}

void TestTimePointsLaunch::pillars_data()
{
    QTest::addColumn<int>("solarlunar");
    QTest::addColumn<Record>("input");
    QTest::addColumn<int>("switch11pm");
    QTest::addColumn<Record>("chacs"); // year, month, day, hour

    const auto chacs = [](int y, int m, int d, int h) { return Record{y, m, d, h, 0, 0, 0, 0, 0, 0}; };
    //                                                                                       己卯 丙子 戊午 戊午
    QTest::newRow("2000-01-01 12:00")          << 0 << record(2000, 1, 1, 12, 0) << 1 << chacs(15, 12, 54, 54);
    QTest::newRow("00:30 is the own 子 hour")  << 0 << record(2000, 1, 1, 0, 30) << 1 << chacs(15, 12, 54, 48);
    QTest::newRow("22:59 is 亥")               << 0 << record(2000, 1, 1, 22, 59) << 1 << chacs(15, 12, 54, 59);
    QTest::newRow("23:00, day changes")        << 0 << record(2000, 1, 1, 23, 0) << 1 << chacs(15, 12, 55, 0);
    QTest::newRow("23:30, day changes")        << 0 << record(2000, 1, 1, 23, 30) << 1 << chacs(15, 12, 55, 0);
    QTest::newRow("23:30, day stays")          << 0 << record(2000, 1, 1, 23, 30) << 0 << chacs(15, 12, 54, 0);
    QTest::newRow("23:30, other switch value") << 0 << record(2000, 1, 1, 23, 30) << 7 << chacs(15, 12, 54, 0);
    //                                                                                       辛亥 乙未 戊午 丁巳
    QTest::newRow("1971-08-01 10:00")          << 0 << record(1971, 8, 1, 10, 0) << 1 << chacs(47, 31, 54, 53);
    //                                                                                       甲辰 丙寅 戊戌 辛酉
    QTest::newRow("after 立春 2024")           << 0 << record(2024, 2, 4, 17, 0) << 1 << chacs(40, 2, 34, 57);
    //                                                                                       癸卯 乙丑 戊戌 庚申
    QTest::newRow("January before 立春")       << 0 << record(2024, 2, 4, 16, 0) << 1 << chacs(39, 1, 34, 56);
    //                                                                                       甲辰 丙寅 甲辰 庚午
    QTest::newRow("lunar new year 2024")       << 1 << record(2024, 1, 1, 12, 0) << 1 << chacs(40, 2, 40, 6);
}

void TestTimePointsLaunch::pillars()
{
    QFETCH(int, solarlunar);
    QFETCH(Record, input);
    QFETCH(int, switch11pm);
    QFETCH(Record, chacs);
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(solarlunar, input[0], input[1], input[2], input[3], input[4], 0, 0, switch11pm), 0);
    QCOMPARE(tp.chacs, chacs);
}

void TestTimePointsLaunch::rejectedInputChangesNothing_data()
{
    QTest::addColumn<int>("solarlunar");
    QTest::addColumn<Record>("input");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("offsetStored"); // failures after validation keep the new offset
    QTest::addColumn<QByteArray>("diagnostics");

    const QByteArray none;
    QTest::newRow("solarlunar -1")       << -1 << record(2000, 1, 1, 12, 0) << 1 << false << none;
    QTest::newRow("solarlunar 2")        << 2 << record(2000, 1, 1, 12, 0) << 1 << false << none;
    QTest::newRow("year 1799")           << 0 << record(1799, 6, 1, 12, 0) << 2 << false << none;
    QTest::newRow("year 2100")           << 0 << record(2100, 1, 1, 12, 0) << 2 << false << none;
    QTest::newRow("lunar year 2100")     << 1 << record(2100, 1, 1, 12, 0) << 2 << false << none;
    QTest::newRow("month 0")             << 0 << record(2000, 0, 1, 12, 0) << 2 << false << none;
    QTest::newRow("month 13")            << 1 << record(2000, 13, 1, 12, 0) << 2 << false << none;
    QTest::newRow("day 0")               << 0 << record(2000, 1, 0, 12, 0) << 2 << false << none;
    QTest::newRow("day 32")              << 0 << record(2000, 1, 32, 12, 0) << 2 << false << none;
    QTest::newRow("hour -1")             << 0 << record(2000, 1, 1, -1, 0) << 2 << false << none;
    QTest::newRow("hour 24")             << 0 << record(2000, 1, 1, 24, 0) << 2 << false << none;
    QTest::newRow("minute -1")           << 0 << record(2000, 1, 1, 12, -1) << 2 << false << none;
    QTest::newRow("minute 60")           << 0 << record(2000, 1, 1, 12, 60) << 2 << false << none;
    QTest::newRow("February 30")         << 0 << record(2024, 2, 30, 12, 0) << 2 << false << none;
    QTest::newRow("February 29, 1900")   << 0 << record(1900, 2, 29, 12, 0) << 2 << false << none;
    QTest::newRow("April 31")            << 0 << record(2025, 4, 31, 12, 0) << 2 << false << none;
    QTest::newRow("lunar day 31")        << 1 << record(1990, 5, 31, 8, 0) << 2 << true << none;
    QTest::newRow("leap on a plain month") << 1 << record(2025, 5, 1, 8, 0, 1) << 2 << true
                                           << QByteArray("the year without leap month or the leapidx not correct\nerror Lunar_CAL\n");
}

// A failed launch leaves the previous chart; only a failure after validation
// has already stored the new offset.
void TestTimePointsLaunch::rejectedInputChangesNothing()
{
    QFETCH(int, solarlunar);
    QFETCH(Record, input);
    QFETCH(int, result);
    QFETCH(bool, offsetStored);
    QFETCH(QByteArray, diagnostics);
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(0, 1990, 5, 17, 8, 0, 0, 0.001, 1), 0);
    TimePoints expected = tp;
    if (offsetStored)
        expected.ztyJdPlus = 0.25;
    DiagnosticCapture capture;
    QCOMPARE(tp.launchTimePointSets(solarlunar, input[0], input[1], input[2], input[3], input[4],
                                    input[TimePoints::leapSlot], 0.25, 1), result);
    QCOMPARE(tp, expected);
    QCOMPARE(capture.text(), diagnostics);
}

// A page whose solar-time correction failed passes NaN: no chart rather than
// a chart placed nowhere.
void TestTimePointsLaunch::offsetNotANumberIsRejected()
{
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(0, 1990, 5, 17, 8, 0, 0, 0, 1), 0);
    const TimePoints before = tp;
    QCOMPARE(tp.launchTimePointSets(0, 2000, 1, 1, 12, 0, 0, qQNaN(), 1), 2);
    QCOMPARE(tp.launchTimePointSets(0, 2000, 1, 1, 12, 0, 0, qInf(), 1), 2);
    QCOMPARE(tp, before);
}

void TestTimePointsLaunch::leapMonthInput()
{
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(1, 2025, 6, 10, 8, 15, 1, 0, 1), 0);
    QCOMPARE(tp.lunarCal, record(2025, 6, 10, 8, 15, 1));
    QCOMPARE(show(tp.solarCal), QByteArray("2025-8-3 8:15")); // leap month 6 begins 2025-07-25
    QCOMPARE(tp.sinoCal[0], 2025);
    QCOMPARE(tp.sinoCal[1], 6); // after 小暑, before 立秋
}

void TestTimePointsLaunch::copyIsIndependent()
{
    TimePoints source;
    QCOMPARE(source.launchTimePointSets(0, 1990, 5, 17, 8, 0, 0, 0, 1), 0);
    const TimePoints saved = source;
    TimePoints copy = source;
    QCOMPARE(copy, source);
    QCOMPARE(copy.launchTimePointSets(1, 2033, 11, 2, 3, 4, 1, 0.01, 0), 0);
    QVERIFY(copy != source);
    QCOMPARE(source, saved);
    copy.resetTimePoints();
    QCOMPARE(source, saved);
}

void TestTimePointsLaunch::startAgesAddUpToTen_data()
{
    QTest::addColumn<Record>("input");
    QTest::newRow("1800-01-01 00:00") << record(1800, 1, 1, 0, 0);
    QTest::newRow("1990-05-17 08:00") << record(1990, 5, 17, 8, 0);
    QTest::newRow("2000-01-01 12:00") << record(2000, 1, 1, 12, 0);
    QTest::newRow("2099-12-31 23:59") << record(2099, 12, 31, 23, 59);
}

void TestTimePointsLaunch::startAgesAddUpToTen()
{
    QFETCH(Record, input);
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(0, input[0], input[1], input[2], input[3], input[4], 0, 0, 1), 0);
    QVERIFY(tp.ageForward > 0 && tp.ageForward < 10);
    QVERIFY(tp.ageBackward > 0 && tp.ageBackward < 10);
    QVERIFY(qAbs(tp.ageForward + tp.ageBackward - 10) < 1e-9);
    QVERIFY(qAbs(tp.jdBeginForward - (tp.jdBirth + tp.ageForward * 365.25)) < 1e-6);
    QVERIFY(qAbs(tp.jdBeginBackward - (tp.jdBirth + tp.ageBackward * 365.25)) < 1e-6);
}

// 2000-01-01 12:00 lies about 4.9 days before 小寒 (2000-01-06 09:00) in a
// sino month of about 29.7 days: forward start about 1.64 years later, in late
// August 2001 (sino 2001 month 7, 辛巳 = 17); backward about 8.36 years later,
// in May 2008 (sino 2008 month 4, 戊子 = 24).
void TestTimePointsLaunch::startMomentsOfAWorkedChart()
{
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(0, 2000, 1, 1, 12, 0, 0, 0, 1), 0);
    QVERIFY(tp.ageForward > 1.6 && tp.ageForward < 1.7);
    QCOMPARE(tp.beginCalForward[0], 2001);
    QCOMPARE(tp.beginCalForward[1], 8);
    QCOMPARE(tp.beginSinoForward[0], 2001);
    QCOMPARE(tp.beginSinoForward[1], 7);
    QCOMPARE(tp.beginSinoForward[2], tp.beginCalForward[2]);
    QCOMPARE(tp.beginSinoForward[3], 17);
    QCOMPARE(tp.beginCalBackward[0], 2008);
    QCOMPARE(tp.beginCalBackward[1], 5);
    QCOMPARE(tp.beginSinoBackward[0], 2008);
    QCOMPARE(tp.beginSinoBackward[1], 4);
    QCOMPARE(tp.beginSinoBackward[3], 24);
}

void TestTimePointsLaunch::startAgeNearAJie_data()
{
    QTest::addColumn<int>("sinoYear");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("minutesFromTerm");
    QTest::addColumn<double>("zty");
    QTest::addColumn<double>("backwardMin");
    QTest::addColumn<double>("backwardMax");

    // A few minutes are about a thousandth of a year.
    QTest::newRow("3 min after 立春")               << 2024 << 0 << 3.0 << 0.0 << 0.0 << 0.001;
    QTest::newRow("3 min before, offset past it")  << 2024 << 0 << -3.0 << -0.01 << -0.001 << 0.0;
    QTest::newRow("2 min after 白露")               << 1877 << 14 << 2.0 << 0.0 << 0.0 << 0.001;
}

void TestTimePointsLaunch::startAgeNearAJie()
{
    QFETCH(int, sinoYear);
    QFETCH(int, position);
    QFETCH(double, minutesFromTerm);
    QFETCH(double, zty);
    QFETCH(double, backwardMin);
    QFETCH(double, backwardMax);
    const double moment = TimePoints::termJd(sinoYear, position) + minutesFromTerm / 1440;
    Record clock(TimePoints::recordSize, 0);
    TimePoints::getSolarCalFromJulianDayUT(moment, clock);
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(0, clock[0], clock[1], clock[2], clock[3], clock[4], 0, zty, 1), 0);
    QVERIFY2(tp.ageBackward > backwardMin && tp.ageBackward < backwardMax, QByteArray::number(tp.ageBackward));
    QVERIFY(qAbs(tp.ageForward + tp.ageBackward - 10) < 1e-9);
}

// The term table places moments to the end of sino year 2200: the start
// moments of a birth late in 2099 are placed, those of a calendar day late
// in 2200 fall after the table and get the zero record.
void TestTimePointsLaunch::startAfterTheTableHasNoSinoPlace()
{
    // 2099-06-01 lies about 4 days before 芒种 in a month of about 31 days:
    // forward start about 1.3 years later, backward about 8.7 years later.
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(0, 2099, 6, 1, 12, 0, 0, 0, 1), 0);
    QCOMPARE(tp.beginCalForward[0], 2100);
    QCOMPARE(tp.beginCalBackward[0], 2108);
    QCOMPARE(tp.beginSinoForward[0], 2100);
    QCOMPARE(tp.beginSinoBackward[0], 2107); // January 2108, before its 立春

    // Not a birth year, but a day of the calendar.
    QCOMPARE(tp.launchTimePointSets(0, 2200, 6, 1, 12, 0, 0, 0, 1), 2);
    tp.calendarUse = true;
    QCOMPARE(tp.launchTimePointSets(0, 2200, 6, 1, 12, 0, 0, 0, 1), 0);
    QCOMPARE(tp.sinoCal[0], 2200);
    QCOMPARE(tp.beginCalBackward[0], 2208);
    QCOMPARE(tp.beginSinoBackward, Record(10, 0));
}

// In the middle of a sino month both ages are 5, whatever the month's length.
void TestTimePointsLaunch::middleOfTheMonthGivesFive_data()
{
    QTest::addColumn<int>("sinoYear");
    QTest::addColumn<int>("position");
    QTest::newRow("芒种 month 1960 (long)")  << 1960 << 8;
    QTest::newRow("小寒 month 1960 (short)") << 1960 << 22;
    QTest::newRow("立春 month 1801")         << 1801 << 0;
}

void TestTimePointsLaunch::middleOfTheMonthGivesFive()
{
    QFETCH(int, sinoYear);
    QFETCH(int, position);
    const double after = position + 2 < 24 ? TimePoints::termJd(sinoYear, position + 2) : TimePoints::termJd(sinoYear + 1, 0);
    Record clock(TimePoints::recordSize, 0);
    TimePoints::getSolarCalFromJulianDayUT((TimePoints::termJd(sinoYear, position) + after) / 2, clock);
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(0, clock[0], clock[1], clock[2], clock[3], clock[4], 0, 0, 1), 0);
    // The clock minute is within 30 s of the middle: 30 s of three days is 0.0001 year.
    QVERIFY2(qAbs(tp.ageForward - 5) < 0.0002, QByteArray::number(tp.ageForward));
    QVERIFY2(qAbs(tp.ageBackward - 5) < 0.0002, QByteArray::number(tp.ageBackward));
}

QTEST_APPLESS_MAIN(TestTimePointsLaunch)
#include "tst_timepoints_launch.moc"
