// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarTestSupport.h"
#include "InSight.h"
#include "InSightTestSupport.h"

#include <QtTest>

using namespace InSightTestSupport;
using CalendarTestSupport::DiagnosticCapture;

class TestInSightSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void findsTheWorkedChartFirst();
    void resultsMatchTheTarget_data();
    void resultsMatchTheTarget();
    void noMatch_data();
    void noMatch();
    void oneResultKeepsStaleAlternatives();
    void beginWithTimeKeepsSearchResults();
    void walkIntoYear2100StopsWithDiagnostics();
};

void TestInSightSearch::initTestCase()
{
    InSight::setToday(QDate(2026, 12, 8));
}

void TestInSightSearch::cleanupTestCase()
{
    InSight::setToday(QDate());
}

// 己卯 丙子 戊午 戊午 is 2000-01-01 12:00. The 丙子 months of the earlier 己卯
// years run 1939-12-08..1940-01-05 (己卯 .. 丁未 days) and 1879-12-07..1880-01-05
// (甲子 .. 癸巳): no 戊午 day. 1819-12-08 is 庚戌, so 1819-12-16 is 戊午, within
// 大雪 1819 .. 小寒 1820. Before that the walk leaves the table.
void TestInSightSearch::findsTheWorkedChartFirst()
{
    InSight s;
    QSignalSpy countSpy(&s, &InSight::timepointCntChanged);
    QSignalSpy readySpy(&s, &InSight::totalReadyCalcChanged);
    QCOMPARE(s.beginWithChacs(15, 12, 54, 54, 1).toInt(), 0);
    QCOMPARE(s.timepointCnt(), 2);
    QCOMPARE(countSpy.count(), 1);
    QCOMPARE(readySpy.count(), 1);
    QCOMPARE(s.thisSolarDateStr(), QStringLiteral("2000年1月1日 12:00"));
    QCOMPARE(s.alternativeSolarDateStr2(), QStringLiteral("1819年12月16日 12:00"));
    QCOMPARE(s.alternativeSolarDateStr2Int(), QStringLiteral("1819/12/16/ 12/00"));
    QCOMPARE(s.alternativeSolarDateStr3(), QString());
    QCOMPARE(s.malefemale(), 1);
    QCOMPARE(s.clockwise(), 1);
}

void TestInSightSearch::resultsMatchTheTarget_data()
{
    QTest::addColumn<QList<int>>("target"); // year, month, day, hour pillar
    QTest::addColumn<int>("hourChac");      // the hour pillar the day gives to the branch

    QTest::newRow("worked chart")                 << QList<int>{15, 12, 54, 54} << 54;
    // 甲子 asks for the 子 hour; a 戊 day's 子 hour is 壬子.
    QTest::newRow("stem of the hour not compared") << QList<int>{15, 12, 54, 0} << 48;
    // 庚 day, 子 hour: 丙子.
    QTest::newRow("丙子 hour of a 庚 day")         << QList<int>{40, 2, 6, 0} << 12;
    QTest::newRow("亥 hour, 22:00")                << QList<int>{40, 2, 6, 11} << 23;
}

void TestInSightSearch::resultsMatchTheTarget()
{
    QFETCH(QList<int>, target);
    QFETCH(int, hourChac);
    const std::vector<TimePoints> found = InSight::searchPillars(target[0], target[1], target[2], target[3]);
    QVERIFY(!found.empty());
    const double todayJd = TimePoints::getJulianDayFromCal(2026, 12, 8, 12, 1);
    double previous = todayJd + 60;
    for (const TimePoints &tp : found) {
        QCOMPARE(tp.chacs[0], target[0]);
        QCOMPARE(tp.chacs[1], target[1]);
        QCOMPARE(tp.chacs[2], target[2]);
        QCOMPARE(tp.chacs[3], hourChac);
        QCOMPARE(tp.solarCal[3], 2 * (target[3] % 12));
        QCOMPARE(tp.solarCal[4], 0);
        QVERIFY(tp.jdBirth < previous); // newest first
        previous = tp.jdBirth;
    }
}

void TestInSightSearch::noMatch_data()
{
    QTest::addColumn<QList<int>>("target");
    // An 乙 year's first month is 戊寅, never 丙寅.
    QTest::newRow("丙寅 month in an 乙丑 year") << QList<int>{1, 2, 10, 3};
    QTest::newRow("pillar outside the cycle")   << QList<int>{15, 12, 60, 54};
    QTest::newRow("negative pillar")            << QList<int>{-1, 12, 54, 54};
}

void TestInSightSearch::noMatch()
{
    QFETCH(QList<int>, target);
    InSight s;
    QCOMPARE(s.beginWithTime(0, 0, 1990, 5, 17, 8, 0).toInt(), 0);
    const QVariantMap before = snapshot(s);
    QSignalSpy countSpy(&s, &InSight::timepointCntChanged);
    AllSignals all(s);
    QCOMPARE(s.beginWithChacs(target[0], target[1], target[2], target[3], 0).toInt(), -1);
    QCOMPARE(s.timepointCnt(), 0);
    QCOMPARE(countSpy.count(), 1);
    QCOMPARE(all.total(), 1);
    QCOMPARE(snapshot(s), before);
}

// From 1850 the walk finds only 1819-12-16; the alternative texts are those of
// the search before.
void TestInSightSearch::oneResultKeepsStaleAlternatives()
{
    InSight s;
    QCOMPARE(s.beginWithChacs(15, 12, 54, 54, 0).toInt(), 0);
    QCOMPARE(s.timepointCnt(), 2);
    const QString alt2 = s.alternativeSolarDateStr2();
    const QString alt3 = s.alternativeLunarDateStr3();

    InSight::setToday(QDate(1850, 6, 1));
    QCOMPARE(s.beginWithChacs(15, 12, 54, 54, 0).toInt(), 0);
    InSight::setToday(QDate(2026, 12, 8));
    QCOMPARE(s.timepointCnt(), 1);
    QCOMPARE(s.thisSolarDateStr(), QStringLiteral("1819年12月16日 12:00"));
    QCOMPARE(s.alternativeSolarDateStr2(), alt2);
    QCOMPARE(s.alternativeLunarDateStr3(), alt3);
}

void TestInSightSearch::beginWithTimeKeepsSearchResults()
{
    InSight s;
    QCOMPARE(s.beginWithChacs(15, 12, 54, 54, 0).toInt(), 0);
    const QString alt2 = s.alternativeSolarDateStr2Int();
    QCOMPARE(s.beginWithTime(0, 0, 1990, 5, 17, 8, 0).toInt(), 0);
    QCOMPARE(s.timepointCnt(), 2);
    QCOMPARE(s.alternativeSolarDateStr2Int(), alt2);
    QCOMPARE(s.thisSolarDateStr(), QStringLiteral("1990年5月17日 8:00"));
}

// From 2099-12-31 the first candidate with a later day pillar lies in 2100,
// where no chart can be cast.
void TestInSightSearch::walkIntoYear2100StopsWithDiagnostics()
{
    InSight::setToday(QDate(2099, 12, 31));
    TimePoints today;
    QCOMPARE(today.launchTimePointSets(0, 2099, 12, 31, 12, 0, 0, 0, 1), 0);
    const int ahead = 10;
    const int target = (today.chacs[2] + ahead) % 60;
    DiagnosticCapture capture;
    InSight s;
    QCOMPARE(s.beginWithChacs(0, 2, target, 0, 0).toInt(), -1);
    InSight::setToday(QDate(2026, 12, 8));
    const QByteArray expected = "now cal :" + QByteArray::number(today.jdBirth + ahead, 'f', 6) + "\n"
        "input solar date : 2100, 1, 10\n"
        "the julianday = 2441171.000000\n"
        "error:tp.launchTimePointSets\n";
    QCOMPARE(capture.text(), expected);
    QCOMPARE(s.timepointCnt(), 0);
}

QTEST_GUILESS_MAIN(TestInSightSearch)
#include "tst_insight_search.moc"
