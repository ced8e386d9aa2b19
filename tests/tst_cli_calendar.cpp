// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QProcess>
#include <QtTest>

#include "AppContext.h"
#include "InSight.h"

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
    void nonexistentLunarDateRefused_data();
    void nonexistentLunarDateRefused();
    void chartShowsThePillars();
    void chartWarnsNearAJie_data();
    void chartWarnsNearAJie();
    void chartLuckStartsByRule();
    void chartWithUnknownHour();
    void lunarDaysMarkTheUncertainMonth();
    void chartsBatchKeepsGoingAfterAnError();
    void chartWithOffset_data();
    void chartWithOffset();
    void everyCommandHasHelp_data();
    void everyCommandHasHelp();

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
    QTest::newRow("lunar-days after 2200")    << QStringList{"lunar-days", "2200-12-31", "2201-01-01"};
    QTest::newRow("solar-from-lunar day 31")  << QStringList{"solar-from-lunar", "2000", "1", "31"};
    QTest::newRow("solar-from-lunar words")   << QStringList{"solar-from-lunar", "year", "1", "1"};
    QTest::newRow("solar-from-lunar 2201")    << QStringList{"solar-from-lunar", "2201", "1", "1"};
    QTest::newRow("chart without a moment")   << QStringList{"chart"};
    QTest::newRow("chart gender 2")           << QStringList{"chart", "--gender", "2", "2000-01-01 12:00"};
    QTest::newRow("chart February 30")        << QStringList{"chart", "2000-02-30 12:00"};
    QTest::newRow("chart hour 24")            << QStringList{"chart", "2000-01-01 24:00"};
    QTest::newRow("chart leap without lunar") << QStringList{"chart", "--leap", "2025-06-01 12:00"};
    QTest::newRow("search three pillars")     << QStringList{"search", "1", "2", "3"};
    QTest::newRow("search pillar 60")         << QStringList{"search", "1", "2", "3", "60"};
    QTest::newRow("chart option without value") << QStringList{"chart", "2000-01-01 12:00", "--gender"};
    QTest::newRow("chart unknown option")     << QStringList{"chart", "--colour", "2000-01-01 12:00"};
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
    // Sino years 1799..2201: the last row holds the 立春 that ends 2200.
    QCOMPARE(lines.size(), 1 + 403 * 24);
    QCOMPARE(lines[0], QByteArray("sino_year\tposition\tjd\tuncertain"));
    QVERIFY(lines[1].startsWith("1799\t0\t23781"));
    QVERIFY(lines.last().startsWith("2201\t23\t25253"));
    const QList<QByteArray> fields = lines[1].split('\t');
    QCOMPARE(fields[2].size(), 14); // seven digits, point, six decimals
}

void TestCliCalendar::lunarMonthsTable()
{
    const Run r = run({"lunar-months"});
    QCOMPARE(r.code, 0);
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 1 + 403);
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
    QCOMPARE(r.out, QByteArray("date\tlunar_year\tlunar_month\tlunar_day\tleap\tuncertain\n"
                               "2025-07-24\t2025\t6\t30\t0\t0\n"
                               "2025-07-25\t2025\t6\t1\t1\t0\n"
                               "2025-07-26\t2025\t6\t2\t1\t0\n"));
    const Run all = run({"lunar-days", "1800-01-01", "2200-12-31"});
    QCOMPARE(all.code, 0);
    QCOMPARE(all.out.count('\n'), 1 + 146462);
    QVERIFY(all.out.contains("\n1800-01-01\t1799\t12\t7\t0\t0\n"));
}

void TestCliCalendar::solarFromLunar_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");

    QTest::newRow("leap sixth month 2025") << QStringList{"2025", "6", "1", "--leap"} << 0 << QByteArray("2025-07-25\n") << QByteArray();
    QTest::newRow("sixth month 2025")      << QStringList{"2025", "6", "1"} << 0 << QByteArray("2025-06-25\n") << QByteArray();
    QTest::newRow("day 29 of 29 days")     << QStringList{"2024", "1", "29"} << 0 << QByteArray("2024-03-09\n") << QByteArray();
    QTest::newRow("no leap month in 2024") << QStringList{"2024", "6", "1", "--leap"} << 2 << QByteArray()
                                           << QByteArray("qingyao-cli: 当年农历无闰六月。\n");
    QTest::newRow("lunar 2200 ends in 2201") << QStringList{"2200", "12", "29"} << 0 << QByteArray("2201-02-03\n") << QByteArray();
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

// Day 30 of a 29-day month used to roll over into the next month.
void TestCliCalendar::nonexistentLunarDateRefused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("2024 month 1 day 30")       << QStringList{"solar-from-lunar", "2024", "1", "30"};
    QTest::newRow("2007 month 1 day 30")       << QStringList{"solar-from-lunar", "2007", "1", "30"};
    QTest::newRow("2023 leap month 2 day 30")  << QStringList{"solar-from-lunar", "2023", "2", "30", "--leap"};
    QTest::newRow("chart 2024 month 1 day 30") << QStringList{"chart", "--lunar", "2024-01-30 12:00"};
    QTest::newRow("chart, JSON, leap month")   << QStringList{"chart", "--json", "--lunar", "--leap", "2023-02-30 08:00"};
}

void TestCliCalendar::nonexistentLunarDateRefused()
{
    QFETCH(QStringList, args);
    const Run r = run(args);
    QCOMPARE(r.code, 2);
    QVERIFY(r.out.isEmpty());
    QCOMPARE(QString::fromUtf8(r.err), QStringLiteral("qingyao-cli: 无该农历日期。\n"));
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

// The Jie is read from the command's own term table (惊蛰 of 2024).
void TestCliCalendar::chartWarnsNearAJie_data()
{
    QTest::addColumn<int>("minutesAfter");
    QTest::addColumn<bool>("warned");
    QTest::newRow("a minute after")    << 1 << true;
    QTest::newRow("ten minutes after") << 10 << false;
}

void TestCliCalendar::chartWarnsNearAJie()
{
    QFETCH(int, minutesAfter);
    QFETCH(bool, warned);
    const Run terms = run({"terms"});
    const int at = terms.out.indexOf("\n2024\t2\t");
    QVERIFY(at > 0);
    const double jd = terms.out.mid(at + 8, 14).toDouble();
    const qint64 seconds = qint64((jd + 0.5) * 86400);
    const QDateTime jie(QDate::fromJulianDay(seconds / 86400), QTime(0, 0).addSecs(int(seconds % 86400)), Qt::UTC);
    const QString birth = jie.addSecs(60 * minutesAfter).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const Run r = run({"chart", "--json", birth});
    QCOMPARE(r.code, 0);
    const QJsonObject chart = QJsonDocument::fromJson(r.out).object();
    QJsonArray jieWarnings;
    for (const QJsonValue &w : chart.value(QStringLiteral("warnings")).toArray())
        if (w.toObject().value(QStringLiteral("kind")).toString() == QLatin1String("jie"))
            jieWarnings.append(w);
    QCOMPARE(jieWarnings.size(), warned ? 1 : 0);
    if (!warned)
        return;
    const QJsonObject w = jieWarnings[0].toObject();
    QVERIFY(w.value(QStringLiteral("minutesAway")).toDouble() <= 1.1);
    const int previousMonth = (chart.value(QStringLiteral("monthChac")).toInt() + 59) % 60;
    const Run previous = run({"chart", "--json", jie.addSecs(-600).toString(QStringLiteral("yyyy-MM-dd HH:mm"))});
    QCOMPARE(QJsonDocument::fromJson(previous.out).object().value(QStringLiteral("monthChac")).toInt(), previousMonth);
    const QJsonArray other = w.value(QStringLiteral("alternative")).toArray();
    QCOMPARE(other.size(), 4);
    QCOMPARE(w.value(QStringLiteral("alternativeChacs")).toArray().at(1).toInt(), previousMonth);
}

void TestCliCalendar::chartLuckStartsByRule()
{
    const QStringList rules{"described", "plain-seconds", "minutes-4320", "days-and-hours", "minutes-2h"};
    const QJsonObject chart = QJsonDocument::fromJson(run({"chart", "--json", "1987-11-03 16:45"}).out).object();
    const QJsonArray starts = chart.value(QStringLiteral("luckStarts")).toArray();
    QCOMPARE(starts.size(), rules.size());
    for (int i = 0; i < starts.size(); ++i) {
        const QJsonObject s = starts[i].toObject();
        QCOMPARE(s.value(QStringLiteral("rule")).toString(), rules[i]);
        for (const char *key : {"ageYears", "ageMonths", "ageDays", "ageHours"})
            QVERIFY2(s.value(QLatin1String(key)).isDouble(), key);
        QVERIFY(QDateTime::fromString(s.value(QStringLiteral("start")).toString(), QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).isValid());
        // The existing keys follow the rule chosen with --luck-rule.
        const QJsonObject chosen = QJsonDocument::fromJson(
            run({"chart", "--json", "--luck-rule", rules[i], "1987-11-03 16:45"}).out).object();
        QCOMPARE(chosen.value(QStringLiteral("solarYearOfBegin")).toInt(), s.value(QStringLiteral("start")).toString().left(4).toInt());
        QCOMPARE(chosen.value(QStringLiteral("jd_dateBeginDY")).toDouble(), s.value(QStringLiteral("jd")).toDouble());
    }
    QCOMPARE(chart.value(QStringLiteral("jd_dateBeginDY")).toDouble(), starts[0].toObject().value(QStringLiteral("jd")).toDouble());
    const Run bad = run({"chart", "--luck-rule", "weeks", "1987-11-03 16:45"});
    QCOMPARE(bad.code, 2);
}

void TestCliCalendar::chartWithUnknownHour()
{
    const Run r = run({"chart", "--json", "--hour-unknown", "1987-11-03"});
    QCOMPARE(r.code, 0);
    const QJsonArray candidates = QJsonDocument::fromJson(r.out).array();
    QCOMPARE(candidates.size(), 12);
    QSet<QString> starts;
    for (int i = 0; i < 12; ++i) {
        const QJsonObject c = candidates[i].toObject();
        const QJsonArray chacs = c.value(QStringLiteral("chacs")).toArray();
        QCOMPARE(chacs.at(3).toInt() % 12, i); // 子 .. 亥
        QCOMPARE(chacs.at(2).toInt(), candidates[0].toObject().value(QStringLiteral("chacs")).toArray().at(2).toInt());
        QVERIFY(!c.value(QStringLiteral("hourStemGod")).toString().isEmpty());
        starts << c.value(QStringLiteral("luckStart")).toObject().value(QStringLiteral("start")).toString();
    }
    QCOMPARE(starts.size(), 12); // two hours more or less move the start
    const Run text = run({"chart", "--hour-unknown", "1987-11-03"});
    QCOMPARE(text.out.count('\n'), 13);
    QCOMPARE(run({"chart", "--hour-unknown", "1987-02-30"}).code, 2);
}

// 2057-09-29 begins with a new moon seconds after midnight.
void TestCliCalendar::lunarDaysMarkTheUncertainMonth()
{
    const Run r = run({"lunar-days", "2057-09-01", "2057-10-31"});
    QCOMPARE(r.code, 0);
    QStringList marked;
    for (const QByteArray &line : r.out.trimmed().split('\n').mid(1)) {
        const QList<QByteArray> f = line.split('\t');
        QCOMPARE(f.size(), 6);
        if (f[5] == "1")
            marked << QString::fromLatin1(f[0]) + QLatin1Char(' ') + QString::fromLatin1(f[3]);
    }
    QVERIFY2(marked.size() >= 29 && marked.contains(QStringLiteral("2057-09-29 1")), qPrintable(marked.join(QLatin1Char(','))));
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

// --zty is the engine's own offset: the command casts what the engine casts
// with it. An hour after the 惊蛰 of 2024 half a day moves the month.
void TestCliCalendar::chartWithOffset_data()
{
    QTest::addColumn<double>("zty");
    QTest::newRow("none")              << 0.0;
    QTest::newRow("half a day ahead")  << 0.5;
    QTest::newRow("half a day behind") << -0.5;
}

void TestCliCalendar::chartWithOffset()
{
    QFETCH(double, zty);
    const Run r = run({"chart", "--json", "--zty", QString::number(zty), "2024-03-05 11:30"});
    QCOMPARE(r.code, 0);
    const QJsonObject chart = QJsonDocument::fromJson(r.out).object();
    InSight engine;
    QCOMPARE(engine.beginWithTime(0, 0, 2024, 3, 5, 11, 30, 0, zty, 1).toInt(), 0);
    for (const char *key : {"yearChac", "monthChac", "dayChac", "hourChac", "jd_dateBeginDY"})
        QCOMPARE(chart.value(QLatin1String(key)).toVariant(), engine.property(key));
}

// Every command named in the program's help answers --help and "help NAME"
// with its own usage on standard output; --version names the program.
void TestCliCalendar::everyCommandHasHelp_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArrayList>("firstWords");
    const Run help = run({"--help"});
    const QByteArray commands = help.out.mid(help.out.indexOf("Commands:\n") + 10);
    for (const QByteArray &line : commands.left(commands.indexOf("\n\n")).split('\n')) {
        const QByteArray name = line.trimmed().split(' ').first();
        const QByteArrayList usage{"Usage:", "qingyao-cli", name};
        QTest::newRow(QByteArray(name + " --help").constData()) << QStringList{name, "--help"} << usage;
        QTest::newRow(QByteArray("help " + name).constData()) << QStringList{"help", name} << usage;
    }
    QTest::newRow("--version") << QStringList{"--version"}
                               << QByteArrayList{"qingyao-cli", AppContext::applicationVersion.toUtf8()};
}

void TestCliCalendar::everyCommandHasHelp()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArrayList, firstWords);
    const Run r = run(args);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out.left(r.out.indexOf('\n')).split(' ').mid(0, firstWords.size()), firstWords);
    QVERIFY(r.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestCliCalendar)
#include "tst_cli_calendar.moc"
