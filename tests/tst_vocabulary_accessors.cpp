// SPDX-License-Identifier: GPL-3.0-or-later
// The vocabulary look-ups of the service object: names, ten gods, hidden
// stems and twelve stages, with the normalisation of out-of-range indexes.
#include "EasyFunction.h"

#include <QtTest>

#include <climits>

class TestVocabularyAccessors : public QObject
{
    Q_OBJECT
private:
    EasyFunction m_service{nullptr, nullptr};

private slots:
    void ganStr_data()
    {
        QTest::addColumn<int>("idx");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << 0 << "甲";
        QTest::newRow("5") << 5 << "己";
        QTest::newRow("9") << 9 << "癸";
        QTest::newRow("10 is not wrapped") << 10 << "甲";
        QTest::newRow("11 is not wrapped") << 11 << "甲";
        QTest::newRow("-1 is not wrapped") << -1 << "甲";
        QTest::newRow("INT_MIN") << INT_MIN << "甲";
    }
    void ganStr()
    {
        QFETCH(int, idx);
        QFETCH(QString, expected);
        QCOMPARE(m_service.getGanStr(idx).toString(), expected);
    }

    void zhiStr_data()
    {
        QTest::addColumn<int>("idx");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << 0 << "子";
        QTest::newRow("6") << 6 << "午";
        QTest::newRow("11") << 11 << "亥";
        QTest::newRow("12 is not wrapped") << 12 << "子";
        QTest::newRow("13 is not wrapped") << 13 << "子";
        QTest::newRow("-1 is not wrapped") << -1 << "子";
    }
    void zhiStr()
    {
        QFETCH(int, idx);
        QFETCH(QString, expected);
        QCOMPARE(m_service.getZhiStr(idx).toString(), expected);
    }

    void bigPlaceNames()
    {
        const QVariant result = m_service.getBigPlaceNameStrList();
        QCOMPARE(result.userType(), int(QMetaType::QStringList));
        const QStringList names = result.toStringList();
        QCOMPARE(names.size(), 32);
        QCOMPARE(names.at(0), QStringLiteral("北京市"));
        QCOMPARE(names.at(5), QStringLiteral("广西壮族自治区"));
        QCOMPARE(names.at(17), QStringLiteral("内蒙古自治区"));
        QCOMPARE(names.at(23), QStringLiteral("上海市"));
        QCOMPARE(names.at(27), QStringLiteral("新疆维吾尔"));
        QCOMPARE(names.at(30), QStringLiteral("重庆市"));
        QCOMPARE(names.at(31), QStringLiteral("港澳臺"));
    }

    void shen10_data()
    {
        QTest::addColumn<int>("riGan");
        QTest::addColumn<int>("g");
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<QString>("fullName");
        QTest::newRow("甲 sees 甲") << 0 << 0 << "比" << "比肩";
        QTest::newRow("甲 sees 乙") << 0 << 1 << "劫" << "劫财";
        QTest::newRow("乙 sees 甲") << 1 << 0 << "劫" << "劫财";
        QTest::newRow("丁 sees 壬") << 3 << 8 << "官" << "正官";
        QTest::newRow("甲 sees 庚") << 0 << 6 << "杀" << "七杀";
        QTest::newRow("甲 sees 戊") << 0 << 4 << "才" << "偏财";
        QTest::newRow("乙 sees 辛") << 1 << 7 << "杀" << "七杀";
        QTest::newRow("乙 sees 丙") << 1 << 2 << "伤" << "伤官";
        QTest::newRow("戊 sees 丁") << 4 << 3 << "印" << "正印";
        QTest::newRow("癸 sees 辛") << 9 << 7 << "枭" << "偏印";
        QTest::newRow("己 sees 壬") << 5 << 8 << "财" << "正财";
        QTest::newRow("-1 is 癸, sees 癸") << -1 << 9 << "比" << "比肩";
        QTest::newRow("10 is 甲, sees 乙") << 10 << 1 << "劫" << "劫财";
        QTest::newRow("-11 is 癸, sees 甲") << -11 << 0 << "伤" << "伤官";
        QTest::newRow("己 sees 14 = 戊") << 5 << 14 << "劫" << "劫财";
        QTest::newRow("庚 sees -8 = 丙") << 6 << -8 << "杀" << "七杀";
    }
    void shen10()
    {
        QFETCH(int, riGan);
        QFETCH(int, g);
        QFETCH(QString, shortName);
        QFETCH(QString, fullName);
        QCOMPARE(m_service.getShen10Str(riGan, g).toString(), shortName);
        QCOMPARE(m_service.getShen10fullStr(riGan, g).toString(), fullName);
    }

    void hiddenStems_data()
    {
        QTest::addColumn<int>("zhi");
        QTest::addColumn<QString>("stems");
        QTest::addColumn<QString>("digits");
        QTest::newRow("子") << 0 << "癸" << "9";
        QTest::newRow("丑") << 1 << "己癸辛" << "597";
        QTest::newRow("未") << 7 << "己丁乙" << "531";
        QTest::newRow("戌") << 10 << "戊辛丁" << "473";
        QTest::newRow("亥") << 11 << "壬甲" << "80";
        QTest::newRow("12 is 子") << 12 << "癸" << "9";
        QTest::newRow("24 is 子") << 24 << "癸" << "9";
        QTest::newRow("-1 is 亥") << -1 << "壬甲" << "80";
        QTest::newRow("-13 is 亥") << -13 << "壬甲" << "80";
    }
    void hiddenStems()
    {
        QFETCH(int, zhi);
        QFETCH(QString, stems);
        QFETCH(QString, digits);
        QCOMPARE(m_service.getZhiCangGanStr(zhi).toString(), stems);
        QCOMPARE(m_service.getZhiCangGanSeq(zhi).toString(), digits);
    }

    void hiddenStemGods_data()
    {
        QTest::addColumn<int>("riGan");
        QTest::addColumn<int>("zhi");
        QTest::addColumn<QString>("shortNames");
        QTest::addColumn<QString>("fullNames");
        QTest::newRow("甲 day, 寅") << 0 << 2 << "比食才" << "比肩|食神|偏财";
        QTest::newRow("甲 day, 子: one stem") << 0 << 0 << "印" << "正印";
        QTest::newRow("甲 day, 卯: one stem") << 0 << 3 << "劫" << "劫财";
        QTest::newRow("甲 day, 酉: one stem") << 0 << 9 << "官" << "正官";
        QTest::newRow("乙 day, 丑") << 1 << 1 << "才枭杀" << "偏财|偏印|七杀";
        QTest::newRow("丁 day, 午") << 3 << 6 << "比食" << "比肩|食神";
        QTest::newRow("戊 day, 未") << 4 << 7 << "劫印官" << "劫财|正印|正官";
        QTest::newRow("-1 is 癸, -1 is 亥") << -1 << -1 << "劫伤" << "劫财|伤官";
        QTest::newRow("10 is 甲, 14 is 寅") << 10 << 14 << "比食才" << "比肩|食神|偏财";
    }
    void hiddenStemGods()
    {
        QFETCH(int, riGan);
        QFETCH(int, zhi);
        QFETCH(QString, shortNames);
        QFETCH(QString, fullNames);
        QCOMPARE(m_service.getZhiCangGanShen10Str(riGan, zhi).toString(), shortNames);
        QCOMPARE(m_service.getZhiCangGanShen10fullStr(riGan, zhi).toString(), fullNames);
    }

    void yun12_data()
    {
        QTest::addColumn<int>("riGan");
        QTest::addColumn<int>("zhi");
        QTest::addColumn<QString>("expected");
        QTest::newRow("甲 亥") << 0 << 11 << "长生";
        QTest::newRow("甲 子") << 0 << 0 << "沐浴";
        QTest::newRow("甲 午") << 0 << 6 << "死";
        QTest::newRow("乙 午") << 1 << 6 << "长生";
        QTest::newRow("乙 巳") << 1 << 5 << "沐浴";
        QTest::newRow("乙 亥") << 1 << 11 << "死";
        QTest::newRow("癸 卯") << 9 << 3 << "长生";
        QTest::newRow("戊 寅 like 丙") << 4 << 2 << "长生";
        QTest::newRow("己 酉 like 丁") << 5 << 9 << "长生";
        QTest::newRow("庚 巳") << 6 << 5 << "长生";
        QTest::newRow("辛 丑 backwards") << 7 << 1 << "养";
        QTest::newRow("壬 子") << 8 << 0 << "帝旺";
        QTest::newRow("丙 午") << 2 << 6 << "帝旺";
        QTest::newRow("-1 is 癸") << -1 << 3 << "长生";
        QTest::newRow("10 is 甲") << 10 << 11 << "长生";
        QTest::newRow("12 is 子") << 0 << 12 << "沐浴";
        QTest::newRow("-1 is 亥, 丙") << 2 << -1 << "绝";
    }
    void yun12()
    {
        QFETCH(int, riGan);
        QFETCH(int, zhi);
        QFETCH(QString, expected);
        QCOMPARE(m_service.getYun12Str(riGan, zhi).toString(), expected);
    }
};

QTEST_GUILESS_MAIN(TestVocabularyAccessors)
#include "tst_vocabulary_accessors.moc"
