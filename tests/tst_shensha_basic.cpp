// SPDX-License-Identifier: GPL-3.0-or-later
// Basic rows: head, ten god, hidden-stem gods and NaYin of every present column.
#include "ShenShaTestSupport.h"

#include <QSignalSpy>
#include <QtTest>

using namespace ShenShaTest;

namespace {
const char *const tenColumns = "甲子 丙寅 戊辰 庚申 丁卯 癸亥 己未 辛酉 丁丑 丁巳";
}

class TestShenShaBasic : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { quietLog(); }

    void rows_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("expected");

        // Day stem 戊 (yang).
        QTest::newRow("year 甲子") << tenColumns << 0 << QStringList{"年|甲|子|0", "七杀", "财", "海中金"};
        QTest::newRow("month 丙寅") << tenColumns << 1 << QStringList{"月|丙|寅|1", "偏印", "杀枭比", "炉中火"};
        QTest::newRow("day 戊辰") << tenColumns << 2 << QStringList{"日|戊|辰|2", "日干", "比官财", "大林木"};
        QTest::newRow("hour 庚申") << tenColumns << 3 << QStringList{"时|庚|申|3", "食神", "食才比", "石榴木"};
        QTest::newRow("luck 丁卯") << tenColumns << 4 << QStringList{"大<br>运|丁|卯|4", "正印", "官", "炉中火"};
        QTest::newRow("flow year 癸亥") << tenColumns << 5 << QStringList{"流<br>年|癸|亥|5", "正财", "才杀", "大海水"};
        QTest::newRow("flow month 己未") << tenColumns << 6 << QStringList{"流<br>月|己|未|6", "劫财", "劫印官", "天上火"};
        QTest::newRow("flow day 辛酉") << tenColumns << 7 << QStringList{"流<br>日|辛|酉|7", "伤官", "伤", "石榴木"};
        QTest::newRow("life palace 丁丑") << tenColumns << 8 << QStringList{"命<br>宫| |丑|8", " ", "劫财伤", " "};
        QTest::newRow("conception 丁巳") << tenColumns << 9 << QStringList{"胎<br>元| |巳|9", " ", "枭食比", " "};

        // Day stem 乙 (yin): the second ten-god row.
        QTest::newRow("yin day, year 辛亥") << "辛亥 己亥 乙丑 丁亥" << 0 << QStringList{"年|辛|亥|0", "七杀", "印劫", "钗钏金"};
        QTest::newRow("yin day, month 己亥") << "辛亥 己亥 乙丑 丁亥" << 1 << QStringList{"月|己|亥|1", "偏财", "印劫", "平地木"};
        QTest::newRow("yin day, day 乙丑") << "辛亥 己亥 乙丑 丁亥" << 2 << QStringList{"日|乙|丑|2", "日干", "才枭杀", "海中金"};
        QTest::newRow("yin day, hour 丁亥") << "辛亥 己亥 乙丑 丁亥" << 3 << QStringList{"时|丁|亥|3", "食神", "印劫", "屋上土"};
        QTest::newRow("last of the cycle 癸亥") << "癸亥 癸亥 癸亥 癸亥" << 3 << QStringList{"时|癸|亥|3", "比肩", "劫伤", "大海水"};
    }
    void rows()
    {
        QFETCH(QString, chart);
        QFETCH(int, column);
        QFETCH(QStringList, expected);
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(chart)), 0);
        QCOMPARE(relations.basic(column), expected);
        QCOMPARE(relations.property(qPrintable(QStringLiteral("zhu%1_basic").arg(column))).toStringList(), expected);
    }

    // A call without luck pillar keeps the luck rows of the earlier call, while
    // its relation list empties.
    void absentColumnsKeepTheirRows()
    {
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(QString::fromUtf8(tenColumns))), 0);
        const QStringList luckRows = relations.basic(4);
        QVERIFY(!relations.zhu(4).isEmpty());
        QCOMPARE(compute(relations, pillars(QStringLiteral("辛亥 己亥 乙丑 丁亥"))), 0);
        QCOMPARE(relations.basic(4), luckRows);
        QCOMPARE(relations.basic(9), (QStringList{"胎<br>元| |巳|9", " ", "枭食比", " "}));
        QCOMPARE(relations.zhu(4), QStringList());
        QCOMPARE(relations.basic(0).first(), QStringLiteral("年|辛|亥|0"));
    }

    void fourArgumentsLeaveBasicRowsEmpty()
    {
        GetShenShaRelations relations;
        QCOMPARE(relations.updateShenShaRel(0, 2, 4, 56).toInt(), 0);
        for (int column = 4; column < GetShenShaRelations::columnCount; ++column)
            QCOMPARE(relations.basic(column), QStringList());
        QCOMPARE(relations.basic(3).size(), 4);
    }

    // All ten basic signals, also for absent columns.
    void everyCallEmitsAllBasicSignals()
    {
        GetShenShaRelations relations;
        QVector<QSignalSpy *> spies;
        for (int column = 0; column < GetShenShaRelations::columnCount; ++column)
            spies << new QSignalSpy(&relations, qPrintable(QStringLiteral("2zhu%1_basicChanged()").arg(column)));
        QCOMPARE(relations.updateShenShaRel(0, 2, 4, 56).toInt(), 0);
        QCOMPARE(relations.updateShenShaRel(0, 2, 4, 56).toInt(), 0);
        for (QSignalSpy *spy : spies)
            QCOMPARE(spy->count(), 2);
        qDeleteAll(spies);
    }

    void directRebuildRefusesBadArguments()
    {
        GetShenShaRelations relations;
        relations.updateBasicRows(0, 2, 4, 56, 3);
        const QStringList before = relations.basic(4);
        QSignalSpy spy(&relations, &GetShenShaRelations::zhu0_basicChanged);
        relations.updateBasicRows(0, 2, 4, 56, 60);
        relations.updateBasicRows(-1, 2, 4, 56);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(relations.basic(4), before);
        QCOMPARE(relations.basic(4).first(), QStringLiteral("大<br>运|丁|卯|4"));
        QCOMPARE(relations.zhu(0), QStringList()); // basic rows only
    }
};

QTEST_GUILESS_MAIN(TestShenShaBasic)
#include "tst_shensha_basic.moc"
