// SPDX-License-Identifier: GPL-3.0-or-later
// Simplified -> Traditional conversion of what the window shows: this
// field's own writing over OpenCC's phrase-aware reading, a script-blind
// search key, and the engine's whole vocabulary free of Simplified-only
// characters once converted.
#include "EasyFunction.h"
#include "ScriptConverter.h"
#include "ShenShaRules.h"
#include "Vocabulary.h"

#include <QtTest>

class TestScriptConversion : public QObject
{
    Q_OBJECT
private:
    EasyFunction m_service{nullptr, nullptr};

private slots:
    void initTestCase() { QVERIFY(ScriptConverter::isLoaded()); }

    void toTraditional_data()
    {
        QTest::addColumn<QString>("simplified");
        QTest::addColumn<QString>("traditional");
        QTest::newRow("stems, clash, calendar, term")
            << "乙丑年 丁丑月 天干地支 农历 子午相冲 芒种 杀伤劫 临官 时干 藏干 天克地冲"
            << "乙丑年 丁丑月 天干地支 農曆 子午相沖 芒種 殺傷劫 臨官 時干 藏干 天剋地沖";
        QTest::newRow("pillar cells")
            << "时柱 伤官 劫财 长生 冠带 杨柳木 钗钏金 腊月初一 日时关系"
            << "時柱 傷官 劫財 長生 冠帶 楊柳木 釵釧金 臘月初一 日時關係";
        QTest::newRow("stars and relations")
            << "驿马 六冲 半三会 孤鸾 将星 学堂 反吟(天克地冲) 干头透出 五行生克"
            << "驛馬 六沖 半三會 孤鸞 將星 學堂 反吟(天剋地沖) 干頭透出 五行生剋";
        QTest::newRow("everyday words keep their reading")
            << "干净的干部 丑陋 冲突 历史 公历"
            << "乾淨的幹部 醜陋 衝突 歷史 公曆";
        QTest::newRow("Taiwan phrasing, as the catalogue")
            << "用户资料的文件路径" << "使用者資料的檔案路徑";
        QTest::newRow("markup and other scripts untouched")
            << "<img src=\"x\">abc 123 𠮷" << "<img src=\"x\">abc 123 𠮷";
        QTest::newRow("empty") << "" << "";
        // Half a surrogate pair (cut text) has no UTF-8 form: it must pass
        // unchanged in both directions, not vanish or shift its neighbours.
        const QString lone(QChar(0xD800));
        QTest::newRow("lone surrogate kept") << QString("干部" + lone + "冲突" + lone)
                                             << QString("幹部" + lone + "衝突" + lone);
    }
    void toTraditional()
    {
        QFETCH(QString, simplified);
        QFETCH(QString, traditional);
        QCOMPARE(m_service.convertScript(simplified, 1), traditional);
        QCOMPARE(m_service.convertScript(simplified, 0), simplified);
    }

    void toSimplified_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("simplified");
        QTest::newRow("record entered in 繁體") << "公曆: 1990年6月15日10時30分" << "公历: 1990年6月15日10时30分";
        QTest::newRow("region") << "港澳臺" << "港澳台";
        QTest::newRow("characters of both scripts kept") << "乾坤 著作 乙丑 干支" << "乾坤 著作 乙丑 干支";
    }
    void toSimplified()
    {
        QFETCH(QString, text);
        QFETCH(QString, simplified);
        QCOMPARE(m_service.convertScript(text, 0), simplified);
        QVERIFY(ScriptConverter::foreignCharacters(m_service.convertScript(text, 0), 0).isEmpty());
    }

    void searchKey_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("name") << "张三丰" << "張三豐";
        QTest::newRow("place") << "台北市 万华区" << "臺北市 萬華區";
        QTest::newRow("same script") << "广州" << "广州";
    }
    void searchKey()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(m_service.searchKey(typed), m_service.searchKey(stored));
        QCOMPARE(m_service.searchKey(m_service.convertScript(typed, 1)), m_service.searchKey(typed));
    }

    void foreignCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("foreign");
        QTest::newRow("traditional in simplified") << "港澳臺 公曆" << 0 << "臺曆";
        QTest::newRow("simplified in traditional") << "時柱 时柱 冲" << 1 << "时冲";
        QTest::newRow("shared characters") << "乙丑 干支 天" << 1 << "";
        QTest::newRow("shared characters, simplified") << "乙丑 干支 天" << 0 << "";
    }
    void foreignCharacters()
    {
        QFETCH(QString, text);
        QFETCH(int, language);
        QFETCH(QString, foreign);
        QCOMPARE(ScriptConverter::foreignCharacters(text, language), foreign);
    }

    // Every name the engine shows, converted, must read as Traditional.
    void vocabularyConverts()
    {
        using namespace Vocabulary;
        QStringList names;
        for (auto n : nayinNames)
            names << qs(n);
        for (auto n : yun12Names)
            names << qs(n);
        for (int d = 0; d < stemCount; ++d) {
            for (int g = 0; g < stemCount; ++g)
                names << m_service.getShen10fullStr(d, g).toString() << m_service.getShen10Str(d, g).toString();
        }
        for (int code = 0; code < ShenShaRules::codeLimit; ++code) {
            if (const char *star = ShenShaRules::starName(code))
                names << QString::fromUtf8(star);
        }
        for (auto n : bigPlaceNames)
            names << qs(n);
        for (const QString &name : qAsConst(names)) {
            const QString shown = m_service.convertScript(name, 1);
            QVERIFY2(ScriptConverter::foreignCharacters(shown, 1).isEmpty(), qPrintable(name + " -> " + shown));
        }
        QVERIFY(names.size() > 100);
    }
};

QTEST_GUILESS_MAIN(TestScriptConversion)
#include "tst_script_conversion.moc"
