// SPDX-License-Identifier: GPL-3.0-or-later
// The book script as the start-up loads it: split at ";" and run in one
// transaction on an in-memory SQLite database. Checks the form of the script,
// the books and their index schemes, and the paragraph markers.

#include "BookScriptFixture.h"

#include <QRegularExpression>
#include <QtTest>

class TestBookDataScript : public QObject
{
    Q_OBJECT

private:
    QString m_script;
    QStringList m_statements;

    QVariant scalar(const QString &sql)
    {
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("bookscripttest")));
        if (!q.exec(sql) || !q.next()) {
            qWarning() << sql << q.lastError().text();
            return {};
        }
        return q.value(0);
    }

    QString content(const QString &book, const QString &i1, const QString &i2 = {},
                    const QString &i3 = {})
    {
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("bookscripttest")));
        q.prepare(QStringLiteral("SELECT content01 FROM bookData WHERE bookname = ? AND idx01 = ? "
                                 "AND ifnull(idx02, '') = ? AND ifnull(idx03, '') = ?"));
        q.addBindValue(book);
        q.addBindValue(i1);
        q.addBindValue(i2);
        q.addBindValue(i3);
        if (!q.exec() || !q.next())
            return {};
        return q.value(0).toString();
    }

private slots:
    void initTestCase()
    {
        m_script = BookScriptFixture::readScript();
        m_statements = BookScriptFixture::statements(m_script);
        const QString error = BookScriptFixture::load(QStringLiteral("bookscripttest"));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void cleanupTestCase() { BookScriptFixture::unload(QStringLiteral("bookscripttest")); }

    void scriptForm()
    {
        int creates = 0, inserts = 0, indexes = 0;
        const QString allColumns = QStringLiteral(
            "(`seqid`,`bookname`,`idx01`,`idx02`,`idx03`,`idx04`,`idx05`,"
            "`content01`,`content02`,`content03`,`content04`,`content05`)");
        for (const QString &s : qAsConst(m_statements)) {
            const QString t = s.trimmed();
            if (t.contains(QLatin1String("CREATE TABLE `bookData`"))) {
                ++creates;
                QVERIFY(t.contains(QLatin1String("`seqid` INTEGER")));
                QVERIFY(t.contains(QLatin1String("PRIMARY KEY(`seqid`)")));
            } else if (t.startsWith(QLatin1String("INSERT INTO `bookData` "))) {
                ++inserts;
                QVERIFY2(t.contains(allColumns), qPrintable(t.left(80)));
            } else if (t.startsWith(QLatin1String("CREATE INDEX"))) {
                ++indexes;
            } else {
                QFAIL(qPrintable(QStringLiteral("unexpected statement: ") + t.left(80)));
            }
        }
        QCOMPARE(creates, 1);
        QCOMPARE(inserts, 2595);
        QCOMPARE(indexes, 2);
        QVERIFY(m_script.trimmed().endsWith(QLatin1Char(';')));
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' "
                                       "AND name IN ('idxbookname', 'idxidx01')")).toInt(), 2);
    }

    void rowNumbers()
    {
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM bookData")).toInt(), 2595);
        QCOMPARE(scalar(QStringLiteral("SELECT min(seqid) FROM bookData")).toInt(), 1);
        QCOMPARE(scalar(QStringLiteral("SELECT max(seqid) FROM bookData")).toInt(), 2595);
    }

    void unusedColumnsAreNull()
    {
        QCOMPARE(scalar(QStringLiteral(
                     "SELECT count(*) FROM bookData WHERE idx04 IS NOT NULL OR idx05 IS NOT NULL "
                     "OR content02 IS NOT NULL OR content03 IS NOT NULL OR content04 IS NOT NULL "
                     "OR content05 IS NOT NULL OR content01 IS NULL OR content01 = ''")).toInt(), 0);
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM bookData WHERE instr(content01, ';') > 0")).toInt(), 0);
    }

    void books_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("max1");
        QTest::addColumn<int>("max2"); // -1: idx02 is NULL
        QTest::addColumn<int>("max3"); // -1: idx03 is NULL
        QTest::newRow("baojian")          << "baojian"          << 120  << 9  << 11 << -1;
        QTest::newRow("WQLTiYao")         << "WQLTiYao"         << 1440 << 9  << 11 << 11;
        QTest::newRow("YuanTianGCheng")   << "YuanTianGCheng"   << 53   << 7  << 9  << -1;
        QTest::newRow("SanMingRiShiOne")  << "SanMingRiShiOne"  << 720  << 59 << 59 << -1;
        QTest::newRow("SanMingRiShiTwo")  << "SanMingRiShiTwo"  << 120  << 9  << 59 << -1;
        QTest::newRow("JinBuHuan")        << "JinBuHuan"        << 120  << 9  << 11 << -1;
        QTest::newRow("ShiGanTiXiang")    << "ShiGanTiXiang"    << 10   << 9  << -1 << -1;
        QTest::newRow("ShiErZhiYong")     << "ShiErZhiYong"     << 12   << 11 << -1 << -1;
    }

    void books()
    {
        QFETCH(QString, book);
        QFETCH(int, rows);
        QFETCH(int, max1);
        QFETCH(int, max2);
        QFETCH(int, max3);
        const QString where = QStringLiteral(" FROM bookData WHERE bookname = '%1'").arg(book);
        QCOMPARE(scalar(QStringLiteral("SELECT count(*)") + where).toInt(), rows);
        // Each combination of indexes once.
        QCOMPARE(scalar(QStringLiteral("SELECT count(*) FROM (SELECT DISTINCT idx01, idx02, idx03") + where
                        + QLatin1Char(')')).toInt(), rows);

        QSqlQuery q(QSqlDatabase::database(QStringLiteral("bookscripttest")));
        QVERIFY(q.exec(QStringLiteral("SELECT idx01, idx02, idx03") + where));
        const QRegularExpression number(QStringLiteral("^(0|[1-9][0-9]?)$"));
        auto inRange = [&](const QVariant &v, int max) {
            if (max < 0)
                return v.isNull();
            const QString t = v.toString();
            return !v.isNull() && number.match(t).hasMatch() && t.toInt() <= max;
        };
        while (q.next()) {
            const QString row = q.value(0).toString() + QLatin1Char(',') + q.value(1).toString()
                + QLatin1Char(',') + q.value(2).toString();
            QVERIFY2(inRange(q.value(0), max1), qPrintable(row));
            QVERIFY2(inRange(q.value(1), max2), qPrintable(row));
            QVERIFY2(inRange(q.value(2), max3), qPrintable(row));
        }
    }

    void hourPillarsFollowTheDayStem_data()
    {
        QTest::addColumn<QString>("book");
        QTest::newRow("by day pillar") << "SanMingRiShiOne";
        QTest::newRow("by day stem")   << "SanMingRiShiTwo";
    }

    // A 甲 or 己 day starts its hours at 甲子, a 乙 or 庚 day at 丙子, and so on:
    // the hour stem is (2 x day stem + hour branch) mod 10. Every day value has
    // its twelve hours.
    void hourPillarsFollowTheDayStem()
    {
        QFETCH(QString, book);
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("bookscripttest")));
        QVERIFY(q.exec(QStringLiteral("SELECT idx01, idx02 FROM bookData WHERE bookname = '%1'").arg(book)));
        QHash<int, QSet<int>> branchesByDay;
        while (q.next()) {
            const int day = q.value(0).toInt();
            const int hour = q.value(1).toInt();
            QCOMPARE(hour % 10, (2 * (day % 10) + hour % 12) % 10);
            branchesByDay[day].insert(hour % 12);
        }
        for (auto it = branchesByDay.cbegin(); it != branchesByDay.cend(); ++it)
            QCOMPARE(it.value().size(), 12);
    }

    void markersBalanced()
    {
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("bookscripttest")));
        QVERIFY(q.exec(QStringLiteral("SELECT bookname, idx01, idx02, idx03, content01 FROM bookData")));
        const QRegularExpression plain(QStringLiteral("s1|s2|p1|p2"));
        const QRegularExpression angled(QStringLiteral("<s1>|<s2>|<p1>|<p2>"));
        const QRegularExpression ascii(QStringLiteral("[A-Za-z<>]"));
        int checked = 0;
        while (q.next()) {
            const QString book = q.value(0).toString();
            const QString key = book + QLatin1Char(' ') + q.value(1).toString() + QLatin1Char(',')
                + q.value(2).toString() + QLatin1Char(',') + q.value(3).toString();
            QString text = q.value(4).toString();
            const bool angle = book == QLatin1String("YuanTianGCheng");
            const QRegularExpression &marker = angle ? angled : plain;
            // Walk the markers: sections hold paragraphs, nothing nests deeper.
            int depth = 0, sections = 0, paragraphs = 0;
            auto it = marker.globalMatch(text);
            while (it.hasNext()) {
                const QString m = it.next().captured(0);
                const QChar kind = m.at(angle ? 1 : 0);
                const bool open = m.at(angle ? 2 : 1) == QLatin1Char('1');
                if (kind == QLatin1Char('s')) {
                    QVERIFY2(depth == (open ? 0 : 1), qPrintable(key));
                    depth = open ? 1 : 0;
                    sections += open;
                } else {
                    QVERIFY2(depth == (open ? 1 : 2), qPrintable(key));
                    depth = open ? 2 : 1;
                    paragraphs += open;
                }
            }
            QVERIFY2(depth == 0 && sections >= 1 && paragraphs >= sections, qPrintable(key));
            // Only the markers use Latin letters or angle brackets.
            text.remove(marker);
            QVERIFY2(!ascii.match(text).hasMatch(), qPrintable(key));
            ++checked;
        }
        QCOMPARE(checked, 2595);
    }

    // Spot checks against the traditional facts, worked by hand.
    void knownParagraphs_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("i1");
        QTest::addColumn<QString>("i2");
        QTest::addColumn<QString>("i3");
        QTest::addColumn<QString>("begins");
        QTest::addColumn<QStringList>("holds");
        QTest::newRow("甲 寅月 丙癸") << "baojian" << "0" << "0" << ""
                                    << "s1p1甲木生于寅月" << QStringList{"丙", "癸", "临官"};
        QTest::newRow("丙 午月 壬庚") << "baojian" << "2" << "4" << ""
                                    << "s1p1丙火生于午月" << QStringList{"壬", "庚"};
        QTest::newRow("癸 丑月 丙丁") << "baojian" << "9" << "11" << ""
                                    << "s1p1癸水生于丑月" << QStringList{"丙", "丁"};
        QTest::newRow("甲 寅月 子时") << "WQLTiYao" << "0" << "2" << "0"
                                    << "s1p1日主甲木，生于寅月子时" << QStringList{"临官", "正印", "沐浴"};
        QTest::newRow("乙 酉月 午时") << "WQLTiYao" << "1" << "9" << "6"
                                    << "s1p1日主乙木，生于酉月午时" << QStringList{"七杀", "绝", "长生"};
        QTest::newRow("weight 4.3") << "YuanTianGCheng" << "4" << "3" << ""
                                  << "<s1><p1>骨重四两三钱" << QStringList{"43钱"};
        QTest::newRow("weight 2.1") << "YuanTianGCheng" << "2" << "1" << ""
                                  << "<s1><p1>骨重二两一钱" << QStringList{"21钱"};
        // 21 (5 + 5 + 6 + 5) and 71 (18 + 18 + 16 + 19) bound what a chart can weigh.
        QTest::newRow("weight 2.0 unreachable") << "YuanTianGCheng" << "2" << "0" << ""
                                              << "<s1><p1>骨重二两整" << QStringList{"不会由排盘得出"};
        QTest::newRow("weight 7.2 unreachable") << "YuanTianGCheng" << "7" << "2" << ""
                                              << "<s1><p1>骨重七两二钱" << QStringList{"不会由排盘得出"};
        QTest::newRow("甲子日 丙寅时") << "SanMingRiShiOne" << "0" << "2" << ""
                                     << "s1p1甲子日丙寅时" << QStringList{"海中金", "炉中火", "食神"};
        QTest::newRow("甲子日 庚午时 冲") << "SanMingRiShiOne" << "0" << "6" << ""
                                        << "s1p1甲子日庚午时" << QStringList{"六冲"};
        QTest::newRow("戊戌日 魁罡") << "SanMingRiShiOne" << "34" << "48" << ""
                                   << "s1p1戊戌日壬子时" << QStringList{"魁罡"};
        QTest::newRow("丁日 庚子时") << "SanMingRiShiTwo" << "3" << "36" << ""
                                   << "s1p1丁日庚子时" << QStringList{"正财", "七杀"};
        QTest::newRow("甲 寅月 建禄") << "JinBuHuan" << "0" << "2" << ""
                                    << "s1p1日主甲木，月令寅" << QStringList{"建禄格"};
        QTest::newRow("丙 午月 月刃") << "JinBuHuan" << "2" << "6" << ""
                                    << "s1p1日主丙火，月令午" << QStringList{"月刃格"};
        QTest::newRow("甲 酉月 正官") << "JinBuHuan" << "0" << "9" << ""
                                    << "s1p1日主甲木，月令酉" << QStringList{"正官格"};
        QTest::newRow("stem 甲")   << "ShiGanTiXiang" << "0" << "" << ""
                                 << "s1p1甲为阳木" << QStringList{"禄在寅"};
        QTest::newRow("branch 亥") << "ShiErZhiYong" << "11" << "" << ""
                                 << "s1p1亥，生肖属猪" << QStringList{"与寅六合", "与巳相冲"};
    }

    void knownParagraphs()
    {
        QFETCH(QString, book);
        QFETCH(QString, i1);
        QFETCH(QString, i2);
        QFETCH(QString, i3);
        QFETCH(QString, begins);
        QFETCH(QStringList, holds);
        const QString text = content(book, i1, i2, i3);
        QVERIFY2(text.startsWith(begins), qPrintable(text.left(40)));
        for (const QString &h : holds)
            QVERIFY2(text.contains(h), qPrintable(h + QStringLiteral(" in ") + text));
    }
};

QTEST_GUILESS_MAIN(TestBookDataScript)
#include "tst_bookdata_script.moc"
