// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarTestSupport.h"
#include "TimePoints.h"

#include <QtTest>

using namespace CalendarTestSupport;
using Record = TimePoints::Record;

Q_DECLARE_METATYPE(TimePoints::Record)

class TestTimePointsLunar : public QObject
{
    Q_OBJECT

private slots:
    void solarToLunar_data();
    void solarToLunar();
    void lunarToSolar_data();
    void lunarToSolar();
    void solarToLunarRejects_data();
    void solarToLunarRejects();
    void lunarToSolarRejects_data();
    void lunarToSolarRejects();
    void birthJdCarriesTheBias();
    void everyDayFollowsTheDayBefore();
    void everyDayRoundTripsKeepingTheMinute();
};

void TestTimePointsLunar::solarToLunar_data()
{
    QTest::addColumn<Record>("solar");
    QTest::addColumn<Record>("lunar"); // year, month, day, hour, minute, leap

    QTest::newRow("new year 2024")          << record(2024, 2, 10, 0, 0) << record(2024, 1, 1, 0, 0);
    QTest::newRow("eve of new year 2024")   << record(2024, 2, 9, 23, 59) << record(2023, 12, 30, 23, 59);
    QTest::newRow("leap 6th month 2025")    << record(2025, 7, 25, 12, 0) << record(2025, 6, 1, 12, 0, 1);
    QTest::newRow("day 29 of month 5")      << record(2025, 6, 24, 12, 0) << record(2025, 5, 29, 12, 0);
    QTest::newRow("January, year before")   << record(2000, 1, 10, 8, 0) << record(1999, 12, 4, 8, 0);
    QTest::newRow("first day of the range") << record(1800, 1, 1, 0, 0) << record(1799, 12, 7, 0, 0);
    QTest::newRow("leap 11th month 2033")   << record(2033, 12, 22, 6, 5) << record(2033, 11, 1, 6, 5, 1);
    QTest::newRow("month after leap 2033")  << record(2034, 1, 20, 12, 0) << record(2033, 12, 1, 12, 0);
    QTest::newRow("month 1 of 1900")        << record(1900, 1, 31, 12, 0) << record(1900, 1, 1, 12, 0);
}

void TestTimePointsLunar::solarToLunar()
{
    QFETCH(Record, solar);
    QFETCH(Record, lunar);
    TimePoints tp;
    Record out(TimePoints::recordSize, 0);
    QVERIFY(tp.getLunarCalFromSolarCal(solar, out));
    QCOMPARE(show(out), show(lunar));
    QCOMPARE(out[TimePoints::leapSlot], lunar[TimePoints::leapSlot]);
}

void TestTimePointsLunar::lunarToSolar_data()
{
    QTest::addColumn<Record>("lunar");
    QTest::addColumn<Record>("solar");

    QTest::newRow("leap 6th month 2025")   << record(2025, 6, 1, 12, 0, 1) << record(2025, 7, 25, 12, 0);
    QTest::newRow("6th month 2025")        << record(2025, 6, 1, 12, 0) << record(2025, 6, 25, 12, 0);
    QTest::newRow("7th month after leap")  << record(2025, 7, 1, 12, 0) << record(2025, 8, 23, 12, 0);
    QTest::newRow("day 29 of a 29-day month") << record(2024, 1, 29, 12, 0) << record(2024, 3, 9, 12, 0);
    QTest::newRow("last lunar day of range") << record(2099, 12, 29, 23, 59) << record(2100, 2, 7, 23, 59);
    QTest::newRow("new year 2024 midnight") << record(2024, 1, 1, 0, 0) << record(2024, 2, 10, 0, 0);
    QTest::newRow("leap 11th month 2033")  << record(2033, 11, 1, 0, 0, 1) << record(2033, 12, 22, 0, 0);
    QTest::newRow("12th month after leap") << record(2033, 12, 1, 9, 9) << record(2034, 1, 20, 9, 9);
    QTest::newRow("month 1 of 1900")       << record(1900, 1, 1, 23, 0) << record(1900, 1, 31, 23, 0);
    QTest::newRow("month 1 of 1800")       << record(1800, 1, 1, 0, 1) << record(1800, 1, 25, 0, 1);
}

void TestTimePointsLunar::lunarToSolar()
{
    QFETCH(Record, lunar);
    QFETCH(Record, solar);
    TimePoints tp;
    QVERIFY(tp.getSolarCalFromLunarCal(lunar));
    QCOMPARE(show(tp.solarCal), show(solar));
}

void TestTimePointsLunar::solarToLunarRejects_data()
{
    QTest::addColumn<Record>("solar");
    QTest::addColumn<QByteArray>("diagnostics");

    const QByteArray invalid = "cpp/Calendar/TimePoints::TimePoints::getLunarCalFromSolarCal::169::invalid parameters\n\n";
    QTest::newRow("year 1799")    << record(1799, 6, 1) << invalid;
    QTest::newRow("year 2100")    << record(2100, 1, 1) << invalid;
    QTest::newRow("short record") << Record{2000, 1, 1, 0, 0} << invalid;
}

void TestTimePointsLunar::solarToLunarRejects()
{
    QFETCH(Record, solar);
    QFETCH(QByteArray, diagnostics);
    DiagnosticCapture capture;
    TimePoints tp;
    Record lunar(TimePoints::recordSize, 0);
    QVERIFY(!tp.getLunarCalFromSolarCal(solar, lunar));
    QCOMPARE(capture.text(), diagnostics);
    QCOMPARE(tp, TimePoints());
    QCOMPARE(lunar, Record(TimePoints::recordSize, 0));
}

void TestTimePointsLunar::lunarToSolarRejects_data()
{
    QTest::addColumn<Record>("lunar");
    QTest::addColumn<QByteArray>("diagnostics");

    const QByteArray wrongLeap = "the year without leap month or the leapidx not correct\nerror Lunar_CAL\n";
    const QByteArray invalid = "cpp/Calendar/TimePoints::TimePoints::getSolarCalFromLunarCal::132::invalid parameters\n\n"
                               "error Lunar_CAL\n";
    QTest::newRow("leap in a year without one") << record(2024, 6, 1, 0, 0, 1) << wrongLeap;
    QTest::newRow("leap on the wrong month")    << record(2025, 5, 1, 0, 0, 1) << wrongLeap;
    QTest::newRow("leap on the month after")    << record(2025, 7, 1, 0, 0, 1) << wrongLeap;
    QTest::newRow("year 1799")                  << record(1799, 1, 1) << invalid;
    QTest::newRow("year 2100")                  << record(2100, 1, 1) << invalid;
    QTest::newRow("short record")               << Record{2000, 1, 1} << invalid;
    QTest::newRow("month 13")                   << record(2000, 13, 1) << invalid;
    const QByteArray pastEnd = QByteArray(TimePoints::noSuchLunarDate) + "\nerror Lunar_CAL\n";
    QTest::newRow("day 30 of a 29-day month")   << record(2024, 1, 30) << pastEnd;
    QTest::newRow("day 30 of a 29-day leap")    << record(2023, 2, 30, 0, 0, 1) << pastEnd;
    QTest::newRow("day 30 of 2007 month 1")     << record(2007, 1, 30) << pastEnd;
}

void TestTimePointsLunar::lunarToSolarRejects()
{
    QFETCH(Record, lunar);
    QFETCH(QByteArray, diagnostics);
    DiagnosticCapture capture;
    TimePoints tp;
    QVERIFY(!tp.getSolarCalFromLunarCal(lunar));
    QCOMPARE(capture.text(), diagnostics);
    QCOMPARE(tp, TimePoints());
}

void TestTimePointsLunar::birthJdCarriesTheBias()
{
    TimePoints solar;
    Record lunar;
    QVERIFY(solar.getLunarCalFromSolarCal(record(2024, 2, 10, 0, 0), lunar));
    QCOMPARE(lunar.size(), std::size_t(12)); // a short lunar record is replaced by twelve slots
    QCOMPARE(solar.jdBirth, 2460350.5 + 30.0 / 86400);

    TimePoints fromLunar;
    QVERIFY(fromLunar.getSolarCalFromLunarCal(record(2024, 1, 1, 0, 0)));
    QCOMPARE(fromLunar.jdBirth, 2460350.5 + 10.0 / 86400);
}

namespace {

struct LunarDay {
    int year, month, day, leap;
};

// The lunar date of day d follows that of the day before: the next day of the
// month, or day 1 of the next month after day 29 or 30 (the leap month after
// the month it repeats, month 1 of the next year after month 12).
bool follows(const LunarDay &prev, const LunarDay &d)
{
    if (d.day != 1)
        return d.year == prev.year && d.month == prev.month && d.leap == prev.leap && d.day == prev.day + 1;
    if (prev.day != 29 && prev.day != 30)
        return false;
    if (d.leap == 1)
        return prev.leap == 0 && d.year == prev.year && d.month == prev.month;
    if (d.year == prev.year)
        return d.month == prev.month + 1;
    return d.year == prev.year + 1 && prev.month == 12 && d.month == 1;
}

} // namespace

void TestTimePointsLunar::everyDayFollowsTheDayBefore()
{
    TimePoints tp;
    Record lunar(TimePoints::recordSize, 0);
    LunarDay prev{1799, 12, 6, 0}; // 1799-12-31, the day before the range
    int days = 0;
    int leapMonthStarts = 0;
    for (QDate d = firstBirthDay; d <= lastBirthDay; d = d.addDays(1), ++days) {
        if (!tp.getLunarCalFromSolarCal(record(d.year(), d.month(), d.day(), 12, 0), lunar))
            QFAIL(qPrintable(d.toString(Qt::ISODate) + QStringLiteral(" has no lunar date")));
        const LunarDay cur{lunar[0], lunar[1], lunar[2], lunar[TimePoints::leapSlot]};
        if (!follows(prev, cur))
            QFAIL(qPrintable(QStringLiteral("%1: %2-%3-%4 leap %5 after %6-%7-%8 leap %9")
                                 .arg(d.toString(Qt::ISODate))
                                 .arg(cur.year).arg(cur.month).arg(cur.day).arg(cur.leap)
                                 .arg(prev.year).arg(prev.month).arg(prev.day).arg(prev.leap)));
        leapMonthStarts += cur.leap == 1 && cur.day == 1;
        prev = cur;
    }
    QCOMPARE(days, 109573);
    // About seven leap months in nineteen years.
    QVERIFY2(leapMonthStarts > 105 && leapMonthStarts < 115, QByteArray::number(leapMonthStarts));
}

void TestTimePointsLunar::everyDayRoundTripsKeepingTheMinute()
{
    const int clock[][2] = {{0, 0}, {0, 1}, {7, 37}, {11, 59}, {12, 0}, {22, 59}, {23, 0}, {23, 59}};
    TimePoints there;
    TimePoints back;
    int checked = 0;
    // Lunar dates of lunar year 1799 (up to 1800-01-24) cannot be entered.
    const QDate firstLunarEnterable(1800, 1, 25);
    for (QDate d = firstLunarEnterable; d <= lastBirthDay; d = d.addDays(1)) {
        for (const auto &c : clock) {
            const int solarResult = there.launchTimePointSets(0, d.year(), d.month(), d.day(), c[0], c[1], 0, 0, 1);
            const Record &l = there.lunarCal;
            const int lunarResult = back.launchTimePointSets(1, l[0], l[1], l[2], l[3], l[4], l[TimePoints::leapSlot], 0, 1);
            if (solarResult != 0 || lunarResult != 0 || show(back.solarCal) != show(there.solarCal)
                || back.lunarCal != there.lunarCal || back.chacs[2] != there.chacs[2] || back.chacs[3] != there.chacs[3])
                QFAIL(QByteArray(show(there.solarCal) + " -> lunar " + show(l) + " -> " + show(back.solarCal)).constData());
            ++checked;
        }
    }
    QCOMPARE(checked, (109573 - 24) * 8);
}

QTEST_APPLESS_MAIN(TestTimePointsLunar)
#include "tst_timepoints_lunar.moc"
