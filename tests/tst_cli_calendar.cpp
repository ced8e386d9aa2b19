// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QtTest>

// The calendar and chart commands of qingyao-cli, run as a user runs them.
class TestCliCalendar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void badArguments_data();
    void badArguments();
    void termsTable();
    void lunarMonthsTable();
    void lunarDaysAroundALeapMonth();
    void solarFromLunar_data();
    void solarFromLunar();
    void chartShowsThePillars();
    void chartsBatchKeepsGoingAfterAnError();

private:
    struct Run {
        int code = -1;
        QByteArray out;
        QByteArray err;
    };
    Run run(const QStringList &args, const QByteArray &input = QByteArray());
    QString cli;
};

void TestCliCalendar::initTestCase()
{
    cli = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../qingyao-cli"));
    QVERIFY2(QFile::exists(cli), qPrintable(cli));
}

TestCliCalendar::Run TestCliCalendar::run(const QStringList &args, const QByteArray &input)
{
    QProcess p;
    p.start(cli, args);
    p.write(input);
    p.closeWriteChannel();
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.code = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

void TestCliCalendar::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("terms with an argument")   << QStringList{"terms", "x"};
    QTest::newRow("lunar-days one date")      << QStringList{"lunar-days", "2000-01-01"};
    QTest::newRow("lunar-days month 13")      << QStringList{"lunar-days", "2000-13-01", "2000-12-31"};
    QTest::newRow("lunar-days backwards")     << QStringList{"lunar-days", "2000-02-01", "2000-01-01"};
    QTest::newRow("lunar-days before 1800")   << QStringList{"lunar-days", "1799-12-31", "1800-01-01"};
    QTest::newRow("lunar-days after 2099")    << QStringList{"lunar-days", "2099-12-31", "2100-01-01"};
    QTest::newRow("solar-from-lunar day 31")  << QStringList{"solar-from-lunar", "2000", "1", "31"};
    QTest::newRow("solar-from-lunar words")   << QStringList{"solar-from-lunar", "year", "1", "1"};
    QTest::newRow("solar-from-lunar 2100")    << QStringList{"solar-from-lunar", "2100", "1", "1"};
    QTest::newRow("chart without a moment")   << QStringList{"chart"};
    QTest::newRow("chart gender 2")           << QStringList{"chart", "--gender", "2", "2000-01-01 12:00"};
    QTest::newRow("chart February 30")        << QStringList{"chart", "2000-02-30 12:00"};
    QTest::newRow("chart hour 24")            << QStringList{"chart", "2000-01-01 24:00"};
    QTest::newRow("chart leap without lunar") << QStringList{"chart", "--leap", "2025-06-01 12:00"};
    QTest::newRow("search three pillars")     << QStringList{"search", "1", "2", "3"};
    QTest::newRow("search pillar 60")         << QStringList{"search", "1", "2", "3", "60"};
}

void TestCliCalendar::badArguments()
{
    QFETCH(QStringList, args);
    const Run r = run(args);
    QCOMPARE(r.code, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.startsWith("qingyao-cli: ") && r.err.count('\n') == 1, r.err.constData());
}

void TestCliCalendar::termsTable()
{
    const Run r = run({"terms"});
    QCOMPARE(r.code, 0);
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 1 + 302 * 24);
    QCOMPARE(lines[0], QByteArray("sino_year\tposition\tjd"));
    QVERIFY(lines[1].startsWith("1799\t0\t23781"));
    QVERIFY(lines.last().startsWith("2100\t23\t24884"));
    const QList<QByteArray> fields = lines[1].split('\t');
    QCOMPARE(fields[2].size(), 14); // seven digits, point, six decimals
}

void TestCliCalendar::lunarMonthsTable()
{
    const Run r = run({"lunar-months"});
    QCOMPARE(r.code, 0);
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 1 + 302);
    QCOMPARE(lines[0], QByteArray("lunar_year\tleap\tm1\tm2\tm3\tm4\tm5\tm6\tm7\tm8\tm9\tm10\tm11\tm12\tm13"));
    const QList<QByteArray> y2025 = lines[1 + 226].split('\t');
    QCOMPARE(y2025.size(), 15);
    QCOMPARE(y2025[0], QByteArray("2025"));
    QCOMPARE(y2025[1], QByteArray("6"));
    QCOMPARE(y2025[2], QByteArray("2460705"));
    QCOMPARE(y2025[8], QByteArray("2460882")); // the leap month after month 6
    QCOMPARE(y2025[14], QByteArray("2461060"));
    QVERIFY(lines[1].startsWith("1799\t100\t2378167\t"));
    QVERIFY(lines[1].endsWith("\t-1"));
}

// Month 6 of 2025 runs from 06-25 (30 days), the leap month 6 from 07-25.
void TestCliCalendar::lunarDaysAroundALeapMonth()
{
    const Run r = run({"lunar-days", "2025-07-24", "2025-07-26"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QByteArray("date\tlunar_year\tlunar_month\tlunar_day\tleap\n"
                               "2025-07-24\t2025\t6\t30\t0\n"
                               "2025-07-25\t2025\t6\t1\t1\n"
                               "2025-07-26\t2025\t6\t2\t1\n"));
    const Run all = run({"lunar-days", "1800-01-01", "2099-12-31"});
    QCOMPARE(all.code, 0);
    QCOMPARE(all.out.count('\n'), 1 + 109573);
    QVERIFY(all.out.contains("\n1800-01-01\t1799\t12\t7\t0\n"));
}

void TestCliCalendar::solarFromLunar_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");

    QTest::newRow("leap sixth month 2025") << QStringList{"2025", "6", "1", "--leap"} << 0 << QByteArray("2025-07-25\n") << QByteArray();
    QTest::newRow("sixth month 2025")      << QStringList{"2025", "6", "1"} << 0 << QByteArray("2025-06-25\n") << QByteArray();
    QTest::newRow("day 30 of 29 days")     << QStringList{"2024", "1", "30"} << 0 << QByteArray("2024-03-10\n") << QByteArray();
    QTest::newRow("no leap month in 2024") << QStringList{"2024", "6", "1", "--leap"} << 2 << QByteArray()
                                           << QByteArray("qingyao-cli: the year without leap month or the leapidx not correct\n");
}

void TestCliCalendar::solarFromLunar()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    const Run r = run(QStringList{"solar-from-lunar"} + args);
    QCOMPARE(r.code, code);
    QCOMPARE(r.out, out);
    QCOMPARE(r.err, err);
}

void TestCliCalendar::chartShowsThePillars()
{
    const Run r = run({"chart", "2000-01-01 12:00"});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QStringLiteral("己卯 丙子 戊午 戊午").toUtf8()));
    QVERIFY(r.out.contains(QStringLiteral("2000年1月1日 12:00").toUtf8()));
    QVERIFY(r.err.isEmpty());
    const Run json = run({"chart", "--json", "--gender", "1", "2000-01-01 12:00"});
    QCOMPARE(json.code, 0);
    QVERIFY(json.out.contains("\"clockwise\": 1"));
    QVERIFY(json.out.contains("\"summary\": \""));
}

void TestCliCalendar::chartsBatchKeepsGoingAfterAnError()
{
    const Run r = run({"charts"}, "2000-01-01 12:00\t0\nnot a date\t0\n2000-01-01 12:00\t1\t1\t0\n2000-01-01 23:30\t0\t0\n");
    QCOMPARE(r.code, 0);
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QByteArray("datetime\tgender\tyearChac\tmonthChac\tdayChac\thourChac\tclockwise\tageOfBegin\t"
                                  "jd_dateBeginDY\tdayunJiaZiofBegin\tytgChengCnt\tisPassMiddleTerm\tthisLunarDateStrInt"));
    const QList<QByteArray> male = lines[1].split('\t');
    QCOMPARE(male.size(), 13);
    QCOMPARE(male.mid(0, 7), (QList<QByteArray>{"2000-01-01 12:00", "0", "15", "12", "54", "54", "-1"}));
    QCOMPARE(male[9], QByteArray("11"));
    QCOMPARE(male[11], QByteArray("1"));
    QVERIFY(male[12].startsWith("1999/11/"));
    QCOMPARE(lines[2].split('\t').mid(0, 2), (QList<QByteArray>{"not a date", "error"}));
    const QList<QByteArray> female = lines[3].split('\t');
    QCOMPARE(female[6], QByteArray("1"));
    QCOMPARE(female[9], QByteArray("13"));
    // 23:30 with the day change at midnight: own day pillar, next day's 子 hour.
    QCOMPARE(lines[4].split('\t').mid(4, 2), (QList<QByteArray>{"54", "0"}));
}

QTEST_GUILESS_MAIN(TestCliCalendar)
#include "tst_cli_calendar.moc"
