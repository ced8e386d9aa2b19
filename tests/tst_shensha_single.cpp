// SPDX-License-Identifier: GPL-3.0-or-later
// Single-pillar stars (codes 0-72): each rule on a chart that triggers it and
// on one that must not. Expected strings worked out from the star tables.
#include "ShenShaTestSupport.h"

#include <QtTest>

using namespace ShenShaTest;

class TestShenShaSingle : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { quietLog(); }

    void starFound_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("expected");

        // Day-stem stars: day stem -> branches, referenced to position 2.
        QTest::newRow("天乙 甲 second branch 未") << "辛未 庚寅 甲辰 甲子" << 0 << "0|20|2";
        QTest::newRow("天乙 丁 in flow day 酉") << "甲子 丙寅 丁卯 庚子 - - - 丁酉" << 7 << "0|27|2";
        QTest::newRow("太极 on the day's own branch") << "乙丑 丙寅 甲子 丁卯" << 2 << "1|22|2";
        QTest::newRow("太极 戊 fourth branch 未") << "甲子 丙寅 戊子 己未" << 3 << "1|23|2";
        QTest::newRow("文昌 壬 寅") << "甲子 丙寅 壬申 庚子" << 1 << "2|21|2";
        QTest::newRow("学堂 庚 巳") << "己巳 丙子 庚午 丙子" << 0 << "3|20|2";
        QTest::newRow("金舆 壬 丑") << "乙丑 戊子 壬午 庚子" << 0 << "4|20|2";
        QTest::newRow("日禄 癸 子") << "甲子 丙寅 癸卯 丙辰" << 0 << "5|20|2";
        QTest::newRow("羊刃 戊 午 in luck pillar") << "甲子 丙寅 戊辰 丙辰 甲午" << 4 << "6|24|2";
        QTest::newRow("红艳 乙 申") << "甲申 丙子 乙丑 丙子" << 0 << "7|20|2";
        QTest::newRow("流霞 壬 寅") << "丙寅 庚子 壬子 庚子" << 0 << "8|20|2";
        QTest::newRow("流霞 癸 亥") << "乙亥 戊子 癸丑 壬子" << 0 << "8|20|2";
        QTest::newRow("天乙 on the life palace") << "甲子 丙寅 甲辰 丙寅 - - - - 丁丑" << 8 << "0|28|2";

        // Branch stars keyed by the year branch, referenced to position 20.
        QTest::newRow("将星 子 year, 子 hour") << "甲子 丙寅 丁卯 庚子" << 3 << "30|23|20";
        QTest::newRow("驿马 申 year, 寅 flow year") << "甲申 丁卯 丁酉 丙午 - 丙寅" << 5 << "31|25|20";
        QTest::newRow("华盖 子 year, 辰 hour") << "甲子 丙寅 庚申 庚辰" << 3 << "32|23|20";
        QTest::newRow("劫煞 子 year, 巳 hour") << "甲子 丙寅 丁卯 乙巳" << 3 << "34|23|20";
        QTest::newRow("隔角 is the key plus two") << "丙子 庚寅 丁卯 庚子" << 1 << "35|21|20";
        QTest::newRow("亡神 丑 year, 申 month") << "乙丑 甲申 丙子 戊子" << 1 << "36|21|20";
        QTest::newRow("孤辰 亥 year, 寅 month") << "乙亥 戊寅 癸酉 壬戌" << 1 << "37|21|20";
        QTest::newRow("寡宿 亥 year, 戌 hour") << "乙亥 戊寅 癸酉 壬戌" << 3 << "38|23|20";
        QTest::newRow("year = day branch: 将星 on the day") << "丙子 庚寅 甲子 丙寅" << 2 << "30|22|20";

        // Branch stars keyed by the day branch, referenced to position 22.
        QTest::newRow("桃花 卯 day, 子 year") << "甲子 丙寅 丁卯 庚子" << 0 << "33|20|22";
        QTest::newRow("桃花 卯 day, 子 hour") << "甲子 丙寅 丁卯 庚子" << 3 << "33|23|22";
        QTest::newRow("寡宿 寅 day, 丑 month") << "甲子 丁丑 丙寅 丁卯" << 1 << "38|21|22";

        // 天德, 月德: month branch, referenced to position 21.
        QTest::newRow("天德 子 month, branch 巳") << "甲子 丙子 戊午 丁巳" << 3 << "50|23|21";
        QTest::newRow("天德 寅 month, stem 丁") << "甲子 丙寅 丁卯 庚子" << 2 << "50|2|21";
        QTest::newRow("月德 寅 month, the month's own stem 丙") << "甲子 丙寅 丁卯 庚子" << 1 << "51|1|21";
        QTest::newRow("月德 亥 month, stem 甲") << "甲子 乙亥 丙子 戊子" << 0 << "51|0|21";
        QTest::newRow("天德 亥 month, stem 乙") << "甲子 乙亥 丙子 戊子" << 1 << "50|1|21";
        QTest::newRow("天德 酉 month, branch 寅 in luck") << "甲子 癸酉 丙子 戊子 戊寅" << 4 << "50|24|21";

        // 魁罡 and the day-pillar stars 天赦, 日德, 日贵, 孤鸾; the hour's 金神.
        QTest::newRow("魁罡 庚辰 day") << "甲子 丙寅 庚辰 丙子" << 2 << "62|62|-1";
        QTest::newRow("魁罡 壬辰 luck pillar") << "甲子 丙寅 丁卯 庚子 壬辰" << 4 << "62|64|-1";
        QTest::newRow("魁罡 戊戌 year") << "戊戌 丙寅 丁卯 庚子" << 0 << "62|60|-1";
        QTest::newRow("天赦 卯 month, 戊寅 day") << "甲子 丁卯 戊寅 甲寅" << 2 << "63|2|-1";
        QTest::newRow("天赦 亥 month, 甲子 day") << "甲子 乙亥 甲子 甲子" << 2 << "63|2|-1";
        QTest::newRow("天赦 未 month, 甲午 day") << "甲子 辛未 甲午 甲子" << 2 << "63|2|-1";
        QTest::newRow("天赦 戌 month, 戊申 day") << "甲子 甲戌 戊申 甲子" << 2 << "63|2|-1";
        QTest::newRow("日德 壬戌") << "甲子 丙寅 壬戌 庚子" << 2 << "64|2|-1";
        QTest::newRow("日贵 丁酉") << "甲子 丙寅 丁酉 庚子" << 2 << "65|2|-1";
        QTest::newRow("孤鸾 辛亥") << "甲子 丙寅 辛亥 庚子" << 2 << "66|2|-1";
        QTest::newRow("孤鸾 甲寅 also 日德") << "甲子 丙寅 甲寅 庚午" << 2 << "66|2|-1";
        QTest::newRow("日德 甲寅 also 孤鸾") << "甲子 丙寅 甲寅 庚午" << 2 << "64|2|-1";
        QTest::newRow("金神 己巳 hour") << "甲子 丙寅 丁卯 己巳" << 3 << "67|3|-1";

        // 空亡: empty branches of the year (20) and of the day (22).
        QTest::newRow("年柱空亡 甲子 year, 戌 hour") << "甲子 丙寅 丁卯 壬戌" << 3 << "70|23|20";
        QTest::newRow("日柱空亡 丁卯 day, 戌 hour") << "甲子 丙寅 丁卯 壬戌" << 3 << "71|23|22";
        QTest::newRow("日柱空亡 甲寅 day, 子 year") << "甲子 丙寅 甲寅 乙丑" << 0 << "71|20|22";
        QTest::newRow("日柱空亡 甲寅 day, 丑 hour") << "甲子 丙寅 甲寅 乙丑" << 3 << "71|23|22";
        QTest::newRow("年柱空亡 on the day branch") << "甲戌 丙寅 丙申 丙子" << 2 << "70|22|20";
        QTest::newRow("空亡 year = day pillar") << "甲子 丙寅 甲子 乙亥" << 3 << "72|23|20";
        QTest::newRow("年柱空亡 on the conception pillar") << "甲子 丙寅 丁卯 庚子 - - - - - 乙亥" << 9 << "70|29|20";
    }
    void starFound()
    {
        QFETCH(QString, chart);
        QFETCH(int, column);
        QFETCH(QString, expected);
        verifyFound(chart, column, expected);
    }

    void starAbsent_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<int>("code");

        QTest::newRow("羊刃 has no row for yin stems") << "丁卯 癸卯 乙卯 己卯 甲辰" << 6;
        QTest::newRow("流霞 壬 is 寅, not 申") << "甲申 丙子 壬午 庚子" << 8;
        QTest::newRow("天乙 甲 has no 子") << "甲子 丙子 甲午 丙子" << 0;
        QTest::newRow("将星 not on the key itself") << "甲子 丙寅 丁卯 庚午" << 30;
        QTest::newRow("寡宿 子 year needs 戌") << "甲子 丙寅 丁卯 庚午" << 38;
        QTest::newRow("天德/月德 寅 month without 丁 or 丙 (50)") << "甲子 戊寅 庚午 甲申" << 50;
        QTest::newRow("天德/月德 寅 month without 丁 or 丙 (51)") << "甲子 戊寅 庚午 甲申" << 51;
        QTest::newRow("魁罡 on the life palace is ignored") << "甲子 丙寅 丁卯 丙午 - - - - 戊戌" << 62;
        QTest::newRow("魁罡 on the conception pillar is ignored") << "甲子 丙寅 丁卯 丙午 - - - - - 庚辰" << 62;
        QTest::newRow("天赦 in the wrong season") << "甲子 庚午 戊寅 甲寅" << 63;
        QTest::newRow("日德 甲戌 is not one") << "甲子 丙寅 甲戌 庚子" << 64;
        QTest::newRow("日贵 丁未 is not one") << "甲子 丙寅 丁未 庚子" << 65;
        QTest::newRow("孤鸾 辛酉 is not one") << "甲子 丙寅 辛酉 庚子" << 66;
        QTest::newRow("金神 looks at the hour only") << "乙丑 丙子 丁卯 丙子" << 67;
        QTest::newRow("空亡 none present (70)") << "甲子 丙寅 丁卯 庚午" << 70;
        QTest::newRow("空亡 none present (71)") << "甲子 丙寅 丁卯 庚午" << 71;
        QTest::newRow("空亡 year = day gives no 70") << "甲子 丙寅 甲子 乙亥" << 70;
        QTest::newRow("空亡 year = day gives no 71") << "甲子 丙寅 甲子 乙亥" << 71;
        QTest::newRow("空亡 72 only when year = day") << "甲子 丙寅 丁卯 乙亥" << 72;
    }
    void starAbsent()
    {
        QFETCH(QString, chart);
        QFETCH(int, code);
        verifyAbsent(chart, code);
    }

    // Year 丙子, day 甲子: the day-branch pass is skipped, so nothing refers to
    // position 22 from codes 30-38, and the year column gets no 将星.
    void sameYearAndDayBranchRunsOneBranchPass()
    {
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(QStringLiteral("丙子 庚寅 甲子 丙寅"))), 0);
        for (int column = 0; column < GetShenShaRelations::columnCount; ++column) {
            for (int code = 30; code <= 38; ++code) {
                for (const QString &s : withCode(relations.zhu(column), code))
                    QVERIFY2(s.endsWith(QLatin1String("|20")), qPrintable(s));
            }
        }
        QCOMPARE(withCode(relations.zhu(0), 30), QStringList());
        QCOMPARE(withCode(relations.zhu(1), 31), QStringList{QStringLiteral("31|21|20")});
        QCOMPARE(withCode(relations.zhu(3), 37), QStringList{QStringLiteral("37|23|20")});
    }

    // Year 子 and day 申 both give 华盖 辰: the hour keeps the year's string.
    void yearBranchStarWinsOverDayBranchStar()
    {
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(QStringLiteral("甲子 丙寅 庚申 庚辰"))), 0);
        QCOMPARE(withCode(relations.zhu(3), 32), QStringList{QStringLiteral("32|23|20")});
    }

    // Year pillar = day pillar: one pass with code 72 from position 20.
    void sameYearAndDayPillarGivesOneEmptyPass()
    {
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(QStringLiteral("甲戌 丙寅 甲戌 乙亥"))), 0);
        // 甲戌 is in the 甲戌 decade (10-19): 申 and 酉 are empty, none present.
        for (int column = 0; column < GetShenShaRelations::columnCount; ++column) {
            for (int code : {70, 71, 72})
                QCOMPARE(withCode(relations.zhu(column), code), QStringList());
        }
        QCOMPARE(compute(relations, pillars(QStringLiteral("甲戌 丙申 甲戌 癸酉"))), 0);
        QCOMPARE(withCode(relations.zhu(1), 72), QStringList{QStringLiteral("72|21|20")});
        QCOMPARE(withCode(relations.zhu(3), 72), QStringList{QStringLiteral("72|23|20")});
        QCOMPARE(withCode(relations.zhu(1), 70), QStringList());
        QCOMPARE(withCode(relations.zhu(1), 71), QStringList());
    }

    // Only natal columns: columns 4 to 9 stay empty.
    void fourArgumentsLeaveOtherColumnsEmpty()
    {
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(QStringLiteral("甲子 丙寅 戊辰 庚申 丁卯 癸亥 己未 辛酉 丁丑 丁巳"))), 0);
        QVERIFY(!relations.zhu(9).isEmpty());
        QCOMPARE(relations.updateShenShaRel(0, 2, 4, 56).toInt(), 0);
        for (int column = 4; column < GetShenShaRelations::columnCount; ++column)
            QCOMPARE(relations.zhu(column), QStringList());
        QVERIFY(!relations.zhu(0).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestShenShaSingle)
#include "tst_shensha_single.moc"
