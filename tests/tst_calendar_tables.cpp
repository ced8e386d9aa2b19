// SPDX-License-Identifier: GPL-3.0-or-later
// The generated calendar tables: reference entries and the invariants of the Chinese calendar.
#include "Calendar/CalendarTables.h"

#include <QCryptographicHash>
#include <QDate>
#include <QtTest>

#include <cmath>
#include <vector>

namespace {

using namespace CalendarTables;

constexpr int kFirstTestedYear = 1800;
constexpr int kLastTestedYear = 2200;
constexpr int kNoLeap = 100;
constexpr double kSecondsPerDay = 86400.0;

// Noon-form day number of the civil day holding a moment.
std::int32_t dayOf(double jd) { return static_cast<std::int32_t>(std::floor(jd + 0.5)); }

int monthCount(int row) { return lunarMonthStarts[row][12] == -1 ? 12 : 13; }

// First day after the month at (row, position).
std::int32_t monthEnd(int row, int position)
{
    if (position + 1 < monthCount(row))
        return lunarMonthStarts[row][position + 1];
    return row + 1 < rowCount ? lunarMonthStarts[row + 1][0] : -1;
}

// Position of month `number` (not the leap one) in its row.
int positionOf(int row, int number)
{
    const int leap = leapMonths[row];
    return leap != kNoLeap && number > leap ? number : number - 1;
}

bool containsDay(int row, int position, std::int32_t day)
{
    const std::int32_t end = monthEnd(row, position);
    return end != -1 && lunarMonthStarts[row][position] <= day && day < end;
}

} // namespace

class TestCalendarTables : public QObject
{
    Q_OBJECT

private slots:
    void solarTermReference_data();
    void solarTermReference();
    void lunarYearReference_data();
    void lunarYearReference();
    void solarTermsIncreaseSteadily();
    void everyDayInExactlyOneMonth();
    void monthLengths();
    void monthsPerYearMatchLeapEntry();
    void leapMonthHasNoPrincipalTerm();
    void month11HoldsWinterSolstice();
    void rowsTo2100AsBefore();
};

void TestCalendarTables::solarTermReference_data()
{
    QTest::addColumn<int>("sinoYear");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("jd");

    QTest::newRow("1799 lichun")   << 1799 << 0  << 2378165.580284;
    QTest::newRow("1799 dongzhi")  << 1799 << 21 << 2378486.605346;
    QTest::newRow("1799 dahan")    << 1799 << 23 << 2378516.047387;
    QTest::newRow("1800 lichun")   << 1800 << 0  << 2378530.81575;
    QTest::newRow("1800 dongzhi")  << 1800 << 21 << 2378851.844506;
    QTest::newRow("1800 dahan")    << 1800 << 23 << 2378881.286464;
    QTest::newRow("2000 lichun")   << 2000 << 0  << 2451579.361378;
    QTest::newRow("2000 dongzhi")  << 2000 << 21 << 2451900.401;
    QTest::newRow("2000 dahan")    << 2000 << 23 << 2451929.844659;
    QTest::newRow("2024 lichun")   << 2024 << 0  << 2460345.185409;
    QTest::newRow("2024 dongzhi")  << 2024 << 21 << 2460666.222498;
    QTest::newRow("2024 dahan")    << 2024 << 23 << 2460695.666642;
    QTest::newRow("2100 lichun")   << 2100 << 0  << 2488103.624833;
    QTest::newRow("2100 dongzhi")  << 2100 << 21 << 2488424.659977;
    QTest::newRow("2100 dahan")    << 2100 << 23 << 2488454.106441;
}

void TestCalendarTables::solarTermReference()
{
    QFETCH(int, sinoYear);
    QFETCH(int, position);
    QFETCH(double, jd);
    const double table = solarTerms[sinoYear - firstYear][position];
    const double seconds = (table - jd) * kSecondsPerDay;
    QVERIFY2(std::fabs(seconds) <= 60.0, qPrintable(QStringLiteral("off by %1 s").arg(seconds, 0, 'f', 1)));
}

void TestCalendarTables::lunarYearReference_data()
{
    QTest::addColumn<int>("lunarYear");
    QTest::addColumn<int>("leap");
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<int>("thirteenth");
    QTest::addColumn<int>("leapMonthStart"); // 0: not given

    QTest::newRow("1799 no leap") << 1799 << 100 << 2378167 << -1      << 0;
    QTest::newRow("1800 leap 4")  << 1800 << 4   << 2378521 << 2378876 << 0;
    QTest::newRow("1900 leap 8")  << 1900 << 8   << 2415051 << 2415405 << 0;
    QTest::newRow("2024 no leap") << 2024 << 100 << 2460351 << -1      << 0;
    QTest::newRow("2025 leap 6")  << 2025 << 6   << 2460705 << 2461060 << 2460882;
    QTest::newRow("2033 leap 11") << 2033 << 11  << 2463629 << 2463983 << 0;
    QTest::newRow("2100 no leap") << 2100 << 100 << 2488109 << -1      << 0;
}

void TestCalendarTables::lunarYearReference()
{
    QFETCH(int, lunarYear);
    QFETCH(int, leap);
    QFETCH(int, firstDay);
    QFETCH(int, thirteenth);
    QFETCH(int, leapMonthStart);
    const int row = lunarYear - firstYear;
    QCOMPARE(leapMonths[row], leap);
    QCOMPARE(lunarMonthStarts[row][0], firstDay);
    QCOMPARE(lunarMonthStarts[row][12], thirteenth);
    if (leapMonthStart != 0)
        QCOMPARE(lunarMonthStarts[row][leap], leapMonthStart);
}

void TestCalendarTables::solarTermsIncreaseSteadily()
{
    double previous = 0;
    for (int row = 0; row < rowCount; ++row) {
        for (int p = 0; p < 24; ++p) {
            const double jd = solarTerms[row][p];
            if (previous != 0) {
                const double gap = jd - previous;
                QVERIFY2(gap >= 14.7 && gap <= 15.8,
                         qPrintable(QStringLiteral("sino year %1 position %2: %3 days after the previous term")
                                        .arg(firstYear + row).arg(p).arg(gap)));
            }
            previous = jd;
        }
    }
}

void TestCalendarTables::everyDayInExactlyOneMonth()
{
    const std::int32_t firstDay = QDate(kFirstTestedYear, 1, 1).toJulianDay();
    const std::int32_t lastDay = QDate(kLastTestedYear, 12, 31).toJulianDay();
    std::vector<int> cover(static_cast<size_t>(lastDay - firstDay + 1), 0);
    for (int row = 0; row < rowCount; ++row) {
        for (int p = 0; p < monthCount(row); ++p) {
            const std::int32_t end = monthEnd(row, p);
            if (end == -1)
                continue; // the last month of the table ends after the tested range
            for (std::int32_t day = std::max(lunarMonthStarts[row][p], firstDay); day < end && day <= lastDay; ++day)
                ++cover[static_cast<size_t>(day - firstDay)];
        }
    }
    for (size_t i = 0; i < cover.size(); ++i) {
        QVERIFY2(cover[i] == 1, qPrintable(QStringLiteral("%1 lies in %2 months")
                                               .arg(QDate::fromJulianDay(firstDay + qint64(i)).toString(Qt::ISODate))
                                               .arg(cover[i])));
    }
}

void TestCalendarTables::monthLengths()
{
    for (int row = 0; row < rowCount; ++row) {
        for (int p = 0; p < monthCount(row); ++p) {
            const std::int32_t end = monthEnd(row, p);
            if (end == -1)
                continue;
            const int length = end - lunarMonthStarts[row][p];
            QVERIFY2(length == 29 || length == 30,
                     qPrintable(QStringLiteral("lunar year %1 position %2 has %3 days").arg(firstYear + row).arg(p).arg(length)));
        }
    }
}

void TestCalendarTables::monthsPerYearMatchLeapEntry()
{
    for (int row = 0; row < rowCount; ++row) {
        const int leap = leapMonths[row];
        const QString year = QString::number(firstYear + row);
        QVERIFY2(leap == kNoLeap || (leap >= 1 && leap <= 12), qPrintable(year));
        for (int p = 0; p < 12; ++p)
            QVERIFY2(lunarMonthStarts[row][p] > 0, qPrintable(year));
        QCOMPARE(monthCount(row), leap == kNoLeap ? 12 : 13);
        // a lunar year begins between 21 January and 20 February
        const QDate newYear = QDate::fromJulianDay(lunarMonthStarts[row][0]);
        QVERIFY2(newYear >= QDate(firstYear + row, 1, 21) && newYear <= QDate(firstYear + row, 2, 20),
                 qPrintable(year + QStringLiteral(" begins on ") + newYear.toString(Qt::ISODate)));
    }
}

void TestCalendarTables::leapMonthHasNoPrincipalTerm()
{
    for (int row = 0; row < rowCount; ++row) {
        const int leap = leapMonths[row];
        if (leap == kNoLeap)
            continue;
        for (int termRow = std::max(0, row - 1); termRow <= std::min(rowCount - 1, row + 1); ++termRow) {
            for (int p = 1; p < 24; p += 2) {
                QVERIFY2(!containsDay(row, leap, dayOf(solarTerms[termRow][p])),
                         qPrintable(QStringLiteral("leap month of %1 holds term %2 of %3")
                                        .arg(firstYear + row).arg(p).arg(firstYear + termRow)));
            }
        }
    }
}

void TestCalendarTables::month11HoldsWinterSolstice()
{
    constexpr int kDongZhi = 21;
    // month 11 of lunar year y holds the 冬至 of December y (sino year y, position 21)
    for (int row = 0; row < rowCount; ++row) {
        QVERIFY2(containsDay(row, positionOf(row, 11), dayOf(solarTerms[row][kDongZhi])),
                 qPrintable(QStringLiteral("month 11 of %1").arg(firstYear + row)));
    }
}

// The rows of 1799..2100 are the ones the program carried before the table
// reached 2201: a digest of their text (terms to six decimals, month starts,
// leap entry) as the 302-row table had them.
void TestCalendarTables::rowsTo2100AsBefore()
{
    constexpr int oldRowCount = 302;
    QVERIFY(rowCount > oldRowCount);
    QByteArray text;
    for (int r = 0; r < oldRowCount; ++r) {
        text += QByteArray::number(firstYear + r) + ':';
        for (int p = 0; p < 24; ++p)
            text += (p ? " " : "") + QByteArray::number(solarTerms[r][p], 'f', 6);
        text += '|';
        for (int p = 0; p < 13; ++p)
            text += (p ? " " : "") + QByteArray::number(lunarMonthStarts[r][p]);
        text += '|' + QByteArray::number(leapMonths[r]) + '\n';
    }
    QCOMPARE(QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex(),
             QByteArray("764723e7a5717576f95bf5725fb48c79a25ffa06308541dd6b5b85b3ebd306d5"));
}

QTEST_APPLESS_MAIN(TestCalendarTables)
#include "tst_calendar_tables.moc"
