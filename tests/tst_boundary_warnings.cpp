// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarTables.h"
#include "InSight.h"
#include "Vocabulary.h"

#include <QtTest>

// Warnings for births within the error budget of a boundary, and the chart on
// the other side that each one offers.
class TestBoundaryWarnings : public QObject
{
    Q_OBJECT

private slots:
    void jieNamesTheOtherMonth_data();
    void jieNamesTheOtherMonth();
    void clockBoundaries_data();
    void clockBoundaries();
    void uncertainMonths_data();
    void uncertainMonths();
    void flowYears_data();
    void flowYears();
};

namespace {

QVariantList warningsOf(InSight &engine, const QString &kind, int switch11pm = 1, bool trueSolarTime = false)
{
    QVariantList out;
    for (const QVariant &v : engine.boundaryWarnings(switch11pm, trueSolarTime).toList())
        if (v.toMap().value(QStringLiteral("kind")).toString() == kind)
            out.append(v);
    return out;
}

QList<int> chacs(const QVariant &warning)
{
    QList<int> out;
    for (const QVariant &v : warning.toMap().value(QStringLiteral("alternativeChacs")).toList())
        out << v.toInt();
    return out;
}

// The clock minute (Beijing time) that holds a JD.
QDateTime minuteOf(double jd)
{
    const qint64 seconds = std::llround((jd + 0.5) * 86400);
    const QDate date = QDate::fromJulianDay(seconds / 86400);
    return QDateTime(date, QTime(0, 0).addSecs(int(seconds % 86400 / 60 * 60)), Qt::UTC);
}

} // namespace

void TestBoundaryWarnings::jieNamesTheOtherMonth_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("minutesAfter");
    QTest::addColumn<bool>("warned");
    QRandomGenerator random(1818);
    for (int i = 0; i < 24; ++i) {
        // Rows 1800..2098 keep every moment inside the births' range; position 0 is 立春.
        const int row = 1 + random.bounded(TimePoints::lastBirthYear - 1 - CalendarTables::firstYear);
        const int position = i % 4 == 0 ? 0 : 2 * random.bounded(12);
        const QByteArray tag = QByteArray::number(1799 + row) + " term " + QByteArray::number(position);
        QTest::newRow(QByteArray(tag + " same minute").constData())       << row << position << 0 << true;
        QTest::newRow(QByteArray(tag + " a minute after").constData())    << row << position << 1 << true;
        QTest::newRow(QByteArray(tag + " ten minutes after").constData()) << row << position << 10 << false;
        QTest::newRow(QByteArray(tag + " ten minutes before").constData()) << row << position << -10 << false;
    }
}

void TestBoundaryWarnings::jieNamesTheOtherMonth()
{
    QFETCH(int, row);
    QFETCH(int, position);
    QFETCH(int, minutesAfter);
    QFETCH(bool, warned);
    const double jie = CalendarTables::solarTerms[row][position];
    const QDateTime birth = minuteOf(jie).addSecs(60 * minutesAfter);
    InSight engine;
    QCOMPARE(engine.beginWithTime(0, 0, birth.date().year(), birth.date().month(), birth.date().day(),
                                  birth.time().hour(), birth.time().minute()).toInt(), 0);
    const QVariantList jieWarnings = warningsOf(engine, QStringLiteral("jie"));
    QCOMPARE(jieWarnings.size(), warned ? 1 : 0);
    if (!warned)
        return;
    const QVariantMap w = jieWarnings[0].toMap();
    QVERIFY(w.value(QStringLiteral("minutesAway")).toDouble() * 60 <= w.value(QStringLiteral("budgetSeconds")).toDouble());
    // The other side of a Jie is the neighbouring month; at 立春 the year changes with it.
    const bool after = engine.jd_birthTime() >= jie;
    const int step = after ? -1 : 1;
    const QList<int> other = chacs(jieWarnings[0]);
    QCOMPARE(other[1], (engine.monthChac() + step + 60) % 60);
    QCOMPARE(other[0], position == 0 ? (engine.yearChac() + step + 60) % 60 : engine.yearChac());
    QCOMPARE(w.value(QStringLiteral("alternative")).toList().at(1).toString(), Vocabulary::jiaziName(other[1]));
    // The offered moment gives exactly those pillars.
    const QVariantList m = w.value(QStringLiteral("moment")).toList();
    InSight alternative;
    QCOMPARE(alternative.beginWithTime(0, 0, m[0].toInt(), m[1].toInt(), m[2].toInt(), m[3].toInt(), m[4].toInt()).toInt(), 0);
    QCOMPARE((QList<int>{alternative.yearChac(), alternative.monthChac(), alternative.dayChac(), alternative.hourChac()}),
             other);
}

void TestBoundaryWarnings::clockBoundaries_data()
{
    QTest::addColumn<QTime>("clock");
    QTest::addColumn<int>("switch11pm");
    QTest::addColumn<bool>("trueSolarTime");
    QTest::addColumn<QString>("kind"); // empty: no clock warning

    QTest::newRow("22:59, day at 23:00")     << QTime(22, 59) << 1 << false << "day-change";
    QTest::newRow("23:00, day at 23:00")     << QTime(23, 0) << 1 << false << "day-change";
    QTest::newRow("23:01, day at 23:00")     << QTime(23, 1) << 1 << false << "day-change";
    QTest::newRow("23:02, day at 23:00")     << QTime(23, 2) << 1 << false << "";
    QTest::newRow("00:00, day at 23:00")     << QTime(0, 0) << 1 << false << "";
    QTest::newRow("23:00, day at midnight")  << QTime(23, 0) << 0 << false << "hour";
    QTest::newRow("00:00, day at midnight")  << QTime(0, 0) << 0 << false << "day-change";
    QTest::newRow("23:59, day at midnight")  << QTime(23, 59) << 0 << false << "day-change";
    QTest::newRow("12:58")                   << QTime(12, 58) << 1 << false << "";
    QTest::newRow("12:59")                   << QTime(12, 59) << 1 << false << "hour";
    QTest::newRow("13:00 true solar time")   << QTime(13, 0) << 1 << true << "hour";
    QTest::newRow("01:01")                   << QTime(1, 1) << 1 << false << "hour";
    QTest::newRow("02:00, inside 丑")        << QTime(2, 0) << 1 << false << "";
}

void TestBoundaryWarnings::clockBoundaries()
{
    QFETCH(QTime, clock);
    QFETCH(int, switch11pm);
    QFETCH(bool, trueSolarTime);
    QFETCH(QString, kind);
    InSight engine;
    // A mid-month day (2010-05-20), far from any Jie.
    QCOMPARE(engine.beginWithTime(0, 0, 2010, 5, 20, clock.hour(), clock.minute(), 0, 0.0, switch11pm).toInt(), 0);
    QVariantList clockWarnings = warningsOf(engine, QStringLiteral("hour"), switch11pm, trueSolarTime);
    clockWarnings += warningsOf(engine, QStringLiteral("day-change"), switch11pm, trueSolarTime);
    QCOMPARE(clockWarnings.size(), kind.isEmpty() ? 0 : 1);
    if (kind.isEmpty())
        return;
    const QVariantMap w = clockWarnings[0].toMap();
    QCOMPARE(w.value(QStringLiteral("kind")).toString(), kind);
    QCOMPARE(w.value(QStringLiteral("budgetSeconds")).toDouble(), trueSolarTime ? 64.4 : 60.0);
    const QList<int> other = chacs(clockWarnings[0]);
    const int step = clock.minute() == 59 ? 1 : -1; // which way the boundary lies
    QCOMPARE(other[0], engine.yearChac());
    QCOMPARE(other[1], engine.monthChac());
    if (kind == QLatin1String("hour")) {
        QCOMPARE(other[2], engine.dayChac());
        QCOMPARE(other[3], (engine.hourChac() + step + 60) % 60);
    } else {
        QCOMPARE(other[2], (engine.dayChac() + step + 60) % 60);
    }
}

void TestBoundaryWarnings::uncertainMonths_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("uncertain");
    // 2057-09-29 begins with a new moon 6 s after midnight, 2097-08-07 with one
    // 20 s before it (within the table's ±17 s and ±37 s there); 2089-09-04's
    // new moon is 145 s from midnight, outside the budget.
    QTest::newRow("2057-09-27")           << QDate(2057, 9, 27) << false;
    QTest::newRow("2057-09-28, day 30")   << QDate(2057, 9, 28) << true;
    QTest::newRow("2057-09-29, day 1")    << QDate(2057, 9, 29) << true;
    QTest::newRow("2057-10-27, last day") << QDate(2057, 10, 27) << true;
    QTest::newRow("2057-10-28")           << QDate(2057, 10, 28) << false;
    QTest::newRow("2097-08-06")           << QDate(2097, 8, 6) << false;
    QTest::newRow("2097-08-07, day 1")    << QDate(2097, 8, 7) << true;
    QTest::newRow("2089-09-04")           << QDate(2089, 9, 4) << false;
    QTest::newRow("2013-06-08")           << QDate(2013, 6, 8) << false;
}

void TestBoundaryWarnings::uncertainMonths()
{
    QFETCH(QDate, date);
    QFETCH(bool, uncertain);
    InSight engine;
    QCOMPARE(engine.beginWithTime(1, 0, date.year(), date.month(), date.day(), 12, 0).toInt(), 0);
    const QVariantList w = warningsOf(engine, QStringLiteral("uncertain-month"));
    QCOMPARE(w.size(), uncertain ? 1 : 0);
    if (!uncertain)
        return;
    // The month could begin a day earlier or later; the pillars stay.
    const QDate other = QDate::fromString(w[0].toMap().value(QStringLiteral("alternativeMonthStart")).toString(), Qt::ISODate);
    QVERIFY(other.isValid());
    QCOMPARE(chacs(w[0]), (QList<int>{engine.yearChac(), engine.monthChac(), engine.dayChac(), engine.hourChac()}));
}

// Flow months whose first day the budget leaves open: a Jie within the
// budget of midnight (清明 2199, 82 s before it, budget ±88 s), a lunar month
// as above; a flagged middle term (春分 2150) opens no flow month.
void TestBoundaryWarnings::flowYears_data()
{
    QTest::addColumn<int>("sinoYear");
    QTest::addColumn<QStringList>("expected"); // kind, first day, other first day
    QTest::newRow("2024, none")          << 2024 << QStringList{};
    QTest::newRow("2057, lunar month")   << 2057 << QStringList{"uncertain-month 2057-09-29 2057-09-28"};
    QTest::newRow("2097, lunar month")   << 2097 << QStringList{"uncertain-month 2097-08-07 2097-08-08"};
    QTest::newRow("2150, 春分 only")      << 2150 << QStringList{};
    QTest::newRow("2199, 清明")           << 2199 << QStringList{"jie-day 2199-04-04 2199-04-05"};
    QTest::newRow("2201, past the table") << 2201 << QStringList{};
}

void TestBoundaryWarnings::flowYears()
{
    QFETCH(int, sinoYear);
    QFETCH(QStringList, expected);
    InSight engine;
    QStringList actual;
    for (const QVariant &v : engine.flowWarnings(sinoYear).toList()) {
        const QVariantMap w = v.toMap();
        actual << w.value(QStringLiteral("kind")).toString() + QLatin1Char(' ') + w.value(QStringLiteral("monthStart")).toString()
                      + QLatin1Char(' ') + w.value(QStringLiteral("alternativeMonthStart")).toString();
        QVERIFY(w.value(QStringLiteral("minutesAway")).toDouble() * 60 <= w.value(QStringLiteral("budgetSeconds")).toDouble());
    }
    QCOMPARE(actual, expected);
}

QTEST_GUILESS_MAIN(TestBoundaryWarnings)
#include "tst_boundary_warnings.moc"
