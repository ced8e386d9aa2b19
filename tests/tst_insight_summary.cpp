// SPDX-License-Identifier: GPL-3.0-or-later
#include "InSight.h"

#include <QtTest>

class TestInSightSummary : public QObject
{
    Q_OBJECT

private slots:
    void workedExample();
    void sections_data();
    void sections();
    void boneWeight_data();
    void boneWeight();
    void boneWeightFallsBackTo70();
    void dateTexts_data();
    void dateTexts();
};

namespace {

void setChart(InSight &s, int y, int m, int d, int h, int passMiddle, double age, int by, int bm, int bd)
{
    s.setYearChac(y);
    s.setMonthChac(m);
    s.setDayChac(d);
    s.setHourChac(h);
    s.setIsPassMiddleTerm(passMiddle);
    s.setAgeOfBegin(age);
    s.setSolarYearOfBegin(by);
    s.setSolarMonthOfBegin(bm);
    s.setSolarDayOfBegin(bd);
}

} // namespace

void TestInSightSummary::workedExample()
{
    InSight s;
    setChart(s, 0, 2, 4, 54, 0, 3.45, 1993, 7, 14); // 甲子 丙寅 戊辰 戊午
    QCOMPARE(s.getEssentials().toString(),
             QStringLiteral("2|2|3|0|1#3|3|5|0|2#(按本气计)：木2、火2、土3、金0、水1#(含藏干计)：木3、火3、土5、金0、水2"
                            "#五行缺金#命宫在酉#起运约在3周岁5个月，即1993年7月14日"));
}

void TestInSightSummary::sections_data()
{
    QTest::addColumn<QList<int>>("chart"); // year, month, day, hour pillar, isPassMiddleTerm
    QTest::addColumn<double>("age");
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("text");

    QTest::newRow("甲子 丙寅 戊辰 庚午: nothing missing") << QList<int>{0, 2, 4, 6, 0} << 1.0 << 4 << "五行不缺";
    QTest::newRow("金 only in 丑's hidden stems")        << QList<int>{0, 2, 4, 13, 0} << 1.0 << 4 << "五行缺金(按藏干计则不缺)";
    QTest::newRow("two elements missing")                << QList<int>{0, 0, 4, 48, 0} << 1.0 << 4 << "五行缺火、五行缺金";
    QTest::newRow("two missing, full counts")            << QList<int>{0, 0, 4, 48, 0} << 1.0 << 1 << "3|0|2|0|5";
    QTest::newRow("寅 month, 子 hour")                   << QList<int>{0, 2, 4, 0, 0} << 1.0 << 5 << "命宫在卯";
    QTest::newRow("寅 month, 子 hour, past the middle")  << QList<int>{0, 2, 4, 0, 1} << 1.0 << 5 << "命宫在寅";
    QTest::newRow("worked example past the middle")      << QList<int>{0, 2, 4, 54, 1} << 3.45 << 5 << "命宫在申";
    QTest::newRow("start age 0")                         << QList<int>{0, 2, 4, 54, 0} << 0.0 << 6 << "起运约在0周岁0个月，即1993年7月14日";
    QTest::newRow("start age not a number")              << QList<int>{0, 2, 4, 54, 0} << qQNaN() << 6 << "起运约在0周岁0个月，即1993年7月14日";
    QTest::newRow("pillar written out of range")         << QList<int>{-1, 2, 4, 54, 0} << 1.0 << 0 << "1|2|3|0|2";
    QTest::newRow("start age 9.99")                      << QList<int>{0, 2, 4, 54, 0} << 9.99 << 6 << "起运约在9周岁11个月，即1993年7月14日";
}

void TestInSightSummary::sections()
{
    QFETCH(QList<int>, chart);
    QFETCH(double, age);
    QFETCH(int, section);
    QFETCH(QString, text);
    InSight s;
    setChart(s, chart[0], chart[1], chart[2], chart[3], chart[4], age, 1993, 7, 14);
    const QStringList sections = s.getEssentials().toString().split(QLatin1Char('#'));
    QCOMPARE(sections.size(), 7);
    QCOMPARE(sections[section], text);
}

void TestInSightSummary::boneWeight_data()
{
    QTest::addColumn<int>("solarlunar");
    QTest::addColumn<QList<int>>("date"); // y, m, d, h, minute, leap
    QTest::addColumn<int>("yearChac");
    QTest::addColumn<int>("weight");

    // Lunar 1-1 of a 甲子 year whose new year follows 立春, 子 hour: 6 + 5 + 16 + 12.
    QTest::newRow("lunar 1864-1-1 子 hour")    << 1 << QList<int>{1864, 1, 1, 0, 30, 0} << 0 << 39;
    // Lunar 2024-1-1, 午 hour, 甲辰 year: 6 + 5 + 10 + 8.
    QTest::newRow("2024-02-10 12:00")          << 0 << QList<int>{2024, 2, 10, 12, 0, 0} << 40 << 29;
    // The leap sixth month counts as month 6: 16 + 5 + 10 + 7 (乙巳).
    QTest::newRow("leap 6th month 2025")       << 1 << QList<int>{2025, 6, 1, 12, 0, 1} << 41 << 38;
    // Lunar 2023-12-30 but after 立春, so the year is 甲辰; 亥 hour: 5 + 6 + 6 + 8.
    QTest::newRow("lunar 2023-12-30, sino 2024") << 0 << QList<int>{2024, 2, 9, 22, 0, 0} << 40 << 25;
}

void TestInSightSummary::boneWeight()
{
    QFETCH(int, solarlunar);
    QFETCH(QList<int>, date);
    QFETCH(int, yearChac);
    QFETCH(int, weight);
    InSight s;
    QCOMPARE(s.beginWithTime(0, solarlunar, date[0], date[1], date[2], date[3], date[4], date[5]).toInt(), 0);
    QCOMPARE(s.yearChac(), yearChac);
    QCOMPARE(s.ytgChengCnt(), weight);
}

void TestInSightSummary::boneWeightFallsBackTo70()
{
    InSight s;
    QCOMPARE(s.beginWithTime(0, 0, 2024, 2, 10, 12, 0).toInt(), 0);
    QVERIFY(s.ytgChengCnt() != 70);
    s.reinitAllTimepoints();
    QCOMPARE(s.ytgChengCnt(), 70);
}

void TestInSightSummary::dateTexts_data()
{
    QTest::addColumn<int>("solarlunar");
    QTest::addColumn<QList<int>>("date"); // y, m, d, h, minute, leap
    QTest::addColumn<QString>("solarText");
    QTest::addColumn<QString>("solarInt");
    QTest::addColumn<QString>("lunarText");
    QTest::addColumn<QString>("lunarInt");

    QTest::newRow("minute 0 is 00") << 0 << QList<int>{1990, 5, 17, 8, 0, 0} << "1990年5月17日 8:00" << "1990/5/17/ 8/00"
                                    << QString() << QString();
    QTest::newRow("minute 7 is 7")  << 0 << QList<int>{1990, 5, 17, 8, 7, 0} << "1990年5月17日 8:7" << "1990/5/17/ 8/7"
                                    << QString() << QString();
    QTest::newRow("leap fifth month 1990") << 1 << QList<int>{1990, 5, 23, 8, 0, 1} << QString() << QString()
                                           << "1990年闰五月廿三日" << "1990/闰5/23/8/1";
    QTest::newRow("plain month")    << 1 << QList<int>{1990, 5, 23, 8, 0, 0} << QString() << QString()
                                    << "1990年五月廿三日" << "1990/5/23/8/0";
    QTest::newRow("冬月 and 三十")  << 1 << QList<int>{2000, 11, 30, 23, 59, 0} << QString() << QString()
                                    << "2000年冬月三十日" << "2000/11/30/23/0";
    QTest::newRow("腊月 and 初一")  << 0 << QList<int>{2000, 1, 7, 0, 5, 0} << "2000年1月7日 0:5" << "2000/1/7/ 0/5"
                                    << "1999年腊月初一日" << "1999/12/1/0/0";
}

void TestInSightSummary::dateTexts()
{
    QFETCH(int, solarlunar);
    QFETCH(QList<int>, date);
    QFETCH(QString, solarText);
    QFETCH(QString, solarInt);
    QFETCH(QString, lunarText);
    QFETCH(QString, lunarInt);
    InSight s;
    QCOMPARE(s.beginWithTime(0, solarlunar, date[0], date[1], date[2], date[3], date[4], date[5]).toInt(), 0);
    if (!solarText.isNull()) {
        QCOMPARE(s.thisSolarDateStr(), solarText);
        QCOMPARE(s.thisSolarDateStrInt(), solarInt);
    }
    if (!lunarText.isNull()) {
        QCOMPARE(s.thisLunarDateStr(), lunarText);
        QCOMPARE(s.thisLunarDateStrInt(), lunarInt);
    }
    QCOMPARE(s.alternativeSolarDateStr2(), QString()); // never-filled alternatives stay empty
}

QTEST_GUILESS_MAIN(TestInSightSummary)
#include "tst_insight_summary.moc"
