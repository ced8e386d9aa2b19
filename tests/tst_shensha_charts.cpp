// SPDX-License-Identifier: GPL-3.0-or-later
// Whole charts: every relation list of every column, worked out rule by rule,
// so the running order and the first-string-per-code rule are checked together.
#include "ShenShaTestSupport.h"

#include <QtTest>

using namespace ShenShaTest;

class TestShenShaCharts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { quietLog(); }

    void allColumns_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QStringList>("expected"); // per column, strings joined by ";"

        QTest::newRow("ten columns, day 戊辰")
            << "甲子 丙寅 戊辰 庚申 丁卯 癸亥 己未 辛酉 丁丑 丁巳"
            << QStringList{
                   "30|20|22;80|0|6;81|20|28;83|20|26;84|20|24;87|20|23|22;92|20|25|28",
                   "3|21|2;31|21|20;35|21|20;37|21|20;51|1|21;80|1|7;81|21|25;82|21|23;83|21|29;85|21|29|23;"
                   "93|21|24|22;97|21|29|23|25;101|61|63",
                   "1|22|2;7|22|2;32|22|20;64|2|-1;80|2|5;81|22|27;83|22|24;87|22|23|20;93|22|21|24",
                   "2|23|2;81|23|29;82|23|21;83|23|25;85|23|21|29;87|23|20|22;96|23|27;97|23|21|29|25;101|63|61",
                   "50|4|21;82|24|27;83|24|22;84|24|20;88|24|25|26;93|24|21|22;101|64|67",
                   "36|25|20;70|25|20;71|25|22;80|5|2;81|25|21;82|25|29;83|25|23;88|25|24|26;92|25|20|28;"
                   "97|25|21|29|23",
                   "0|26|2;1|26|2;4|26|2;80|6|0;82|26|28;83|26|20;84|26|28;88|26|25|24",
                   "33|27|20;80|7|1;81|27|22;82|27|24;90|27|29|28;96|27|23;101|67|64",
                   "0|28|2;1|28|2;38|28|22;50|8|21;81|28|20;82|28|26;84|28|26;90|28|29|27;92|28|25|20",
                   "5|29|2;8|29|2;34|29|20;37|29|22;50|9|21;81|29|23;82|29|25;83|29|21;85|29|21|23;"
                   "90|29|27|28;97|29|21|23|25"};

        QTest::newRow("natal only, 伏吟 year and hour")
            << "甲子 丁丑 乙丑 甲子"
            << QStringList{"0|20|2;1|20|2;81|20|21;96|20|21;100|60|63",
                           "32|21|22;81|21|20;96|21|20",
                           "81|22|20;96|22|20",
                           "0|23|2;1|23|2;30|23|20;81|23|21;96|23|21;100|63|60",
                           "", "", "", "", "", ""};

        QTest::newRow("natal only, four pillars in a row")
            << "甲子 乙丑 丙寅 丁卯"
            << QStringList{"81|20|21;84|20|23;96|20|21",
                           "38|21|22;81|21|20;96|21|20",
                           "3|22|2;7|22|2;31|22|20;35|22|20;37|22|20;96|22|23",
                           "1|23|2;33|23|22;84|23|20;96|23|22",
                           "", "", "", "", "", ""};
    }
    void allColumns()
    {
        QFETCH(QString, chart);
        QFETCH(QStringList, expected);
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(chart)), 0);
        for (int column = 0; column < GetShenShaRelations::columnCount; ++column) {
            const QStringList wanted = expected.at(column).split(QLatin1Char(';'), Qt::SkipEmptyParts);
            QCOMPARE(relations.zhu(column), wanted);
            QCOMPARE(relations.property(qPrintable(QStringLiteral("zhu%1").arg(column))).toStringList(), wanted);
        }
    }
};

QTEST_GUILESS_MAIN(TestShenShaCharts)
#include "tst_shensha_charts.moc"
