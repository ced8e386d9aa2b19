// SPDX-License-Identifier: GPL-3.0-or-later
#include "JulianDay.h"
#include "TimePoints.h"

#include <QDate>
#include <QtTest>

using namespace JulianDay;

class TestJulianDay : public QObject
{
    Q_OBJECT

private slots:
    void fromCal_data();
    void fromCal();
    void toCal_data();
    void toCal();
    void dayNumber_data();
    void dayNumber();
    void everyDayAtNoonMatchesQDate();
    void biasedMinutesComeBack();
    void shortRecordIsExtended();
};

void TestJulianDay::fromCal_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<double>("hours");
    QTest::addColumn<int>("gregorian");
    QTest::addColumn<double>("jd");

    QTest::newRow("J2000 noon")            << 2000 << 1 << 1 << 12.0 << 1 << 2451545.0;
    QTest::newRow("first Gregorian day")   << 1582 << 10 << 15 << 0.0 << 1 << 2299160.5;
    QTest::newRow("last Julian day")       << 1582 << 10 << 4 << 0.0 << 0 << 2299159.5;
    QTest::newRow("leap day of 2000")      << 2000 << 2 << 29 << 12.0 << 1 << 2451604.0;
    QTest::newRow("March after leap day")  << 2000 << 3 << 1 << 0.0 << 1 << 2451604.5;
    QTest::newRow("day-number epoch")      << 1971 << 8 << 7 << 0.0 << 1 << 2441170.5;
    QTest::newRow("first birth day")       << 1800 << 1 << 1 << 0.0 << 1 << 2378496.5;
    QTest::newRow("1900 is no leap year")  << 1900 << 3 << 1 << 0.0 << 1 << 2415079.5;
    QTest::newRow("Julian year 1000")      << 1000 << 1 << 1 << 12.0 << 0 << 2086308.0;
    QTest::newRow("quarter past six")      << 2000 << 1 << 1 << 18.25 << 1 << 2451545.2604166665;
}

void TestJulianDay::fromCal()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(double, hours);
    QFETCH(int, gregorian);
    QFETCH(double, jd);
    QCOMPARE(getJulianDayFromCal(year, month, day, hours, gregorian), jd);
    QCOMPARE(TimePoints::getJulianDayFromCal(year, month, day, hours, gregorian), jd);
}

void TestJulianDay::toCal_data()
{
    QTest::addColumn<double>("jd");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");

    QTest::newRow("first Gregorian midnight") << 2299160.5 << 1582 << 10 << 15 << 0 << 0;
    QTest::newRow("just before it, Julian")   << 2299160.4999 << 1582 << 10 << 4 << 23 << 59;
    QTest::newRow("立春 2024")                << 2460345.185409 << 2024 << 2 << 4 << 16 << 26;
    QTest::newRow("J2000")                    << 2451545.0 << 2000 << 1 << 1 << 12 << 0;
    QTest::newRow("leap day")                 << 2451604.0 << 2000 << 2 << 29 << 12 << 0;
    QTest::newRow("last minute of 1999")      << 2451544.4999 << 1999 << 12 << 31 << 23 << 59;
    QTest::newRow("first birth day")          << 2378496.5 << 1800 << 1 << 1 << 0 << 0;
    QTest::newRow("minute is truncated")      << 2451545.0 + 59.9 / 1440 << 2000 << 1 << 1 << 12 << 59;
}

void TestJulianDay::toCal()
{
    QFETCH(double, jd);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(int, minute);
    TimePoints::Record cal(TimePoints::recordSize, 7);
    QVERIFY(TimePoints::getSolarCalFromJulianDayUT(jd, cal));
    QCOMPARE(cal[0], year);
    QCOMPARE(cal[1], month);
    QCOMPARE(cal[2], day);
    QCOMPARE(cal[3], hour);
    QCOMPARE(cal[4], minute);
    QCOMPARE(cal[5], 7); // the other slots keep their values
    QCOMPARE(cal[TimePoints::leapSlot], 7);
}

void TestJulianDay::dayNumber_data()
{
    QTest::addColumn<double>("jd");
    QTest::addColumn<int>("dayNumber");
    QTest::addColumn<int>("cycle");

    QTest::newRow("2000-01-01 00:00")     << 2451544.5 << 10374 << 54;
    QTest::newRow("2000-01-01 noon")      << 2451545.0 << 10374 << 54;
    QTest::newRow("2000-01-01 23:59:51")  << 2451545.4999 << 10374 << 54;
    QTest::newRow("epoch day start")      << 2441170.5 << 0 << 0;
    QTest::newRow("epoch day end")        << 2441171.4999 << 0 << 0;
    QTest::newRow("day before the epoch") << 2441170.4999 << -1 << 59;
    QTest::newRow("2024-02-10 (甲辰)")    << 2460351.0 << 19180 << 40;
}

void TestJulianDay::dayNumber()
{
    QFETCH(double, jd);
    QFETCH(int, dayNumber);
    QFETCH(int, cycle);
    QCOMPARE(dayNumberOf(jd), dayNumber);
    QCOMPARE((dayNumberOf(jd) % 60 + 60) % 60, cycle);
}

// QDate counts Julian day numbers independently: the noon JD of every day of the
// range must be that number, and the way back must give the day.
void TestJulianDay::everyDayAtNoonMatchesQDate()
{
    int checked = 0;
    for (QDate d(1800, 1, 1); d.year() <= 2100; d = d.addDays(1), ++checked) {
        const double jd = getJulianDayFromCal(d.year(), d.month(), d.day(), 12.0, 1);
        if (jd != double(d.toJulianDay()))
            QFAIL(qPrintable(d.toString(Qt::ISODate) + QStringLiteral(" gives ") + QString::number(jd, 'f', 6)));
        const CivilTime back = getCalFromJulianDay(jd, 1);
        if (QDate(back.year, back.month, back.day) != d || back.hours != 12.0)
            QFAIL(qPrintable(d.toString(Qt::ISODate) + QStringLiteral(" does not come back")));
    }
    QCOMPARE(checked, 109938);
}

// With 30 seconds added, the truncating minute of the way back is the entered one.
void TestJulianDay::biasedMinutesComeBack()
{
    const int minutesOfDay[] = {0, 1, 59, 60, 457, 719, 720, 721, 1379, 1380, 1438, 1439};
    TimePoints::Record cal(TimePoints::recordSize, 0);
    for (QDate d(1800, 1, 1); d.year() <= 2100; d = d.addDays(1)) {
        for (int m : minutesOfDay) {
            const double jd = getJulianDayFromCal(d.year(), d.month(), d.day(), m / 60.0 + 1.0 / 120, 1);
            TimePoints::getSolarCalFromJulianDayUT(jd, cal);
            if (QDate(cal[0], cal[1], cal[2]) != d || cal[3] * 60 + cal[4] != m)
                QFAIL(qPrintable(d.toString(Qt::ISODate) + QStringLiteral(" minute ") + QString::number(m)));
        }
    }
    // Every minute of a few days.
    for (const QDate d : {QDate(1800, 1, 1), QDate(1999, 12, 31), QDate(2099, 12, 31)}) {
        for (int m = 0; m < 1440; ++m) {
            const double jd = getJulianDayFromCal(d.year(), d.month(), d.day(), m / 60.0 + 1.0 / 120, 1);
            TimePoints::getSolarCalFromJulianDayUT(jd, cal);
            QCOMPARE(cal[3] * 60 + cal[4], m);
        }
    }
}

void TestJulianDay::shortRecordIsExtended()
{
    TimePoints::Record cal;
    QVERIFY(TimePoints::getSolarCalFromJulianDayUT(2451545.0, cal));
    QCOMPARE(cal, (TimePoints::Record{2000, 1, 1, 12, 0, 0, 0, 0, 0, 0}));
}

QTEST_APPLESS_MAIN(TestJulianDay)
#include "tst_julianday.moc"
