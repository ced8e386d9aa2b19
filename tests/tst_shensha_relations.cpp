// SPDX-License-Identifier: GPL-3.0-or-later
// Combinations and clashes between columns (codes 80-103). Expected strings
// worked out from the relation tables; each relation appears on both columns.
#include "ShenShaTestSupport.h"

#include <QtTest>

using namespace ShenShaTest;

class TestShenShaRelations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { quietLog(); }
    void cleanup() { AppLog::setSaving(0); }

    void relationFound_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("expected");

        // 五合.
        QTest::newRow("五合 甲己, year side") << "甲子 丙寅 己卯 庚午" << 0 << "80|0|2";
        QTest::newRow("五合 甲己, day side") << "甲子 丙寅 己卯 庚午" << 2 << "80|2|0";
        QTest::newRow("五合 with the conception pillar") << "甲子 丙寅 丁卯 庚午 - - - - - 己巳" << 9 << "80|9|0";
        QTest::newRow("五合 戊癸") << "戊子 丙寅 癸卯 庚午" << 0 << "80|0|2";

        // 六合, 六冲, 六害.
        QTest::newRow("六合 寅亥") << "甲寅 乙亥 丙子 戊子" << 1 << "81|21|20";
        QTest::newRow("六合 巳申 on the flow month") << "甲子 丙寅 丁卯 庚午 - - 壬申 - - 乙巳" << 6 << "81|26|29";
        QTest::newRow("六冲 卯酉") << "乙卯 乙酉 丙子 戊子" << 0 << "82|20|21";
        QTest::newRow("六冲 with the life palace") << "甲子 丙寅 丁卯 庚子 - - - - 戊午" << 8 << "82|28|20";
        QTest::newRow("六害 酉戌") << "癸酉 壬戌 丙子 戊子" << 0 << "83|20|21";
        QTest::newRow("六害 申亥") << "甲申 乙亥 丙子 戊子" << 1 << "83|21|20";

        // 三刑: punishments.
        QTest::newRow("相刑 子卯") << "甲子 丁卯 丙寅 戊戌" << 1 << "84|21|20";
        QTest::newRow("相刑 丑戌") << "乙丑 丙戌 丙寅 戊子" << 0 << "84|20|21";
        QTest::newRow("三刑全 寅巳申, 寅 view") << "甲寅 己巳 庚申 丙子" << 0 << "85|20|21|22";
        QTest::newRow("三刑全 寅巳申, 巳 view") << "甲寅 己巳 庚申 丙子" << 1 << "85|21|20|22";
        QTest::newRow("三刑全 寅巳申, 申 view") << "甲寅 己巳 庚申 丙子" << 2 << "85|22|20|21";
        QTest::newRow("三刑全 丑未戌") << "乙丑 辛未 甲戌 丙子" << 2 << "85|22|20|21";

        // 自刑.
        QTest::newRow("自刑 two 午, first") << "甲午 丙寅 庚午 丙子" << 0 << "86|20|-1|-1";
        QTest::newRow("自刑 two 午, second") << "甲午 丙寅 庚午 丙子" << 2 << "86|22|-1|-1";
        QTest::newRow("自刑 three 亥") << "乙亥 丁亥 辛亥 戊子" << 1 << "86|21|-1|-1";

        // 三合 frames and 半三合.
        QTest::newRow("三合水局 申子辰") << "甲申 丙子 庚辰 丙戌" << 1 << "87|21|20|22";
        QTest::newRow("三合木局 亥卯未") << "乙亥 丁卯 辛未 戊子" << 2 << "88|22|20|21";
        QTest::newRow("三合火局 寅午戌") << "甲寅 庚午 甲戌 戊子" << 0 << "89|20|21|22";
        QTest::newRow("三合金局, 墓 view with two 旺") << "己巳 癸酉 丁酉 乙丑" << 3 << "90|23|20|21";
        QTest::newRow("三合金局, second 旺") << "己巳 癸酉 丁酉 乙丑" << 2 << "90|22|20|23";
        QTest::newRow("半三合 生旺 申子") << "甲申 丙子 丁卯 丙午" << 0 << "91|20|21";
        QTest::newRow("半三合 旺墓 午戌") << "甲午 甲戌 丁卯 癸卯" << 1 << "91|21|20";

        // 三会 (directional) frames and 半三会.
        QTest::newRow("三会木 寅卯辰") << "甲寅 丁卯 丙辰 丙子" << 2 << "93|22|20|21";
        QTest::newRow("三会水 亥子丑, second 子") << "乙亥 丙子 乙丑 丙子" << 3 << "92|23|20|22";
        QTest::newRow("三会水 亥子丑, 丑 view") << "乙亥 丙子 乙丑 丙子" << 2 << "92|22|20|21";
        QTest::newRow("三会火 巳午未") << "乙巳 甲午 辛未 丙子" << 1 << "94|21|20|22";
        QTest::newRow("三会金 申酉戌") << "甲申 癸酉 甲戌 丙子" << 0 << "95|20|21|22";
        QTest::newRow("半三会 午未") << "甲午 辛未 丙子 戊子" << 0 << "96|20|21";

        // 支全四生/四旺/四库: four-branch sets.
        QTest::newRow("支全四生") << "甲寅 己巳 壬申 乙亥" << 2 << "97|22|20|21|23";
        QTest::newRow("支全四旺") << "甲子 丁卯 丙午 丁酉" << 2 << "98|22|20|21|23";
        QTest::newRow("支全四库") << "乙丑 戊辰 辛未 甲戌" << 3 << "99|23|20|21|22";
        QTest::newRow("支全四旺 with the flow month") << "甲子 丁卯 丙午 丙子 - - 丁酉" << 6 << "98|26|20|21|22";
        QTest::newRow("支全四旺, second 子") << "甲子 丁卯 丙午 丙子 - - 丁酉" << 3 << "98|23|21|22|26";

        // 整柱 pairs: whole pillars.
        QTest::newRow("伏吟 year = hour") << "甲子 丙寅 丁卯 甲子" << 3 << "100|63|60";
        QTest::newRow("伏吟 luck = year") << "甲子 丙寅 丁卯 庚午 甲子" << 4 << "100|64|60";
        QTest::newRow("伏吟 flow month = flow day") << "甲子 丙寅 丁卯 庚午 - - 戊辰 戊辰" << 7 << "100|67|66";
        QTest::newRow("岁运并临 luck = flow year") << "甲子 丙寅 丁卯 庚午 丙戌 丙戌" << 5 << "102|65|64";
        QTest::newRow("反吟 甲子 庚午") << "甲子 庚午 丁卯 丙子" << 0 << "101|60|61";
        QTest::newRow("反吟 the later pillar first in the cycle") << "庚午 甲子 丁卯 丙子" << 1 << "101|61|60";
        QTest::newRow("反吟 across the end of the cycle") << "辛酉 丁卯 丙子 戊子" << 0 << "101|60|61";
        QTest::newRow("鸳鸯双合 己丑 before 甲子") << "己丑 甲子 丁卯 庚午" << 0 << "103|60|61";
    }
    void relationFound()
    {
        QFETCH(QString, chart);
        QFETCH(int, column);
        QFETCH(QString, expected);
        verifyFound(chart, column, expected);
    }

    void relationAbsent_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<int>("code");

        QTest::newRow("五合 甲庚 is no pair") << "甲子 丙寅 庚午 庚辰" << 80;
        QTest::newRow("六合 none") << "甲子 丙寅 丁卯 乙巳" << 81;
        QTest::newRow("六冲 none") << "甲子 丙寅 丁卯 乙巳" << 82;
        QTest::newRow("六害 none") << "甲子 丙寅 丁卯 庚午" << 83;
        QTest::newRow("三刑全 寅巳申 has no 相刑") << "甲寅 己巳 庚申 丙子" << 84;
        QTest::newRow("相刑 寅 alone (84)") << "甲寅 丙子 丁酉 庚午" << 84;
        QTest::newRow("相刑 寅 alone (85)") << "甲寅 丙子 丁酉 庚午" << 85;
        QTest::newRow("自刑 a single 午") << "甲午 丙寅 丁卯 丙子" << 86;
        QTest::newRow("自刑 two 子 are not self-punishing") << "甲子 丙子 丁卯 庚午" << 86;
        QTest::newRow("半三合 申辰 without 子 (91)") << "甲申 戊辰 丁卯 乙巳" << 91;
        QTest::newRow("半三合 申辰 without 子 (87)") << "甲申 戊辰 丁卯 乙巳" << 87;
        QTest::newRow("半三会 巳未 without 午 (96)") << "乙巳 辛未 丙子 戊子" << 96;
        QTest::newRow("半三会 巳未 without 午 (94)") << "乙巳 辛未 丙子 戊子" << 94;
        QTest::newRow("支全四生 needs all four") << "甲寅 己巳 壬申 丙子" << 97;
        QTest::newRow("伏吟 luck = flow year is 岁运并临") << "甲子 丙寅 丁卯 庚午 丙戌 丙戌" << 100;
        QTest::newRow("伏吟 not with the life palace") << "甲子 丙寅 丁卯 庚午 - - - - 丁卯" << 100;
        QTest::newRow("伏吟 not with the conception pillar") << "甲子 丙寅 丁卯 庚午 - - - - - 甲子" << 100;
        QTest::newRow("反吟 not with the life palace") << "甲子 丙寅 丁卯 辛未 - - - - 癸酉" << 101;
        QTest::newRow("鸳鸯双合 stems combine, branches not") << "甲子 己卯 丁卯 庚午" << 103;
        QTest::newRow("鸳鸯双合 branches combine, stems not") << "甲子 丁丑 丙寅 庚午" << 103;
        QTest::newRow("岁运并临 year = flow year") << "甲子 丙寅 丁卯 庚午 - 甲子" << 102;
    }
    void relationAbsent()
    {
        QFETCH(QString, chart);
        QFETCH(int, code);
        verifyAbsent(chart, code);
    }

    // Year 子 with two 丑: the year lists the first partner only.
    void twoSixHarmonyPartnersKeepTheFirst()
    {
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(QStringLiteral("甲子 乙丑 丙寅 丁丑"))), 0);
        QCOMPARE(withCode(relations.zhu(0), 81), QStringList{QStringLiteral("81|20|21")});
        QCOMPARE(withCode(relations.zhu(1), 81), QStringList{QStringLiteral("81|21|20")});
        QCOMPARE(withCode(relations.zhu(3), 81), QStringList{QStringLiteral("81|23|20")});
    }

    // Year 子, day 午, hour 子: the day clashes twice and keeps the year's string.
    void clashTwiceKeepsTheFirst()
    {
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(QStringLiteral("甲子 丙寅 庚午 丙子"))), 0);
        QCOMPARE(withCode(relations.zhu(2), 82), QStringList{QStringLiteral("82|22|20")});
        QCOMPARE(withCode(relations.zhu(3), 82), QStringList{QStringLiteral("82|23|22")});
    }

    // 寅 and 申 alone: 六冲 from the pairs, then 相刑 from the punishment row.
    void yinShenGiveClashAndPunishment()
    {
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(QStringLiteral("甲寅 庚申 丙子 戊子"))), 0);
        for (int column : {0, 1}) {
            const QStringList &strings = relations.zhu(column);
            const QString other = QString::number(21 - column);
            const QString own = QString::number(20 + column);
            const int clash = strings.indexOf(QStringLiteral("82|") + own + QLatin1Char('|') + other);
            const int punishment = strings.indexOf(QStringLiteral("84|") + own + QLatin1Char('|') + other);
            QVERIFY2(clash >= 0 && punishment > clash, qPrintable(strings.join(QLatin1Char(' '))));
        }
    }

    // 甲子 and 己丑: 五合, 六合 and 鸳鸯双合 on both columns, in rule order.
    void jiaZiWithJiChouGivesThreeRelations()
    {
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(QStringLiteral("甲子 己丑 丁卯 庚午"))), 0);
        const auto pick = [&](int column) {
            QStringList out;
            for (int code : {80, 81, 103})
                out << withCode(relations.zhu(column), code);
            return out;
        };
        QCOMPARE(pick(0), (QStringList{"80|0|1", "81|20|21", "103|60|61"}));
        QCOMPARE(pick(1), (QStringList{"80|1|0", "81|21|20", "103|61|60"}));
        QVERIFY(relations.zhu(0).indexOf(QStringLiteral("80|0|1")) < relations.zhu(0).indexOf(QStringLiteral("103|60|61")));
    }

    // The life palace takes part in the branch rules but not in the 整柱 pairs.
    void lifePalaceSeenByBranchRulesOnly()
    {
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(QStringLiteral("甲子 丙寅 丁卯 辛未 - - - - 丁卯"))), 0);
        QCOMPARE(withCode(relations.zhu(8), 84), QStringList{QStringLiteral("84|28|20")});
        for (int column = 0; column < GetShenShaRelations::columnCount; ++column) {
            for (int code : {100, 101, 102, 103})
                QCOMPARE(withCode(relations.zhu(column), code), QStringList());
        }
    }

    // 伏吟 writes a log line; 岁运并临 does not.
    void pillarRepeatLogLine_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("luck = year") << "甲子 丙寅 丁卯 庚午 甲子" << QStringList{"100: 0 , 60 , 64"};
        QTest::newRow("year = hour, luck = flow year = hour")
            << "丙寅 丁卯 丙子 丙寅 丙寅 丙寅"
            << QStringList{"100: 2 , 60 , 63", "100: 2 , 60 , 64", "100: 2 , 60 , 65", "100: 2 , 63 , 64",
                           "100: 2 , 63 , 65"};
        QTest::newRow("luck = flow year only") << "甲子 丙寅 丁卯 庚午 丙戌 丙戌" << QStringList();
    }
    void pillarRepeatLogLine()
    {
        QFETCH(QString, chart);
        QFETCH(QStringList, lines);
        GetShenShaRelations relations;
        AppLog::clear();
        AppLog::setSaving(1);
        QCOMPARE(compute(relations, pillars(chart)), 0);
        AppLog::setSaving(0);
        QStringList found;
        for (const QString &line : AppLog::buffer().split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("100:")))
                found << line.section(QLatin1String(" ("), 0, 0);
        }
        QCOMPARE(found, lines);
    }

    // Luck = flow year = year: 伏吟 against the year, 岁运并临 between the two.
    void luckEqualsFlowYearEqualsYear()
    {
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(QStringLiteral("甲子 丙寅 丁卯 庚午 甲子 甲子"))), 0);
        QCOMPARE(withCode(relations.zhu(4), 100), QStringList{QStringLiteral("100|64|60")});
        QCOMPARE(withCode(relations.zhu(4), 102), QStringList{QStringLiteral("102|64|65")});
        QCOMPARE(withCode(relations.zhu(5), 100), QStringList{QStringLiteral("100|65|60")});
        QCOMPARE(withCode(relations.zhu(5), 102), QStringList{QStringLiteral("102|65|64")});
    }

    // Relations a luck or flow pillar takes part in, every partner kept.
    void layerRelations_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("absent");
        QTest::newRow("flow year clashes a year the month already clashes")
            << "甲子 庚午 丁卯 庚午 - 丙午" << "82|20|25" << "82|20|21";
        QTest::newRow("岁运并临")                 << "甲子 丙寅 丁卯 庚午 丙戌 丙戌" << "102|64|65" << "100|64|65";
        QTest::newRow("水局 completed by the luck") << "甲申 丙子 丁卯 庚午 甲辰" << "87|20|21|24" << "91|20|21";
        QTest::newRow("life palace only is no layer") << "甲子 丙寅 丁卯 辛未 - - - - 丁卯" << "" << "84|28|20";
    }
    void layerRelations()
    {
        QFETCH(QString, chart);
        QFETCH(QString, present);
        QFETCH(QString, absent);
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(chart)), 0);
        const QStringList found = relations.layerRelations();
        if (!present.isEmpty())
            QVERIFY2(found.contains(present), qPrintable(found.join(QLatin1Char(' '))));
        QVERIFY2(!found.contains(absent), qPrintable(found.join(QLatin1Char(' '))));
        for (const QString &entry : found)
            QVERIFY(entry.section(QLatin1Char('|'), 0, 0).toInt() >= 80);
    }
};

QTEST_GUILESS_MAIN(TestShenShaRelations)
#include "tst_shensha_relations.moc"
