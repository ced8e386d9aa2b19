// SPDX-License-Identifier: GPL-3.0-or-later
// The cycle and date rules the pages call (CalendarRules) agree with
// the pillars and Julian days the engine casts, for every day 1800-2099.
#include "CalendarRules.h"
#include "TimePoints.h"

#include <QDate>
#include <QtTest>

class TestCalendarRules : public QObject
{
    Q_OBJECT
private slots:
    void agreesWithTheEngine_data()
    {
        QTest::addColumn<int>("firstYear");
        QTest::addColumn<int>("lastYear");
        for (int y = 1800; y < 2100; y += 50)
            QTest::newRow(qPrintable(QStringLiteral("%1-%2").arg(y).arg(y + 49))) << y << y + 49;
    }

    // One launch per day; the hour walks round the clock from day to day, so
    // every hour branch (and 23:00 with its day change) is met in each month.
    void agreesWithTheEngine()
    {
        QFETCH(int, firstYear);
        QFETCH(int, lastYear);
        TimePoints tp;
        int hour = 0;
        for (QDate date(firstYear, 1, 1); date.year() <= lastYear; date = date.addDays(1)) {
            const int y = date.year(), m = date.month(), d = date.day();
            QCOMPARE(CalendarRules::daysInMonth(y, m), date.daysInMonth());
            QVERIFY(CalendarRules::isValidDate(y, m, d));
            QCOMPARE(CalendarRules::weekday(y, m, d), date.dayOfWeek() % 7);
            hour = (hour + 5) % 24;
            const int minute = (d * 7) % 60;
            QCOMPARE(tp.launchTimePointSets(0, y, m, d, hour, minute, 0, 0, 1), 0);
            // The engine places a solar birth half a minute after its clock time.
            QCOMPARE(qRound64((tp.jdBirth - CalendarRules::julianDay(y, m, d, hour, minute)) * 86400), qint64(30));
            const int year = tp.chacs[0], month = tp.chacs[1], day = tp.chacs[2], hourPillar = tp.chacs[3];
            for (int chac : {year, month, day, hourPillar})
                QCOMPARE(CalendarRules::sixtyIndex(CalendarRules::stemOf(chac), CalendarRules::branchOf(chac)), chac);
            // The sino year of the instant and the Jie the month began with.
            QCOMPARE(CalendarRules::sinoYear(tp.jdBirth), tp.sinoCal[0]);
            const int sinoMonth = CalendarRules::sinoMonth(CalendarRules::branchOf(month));
            QCOMPARE(TimePoints::termJd(tp.sinoCal[0], CalendarRules::termIndex(sinoMonth, false)), tp.jdJieBefore);
            QCOMPARE(TimePoints::termJd(tp.sinoCal[0] + (sinoMonth == 12 ? 1 : 0),
                                        CalendarRules::termIndex(sinoMonth + 1, false)), tp.jdJieAfter);
            // From 23:00 the engine casts the next day (the switch is on).
            QCOMPARE(CalendarRules::dayPillar(y, m, d), (day + (hour >= 23 ? 59 : 0)) % 60);
            QCOMPARE(CalendarRules::yearPillar(tp.sinoCal[0]), year);
            if (CalendarRules::monthStem(year % 10, month % 12) != month % 10
                || CalendarRules::hourStem(day % 10, hourPillar % 12) != hourPillar % 10)
                QFAIL(qPrintable(QStringLiteral("%1 %2:%3 pillars %4 %5 %6 %7")
                                     .arg(date.toString(Qt::ISODate)).arg(hour).arg(minute)
                                     .arg(year).arg(month).arg(day).arg(hourPillar)));
        }
    }

    void dates_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("monthLength");
        QTest::newRow("Julian leap year 1500") << 1500 << 2 << 29 << true << 29;
        QTest::newRow("Gregorian common year 1700") << 1700 << 2 << 29 << false << 28;
        QTest::newRow("last Julian day") << 1582 << 10 << 4 << true << 31;
        QTest::newRow("dropped 1582-10-05") << 1582 << 10 << 5 << false << 31;
        QTest::newRow("dropped 1582-10-14") << 1582 << 10 << 14 << false << 31;
        QTest::newRow("first Gregorian day") << 1582 << 10 << 15 << true << 31;
        QTest::newRow("day 0") << 2000 << 1 << 0 << false << 31;
        QTest::newRow("month 13") << 2000 << 13 << 1 << false << 0;
        QTest::newRow("month 0") << 2000 << 0 << 1 << false << 0;
        QTest::newRow("2000-02-29") << 2000 << 2 << 29 << true << 29;
    }

    // Across the calendar change the week runs on: Thursday 1582-10-04 (Julian)
    // was followed by Friday 1582-10-15 (Gregorian).
    void weekdayAcrossTheCalendarChange()
    {
        QCOMPARE(CalendarRules::weekday(1582, 10, 4), 4);
        QCOMPARE(CalendarRules::weekday(1582, 10, 15), 5);
    }

    void dates()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, valid);
        QFETCH(int, monthLength);
        QCOMPARE(CalendarRules::isValidDate(year, month, day), valid);
        QCOMPARE(CalendarRules::daysInMonth(year, month), monthLength);
    }

    // Stems and branches of different parity name no pillar.
    void noPillarForMixedParity()
    {
        for (int stem = -1; stem <= 10; ++stem) {
            for (int branch = -1; branch <= 12; ++branch) {
                const int index = CalendarRules::sixtyIndex(stem, branch);
                const bool exists = stem >= 0 && stem <= 9 && branch >= 0 && branch <= 11 && stem % 2 == branch % 2;
                QCOMPARE(index >= 0, exists);
                if (exists)
                    QVERIFY(index % 10 == stem && index % 12 == branch);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCalendarRules)

#include "tst_calendar_rules.moc"
