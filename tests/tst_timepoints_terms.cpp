// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarTestSupport.h"
#include "TimePoints.h"

#include <QtTest>

using namespace CalendarTestSupport;

class TestTimePointsTerms : public QObject
{
    Q_OBJECT

private slots:
    void sinoCal_data();
    void sinoCal();
    void everyJieTermBeginsItsMonth();
    void januaryTakesTheJieAroundIt();
    void month12EndsAtTheNextLiChun();
    void lastUsableRowReachesInto2100();
    void offsetMovesTheMomentAcrossAJie_data();
    void offsetMovesTheMomentAcrossAJie();
    void unfilledObjectIsNotPlaced();
};

namespace {

double jdOf(int y, int m, int d, int hour, int minute)
{
    return TimePoints::getJulianDayFromCal(y, m, d, hour + minute / 60.0, 1);
}

// The clock minute (Beijing time) of a moment given as a JD.
TimePoints::Record clockOf(double jd)
{
    TimePoints::Record cal(TimePoints::recordSize, 0);
    TimePoints::getSolarCalFromJulianDayUT(jd, cal);
    return cal;
}

} // namespace

void TestTimePointsTerms::sinoCal_data()
{
    QTest::addColumn<double>("jd");
    QTest::addColumn<int>("sinoYear");
    QTest::addColumn<int>("sinoMonth");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("yearIndex");

    QTest::newRow("16:26:24 before 立春 2024") << 2460345.185 << 2023 << 12 << 4 << 39;
    QTest::newRow("16:27:50 after 立春 2024")  << 2460345.186 << 2024 << 1 << 4 << 40;
    QTest::newRow("2000-01-10, after 小寒")    << jdOf(2000, 1, 10, 12, 0) << 1999 << 12 << 10 << 15;
    QTest::newRow("1983 is 癸亥")              << jdOf(1983, 6, 15, 12, 0) << 1983 << 5 << 15 << 59;
    QTest::newRow("2024 is 甲辰")              << jdOf(2024, 6, 15, 12, 0) << 2024 << 5 << 15 << 40;
    QTest::newRow("1800-01-01 in 大雪 month")  << jdOf(1800, 1, 1, 12, 0) << 1799 << 11 << 1 << 55;
    QTest::newRow("January 2100, month 12")    << jdOf(2100, 1, 15, 12, 0) << 2099 << 12 << 15 << 55;
    QTest::newRow("at 立春 2100, 庚申")        << TimePoints::termJd(2100, 0) << 2100 << 1 << 4 << 56;
    QTest::newRow("Gregorian year 2101")       << jdOf(2101, 1, 1, 12, 0) << 2100 << 11 << 1 << 56;
    QTest::newRow("January 2201, month 12")    << jdOf(2201, 1, 15, 12, 0) << 2200 << 12 << 15 << 36;
    QTest::newRow("at 立春 2201: no row")      << TimePoints::termJd(2201, 0) << 0 << 0 << 0 << 0;
    QTest::newRow("Gregorian year 2202")       << jdOf(2202, 1, 1, 12, 0) << 0 << 0 << 0 << 0;
    QTest::newRow("before 立春 1799: no row")  << jdOf(1799, 1, 15, 12, 0) << 0 << 0 << 0 << 0;
    QTest::newRow("far before the table")      << jdOf(1000, 6, 1, 12, 0) << 0 << 0 << 0 << 0;
}

void TestTimePointsTerms::sinoCal()
{
    QFETCH(double, jd);
    QFETCH(int, sinoYear);
    QFETCH(int, sinoMonth);
    QFETCH(int, day);
    QFETCH(int, yearIndex);
    const TimePoints::Record sino = TimePoints::getSinoCalFromJulianDay(jd);
    QCOMPARE(sino, (TimePoints::Record{sinoYear, sinoMonth, day, yearIndex, 0, 0, 0, 0, 0, 0}));
}

// A moment exactly at a Jie term belongs to the month the term begins; a
// fraction of a second earlier it is still in the month before.
void TestTimePointsTerms::everyJieTermBeginsItsMonth()
{
    int checked = 0;
    for (int year = 1799; year <= 2099; ++year) {
        for (int position = 0; position < 24; position += 2) {
            const double jd = TimePoints::termJd(year, position);
            const TimePoints::Record at = TimePoints::getSinoCalFromJulianDay(jd);
            const TimePoints::Record before = TimePoints::getSinoCalFromJulianDay(jd - 2e-6);
            const int month = position / 2 + 1;
            if (at[0] != year || at[1] != month)
                QFAIL(qPrintable(QStringLiteral("term %1/%2 placed in %3/%4").arg(year).arg(position).arg(at[0]).arg(at[1])));
            if (year == 1799 && position == 0)
                QCOMPARE(before[0], 0); // nothing before the first row
            else if (before[0] != (month == 1 ? year - 1 : year) || before[1] != (month == 1 ? 12 : month - 1))
                QFAIL(qPrintable(QStringLiteral("just before term %1/%2 placed in %3/%4").arg(year).arg(position).arg(before[0]).arg(before[1])));
            ++checked;
        }
    }
    QCOMPARE(checked, 301 * 12);
}

void TestTimePointsTerms::januaryTakesTheJieAroundIt()
{
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(0, 2000, 1, 10, 8, 0, 0, 0, 1), 0);
    QCOMPARE(tp.sinoCal, (TimePoints::Record{1999, 12, 10, 8, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(tp.jdJieBefore, TimePoints::termJd(1999, 22)); // 小寒 2000-01-06
    QCOMPARE(tp.jdQiMiddle, TimePoints::termJd(1999, 23));  // 大寒
    QCOMPARE(tp.jdJieAfter, TimePoints::termJd(2000, 0));   // 立春 of the next row
    QCOMPARE(tp.jieBeforeCal[0], 2000);
    QCOMPARE(tp.jieBeforeCal[1], 1);
    QVERIFY(tp.jieBeforeCal[2] >= 5 && tp.jieBeforeCal[2] <= 7);
    QCOMPARE(show(tp.jieAfterCal), show(clockOf(TimePoints::termJd(2000, 0))));
    QCOMPARE(tp.jieAfterCal[2], 4); // 2000-02-04 20:40
    QCOMPARE(tp.jieAfterCal[3], 20);
}

void TestTimePointsTerms::month12EndsAtTheNextLiChun()
{
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(0, 1850, 1, 20, 12, 0, 0, 0, 1), 0);
    QCOMPARE(tp.sinoCal[0], 1849);
    QCOMPARE(tp.sinoCal[1], 12);
    QCOMPARE(tp.jdJieAfter, TimePoints::termJd(1850, 0));
}

// Lunar month 12 of 2099 lies in January 2100: the 2100 row gives its Jie
// after, but a moment after the 立春 of 2100 has no sino month.
void TestTimePointsTerms::lastUsableRowReachesInto2100()
{
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(1, 2099, 12, 1, 12, 0, 0, 0, 1), 0);
    QCOMPARE(tp.solarCal[0], 2100);
    QCOMPARE(tp.sinoCal[0], 2099);
    QCOMPARE(tp.sinoCal[1], 12);
    QCOMPARE(tp.jdJieAfter, TimePoints::termJd(2100, 0));

    DiagnosticCapture capture;
    const TimePoints before = tp;
    QCOMPARE(tp.launchTimePointSets(1, 2099, 12, 29, 23, 59, 0, 0, 1), 2); // 2100-02-07
    QCOMPARE(capture.text(), QByteArray("error Sino_CAL\n"));
    QCOMPARE(tp.chacs, before.chacs);
}

void TestTimePointsTerms::offsetMovesTheMomentAcrossAJie_data()
{
    QTest::addColumn<int>("sinoYear");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("minutesFromTerm");
    QTest::addColumn<double>("zty");
    QTest::addColumn<bool>("placedAfter");

    QTest::newRow("3 min after 立春, +0.01 d")  << 2024 << 0 << 3 << 0.01 << false;
    QTest::newRow("3 min after 立春, none")     << 2024 << 0 << 3 << 0.0 << true;
    QTest::newRow("3 min before 惊蛰, -0.01 d") << 1900 << 2 << -3 << -0.01 << true;
    QTest::newRow("3 min before 惊蛰, none")    << 1900 << 2 << -3 << 0.0 << false;
    QTest::newRow("20 min after 大雪, +0.01 d") << 2050 << 20 << 20 << 0.01 << true;
}

void TestTimePointsTerms::offsetMovesTheMomentAcrossAJie()
{
    QFETCH(int, sinoYear);
    QFETCH(int, position);
    QFETCH(int, minutesFromTerm);
    QFETCH(double, zty);
    QFETCH(bool, placedAfter);
    const double term = TimePoints::termJd(sinoYear, position);
    const TimePoints::Record clock = clockOf(term + minutesFromTerm / 1440.0);
    TimePoints tp;
    QCOMPARE(tp.launchTimePointSets(0, clock[0], clock[1], clock[2], clock[3], clock[4], 0, zty, 1), 0);
    const int month = position / 2 + 1;
    if (placedAfter) {
        QCOMPARE(tp.sinoCal[1], month);
        QCOMPARE(tp.jdJieBefore, term);
    } else {
        QCOMPARE(tp.sinoCal[1], month == 1 ? 12 : month - 1);
        QCOMPARE(tp.jdJieAfter, term);
    }
    QCOMPARE(tp.ztyJdPlus, zty);
    // The offset moves the moment against the terms only.
    QCOMPARE(tp.jdBirth, TimePoints::getJulianDayFromCal(clock[0], clock[1], clock[2], clock[3] + clock[4] / 60.0 + 1.0 / 120, 1));
}

void TestTimePointsTerms::unfilledObjectIsNotPlaced()
{
    TimePoints tp;
    QVERIFY(!tp.placeInSolarTerms());
    QCOMPARE(tp, TimePoints());
}

QTEST_APPLESS_MAIN(TestTimePointsTerms)
#include "tst_timepoints_terms.moc"
