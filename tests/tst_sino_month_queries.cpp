// SPDX-License-Identifier: GPL-3.0-or-later
// Sino-month boundaries of the service object, read from the solar-term table.
#include "EasyFunction.h"
#include "TimePoints.h"

#include <QtTest>

#include <climits>

namespace {

// The term table is computed from an ephemeris; the reference moments below
// agree with it to some seconds, not to the last decimal.
constexpr double termTolerance = 2e-4; // days, about 17 s

} // namespace

class TestSinoMonthQueries : public QObject
{
    Q_OBJECT
private:
    EasyFunction m_service{nullptr, nullptr};

    double begin(int y, int m) { return m_service.getBeginJDofSinoYM(y, m).toDouble(); }
    double middle(int y, int m) { return m_service.getMiddleJDofSinoYM(y, m).toDouble(); }
    double end(int y, int m) { return m_service.getEndJDofSinoYM(y, m).toDouble(); }

private slots:
    void referenceMoments_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("m");
        QTest::addColumn<double>("expected");
        QTest::newRow("立春 2024") << "begin" << 2024 << 1 << 2460345.185409;
        QTest::newRow("雨水 2024") << "middle" << 2024 << 1 << 2460360.00905;
        QTest::newRow("惊蛰 2024 ends month 1") << "end" << 2024 << 1 << 2460374.932378;
        QTest::newRow("惊蛰 2024 begins month 2") << "begin" << 2024 << 2 << 2460374.932378;
        QTest::newRow("立春 2025 ends 2024 month 12") << "end" << 2024 << 12 << 2460710.423825;
        QTest::newRow("立春 2025") << "begin" << 2025 << 1 << 2460710.423825;
        QTest::newRow("立春 2100") << "begin" << 2100 << 1 << 2488103.624833;
    }
    void referenceMoments()
    {
        QFETCH(QString, query);
        QFETCH(int, y);
        QFETCH(int, m);
        QFETCH(double, expected);
        const double actual = query == QLatin1String("begin") ? begin(y, m)
                            : query == QLatin1String("middle") ? middle(y, m) : end(y, m);
        QVERIFY2(qAbs(actual - expected) < termTolerance,
                 qPrintable(QStringLiteral("%1 vs %2").arg(actual, 0, 'f', 6).arg(expected, 0, 'f', 6)));
    }

    void resultIsADouble()
    {
        QCOMPARE(m_service.getBeginJDofSinoYM(2024, 1).userType(), int(QMetaType::Double));
        QCOMPARE(m_service.getEndJDofSinoYM(1799, 1).userType(), int(QMetaType::Double));
    }

    // 2099's last month ends at the fixed moment, not at the table's 2100 立春.
    void end2099IsTheFixedMoment()
    {
        QCOMPARE(end(2099, 12), 2488104.0832805);
        QVERIFY(begin(2100, 1) < end(2099, 12));
    }

    void outsideTheTableGivesZero_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("m");
        QTest::newRow("1799") << 1799 << 1;
        QTest::newRow("2201") << 2201 << 1;
        QTest::newRow("month 0") << 2000 << 0;
        QTest::newRow("month 13") << 2000 << 13;
        QTest::newRow("month -1") << 2000 << -1;
        QTest::newRow("year 0") << 0 << 6;
        QTest::newRow("INT_MIN") << INT_MIN << INT_MIN;
    }
    void outsideTheTableGivesZero()
    {
        QFETCH(int, y);
        QFETCH(int, m);
        QCOMPARE(begin(y, m), 0.0);
        QCOMPARE(middle(y, m), 0.0);
        QCOMPARE(end(y, m), 0.0);
    }

    // The last month of the range ends at the 立春 of 2201, the table's last row.
    void end2200Month12IsTheNextLichun()
    {
        QCOMPARE(end(2200, 12), TimePoints::termJd(2201, 0));
        QVERIFY(end(2200, 12) > begin(2200, 12));
        QVERIFY(begin(1800, 1) > 0.0);
    }

    // Every month of the range: it ends where the next begins, its middle term
    // lies between, and it lasts 29 to 32 days.
    void monthsTileTheRange()
    {
        for (int y = 1800; y <= TimePoints::lastCalendarYear; ++y) {
            for (int m = 1; m <= 12; ++m) {
                const double b = begin(y, m);
                const double c = middle(y, m);
                const double e = end(y, m);
                const QByteArray where = QByteArray::number(y) + '/' + QByteArray::number(m);
                if (m < 12)
                    QVERIFY2(e == begin(y, m + 1), where.constData());
                else if (y != 2099 && y < TimePoints::lastCalendarYear)
                    QVERIFY2(e == begin(y + 1, 1), where.constData());
                QVERIFY2(b < c && c < e, where.constData());
                QVERIFY2(e - b > 29.0 && e - b < 32.0, where.constData());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSinoMonthQueries)
#include "tst_sino_month_queries.moc"
